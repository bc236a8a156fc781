// Message (a text, the variables of its format fields, an optional last
// number) and EssentialDeathReload (a text alone).
#include "functions/call_reader.hpp"
#include "logic/format_text.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

using Faute = TexteEtVariables::Faute;

// The optional last number after the variables: anything else left on the
// line (extra variables without format fields among them) is a fault.
bool dernierParametreCorrect(const Text& t, size_t p) {
  if (t.at(p) == ',') ++p;
  if (t.at(p) == ' ') ++p;
  while (estChiffre(t.at(p))) ++p;
  if (t.at(p) == '.' && estChiffre(t.at(p + 1)))
    for (++p; estChiffre(t.at(p));) ++p;
  return p >= t.size() || toutBlanc(t.src().substr(p));
}

}  // namespace

int synDetectMessage(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const TexteEtVariables lu = lireTexteEtVariables(ctx, t, call.pos());
  switch (lu.faute) {
    case Faute::TexteVide:
      call.erreur(" : impossible de détecter le texte !");
      break;
    case Faute::TropDeChamps:
      call.erreur(" : plus de 9 variables dans le Message.");
      break;
    case Faute::VariableIntrouvable:
      call.erreur(" : impossible de détecter la ", lu.rang, "-ième variable de la MessageBox.");
      break;
    case Faute::PasDEspace:
      if (lu.rang == 1)
        call.erreur(" : pas d'espace après le texte de la MessageBox.");
      else
        call.erreur(" : pas d'espace après la ", lu.rang, "-ième variable de la MessageBox.");
      break;
    case Faute::Aucune:
      if (!dernierParametreCorrect(t, lu.fin))
        call.erreur(" : erreur dans le dernier paramètre. Attention, Message ne prend pas de variables en entrée !");
      break;
  }
  return 1;
}

int synDetectEssentialDeathReload(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const TexteAffiche texte = lireTexteAffiche(t, call.pos());
  if (texte.texte.empty()) {
    call.erreur(" : impossible de détecter le texte !");
    return 1;
  }
  // The character that follows the text is passed over unexamined.
  if (!call.resteBlanc(texte.fin + 1))
    call.erreur(
        " : erreur, la fonction EssentialDeathReload ne doit contenir aucun paramètre après le texte à "
        "afficher !");
  return 1;
}

}  // namespace quillomat
