// The colouring of one line of script: which characters take which format.
#pragma once

#include <string_view>
#include <vector>

#include "app/core/word_list.hpp"

namespace quillomat {

enum class FormatCouleur { Normal, Fonction, Systeme, Statistique, Chaine, Commentaire };

struct StyleCouleur {
  int r = 0, g = 0, b = 0;
  bool gras = false;
  bool italique = false;
};

// The colour, bold and italic of a format.
StyleCouleur styleDe(FormatCouleur format);

struct PlageCouleur {
  int debut = 0;     // index in the line
  int longueur = 0;  // characters
  FormatCouleur format = FormatCouleur::Normal;
  bool operator==(const PlageCouleur&) const = default;
};

// Where the comment of a line begins: its first ';' outside double quotes,
// as the checker cuts a line's code part; the line's length when it has none.
int debutCommentaire(std::string_view ligne);

// The formats to apply to a line (Latin-1, without its line break), in the
// order they must be applied: a later range overrides an earlier one. The
// first range resets the whole line to the plain format. A word `mots` lacks
// is looked up in `etendus`, the words of the later syntax for this script.
std::vector<PlageCouleur> colorerLigne(std::string_view ligne, const ListeMots& mots,
                                       const ListeMots* etendus = nullptr);

}  // namespace quillomat
