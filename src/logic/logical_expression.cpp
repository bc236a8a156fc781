// The logical expressions of If/ElseIf lines and the argument of Begin lines.
// Both are taken apart the same way: a leading group "( ... )" is checked
// inside, then whatever follows it must be an operator and another
// expression; otherwise the text is split at its leftmost operator (no
// precedence, quotes and parentheses ignored) and each side is checked.
// Every piece without an operator goes to the leaf checker of the kind of
// expression.
//
// The checking order is the one of a plain recursion (inside of a group,
// then what follows it; left piece, then the right one), kept on an explicit
// list of pending tasks so that a line full of operators or nested groups
// cannot exhaust the stack.
#include <iterator>
#include <vector>

#include "logic/line_checkers.hpp"
#include "pipeline/ascii.hpp"
#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"

namespace quillomat {
namespace {

constexpr Libelle<1> kExpressionInvalide{"QM405", " : erreur dans l'expression logique du {MOT}.",
                                         "La condition du if ou du elseif n'est pas une valeur, une comparaison ou une "
                                         "fonction reconnue, ou ses parenthèses sont mal placées."};
constexpr Libelle<1> kExpressionDroiteAbsente{"QM406",
                                              " : erreur dans l'expression logique du {MOT}. Impossible de détecter "
                                              "l'expression à droite de l'opérateur logique.",
                                              "Rien ne suit un opérateur (&&, ||, ==, <...) de la condition."};
constexpr Libelle<1> kCommandeBeginInvalide{"QM407", " : erreur dans la commande du {MOT}.",
                                            "Ce qui suit Begin n'est pas une suite de types de bloc joints par && "
                                            "ou ||, ou ses parenthèses sont mal placées."};
constexpr Libelle<1> kCommandeBeginDroiteAbsente{"QM408",
                                                 " : erreur dans la commande du {MOT}. Impossible de détecter la "
                                                 "commande à droite de l'opérateur logique.",
                                                 "Rien ne suit un opérateur && ou || de la ligne Begin."};
constexpr const Fiche* kLibelles[] = {&kExpressionInvalide, &kExpressionDroiteAbsente, &kCommandeBeginInvalide,
                                      &kCommandeBeginDroiteAbsente};

struct Regles {
  std::string_view contexte;  // the word the messages name
  const Libelle<1>& e1;       // a piece that is not sound
  const Libelle<1>& e2;       // nothing right of an operator
  // "&&" and "||" only, or also the comparisons.
  bool comparaisons;
  // The Begin checker keeps the quote count of the parenthesis scan: after a
  // group that held exactly two double quotes it looks for no operator.
  bool guillemetsApresGroupe;
  void (*feuille)(Context&, const Regles&, std::string_view);
};

void erreurE1(Context& ctx, const Regles& r) { signalerLigne(ctx.wf, ctx.line, r.e1, r.contexte); }
void erreurE2(Context& ctx, const Regles& r) { signalerLigne(ctx.wf, ctx.line, r.e2, r.contexte); }

// Length of the operator that starts at k (0: none). Byte for byte, case
// sensitive; a two-character operator wins over "<" or ">" at the same place.
size_t operateurEn(std::string_view x, size_t k, bool comparaisons) {
  static constexpr std::string_view kDeux[] = {"&&", "||", "==", ">=", "<=", "!="};
  const std::string_view ici = x.substr(k, 2);
  for (size_t i = 0; i < (comparaisons ? std::size(kDeux) : 2); ++i)
    if (ici == kDeux[i]) return 2;
  if (comparaisons && (x[k] == '<' || x[k] == '>')) return 1;
  return 0;
}

struct Tache {
  enum Sorte { Verifier, ApresGroupe, DroiteVide } sorte;
  std::string_view x;
  size_t fermante = 0;  // ApresGroupe: index of the group's ")"
  int guillemets = 0;   // ApresGroupe: double quotes met inside the group
};

void analyser(Context& ctx, const Regles& r, std::string_view expression) {
  expression = jusquAuNul(expression);
  std::vector<Tache> pile{{Tache::Verifier, expression}};
  while (!pile.empty()) {
    const Tache tache = pile.back();
    pile.pop_back();
    const std::string_view x = tache.x;
    const size_t len = x.size();

    if (tache.sorte == Tache::DroiteVide) {
      erreurE2(ctx, r);
      continue;
    }

    if (tache.sorte == Tache::ApresGroupe) {
      // The character right after ")" is skipped whatever it is, then one blank.
      size_t p = tache.fermante + 2;
      if (p < len && estBlanc(x[p])) ++p;
      if (p >= len) continue;
      if (estBlanc(x[p])) {
        while (p < len && estBlanc(x[p])) ++p;
        if (p < len) erreurE1(ctx, r);
        continue;
      }
      const bool chercher = !(r.guillemetsApresGroupe && tache.guillemets == 2);
      const size_t n = chercher ? operateurEn(x, p, r.comparaisons) : 0;
      if (n == 0)
        erreurE1(ctx, r);
      else
        pile.push_back({Tache::Verifier, x.substr(p + n)});  // an empty right side is not reported here
      continue;
    }

    const size_t s = (len > 0 && estBlanc(x[0])) ? 1 : 0;
    if (s < len && x[s] == '(') {
      size_t q = s + 1;
      int profondeur = 0;
      int guillemets = 0;
      for (; q < len; ++q) {
        const char c = x[q];
        if (c == '"') {
          ++guillemets;
        } else if (guillemets % 2 == 0) {
          if (c == '(') ++profondeur;
          if (c == ')' && --profondeur == -1) break;
        }
      }
      if (q >= len) {
        erreurE1(ctx, r);
        continue;
      }
      pile.push_back({Tache::ApresGroupe, x, q, guillemets});
      pile.push_back({Tache::Verifier, x.substr(s + 1, q - s - 1)});
      continue;
    }

    size_t k = s;
    size_t n = 0;
    for (; k < len; ++k)
      if ((n = operateurEn(x, k, r.comparaisons)) != 0) break;
    if (n == 0) {
      r.feuille(ctx, r, x);
      continue;
    }
    size_t droite = k + n;
    while (droite < len && estBlanc(x[droite])) ++droite;
    // Pushed in reverse: the left piece (from the very start of the text),
    // then E2 when nothing follows the operator, then the right piece, which
    // is checked even when empty.
    pile.push_back({Tache::Verifier, x.substr(droite)});
    if (droite >= len) pile.push_back({Tache::DroiteVide, {}});
    pile.push_back({Tache::Verifier, x.substr(0, k)});
  }
}

void valeurLogique(Context& ctx, const Regles& r, std::string_view operande) {
  if (reconnaitreValeur(ctx, operande) <= 0) erreurE1(ctx, r);
}

void commandeBegin(Context& ctx, const Regles&, std::string_view piece) { synDetectCommande(ctx, piece); }

}  // namespace

Libelles libellesLogicalExpression() { return kLibelles; }

void MainLogique(Context& ctx, std::string_view contexte, std::string_view expression) {
  const Regles regles{contexte, kExpressionInvalide, kExpressionDroiteAbsente, true, false, valeurLogique};
  analyser(ctx, regles, expression);
}

void MainLogiqueBegin(Context& ctx, std::string_view expression) {
  const Regles regles{"Begin", kCommandeBeginInvalide, kCommandeBeginDroiteAbsente, false, true, commandeBegin};
  analyser(ctx, regles, expression);
}

}  // namespace quillomat
