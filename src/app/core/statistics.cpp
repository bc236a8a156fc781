#include "app/core/statistics.hpp"

#include "app/core/line_index.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

// The command reads each line without its last character: a one-character
// line is of no kind, and "xy" is code.
void classer(std::string_view ligne, StatistiquesScript& stats) {
  if (ligne.empty()) {
    ++stats.vide;
    return;
  }
  for (size_t i = 0; i + 1 < ligne.size(); ++i) {
    const char c = ligne[i];
    if (estLettre(c)) {
      ++stats.code;
      return;
    }
    if (c == ';') {
      ++stats.commentaire;
      return;
    }
    if (!estBlanc(c)) return;
  }
}

std::string pluriel(int n) { return n == 1 ? "" : "s"; }

}  // namespace

StatistiquesScript statistiquesScript(std::string_view texte) {
  const LineIndex lignes(texte);
  StatistiquesScript stats;
  for (int i = 0; i < lignes.nombre(); ++i) classer(lignes.texte(i), stats);
  stats.total = lignes.nombre();
  return stats;
}

std::string messageStatistiques(const StatistiquesScript& s) {
  return "\t\t\t\t   \n   Nombre de lignes dans le script : " + std::to_string(s.total) +
         "\n\n   Type des lignes du script :\n\t   -  " + std::to_string(s.code) + " ligne" + pluriel(s.code) +
         " de code\n\t   -  " + std::to_string(s.commentaire) + " ligne" + pluriel(s.commentaire) +
         " de commentaire\n\t   -  " + std::to_string(s.vide) + " ligne" + pluriel(s.vide) + " vide" +
         pluriel(s.vide) + "\n";
}

}  // namespace quillomat
