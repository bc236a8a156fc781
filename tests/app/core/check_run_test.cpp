// "Débuguer" without its windows: the failures the editor's own tests do not
// reach (theirs: work files that cannot be opened), and the line of a finding
// of its report, where a double click leads.
#include "app/core/check_run.hpp"

#include <gtest/gtest.h>

#include "app/core/finding_line.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(VerifierScript, ScriptTropLongPuisCopieImpossible) {
  test::DossierTemporaire dir;
  const auto r = verifierScript(dir.chemin(), std::string(kLignesMax, '\n'));
  EXPECT_EQ(r.code, kScriptTropLong);
  EXPECT_EQ(r.message, messageResultat(kScriptTropLong));
  std::filesystem::remove(dir.chemin() / "ScriptVaelmoor.txt");
  std::filesystem::create_directories(dir.chemin() / "ScriptVaelmoor.txt" / "occupe");
  EXPECT_EQ(verifierScript(dir.chemin(), "x").code, kCopieImpossible);
}

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
