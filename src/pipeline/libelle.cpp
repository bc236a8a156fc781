#include "pipeline/libelle.hpp"

namespace quillomat {

namespace detail {

std::string remplir(std::string_view forme, std::span<const std::string> morceaux) {
  std::string out;
  size_t n = 0;
  for (size_t i = 0; i < forme.size(); ++i) {
    if (forme[i] != '{') {
      out += forme[i];
      continue;
    }
    out += morceaux[n++];
    i = forme.find('}', i);
  }
  return out;
}

}  // namespace detail

std::string formeAffichee(const Fiche& fiche) {
  constexpr std::string_view kPuce = "    - ";
  if (fiche.forme.substr(0, kPuce.size()) == kPuce) return std::string(fiche.forme.substr(kPuce.size()));
  return "Ligne {LIGNE}" + std::string(fiche.forme);
}

}  // namespace quillomat
