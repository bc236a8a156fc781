#include "app/core/statistics.hpp"

#include <gtest/gtest.h>

namespace quillomat {
namespace {

StatistiquesScript stats(int total, int code, int commentaire, int vide) { return {total, code, commentaire, vide}; }

TEST(Statistiques, LineKinds) {
  EXPECT_EQ(statistiquesScript(""), stats(1, 0, 0, 1));
  EXPECT_EQ(statistiquesScript("\n"), stats(2, 0, 0, 2));
  // One letter alone: its last character is not examined.
  EXPECT_EQ(statistiquesScript("x\nxy"), stats(2, 1, 0, 0));
  EXPECT_EQ(statistiquesScript("   \n  1abc\n-x"), stats(3, 0, 0, 0));
  EXPECT_EQ(statistiquesScript("\t\t; note\nset x to 1 ; note\n;"), stats(3, 1, 1, 0));
  EXPECT_EQ(statistiquesScript(" a"), stats(1, 0, 0, 0));  // the letter is the last character
  EXPECT_EQ(statistiquesScript("\xE9t\xE9"), stats(1, 0, 0, 0));  // accented letters are not ASCII
}

TEST(Statistiques, Message) {
  EXPECT_EQ(messageStatistiques(stats(1, 0, 0, 1)),
            "\t\t\t\t   \n   Nombre de lignes dans le script : 1\n\n   Type des lignes du script :\n"
            "\t   -  0 lignes de code\n\t   -  0 lignes de commentaire\n\t   -  1 ligne vide\n");
  const std::string m = messageStatistiques(stats(12, 1, 2, 2));
  EXPECT_NE(m.find(" 12\n"), std::string::npos);
  EXPECT_NE(m.find("-  1 ligne de code\n"), std::string::npos);
  EXPECT_NE(m.find("-  2 lignes de commentaire\n"), std::string::npos);
  EXPECT_NE(m.find("-  2 lignes vides\n"), std::string::npos);
}

}  // namespace
}  // namespace quillomat
