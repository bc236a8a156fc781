#include "pipeline/enchaine_tests.hpp"

#include "pipeline/fatal_stop.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

const std::string kEntete =
    "                     DebugKVR4 version 3.02\n                    ------------------------";

TEST(EnchaineTests, EmptyScriptHasNoBug) {
  EXPECT_EQ(test::rapportDe(""), kEntete + "\n\n\n\n   Aucun bug n'a été trouvé sur ce script.\n\n");
}

TEST(EnchaineTests, CarriageReturnsDoNotChangeTheReport) {
  const std::string lf = "scn Test\nshort x\nbegin GameMode\n  set x to 1\n\tfoo\nend\nend\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(test::rapportDe(lf), test::rapportDe(crlf));
  EXPECT_NE(test::rapportDe(lf).find("    - Ligne 7 : un 'end' en trop"), std::string::npos);
}

TEST(EnchaineTests, WorkFilesAreDeletedAfterARunAndTheScriptKept) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", "scn T\n");
  EXPECT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0), kSucces);
  for (const char* f : {"DbTempKVR4", "InfTempKVR4", "InfTempKVR4.2", "InfTempKVR4.3"})
    EXPECT_FALSE(std::filesystem::exists(dir.chemin() / f)) << f;
  EXPECT_TRUE(std::filesystem::exists(dir.chemin() / "ScriptVaelmoor.txt"));
  EXPECT_TRUE(std::filesystem::exists(dir.chemin() / "Correction de ScriptVaelmoor.txt"));
}

TEST(EnchaineTests, MissingScriptIsCodeTwoWithNoWorkFileLeft) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "DbTempKVR4", "vieux");
  EXPECT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0), kScriptIllisible);
  EXPECT_FALSE(std::filesystem::exists(dir.chemin() / "DbTempKVR4"));
}

TEST(EnchaineTests, ScriptsOverTheLineLimitAreRefused) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", std::string(4998, '\n'));
  EXPECT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0), kScriptTropLong);
  EXPECT_FALSE(std::filesystem::exists(dir.chemin() / "Correction de ScriptVaelmoor.txt"));
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", std::string(4997, '\n'));
  EXPECT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0), kSucces);
}

TEST(EnchaineTests, UncreatableFindingsFileGivesCodeTenAndKeepsWhatWasWritten) {
  test::DossierTemporaire dir;
  // A non-empty directory in the way of DbTempKVR4 can neither be deleted nor replaced.
  std::filesystem::create_directories(dir.chemin() / "DbTempKVR4" / "occupe");
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", "short x\n");
  EXPECT_EQ(EnchaineTests(dir.chemin(), 1, 0, 0, 0), kBlocsImpossible);
  const auto ids = lireBinaire(dir.chemin() / "InfTempKVR4");
  ASSERT_TRUE(ids.has_value());
  EXPECT_EQ(decoderIdentifiers(*ids), (std::vector<IdentifierRecord>{{0, "x"}}));
}

TEST(EnchaineTests, UncreatableIdentifierFileIsAFatalStop) {
  test::DossierTemporaire dir;
  std::filesystem::create_directories(dir.chemin() / "InfTempKVR4" / "occupe");
  ecrireBinaire(dir.chemin() / "ScriptVaelmoor.txt", "short x\n");
  try {
    EnchaineTests(dir.chemin(), 1, 0, 0, 0);
    FAIL() << "no fatal stop";
  } catch (const ArretFatal& arret) {
    EXPECT_EQ(arret.message(),
              "Impossible d'ouvrir le fichier \"InfTempKVR4\" depuis le fichier source \"MainTriInfo\".\n\n");
  }
}

TEST(EnchaineTests, ResultMessages) {
  EXPECT_EQ(messageResultat(kScriptIllisible), "Impossible d'ouvrir le fichier \"ScriptVaelmoor.txt\" !");
  EXPECT_EQ(messageResultat(kBlocsImpossible), "Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests");
  EXPECT_TRUE(messageResultat(kSucces).empty());
}

}  // namespace
}  // namespace quillomat
