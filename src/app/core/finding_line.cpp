#include "app/core/finding_line.hpp"

#include "pipeline/ascii.hpp"

namespace quillomat {

std::optional<int> ligneDuConstat(std::string_view ligne) {
  size_t p = 0;
  while (p < ligne.size() && estEspaceOuTab(ligne[p])) ++p;
  if (p == 0 || p >= ligne.size() || (ligne[p] != '-' && ligne[p] != '*')) return std::nullopt;
  ++p;
  constexpr std::string_view kLigne = " Ligne ";
  if (ligne.substr(p, kLigne.size()) != kLigne) return std::nullopt;
  p += kLigne.size();
  const size_t debut = p;
  long long n = 0;
  // A line number has at most four digits (4998 lines); more is no finding.
  for (; p < ligne.size() && estChiffre(ligne[p]) && p - debut < 6; ++p) n = n * 10 + (ligne[p] - '0');
  if (p == debut || p - debut >= 6 || n < 1) return std::nullopt;
  if (p < ligne.size() && ligne[p] != ' ') return std::nullopt;
  return static_cast<int>(n);
}

}  // namespace quillomat
