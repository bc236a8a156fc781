#include "pipeline/memory_check.hpp"

#include "cli/run_listing.hpp"
#include "script_generator.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

std::string exemple() { return *lireBinaire(std::filesystem::path(QUILLOMAT_DATA_DIR) / "exemple.txt"); }

// The in-memory check lists what a run on disk lists, under every setting
// that changes the findings.
TEST(VerificationMemoire, ListsWhatARunOnDiskLists) {
  const std::vector<std::pair<std::string, std::string>> scripts = {
      {"exemple", exemple()},
      {"stress", bench::scriptStress(600)},
      {"typique", bench::scriptTypique()},
  };
  for (const auto& [nom, script] : scripts)
    for (const SettingsRecord r : {SettingsRecord{}, SettingsRecord{1, 1, 1, 1, 1, 0, 0, 1},
                                   SettingsRecord{1, 0, 0, 2, 0, 0, 0, 0}, SettingsRecord{1, 1, 0, 3, 1, 0, 0, 0}}) {
      test::DossierTemporaire dir;
      const Verification disque = verifierDans(dir.chemin(), script, r, true);
      ASSERT_EQ(disque.issue, Issue::Verifie) << nom;
      const VerificationMemoire memoire = verifierEnMemoire(script, r);
      EXPECT_EQ(memoire.code, kSucces);
      EXPECT_EQ(memoire.lines, disque.lines);
      EXPECT_EQ(memoire.findings, disque.findings) << nom;
      const auto attendus = constatsListes(disque);
      ASSERT_EQ(memoire.constats.size(), attendus.size()) << nom;
      for (size_t i = 0; i < attendus.size(); ++i) {
        EXPECT_EQ(memoire.constats[i].ligne, attendus[i].ligne) << nom << " " << i;
        EXPECT_EQ(memoire.constats[i].texte, attendus[i].texte) << nom << " " << i;
      }
    }
}

TEST(VerificationMemoire, WritesNoFileAndRefusesOverlongScripts) {
  test::DossierTemporaire dir;
  const auto avant = std::filesystem::current_path();
  std::filesystem::current_path(dir.chemin());
  const VerificationMemoire v = verifierEnMemoire("scn T\r\nbegin GameMode\r\n\tfoo\r\nend\r\n", {});
  EXPECT_EQ(v.lines, 5);
  ASSERT_EQ(v.constats.size(), 1u);
  EXPECT_EQ(v.constats[0].ligne, 3);
  EXPECT_TRUE(std::filesystem::is_empty(dir.chemin()));
  EXPECT_EQ(verifierEnMemoire(std::string(4998, '\n'), {}).code, kScriptTropLong);
  std::filesystem::current_path(avant);
}

}  // namespace
}  // namespace quillomat
