// Indentation on Enter and "Mettre en forme": one tab per level of the
// begin/if blocks, counted from the keyword marks of the checker itself.
#include <algorithm>
#include <vector>

#include "app/core/edit_list.hpp"
#include "app/core/formatting.hpp"
#include "app/core/line_index.hpp"
#include "syntax/variables.hpp"

namespace quillomat {
namespace {

// open, close and mid keywords of each line, from the checker's marks: the
// same first-word rule as the block check, so the editor and the report
// never disagree on what opens a block.
struct Niveaux {
  std::vector<int> ouvre, ferme, milieu;
};

// Marks for lines 0 to `derniere`: a line's mark depends on that line alone.
Niveaux niveaux(std::string_view texte, int derniere, bool etendu) {
  std::vector<int> marques[9];
  const char* mots[9] = {"begin", "if", "end", "endif", "else", "elseif", "while", "foreach", "loop"};
  for (int k = 0; k < (etendu ? 9 : 6); ++k) strDetectTest(texte, marques[k], derniere, mots[k]);
  if (!etendu)
    for (int k = 6; k < 9; ++k) marques[k].assign(static_cast<size_t>(derniere) + 1, 0);
  Niveaux n;
  const size_t taille = static_cast<size_t>(derniere) + 1;
  n.ouvre.resize(taille);
  n.ferme.resize(taille);
  n.milieu.resize(taille);
  for (size_t i = 0; i < taille; ++i) {
    n.ouvre[i] = marques[0][i] + marques[1][i] + marques[6][i] + marques[7][i];
    n.ferme[i] = marques[2][i] + marques[3][i] + marques[8][i];
    n.milieu[i] = marques[4][i] + marques[5][i];
  }
  return n;
}

// Brings the leading tabs of the line at `debut` (in the text as the edits so
// far left it) to `cible`; only tabs are counted, removed or added.
void reindenter(ListeRetouches& liste, std::string_view ligne, int debut, int cible) {
  const int tabs = static_cast<int>(std::min(ligne.find_first_not_of('\t'), ligne.size()));
  const int voulu = std::max(cible, 0);
  if (tabs > voulu)
    liste.modifier(debut, tabs - voulu, {});
  else if (tabs < voulu)
    liste.modifier(debut, 0, std::string(static_cast<size_t>(voulu - tabs), '\t'));
}

}  // namespace

NouvelleLigne IndentForNewLine(std::string_view texte, int position, Selection selection, bool etendu) {
  NouvelleLigne resultat;
  resultat.retouches.selection = selection;
  if (position < 0) return resultat;
  const LineIndex lignes(texte);
  const int L = lignes.ligneDe(position);
  const Niveaux n = niveaux(texte, L, etendu);
  int D = 0;
  for (int i = 0; i <= L; ++i) D += n.ouvre[i] - n.ferme[i];
  ListeRetouches liste(selection);
  if (L > 0) reindenter(liste, lignes.texte(L), lignes.debut(L), D - n.ouvre[L] - n.milieu[L]);
  resultat.retouches = std::move(liste).resultat();
  resultat.tabulations = std::max(D, 0);
  return resultat;
}

Retouches FormatScript(std::string_view texte, Selection selection, bool etendu) {
  const LineIndex lignes(texte);
  const Niveaux n = niveaux(texte, lignes.nombre() - 1, etendu);
  ListeRetouches liste(selection);
  int D = 0;
  for (int i = 0; i < lignes.nombre(); ++i) {
    D += n.ouvre[i] - n.ferme[i];
    // A line is re-indented when it holds more than one character, its line
    // break counted: empty lines stay empty, and so does a last line (which
    // has no break) of a single character.
    const int saut = i + 1 < lignes.nombre() ? 1 : 0;
    if (i == 0 || lignes.longueur(i) + saut <= 1) continue;
    reindenter(liste, lignes.texte(i), lignes.debut(i) + liste.decalage(), D - n.ouvre[i] - n.milieu[i]);
  }
  return std::move(liste).resultat();
}

}  // namespace quillomat
