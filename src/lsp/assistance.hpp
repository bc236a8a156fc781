// Help while typing: the description of a catalogued function under the
// cursor, and the names that may be typed where the cursor stands.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillomat {
class CataloguePersonnel;
}

namespace quillomat::lsp {

// Bytes of a line.
struct Etendue {
  size_t debut = 0, fin = 0;
};

// The word (letters, digits, '_') that holds the byte `octet` of a line, or
// that ends right before it.
std::optional<Etendue> motA(std::string_view ligne, size_t octet);

struct Survol {
  std::string texte;  // UTF-8
  Etendue mot;
};

// The hover of a catalogued function name, or of one a personal catalogue
// declares; markdown or plain text.
std::optional<Survol> survoler(std::string_view ligne, size_t octet, bool markdown,
                               const CataloguePersonnel* personnel = nullptr);

enum class Genre { Fonction = 3, Valeur = 20 };  // the protocol's completion item kinds

struct Proposition {
  std::string etiquette;  // as the catalogue or the vocabulary spells it
  Genre genre;
  std::string detail;  // UTF-8, may be empty
};

// The part of the word typed before byte `octet` of a line: the text that a
// completion replaces.
Etendue motTape(std::string_view ligne, size_t octet);

// What may be typed at byte `octet` of a line (UTF-8): the actor values
// after a function that takes one, the function names elsewhere in code;
// nothing in a comment or between double quotes. Only the entries that begin
// with the word already typed (any letter case) are given; the functions of
// a personal catalogue come after the others.
std::vector<Proposition> completer(std::string_view ligne, size_t octet, const CataloguePersonnel* personnel = nullptr);

}  // namespace quillomat::lsp
