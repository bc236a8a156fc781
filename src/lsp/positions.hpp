// Positions as the client counts them: lines broken by LF, CR LF or a lone
// CR, and columns in the code units of the encoding agreed at start-up
// (UTF-16 unless the client offers another).
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace quillomat::lsp {

enum class Encodage { Utf8, Utf16, Utf32 };

std::optional<Encodage> encodageDeNom(std::string_view nom);  // "utf-8", "utf-16", "utf-32"
std::string_view nomDeEncodage(Encodage e);

struct Position {
  size_t ligne = 0;
  size_t colonne = 0;  // code units of the agreed encoding
  bool operator==(const Position&) const = default;
};

// Code units of a piece of UTF-8 text.
size_t unites(std::string_view utf8, Encodage e);
// Bytes of `ligne` (UTF-8) covered by the first `n` code units; a count that
// ends inside a character stops before it, a count past the end gives the
// whole line.
size_t octetsDe(std::string_view ligne, size_t n, Encodage e);

// The lines of a UTF-8 text.
class Lignes {
 public:
  explicit Lignes(std::string_view texte);
  size_t nombre() const { return debuts_.size(); }
  // The line without its line break.
  std::string_view ligne(size_t i) const;
  // The line that holds byte `octet`.
  size_t ligneDe(size_t octet) const;
  // Byte offset of a position; a line past the end gives the end of the text,
  // a column past the end of its line gives the end of the line.
  size_t octet(Position p, Encodage e) const;
  Position position(size_t octet, Encodage e) const;

 private:
  std::string_view texte_;
  std::vector<size_t> debuts_;
};

}  // namespace quillomat::lsp
