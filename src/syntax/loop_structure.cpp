#include "syntax/loop_structure.hpp"

#include <vector>

#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

constexpr Libelle<0> kLoopEnTrop{"QM621", " : un 'loop' en trop (pas de 'while' ou de 'foreach' avant le 'loop').",
                                 "Ce loop ne ferme aucune boucle : aucun while ni foreach ouvert ne le précède."};
constexpr Libelle<2> kLoopManquants{"QM622", "    - Il y a {N} 'loop' manquant{S} dans le script.",
                                    "Des boucles while ou foreach ne sont pas fermées par un loop."};
constexpr Libelle<1> kHorsBoucle{"QM623", " : '{MOT}' hors d'une boucle (il ne sert qu'entre 'while' ou 'foreach' "
                                          "et 'loop') !",
                                 "break et continue n'ont de sens qu'à l'intérieur d'une boucle."};
constexpr Libelle<2> kBoucleCoupee{"QM624",
                                   " : ce '{MOT}' ferme un bloc ouvert avant la boucle de la ligne {LIGNE} : fermez "
                                   "d'abord la boucle par 'loop'.",
                                   "Une boucle doit se fermer à l'intérieur du if ou du bloc Begin où elle s'ouvre."};
constexpr Libelle<2> kIfCoupe{"QM625",
                              " : ce 'loop' ferme la boucle de la ligne {BOUCLE} alors que le 'if' de la ligne {IF} "
                              "n'est pas fermé par son 'endif'.",
                              "Un if ouvert dans une boucle doit se fermer avant le loop de la boucle."};

constexpr const Fiche* kLibelles[] = {&kLoopEnTrop, &kLoopManquants, &kHorsBoucle, &kBoucleCoupee, &kIfCoupe};

enum class Ouvrant { If, Boucle };
struct Ouvert {
  Ouvrant genre;
  int ligne;
};

// Index of the innermost open construct of that kind, or -1.
int dernier(const std::vector<Ouvert>& pile, Ouvrant genre) {
  for (int k = static_cast<int>(pile.size()) - 1; k >= 0; --k)
    if (pile[k].genre == genre) return k;
  return -1;
}

}  // namespace

Libelles libellesLoopStructure() { return kLibelles; }

void verifierBoucles(WorkFiles& wf, std::string_view script, int n) {
  std::vector<int> BEGIN, END, IF, ENDIF, WHILE, FOREACH, LOOP, BREAK, CONTINUE;
  strDetectTest(script, BEGIN, n, "begin");
  strDetectTest(script, END, n, "end");
  strDetectTest(script, IF, n, "if");
  strDetectTest(script, ENDIF, n, "endif");
  strDetectTest(script, WHILE, n, "while");
  strDetectTest(script, FOREACH, n, "foreach");
  strDetectTest(script, LOOP, n, "loop");
  strDetectTest(script, BREAK, n, "break");
  strDetectTest(script, CONTINUE, n, "continue");

  std::vector<Ouvert> pile;
  // Closes the innermost `genre` with the keyword `mot`: a construct of the
  // other kind opened inside it is reported, then everything down to it goes.
  auto fermer = [&](int i, Ouvrant genre, std::string_view mot) {
    const int k = dernier(pile, genre);
    if (k < 0) {
      if (genre == Ouvrant::Boucle) signalerLigne(wf, i, kLoopEnTrop);
      return;  // an endif without if is the business of the if/endif check
    }
    if (k + 1 < static_cast<int>(pile.size())) {
      const Ouvert& dedans = pile.back();
      if (genre == Ouvrant::If)
        signalerLigne(wf, i, kBoucleCoupee, mot, dedans.ligne + 1);
      else
        signalerLigne(wf, i, kIfCoupe, pile[k].ligne + 1, dedans.ligne + 1);
    }
    pile.resize(static_cast<size_t>(k));
  };
  for (int i = 0; i < n; ++i) {
    if (BEGIN[i]) pile.clear();
    if (END[i] && !ENDIF[i]) {
      const int k = dernier(pile, Ouvrant::Boucle);
      if (k >= 0) signalerLigne(wf, i, kBoucleCoupee, "end", pile[k].ligne + 1);
      pile.clear();
    }
    if (IF[i]) pile.push_back({Ouvrant::If, i});
    if (ENDIF[i]) fermer(i, Ouvrant::If, "endif");
    if (WHILE[i] || FOREACH[i]) pile.push_back({Ouvrant::Boucle, i});
    if (LOOP[i]) fermer(i, Ouvrant::Boucle, "loop");
    if ((BREAK[i] || CONTINUE[i]) && dernier(pile, Ouvrant::Boucle) < 0)
      signalerLigne(wf, i, kHorsBoucle, BREAK[i] ? "break" : "continue");
  }
  int manquants = 0;
  for (const Ouvert& o : pile) manquants += o.genre == Ouvrant::Boucle;
  if (manquants > 0) signalerTexte(wf, -1, kLoopManquants, manquants, manquants > 1 ? "s" : "");
}

}  // namespace quillomat
