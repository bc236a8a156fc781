#include "app/core/colouring.hpp"

#include <gtest/gtest.h>

namespace quillomat {
namespace {

using F = FormatCouleur;
using Plages = std::vector<PlageCouleur>;

Plages plages(std::string_view ligne) {
  static const ListeMots mots = ListeMots::lire("système\nif\nset\nto\nfonction\nGetStage\nGetAV\nx\nstatistique\nstrength\n");
  return colorerLigne(ligne, mots);
}

TEST(Coloration, MotsChainesEtCommentaires) {
  const std::pair<std::string_view, Plages> cas[] = {
      // Words from right to left, even inside the comment, which then overrides them.
      {"if GetStage MaQuete >= 10 ; GetStage",
       {{0, 36, F::Normal}, {28, 8, F::Fonction}, {3, 8, F::Fonction}, {0, 2, F::Systeme}, {26, 10, F::Commentaire}}},
      // A ';' between quotes is text; the quote characters keep their format.
      {"set s to \"a;b\"", {{0, 14, F::Normal}, {6, 2, F::Systeme}, {0, 3, F::Systeme}, {10, 3, F::Chaine}}},
      // An unclosed string runs to the end of the line; a ';' after it is text.
      {"GetStage \"ab ; c", {{0, 16, F::Normal}, {0, 8, F::Fonction}, {10, 6, F::Chaine}}},
      // An empty string and a quote at the very end colour nothing.
      {"\"a\" \"\" ;c", {{0, 9, F::Normal}, {1, 1, F::Chaine}, {7, 2, F::Commentaire}}},
      {"a \"", {{0, 3, F::Normal}}},
      // The '.' separates a caller from the function; a parenthesis belongs to the word.
      {"player.GetAV strength", {{0, 21, F::Normal}, {13, 8, F::Statistique}, {7, 5, F::Fonction}}},
      {"(GetStage q) GETSTAGE\tgetstage.", {{0, 31, F::Normal}, {22, 8, F::Fonction}, {13, 8, F::Fonction}}},
      // A single character at the very start of the line is not looked up; elsewhere it is.
      {"x", {{0, 1, F::Normal}}},
      {"x x", {{0, 3, F::Normal}, {2, 1, F::Fonction}}},
      {".x", {{0, 2, F::Normal}, {1, 1, F::Fonction}}},
      {"", {}},  // an empty line changes nothing at all
  };
  for (const auto& [ligne, attendu] : cas) EXPECT_EQ(plages(ligne), attendu) << ligne;
  // Without a word list only strings and comments are coloured.
  EXPECT_EQ(colorerLigne("if \"a\"", ListeMots{}), (Plages{{0, 6, F::Normal}, {4, 1, F::Chaine}}));
}

}  // namespace
}  // namespace quillomat
