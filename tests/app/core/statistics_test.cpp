#include "app/core/statistics.hpp"

#include <gtest/gtest.h>

namespace quillomat {
namespace {

TEST(Statistiques, SortesDeLignesEtMessage) {
  const std::pair<const char*, StatistiquesScript> cas[] = {
      {"", {1, 0, 0, 1}},
      {"\n", {2, 0, 0, 2}},
      {"x\nxy", {2, 1, 0, 0}},  // one letter alone: its last character is not examined
      {"   \n  1abc\n-x", {3, 0, 0, 0}},
      {"\t\t; note\nset x to 1 ; note\n;", {3, 1, 1, 0}},
      {"\xE9t\xE9", {1, 0, 0, 0}},  // accented letters are not ASCII
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(statistiquesScript(texte), attendu) << texte;
  // Singular for one line.
  EXPECT_EQ(messageStatistiques({12, 1, 2, 1}),
            "\t\t\t\t   \n   Nombre de lignes dans le script : 12\n\n   Type des lignes du script :\n"
            "\t   -  1 ligne de code\n\t   -  2 lignes de commentaire\n\t   -  1 ligne vide\n");
}

}  // namespace
}  // namespace quillomat
