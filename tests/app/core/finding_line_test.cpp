#include <gtest/gtest.h>

#include "app/core/finding_line.hpp"

namespace quillomat {
namespace {

TEST(FindingLine, ReadsTheLineOfAFindingAndNothingElse) {
  EXPECT_EQ(ligneDuConstat("    - Ligne 20 : erreur dans la valeur de type Short."), 20);
  EXPECT_EQ(ligneDuConstat("        * Ligne 53 : script d'effet magique"), 53);
  EXPECT_EQ(ligneDuConstat("\t- Ligne 7"), 7);  // a line edited in the report window
  // Whole-script findings, headers, inventories, other text.
  for (const char* rien : {"    - Il y a 1 'end' manquant dans le script.", " Liste des erreurs :",
                           "    - \"etape\" (type SHORT)", "- Ligne 3 : pas de retrait", "", "    - Ligne ",
                           "    - Ligne 0 : zéro", "    - Ligne 12a : pas un nombre",
                           "    - Ligne 99999999999999999999 : trop grand"})
    EXPECT_EQ(ligneDuConstat(rien), std::nullopt) << rien;
}

}  // namespace
}  // namespace quillomat
