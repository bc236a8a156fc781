#include "app/core/colouring.hpp"

#include <gtest/gtest.h>

namespace quillomat {
namespace {

using F = FormatCouleur;

const ListeMots& motsDeTest() {
  static const ListeMots mots =
      ListeMots::lire("système\nif\nset\nto\nfonction\nGetStage\nGetAV\nx\nstatistique\nstrength\n");
  return mots;
}

std::vector<PlageCouleur> plages(std::string_view ligne) { return colorerLigne(ligne, motsDeTest()); }

TEST(Coloration, MotsDeDroiteAGauchepuisCommentaire) {
  // if GetStage MaQuete >= 10 ; GetStage
  const std::string_view ligne = "if GetStage MaQuete >= 10 ; GetStage";
  EXPECT_EQ(plages(ligne), (std::vector<PlageCouleur>{
                               {0, 36, F::Normal},
                               {28, 8, F::Fonction},  // words first, even inside the comment
                               {3, 8, F::Fonction},
                               {0, 2, F::Systeme},
                               {26, 10, F::Commentaire},  // which then overrides them
                           }));
}

TEST(Coloration, Chaines) {
  // A ';' between quotes is text; the quote characters keep their format.
  EXPECT_EQ(plages("set s to \"a;b\""), (std::vector<PlageCouleur>{
                                            {0, 14, F::Normal}, {6, 2, F::Systeme}, {0, 3, F::Systeme},
                                            {10, 3, F::Chaine}}));
  // An unclosed string runs to the end of the line; a ';' after it is text.
  EXPECT_EQ(plages("GetStage \"ab ; c"), (std::vector<PlageCouleur>{
                                             {0, 16, F::Normal}, {0, 8, F::Fonction}, {10, 6, F::Chaine}}));
  // A comment after a closed string; an empty string and a quote at the very end colour nothing.
  EXPECT_EQ(plages("\"a\" \"\" ;c"), (std::vector<PlageCouleur>{
                                         {0, 9, F::Normal}, {1, 1, F::Chaine}, {7, 2, F::Commentaire}}));
  EXPECT_EQ(plages("a \""), (std::vector<PlageCouleur>{{0, 3, F::Normal}}));
  EXPECT_EQ(plages(";"), (std::vector<PlageCouleur>{{0, 1, F::Normal}, {0, 1, F::Commentaire}}));
}

TEST(Coloration, DecoupageDesMots) {
  // The '.' separates a caller from the function; a parenthesis belongs to the word.
  EXPECT_EQ(plages("player.GetAV strength"), (std::vector<PlageCouleur>{
                                                  {0, 21, F::Normal}, {13, 8, F::Statistique}, {7, 5, F::Fonction}}));
  EXPECT_EQ(plages("(GetStage q) GETSTAGE\tgetstage."),
            (std::vector<PlageCouleur>{{0, 31, F::Normal}, {22, 8, F::Fonction}, {13, 8, F::Fonction}}));
  // A single character at the very start of the line is not looked up; elsewhere it is.
  EXPECT_EQ(plages("x"), (std::vector<PlageCouleur>{{0, 1, F::Normal}}));
  EXPECT_EQ(plages("x x"), (std::vector<PlageCouleur>{{0, 3, F::Normal}, {2, 1, F::Fonction}}));
  EXPECT_EQ(plages(" x"), (std::vector<PlageCouleur>{{0, 2, F::Normal}, {1, 1, F::Fonction}}));
  EXPECT_EQ(plages(".x"), (std::vector<PlageCouleur>{{0, 2, F::Normal}, {1, 1, F::Fonction}}));
  EXPECT_EQ(plages(" . \t"), (std::vector<PlageCouleur>{{0, 4, F::Normal}}));
  // An empty line changes nothing at all.
  EXPECT_TRUE(plages("").empty());
  // Without a word list only strings and comments are coloured.
  EXPECT_EQ(colorerLigne("if \"a\"", ListeMots{}),
            (std::vector<PlageCouleur>{{0, 6, F::Normal}, {4, 1, F::Chaine}}));
}

}  // namespace
}  // namespace quillomat
