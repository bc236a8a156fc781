#include "syntax/block_structure.hpp"

#include <vector>

#include "pipeline/findings.hpp"
#include "pipeline/registre_libelles.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

using Marks = std::vector<int>;

constexpr Libelle<2> kEndManquants{"QM101", "    - Il y a {N} 'end' manquant{S} dans le script.",
                                   "Des blocs Begin ne sont pas fermés par un End."};
constexpr Libelle<2> kEndifManquants{"QM102", "    - Il y a {N} 'endif' manquant{S} dans le script.",
                                     "Des if ne sont pas fermés par un endif."};
constexpr Libelle<1> kBlocsImbriques{"QM103",
                                     "    - Ligne {LIGNE} : erreur, des blocs Begin/End ne peuvent être imbriqués !",
                                     "Un bloc Begin s'ouvre avant que le bloc précédent soit fermé par son End."};
constexpr Libelle<0> kEndSansBegin{"QM104", " : un 'end' en trop (pas de 'begin' avant le 'end').",
                                   "Ce End ne ferme aucun bloc : aucun Begin ne le précède."};
constexpr Libelle<2> kEndEnTrop{"QM105",
                                " : un 'end' en trop (l'erreur a probablement été faite entre la ligne {DEBUT} et "
                                "la ligne {FIN}).",
                                "Il y a un End de plus que de Begin ; la faute est entre les deux lignes indiquées."};
constexpr Libelle<0> kEndifSansIf{"QM106", " : un 'endif' en trop (pas de 'if' avant le 'endif').",
                                  "Ce endif ne ferme aucun if : aucun if ne le précède."};
constexpr Libelle<2> kEndifEnTrop{"QM107",
                                  " : un 'endif' en trop (l'erreur a probablement été faite entre la ligne {DEBUT} "
                                  "et la ligne {FIN}).",
                                  "Il y a un endif de plus que de if ; la faute est entre les deux lignes indiquées."};
constexpr Libelle<0> kElseSansIf{"QM108", " : un 'else' sans 'if' avant.",
                                 "Ce else n'est pas entre un if et son endif."};
constexpr Libelle<0> kElseifSansIf{"QM109", " : un 'elseif' sans 'if' avant.",
                                   "Ce elseif n'est pas entre un if et son endif."};
constexpr Libelle<1> kElseifApresElse{"QM110",
                                      " : alerte, un 'elseif' précédé d'un 'else' (situé à la ligne {LIGNE}). Le "
                                      "'elseif' ne sera donc jamais executé !",
                                      "Un elseif placé après le else du même if n'est jamais exécuté.", kAlerte};
constexpr Libelle<2> kIfTropProfonds{"QM111",
                                     "    - Alerte : plus de dix if imbriqués entre les lignes {DEBUT} et {FIN} "
                                     "(souvent mal interprété par le moteur du jeu).",
                                     "Plus de dix if sont ouverts les uns dans les autres, ce que le jeu suit mal.",
                                     kAlerte};

constexpr const Fiche* kLibelles[] = {&kEndManquants, &kEndifManquants, &kBlocsImbriques, &kEndSansBegin,
                                      &kEndEnTrop,    &kEndifSansIf,    &kEndifEnTrop,    &kElseSansIf,
                                      &kElseifSansIf, &kElseifApresElse, &kIfTropProfonds};

// The messages of a closing keyword in surplus, with or without a place to look.
struct Textes {
  const Libelle<0>& sansDebut;
  const Libelle<2>& entreLignes;
};

// Depth of a pair of keywords: d[0] = open[0] - close[0], then running sums.
std::vector<int> profondeur(const Marks& open, const Marks& close, int n) {
  std::vector<int> d(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i)
    d[i] = (i > 0 ? d[i - 1] : 0) - close[i] + open[i];
  return d;
}

// Every closing keyword in surplus, reported once: from the first negative
// depth on, the later depths are raised by one.
void signalerSurplus(WorkFiles& wf, std::vector<int> d, int n, const Textes& t) {
  int correction = 0;
  std::vector<int> dernierZero(static_cast<size_t>(n), -1);  // greatest j <= i with depth 0
  for (int i = 0; i < n; ++i) {
    d[i] += correction;
    dernierZero[i] = d[i] == 0 ? i : (i > 0 ? dernierZero[i - 1] : -1);
    if (d[i] >= 0) continue;
    const int j = i >= 2 ? dernierZero[i - 2] : -1;
    if (j < 0)
      signalerLigne(wf, i, t.sansDebut);
    else
      signalerLigne(wf, i, t.entreLignes, j + 2, i + 1);
    ++correction;
  }
}

void signalerManquants(WorkFiles& wf, const Marks& open, const Marks& close, int n, const Libelle<2>& manquants) {
  int t = 0;
  for (int i = 0; i < n; ++i) t += open[i] - close[i];
  if (t > 0) signalerTexte(wf, -1, manquants, t, t > 1 ? "s" : "");
}

}  // namespace

Libelles libellesBlockStructure() { return kLibelles; }

int verifierBlocs(WorkFiles& wf, std::string_view script, int n) {
  if (!wf.disponible(WorkFile::Findings)) return 10;
  Marks IF, ENDIF, ELSE, ELSEIF, BEGIN, END;
  strDetectTest(script, IF, n, "if");
  strDetectTest(script, ENDIF, n, "endif");
  strDetectTest(script, ELSE, n, "else");
  strDetectTest(script, ELSEIF, n, "elseif");
  strDetectTest(script, BEGIN, n, "begin");
  strDetectTest(script, END, n, "end");
  for (int i = 0; i <= n; ++i)
    if (END[i] && ENDIF[i]) END[i] = 0;

  // Begin/End blocks never nest.
  const std::vector<int> blocs = profondeur(BEGIN, END, n);
  bool signale = false;
  for (int i = 1; i < n; ++i) {
    if (blocs[i] > 1 && !signale) {
      signalerTexte(wf, -1, kBlocsImbriques, i + 1);
      signale = true;
    } else if (blocs[i] <= 1) {
      signale = false;
    }
  }
  signalerSurplus(wf, blocs, n, {kEndSansBegin, kEndEnTrop});
  signalerManquants(wf, BEGIN, END, n, kEndManquants);

  const std::vector<int> ifs = profondeur(IF, ENDIF, n);
  signalerSurplus(wf, ifs, n, {kEndifSansIf, kEndifEnTrop});
  signalerManquants(wf, IF, ENDIF, n, kEndifManquants);

  // else and elseif need an open if before them.
  for (int i = 0; i < n; ++i) {
    if (!ELSE[i]) continue;
    int somme = 0;
    bool ouvert = false;
    for (int k = i; k >= 0 && !ouvert; --k) ouvert = (somme += ENDIF[k] - IF[k]) < 0;
    if (!ouvert) signalerLigne(wf, i, kElseSansIf);
  }
  for (int i = 0; i < n; ++i) {
    if (!ELSEIF[i]) continue;
    int somme = 0, p = -1;
    for (int k = i; k >= 0 && p < 0; --k)
      if ((somme += ENDIF[k] - IF[k]) < 0) p = k;
    if (p < 0) {
      signalerLigne(wf, i, kElseifSansIf);
      continue;
    }
    somme = 0;
    for (int k = i; k > p; --k) {
      somme += ENDIF[k] - IF[k];
      if (somme == 0 && ELSE[k]) {
        signalerLigne(wf, i, kElseifApresElse, k + 1);
        break;
      }
    }
  }

  // Deep if nesting; the numbers are written as indices.
  bool profond = false;
  int debut = 0;
  for (int i = 0; i < n; ++i) {
    if (!profond && ifs[i] >= 10) {
      profond = true;
      debut = i;
    } else if (profond && ifs[i] < 10) {
      signalerTexte(wf, i, kIfTropProfonds, debut, i);
      profond = false;
    }
  }
  return 0;
}

}  // namespace quillomat
