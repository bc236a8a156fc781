// set variable to expression, where the variable may be object.variable.
// A faulty assignment is still read as far as it can be, so one line may
// carry several messages ("set x y" reports the missing "to" and the gap).
#include "functions/call_reader.hpp"
#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/registre_libelles.hpp"

#include "pipeline/tri_info.hpp"

namespace quillomat {
namespace {

constexpr int kVariable = 9;
constexpr int kVariableReference = 8;
constexpr int kObjet = 19;
constexpr int kVariableExterne = 29;

constexpr Libelle<0> kExpressionInvalide{"QM410",
                                         " : erreur, dans la fonction \"Set ... to ...\" : l'expression suivant le "
                                         "\"to\" n'est pas valide !",
                                         "Ce qui suit to n'est ni une valeur, ni une variable, ni une expression ou "
                                         "une fonction reconnue."};
constexpr Libelle<0> kToIntrouvable{"QM411",
                                    " : erreur dans la fonction \"Set ... to ...\" : impossible de détecter le "
                                    "\"to\" !",
                                    "La ligne set n'a pas de mot to entre la variable et la valeur."};
constexpr Libelle<0> kVariableIntrouvable{"QM412", " : impossible de détecter la variable !",
                                          "Aucune variable n'est écrite entre set et to."};
constexpr Libelle<1> kVariableDObjetIntrouvable{"QM413",
                                                " : impossible de détecter la variable locale associée à l'objet "
                                                "\"{OBJET}\" !",
                                                "Le point qui suit l'objet n'est pas suivi du nom de sa variable."};
constexpr Libelle<0> kVariableFautive{"QM414", " : erreur dans la variable à modifier !",
                                      "Il y a autre chose qu'une seule variable entre set et to."};
constexpr const Fiche* kLibelles[] = {&kExpressionInvalide, &kToIntrouvable, &kVariableIntrouvable,
                                      &kVariableDObjetIntrouvable, &kVariableFautive};

struct Nom {
  std::string texte;
  size_t fin = 0;
  bool arreteSurBlanc = false;  // the name ended at a blank (not at " to ", a quote, a '.' or the length limit)
  bool point = false;           // a '.' ended it: object form
};

// The variable, or the object of the object form. Quotes are counted and not
// kept; a '.' ends the name even between quotes.
Nom lirePremierNom(const Text& t, size_t pos, size_t to) {
  Nom n;
  while (pos < to && estBlanc(t.at(pos))) ++pos;
  int guillemets = 0;
  for (; pos < to; ++pos) {
    const char c = t.at(pos);
    if (c == '"') {
      if (++guillemets == 2) {
        ++pos;
        n.point = t.at(pos) == '.';
        break;
      }
      continue;
    }
    if (estBlanc(c) && guillemets != 1) {
      n.arreteSurBlanc = true;
      break;
    }
    if (c == '.') {
      n.point = true;
      break;
    }
    if (n.texte.size() == kNomMax) break;
    n.texte += c;
  }
  n.fin = pos;
  return n;
}

// The object's variable, from just after the '.'; quotes are plain characters here.
Nom lireVariableDObjet(const Text& t, size_t pos, size_t to) {
  Nom n;
  for (; pos < to; ++pos) {
    const char c = t.at(pos);
    if (estBlanc(c)) {
      n.arreteSurBlanc = true;
      break;
    }
    if (n.texte.size() == kNomMax) break;
    n.texte += c;
  }
  n.fin = pos;
  return n;
}

void verifierExpression(Context& ctx, const Text& t, size_t to, const std::string& premier) {
  const std::string_view expression = to + 4 < t.size() ? t.src().substr(to + 4) : std::string_view{};
  const int r = reconnaitreValeur(ctx, expression);
  if (r <= 0)
    signalerLigne(ctx.wf, ctx.line, kExpressionInvalide);
  else if (r > 1)
    triInfo(ctx.wf, IdentifierRecord{kVariableReference, premier});
}

}  // namespace

Libelles libellesSetAssignment() { return kLibelles; }

int synDetectSet(Context& ctx, const Text& t, const Row&) {
  const size_t b = t.debut();
  if (!nomEn(t, b, "set ")) return 0;

  size_t to = t.low().find(" to ", b + 4);
  if (to == std::string_view::npos) {
    signalerLigne(ctx.wf, ctx.line, kToIntrouvable);
    to = t.size();
  }

  const Nom premier = lirePremierNom(t, b + 4, to);
  Nom dernier = premier;
  Nom variable;
  if (premier.point) {
    variable = lireVariableDObjet(t, premier.fin + 1, to);
    dernier = variable;
  }

  bool nomFautif = false;
  if (premier.texte.empty()) {
    signalerLigne(ctx.wf, ctx.line, kVariableIntrouvable);
    nomFautif = true;
  } else if (premier.point && variable.texte.empty()) {
    signalerLigne(ctx.wf, ctx.line, kVariableDObjetIntrouvable, premier.texte);
    nomFautif = true;
  }
  if (nomFautif) {
    if (!dernier.arreteSurBlanc) verifierExpression(ctx, t, to, premier.texte);
    return 1;
  }

  if (premier.point) {
    triInfo(ctx.wf, IdentifierRecord{kObjet, premier.texte});
    triInfo(ctx.wf, IdentifierRecord{kVariableExterne, variable.texte});
    triInfoExterne(ctx.wf, AttachmentRecord{variable.texte, premier.texte});
  } else {
    triInfo(ctx.wf, IdentifierRecord{kVariable, premier.texte});
  }
  size_t pos = dernier.fin;
  while (pos < to && estBlanc(t.at(pos))) ++pos;
  if (pos < to) {
    signalerLigne(ctx.wf, ctx.line, kVariableFautive);
    return 1;
  }
  verifierExpression(ctx, t, to, premier.texte);
  return 1;
}

}  // namespace quillomat
