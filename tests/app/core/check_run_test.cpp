#include "app/core/check_run.hpp"

#include <gtest/gtest.h>

#include "pipeline/enchaine_tests.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(VerifierScript, WritesTheCopyWithCrLfAndLeavesTheReportToTheEditor) {
  test::DossierTemporaire dir;
  int appels = 0;
  const auto r = verifierScript(dir.chemin(), "begin GameMode\nend\n", [&] { ++appels; });
  EXPECT_EQ(r.code, kSucces);
  EXPECT_EQ(r.reglages, SettingsRecord{});  // no settings file: the defaults
  EXPECT_TRUE(r.message.empty());           // showReport 1: the editor opens the report
  EXPECT_EQ(lireBinaire(dir.chemin() / "ScriptVaelmoor.txt"), "begin GameMode\r\nend\r\n");
  EXPECT_TRUE(std::filesystem::exists(dir.chemin() / "Correction de ScriptVaelmoor.txt"));
  EXPECT_GT(appels, 0);
}

TEST(VerifierScript, WithoutShowReportTheMessageNamesTheReport) {
  test::DossierTemporaire dir;
  SettingsRecord reglages;
  reglages.showReport = 0;
  ASSERT_TRUE(ecrireReglages(dir.chemin(), reglages));
  const auto r = verifierScript(dir.chemin(), "");
  EXPECT_EQ(r.code, kSucces);
  EXPECT_EQ(r.reglages.showReport, 0);
  EXPECT_EQ(r.message, "Un rapport d'erreur a ete cr\xE9\xE9 dans le fichier \"Correction de ScriptVaelmoor.txt\"");
}

TEST(VerifierScript, FailuresComeBackAsCodes) {
  {
    // A non-empty directory where the copy must go.
    test::DossierTemporaire dir;
    std::filesystem::create_directories(dir.chemin() / "ScriptVaelmoor.txt" / "occupe");
    EXPECT_EQ(verifierScript(dir.chemin(), "x").code, kCopieImpossible);
  }
  {
    test::DossierTemporaire dir;
    std::filesystem::create_directories(dir.chemin() / "InfTempKVR4" / "occupe");
    const auto r = verifierScript(dir.chemin(), "short x\n");
    EXPECT_EQ(r.code, kArretFatalRun);
    EXPECT_EQ(r.message, "Impossible d'ouvrir le fichier \"InfTempKVR4\" depuis le fichier source \"MainTriInfo\".");
  }
  {
    test::DossierTemporaire dir;
    std::filesystem::create_directories(dir.chemin() / "DbTempKVR4" / "occupe");
    const auto r = verifierScript(dir.chemin(), "short x\n");
    EXPECT_EQ(r.code, kBlocsImpossible);
    EXPECT_EQ(r.message, messageResultat(kBlocsImpossible));
  }
  {
    test::DossierTemporaire dir;
    const auto r = verifierScript(dir.chemin(), std::string(kLignesMax, '\n'));
    EXPECT_EQ(r.code, kScriptTropLong);
    EXPECT_EQ(r.message, messageResultat(kScriptTropLong));
  }
}

}  // namespace
}  // namespace quillomat
