#include "syntax/block_structure.hpp"

#include <vector>

#include "pipeline/findings.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

using Marks = std::vector<int>;

struct Textes {
  std::string_view enTrop;     // " : un 'end' en trop "
  std::string_view sansDebut;  // "(pas de 'begin' avant le 'end')."
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
      erreurLigne(wf, i, t.enTrop, t.sansDebut);
    else
      erreurLigne(wf, i, t.enTrop, "(l'erreur a probablement été faite entre la ligne ", j + 2, " et la ligne ",
                  i + 1, ").");
    ++correction;
  }
}

void signalerManquants(WorkFiles& wf, const Marks& open, const Marks& close, int n, std::string_view mot) {
  int t = 0;
  for (int i = 0; i < n; ++i) t += open[i] - close[i];
  if (t > 0) ajouterErreur(wf, -1, composer("    - Il y a ", t, " '", mot, "' manquant", t > 1 ? "s" : "", " dans le script."), kErreur);
}

}  // namespace

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
      ajouterErreur(wf, -1, composer("    - Ligne ", i + 1, " : erreur, des blocs Begin/End ne peuvent être imbriqués !"),
                    kErreur);
      signale = true;
    } else if (blocs[i] <= 1) {
      signale = false;
    }
  }
  signalerSurplus(wf, blocs, n, {" : un 'end' en trop ", "(pas de 'begin' avant le 'end')."});
  signalerManquants(wf, BEGIN, END, n, "end");

  const std::vector<int> ifs = profondeur(IF, ENDIF, n);
  signalerSurplus(wf, ifs, n, {" : un 'endif' en trop ", "(pas de 'if' avant le 'endif')."});
  signalerManquants(wf, IF, ENDIF, n, "endif");

  // else and elseif need an open if before them.
  for (int i = 0; i < n; ++i) {
    if (!ELSE[i]) continue;
    int somme = 0;
    bool ouvert = false;
    for (int k = i; k >= 0 && !ouvert; --k) ouvert = (somme += ENDIF[k] - IF[k]) < 0;
    if (!ouvert) erreurLigne(wf, i, " : un 'else' sans 'if' avant.");
  }
  for (int i = 0; i < n; ++i) {
    if (!ELSEIF[i]) continue;
    int somme = 0, p = -1;
    for (int k = i; k >= 0 && p < 0; --k)
      if ((somme += ENDIF[k] - IF[k]) < 0) p = k;
    if (p < 0) {
      erreurLigne(wf, i, " : un 'elseif' sans 'if' avant.");
      continue;
    }
    somme = 0;
    for (int k = i; k > p; --k) {
      somme += ENDIF[k] - IF[k];
      if (somme == 0 && ELSE[k]) {
        alerteLigne(wf, i, " : alerte, un 'elseif' précédé d'un 'else' (situé à la ligne ", k + 1,
                    "). Le 'elseif' ne sera donc jamais executé !");
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
      ajouterErreur(wf, i,
                    composer("    - Alerte : plus de dix if imbriqués entre les lignes ", debut, " et ", i,
                             " (souvent mal interprété par le moteur du jeu)."),
                    kAlerte);
      profond = false;
    }
  }
  return 0;
}

}  // namespace quillomat
