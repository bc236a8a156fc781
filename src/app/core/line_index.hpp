// The lines of a text as the editor's text control numbers them: split at
// '\n', the last line without a line break, at least one line.
#pragma once

#include <string_view>
#include <vector>

namespace quillomat {

class LineIndex {
 public:
  explicit LineIndex(std::string_view texte);

  int nombre() const { return static_cast<int>(debuts_.size()); }
  // First character index of line `ligne` (0-based, within 0..nombre()-1).
  int debut(int ligne) const { return debuts_[static_cast<size_t>(ligne)]; }
  // Characters of the line, its line break not counted.
  int longueur(int ligne) const;
  std::string_view texte(int ligne) const;
  // The line that holds `position`; positions out of the text are clamped.
  int ligneDe(int position) const;

 private:
  std::string_view texte_;
  std::vector<int> debuts_;
};

}  // namespace quillomat
