// MessageBox and PrintToConsole: a text with format fields, their variables,
// then the choices (the buttons of a MessageBox), each a quoted text.
#include "functions/call_reader.hpp"
#include "functions/checkers.hpp"
#include "logic/format_text.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

using Faute = TexteEtVariables::Faute;

constexpr Libelle<2> kChoixIntrouvable{"QM510",
                                       " : impossible de détecter le {RANG}-ième choix de la fonction {FONCTION}",
                                       "Ce choix n'est pas un texte entre guillemets."};
constexpr Libelle<2> kFinDeChoix{"QM511",
                                 " : impossible de détecter la fin du {RANG}-ième choix de la fonction {FONCTION}",
                                 "Le texte de ce choix n'a pas de guillemet fermant."};
constexpr Libelle<1> kTropDeVariables{"QM512", " : plus de 9 variables dans la fonction {FONCTION}.",
                                      "Le texte contient plus de neuf champs de format (%g, %s, %.2f...) : la fonction "
                                      "n'affiche pas plus de neuf variables."};
constexpr Libelle<2> kVariableIntrouvable{"QM513",
                                          " : impossible de détecter la {RANG}-ième variable de la fonction "
                                          "{FONCTION}.",
                                          "Un champ de format du texte n'a pas de variable qui lui corresponde, ou "
                                          "celle-ci n'est pas une valeur."};
constexpr Libelle<1> kPasDEspaceApresTexte{"QM514", " : pas d'espace après le texte de la fonction {FONCTION}.",
                                           "La première variable n'est pas séparée du texte par une virgule et un "
                                           "espace."};
constexpr Libelle<2> kPasDEspaceApresVariable{"QM515",
                                              " : pas d'espace après la {RANG}-ième variable de la fonction {FONCTION}.",
                                              "La variable suivante n'est pas séparée de celle-ci par une virgule et "
                                              "un espace."};

constexpr const Fiche* kLibelles[] = {&kChoixIntrouvable,    &kFinDeChoix,           &kTropDeVariables,
                                      &kVariableIntrouvable, &kPasDEspaceApresTexte, &kPasDEspaceApresVariable};

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
      call.signaler(kTropDeParametres, call.nom());
      return;
    }
    if (call.resteBlanc(p)) return;
    if (t.at(p) != '"') {
      call.signaler(kChoixIntrouvable, rang, call.nom());
      return;
    }
    const size_t fermant = t.src().find('"', p + 1);
    if (fermant == std::string_view::npos) {
      call.signaler(kFinDeChoix, rang, call.nom());
      return;
    }
    pos = fermant + 1;
  }
}

}  // namespace

Libelles libellesTexteVariables() { return kLibelles; }

int strFoncTexteVariables(Context& ctx, const Text& t, const Row& row) {
  Call call(ctx, t, row);
  if (!call.detecterAvecSeparateur(false)) return 0;
  const TexteEtVariables lu = lireTexteEtVariables(ctx, t, call.pos());
  switch (lu.faute) {
    case Faute::TexteVide:
      call.signaler(kTexteIntrouvable);
      break;
    case Faute::TropDeChamps:
      call.signaler(kTropDeVariables, call.nom());
      break;
    case Faute::VariableIntrouvable:
      call.signaler(kVariableIntrouvable, lu.rang, call.nom());
      break;
    case Faute::PasDEspace:
      if (lu.rang == 1)
        call.signaler(kPasDEspaceApresTexte, call.nom());
      else
        call.signaler(kPasDEspaceApresVariable, lu.rang, call.nom());
      break;
    case Faute::Signalee:
      break;
    case Faute::Aucune:
      lireChoix(call, lu.fin);
      break;
  }
  return 1;
}

}  // namespace quillomat
