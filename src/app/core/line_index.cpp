#include "app/core/line_index.hpp"

#include <algorithm>

namespace quillomat {

LineIndex::LineIndex(std::string_view texte) : texte_(texte) {
  debuts_.push_back(0);
  for (size_t i = texte.find('\n'); i != std::string_view::npos; i = texte.find('\n', i + 1))
    debuts_.push_back(static_cast<int>(i + 1));
}

int LineIndex::longueur(int ligne) const {
  const int fin = ligne + 1 < nombre() ? debut(ligne + 1) - 1 : static_cast<int>(texte_.size());
  return fin - debut(ligne);
}

std::string_view LineIndex::texte(int ligne) const {
  return texte_.substr(static_cast<size_t>(debut(ligne)), static_cast<size_t>(longueur(ligne)));
}

int LineIndex::ligneDe(int position) const {
  // The last line start at or before the position.
  const auto it = std::upper_bound(debuts_.begin() + 1, debuts_.end(), position);
  return static_cast<int>(it - debuts_.begin()) - 1;
}

}  // namespace quillomat
