// Message (a text, the variables of its format fields, an optional last
// number) and EssentialDeathReload (a text alone).
#include "functions/call_reader.hpp"
#include "logic/format_text.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

using Faute = TexteEtVariables::Faute;

constexpr Libelle<0> kTropDeVariables{"QM502", " : plus de 9 variables dans le Message.",
                                      "Le texte contient plus de neuf champs de format (%g, %s, %.2f...) : un message "
                                      "n'affiche pas plus de neuf variables."};
constexpr Libelle<1> kVariableIntrouvable{"QM503", " : impossible de détecter la {RANG}-ième variable de la MessageBox.",
                                          "Un champ de format du texte n'a pas de variable qui lui corresponde, ou "
                                          "celle-ci n'est pas une valeur."};
constexpr Libelle<0> kPasDEspaceApresTexte{"QM504", " : pas d'espace après le texte de la MessageBox.",
                                           "La première variable n'est pas séparée du texte par une virgule et un "
                                           "espace."};
constexpr Libelle<1> kPasDEspaceApresVariable{"QM505", " : pas d'espace après la {RANG}-ième variable de la MessageBox.",
                                              "La variable suivante n'est pas séparée de celle-ci par une virgule et "
                                              "un espace."};
constexpr Libelle<0> kRienApresTexte{"QM506",
                                     " : erreur, la fonction EssentialDeathReload ne doit contenir aucun paramètre "
                                     "après le texte à afficher !",
                                     "EssentialDeathReload ne prend que son texte, et quelque chose le suit."};
constexpr const Fiche* kLibelles[] = {&kTropDeVariables, &kVariableIntrouvable, &kPasDEspaceApresTexte,
                                      &kPasDEspaceApresVariable, &kRienApresTexte};

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

Libelles libellesMessage() { return kLibelles; }

int synDetectMessage(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const TexteEtVariables lu = lireTexteEtVariables(ctx, t, call.pos());
  switch (lu.faute) {
    case Faute::TexteVide:
      call.signaler(kTexteIntrouvable);
      break;
    case Faute::TropDeChamps:
      call.signaler(kTropDeVariables);
      break;
    case Faute::VariableIntrouvable:
      call.signaler(kVariableIntrouvable, lu.rang);
      break;
    case Faute::PasDEspace:
      if (lu.rang == 1)
        call.signaler(kPasDEspaceApresTexte);
      else
        call.signaler(kPasDEspaceApresVariable, lu.rang);
      break;
    case Faute::Signalee:
      break;
    case Faute::Aucune:
      if (!dernierParametreCorrect(t, lu.fin))
        call.signaler(kDernierVariable, "Message");
      break;
  }
  return 1;
}

int synDetectEssentialDeathReload(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const TexteAffiche texte = lireTexteAffiche(t, call.pos());
  if (texte.texte.empty()) {
    call.signaler(kTexteIntrouvable);
    return 1;
  }
  // The character that follows the text is passed over unexamined.
  if (!call.resteBlanc(texte.fin + 1))
    call.signaler(kRienApresTexte);
  return 1;
}

}  // namespace quillomat
