#include <gtest/gtest.h>

#include "app/core/finding_line.hpp"

namespace quillomat {
namespace {

TEST(FindingLine, ReadsTheLineOfAFindingAndNothingElse) {
  EXPECT_EQ(ligneDuConstat("    - Ligne 20 : erreur dans la valeur de type Short."), 20);
  EXPECT_EQ(ligneDuConstat("    - Ligne 1 : un guillemet n'a pas été refermé."), 1);
  EXPECT_EQ(ligneDuConstat("        * Ligne 53 : script d'effet magique"), 53);
  EXPECT_EQ(ligneDuConstat("\t- Ligne 7"), 7);  // a line edited in the report window
  // Whole-script findings, headers, inventories, other text.
  EXPECT_EQ(ligneDuConstat("    - Il y a 1 'end' manquant dans le script."), std::nullopt);
  EXPECT_EQ(ligneDuConstat(" Liste des erreurs :"), std::nullopt);
  EXPECT_EQ(ligneDuConstat("    - \"etape\" (type SHORT)"), std::nullopt);
  EXPECT_EQ(ligneDuConstat("- Ligne 3 : pas de retrait"), std::nullopt);
  EXPECT_EQ(ligneDuConstat(""), std::nullopt);
  EXPECT_EQ(ligneDuConstat("    - Ligne "), std::nullopt);
  EXPECT_EQ(ligneDuConstat("    - Ligne 0 : zéro"), std::nullopt);
  EXPECT_EQ(ligneDuConstat("    - Ligne 12a : pas un nombre"), std::nullopt);
  EXPECT_EQ(ligneDuConstat("    - Ligne 99999999999999999999 : trop grand"), std::nullopt);
}

}  // namespace
}  // namespace quillomat
