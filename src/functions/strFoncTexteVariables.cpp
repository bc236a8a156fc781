// MessageBox and PrintToConsole: a text with format fields, their variables,
// then the choices (the buttons of a MessageBox), each a quoted text.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "logic/format_text.hpp"

namespace quillomat {
namespace {

using Faute = TexteEtVariables::Faute;

// Choices from pos to the end of the line. Each is introduced by ',', ' ' or
// ", "; text stuck to the item before it is one parameter too many.
void lireChoix(Call& call, size_t pos) {
  const Text& t = call.text();
  for (int rang = 1;; ++rang) {
    if (call.resteBlanc(pos)) return;
    size_t p = pos;
    if (t.at(p) == ',') ++p;
    if (t.at(p) == ' ') ++p;
    if (p == pos) {
      call.erreur(" : erreur, la fonction ", call.nom(), " contient trop de paramètres !");
      return;
    }
    if (call.resteBlanc(p)) return;
    if (t.at(p) != '"') {
      call.erreur(" : impossible de détecter le ", rang, "-ième choix de la fonction ", call.nom());
      return;
    }
    const size_t fermant = t.src().find('"', p + 1);
    if (fermant == std::string_view::npos) {
      call.erreur(" : impossible de détecter la fin du ", rang, "-ième choix de la fonction ", call.nom());
      return;
    }
    pos = fermant + 1;
  }
}

}  // namespace

int strFoncTexteVariables(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const TexteEtVariables lu = lireTexteEtVariables(ctx, t, call.pos());
  switch (lu.faute) {
    case Faute::TexteVide:
      call.erreur(" : impossible de détecter le texte !");
      break;
    case Faute::TropDeChamps:
      call.erreur(" : plus de 9 variables dans la fonction ", call.nom(), ".");
      break;
    case Faute::VariableIntrouvable:
      call.erreur(" : impossible de détecter la ", lu.rang, "-ième variable de la fonction ", call.nom(), ".");
      break;
    case Faute::PasDEspace:
      if (lu.rang == 1)
        call.erreur(" : pas d'espace après le texte de la fonction ", call.nom(), ".");
      else
        call.erreur(" : pas d'espace après la ", lu.rang, "-ième variable de la fonction ", call.nom(), ".");
      break;
    case Faute::Aucune:
      lireChoix(call, lu.fin);
      break;
  }
  return 1;
}

}  // namespace quillomat
