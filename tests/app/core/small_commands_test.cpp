#include "app/core/small_commands.hpp"

#include <gtest/gtest.h>

#include "app/core/check_run.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/text_mode.hpp"
#include "test_support.hpp"

using namespace quillomat;
using quillomat::test::DossierTemporaire;

TEST(CaretTexts, SingleAndRangeSelections) {
  const std::string t = "ab\ncd\nefgh\nij\nklmnop\nq\nrstu";
  EXPECT_EQ(texteLigneCurseur("", 0, 0), "Ln 1");
  EXPECT_EQ(texteColonneCurseur("", 0, 0), "Col 1");
  // Line 3 column 5 is impossible in "efgh" (4 chars), so take line 5 col 3 to line 7 col 2.
  const int debut = 14 + 2, fin = 23 + 1;
  EXPECT_EQ(texteLigneCurseur(t, debut, fin), "Ln 5-7");
  EXPECT_EQ(texteColonneCurseur(t, debut, fin), "Col 3-2");
}

TEST(GoToLine, EndOfTheLineTextOrNoMove) {
  const std::string t = "premier\ndeux\ntrois";
  EXPECT_EQ(positionAllerALigne(t, "1"), 7);
  EXPECT_EQ(positionAllerALigne(t, " 2"), 12);
  EXPECT_EQ(positionAllerALigne(t, "3"), 18);
  EXPECT_EQ(positionAllerALigne(t, "0"), std::nullopt);
  EXPECT_EQ(positionAllerALigne(t, "4"), std::nullopt);
  EXPECT_EQ(positionAllerALigne(t, ""), std::nullopt);
  EXPECT_EQ(positionAllerALigne(t, "-1"), std::nullopt);
}

TEST(Workspace, CleanUpAndDefaults) {
  DossierTemporaire d;
  EXPECT_TRUE(remettreParDefaut(d.chemin()));
  EXPECT_EQ(lireBinaire(d.chemin() / "DebugKVR4.dat")->size(), 32u);
  ecrireBinaire(d.chemin() / "DbTempKVR4", "x");
  ecrireBinaire(d.chemin() / "Correction de ScriptVaelmoor.txt", "x");
  nettoyerEspace(d.chemin());
  EXPECT_FALSE(std::filesystem::exists(d.chemin() / "DebugKVR4.dat"));
  EXPECT_FALSE(std::filesystem::exists(d.chemin() / "DbTempKVR4"));
  EXPECT_TRUE(std::filesystem::exists(d.chemin() / "Correction de ScriptVaelmoor.txt"));
  nettoyerEspace(d.chemin());  // nothing left to delete: no fault
  EXPECT_EQ(messageContactImpossible().substr(messageContactImpossible().size() - 7), "Merci !");
}

TEST(CheckRun, WorkCopyReportAndMessages) {
  DossierTemporaire d;
  auto r = verifierScript(d.chemin(), "scn Essai\nbegin gamemode\nend");
  EXPECT_EQ(r.code, kSucces);
  EXPECT_TRUE(r.message.empty());
  EXPECT_EQ(*lireBinaire(d.chemin() / "ScriptVaelmoor.txt"), "scn Essai\r\nbegin gamemode\r\nend");
  EXPECT_TRUE(std::filesystem::exists(d.chemin() / "Correction de ScriptVaelmoor.txt"));

  SettingsRecord sans;
  sans.showReport = 0;
  ecrireReglages(d.chemin(), sans);
  r = verifierScript(d.chemin(), "scn Essai");
  EXPECT_EQ(r.message, "Un rapport d'erreur a ete créé dans le fichier \"Correction de ScriptVaelmoor.txt\"");

  // A work file that cannot be created stops the check, not the program.
  // (a directory that holds a file cannot be deleted, so the work file cannot be created)
  std::filesystem::create_directories(d.chemin() / "InfTempKVR4" / "bouchon");
  r = verifierScript(d.chemin(), "scn Essai\nshort a");
  EXPECT_NE(r.code, kSucces);
  EXPECT_FALSE(r.message.empty());
}
