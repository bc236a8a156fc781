// The findings of a report as the check while typing shows them: line (0 for
// the whole script) and text on one line, in the report's order. Shared by
// the window-free and the widget tests (ASCII literals only: the two are
// compiled to different character sets).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/core/finding_line.hpp"
#include "pipeline/memory_check.hpp"

namespace quillomat::test {

// `rapport` with LF line ends. A finding begins with "    - "; the lines of
// the several-types finding go on indented deeper.
inline std::vector<std::pair<int, std::string>> constatsDuRapport(std::string_view rapport) {
  std::vector<std::pair<int, std::string>> constats;
  const std::string_view entete = " Liste des erreurs :\n---------------------\n";
  size_t p = rapport.find(entete);
  if (p == std::string_view::npos) return constats;
  std::vector<std::string> brut;
  for (p += entete.size(); p < rapport.size() && rapport[p] != '\n';) {
    size_t fin = rapport.find('\n', p);
    if (fin == std::string_view::npos) fin = rapport.size();
    const std::string_view ligne = rapport.substr(p, fin - p);
    if (ligne.substr(0, 6) == "    - " || brut.empty()) {
      brut.emplace_back(ligne);
      constats.emplace_back(ligneDuConstat(ligne).value_or(0), "");
    } else {
      brut.back() += '\n';
      brut.back() += ligne;
    }
    p = fin + 1;
  }
  for (size_t i = 0; i < brut.size(); ++i) constats[i].second = texteSurUneLigne(brut[i]);
  return constats;
}

}  // namespace quillomat::test
