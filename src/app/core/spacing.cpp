// The spacing correction run before a check: trailing blanks, inner tabs,
// and a blank around parentheses, after commas and after closing quotes.
#include "app/core/edit_list.hpp"
#include "app/core/formatting.hpp"
#include "app/core/line_index.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

// One line `s` that starts at `debut` in the text as the edits so far left it.
void corrigerLigne(ListeRetouches& liste, std::string_view s, int debut) {
  const int n = static_cast<int>(s.size());

  // Trailing blanks; a line made only of blanks keeps its first character.
  int dernier = n - 1;
  while (dernier > 0 && estEspaceOuTab(s[static_cast<size_t>(dernier)])) --dernier;
  if (dernier < n - 1) liste.modifier(debut + dernier + 1, n - 1 - dernier, {});

  // Tabs after the first visible character become spaces.
  int k = 0;
  while (k <= dernier && estEspaceOuTab(s[static_cast<size_t>(k)])) ++k;
  for (; k <= dernier; ++k)
    if (s[static_cast<size_t>(k)] == '\t') liste.modifier(debut + k, 1, " ");

  // Separators. The tests read the line as it was (a tab made a space above
  // still counts as no space), and the last character is never examined, so
  // a next character always exists.
  bool guillemets = false;
  int inseres = 0;
  const auto espace = [&](int j) {
    liste.modifier(debut + j + inseres, 0, " ");
    ++inseres;
  };
  for (int j = 0; j + 1 < n; ++j) {
    const char c = s[static_cast<size_t>(j)];
    const char suivant = s[static_cast<size_t>(j) + 1];
    if (c == '"') {
      guillemets = !guillemets;
      if (!guillemets && suivant != ',' && suivant != ' ') espace(j + 1);
    } else if (guillemets) {
      continue;
    } else if (c == ';') {
      break;  // a comment
    } else if (c == '(' || c == ')') {
      if (j > 0 && s[static_cast<size_t>(j) - 1] != ' ') espace(j);
      if (suivant != ' ') espace(j + 1);
    } else if (c == ',') {
      if (suivant != ' ') espace(j + 1);
    }
  }
}

}  // namespace

Retouches CorrectSpacing(std::string_view texte, Selection selection) {
  const LineIndex lignes(texte);
  ListeRetouches liste(selection);
  for (int i = 0; i < lignes.nombre(); ++i) {
    const std::string_view s = lignes.texte(i);
    if (!s.empty()) corrigerLigne(liste, s, lignes.debut(i) + liste.decalage());
  }
  return std::move(liste).resultat();
}

}  // namespace quillomat
