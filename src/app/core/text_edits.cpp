#include "app/core/text_edits.hpp"

#include <algorithm>

namespace quillomat {

std::string appliquer(std::string texte, const std::vector<Modification>& modifications) {
  for (const auto& m : modifications) {
    // Edits out of the text are dropped rather than trusted.
    if (m.position < 0 || static_cast<size_t>(m.position) > texte.size()) continue;
    const size_t supprimes = std::min<size_t>(std::max(m.supprimes, 0), texte.size() - m.position);
    texte.replace(m.position, supprimes, m.inseres);
  }
  return texte;
}

}  // namespace quillomat
