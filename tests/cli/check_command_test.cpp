#include "cli/check_command.hpp"

#include "cli_support.hpp"

namespace quillomat {
namespace {

using test::lancerCheck;

TEST(QuillomatCheck, ReportOnStandardOutputAndOnDiskWithDistinctStatuses) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "propre.txt", "scn Propre\n");
  ecrireBinaire(dir.chemin() / "fautif.txt", "scn Fautif\nend\n");

  const auto propre = lancerCheck(dir.chemin(), "propre.txt");
  EXPECT_EQ(propre.statut, kStatutAucuneErreur);
  EXPECT_NE(propre.texte.find("Aucun bug n'a \xC3\xA9t\xC3\xA9 trouv\xC3\xA9"), std::string::npos);

  // The report on disk stays Latin-1 (CR LF); the one shown is UTF-8 even under LC_ALL=C.
  const auto fautif = lancerCheck(dir.chemin(), "fautif.txt");
  EXPECT_EQ(fautif.statut, kStatutErreurs);
  const auto surDisque = lireTexte(dir.chemin() / "Correction de ScriptVaelmoor.txt");
  ASSERT_TRUE(surDisque.has_value());
  EXPECT_NE(surDisque->find("entr\xE9"), std::string::npos);
  EXPECT_EQ(fautif.texte, latin1VersUtf8(*surDisque));
  EXPECT_EQ(lireBinaire(dir.chemin() / "ScriptVaelmoor.txt").value(), "scn Fautif\nend\n");
  EXPECT_FALSE(std::filesystem::exists(dir.chemin() / "DbTempKVR4"));
}

TEST(QuillomatCheck, SettingsFileOfTheDirectoryIsUsed) {
  test::DossierTemporaire dir;
  SettingsRecord s;
  s.showInfo = 0;
  ecrireReglages(dir.chemin(), s);
  ecrireBinaire(dir.chemin() / "s.txt", "short x\n");
  EXPECT_EQ(lancerCheck(dir.chemin(), "s.txt").texte.find("Liste des variables"), std::string::npos);
}

TEST(QuillomatCheck, BadInvocationsFailWithAFrenchMessage) {
  test::DossierTemporaire dir;
  const auto absent = lancerCheck(dir.chemin(), "absent.txt");
  EXPECT_EQ(absent.statut, kStatutEchec);
  EXPECT_NE(absent.texte.find("impossible de lire le script \"absent.txt\""), std::string::npos);

  const auto rien = lancerCheck(dir.chemin(), "");
  EXPECT_EQ(rien.statut, kStatutEchec);
  EXPECT_NE(rien.texte.find("indiquez le script"), std::string::npos);

  const auto inconnue = lancerCheck(dir.chemin(), "--bof s.txt");
  EXPECT_EQ(inconnue.statut, kStatutEchec);
  EXPECT_NE(inconnue.texte.find("arguments incorrects"), std::string::npos);

  std::filesystem::create_directories(dir.chemin() / "DbTempKVR4" / "occupe");
  ecrireBinaire(dir.chemin() / "s.txt", "scn T\n");
  const auto bloque = lancerCheck(dir.chemin(), "s.txt");
  EXPECT_EQ(bloque.statut, kStatutEchec);
  EXPECT_NE(bloque.texte.find("DbTempKVR4 depuis EnchaineTests"), std::string::npos);
}

TEST(QuillomatCheck, Latin1BecomesUtf8) {
  EXPECT_EQ(versTerminal("\xE9t\xE9", true), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(versTerminal("\xE9t\xE9", false), "\xE9t\xE9");
  EXPECT_EQ(latin1VersUtf8("a\xFF\x80"), "a\xC3\xBF\xC2\x80");
  // File names already in UTF-8 are kept; others are read as Latin-1.
  EXPECT_EQ(nomAffiche("Qu\xC3\xAAte.txt"), "Qu\xC3\xAAte.txt");
  EXPECT_EQ(nomAffiche("Qu\xEAte.txt"), "Qu\xC3\xAAte.txt");
  EXPECT_FALSE(estUtf8Valide("\xC3"));          // cut short
  EXPECT_FALSE(estUtf8Valide("\xC0\xAF"));      // overlong
  EXPECT_FALSE(estUtf8Valide("\xED\xA0\x80"));  // surrogate
  EXPECT_TRUE(estUtf8Valide("\xF0\x9F\x98\x80"));
}

// The bundled sample shows every kind of finding and inventory; its report,
// read and checked line by line once, must not drift.
TEST(QuillomatCheck, BundledSampleGivesItsKnownReport) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "exemple.txt", test::fichierExemple());
  const auto r = lancerCheck(dir.chemin(), "exemple.txt");
  EXPECT_EQ(r.statut, kStatutErreurs);
  const std::string attendu = lireBinaire(std::string(QUILLOMAT_TESTS_DIR) + "/data/exemple.rapport").value();
  EXPECT_EQ(lireBinaire(dir.chemin() / "Correction de ScriptVaelmoor.txt").value(), attendu);
  EXPECT_EQ(r.texte, latin1VersUtf8(versModeTexteLecture(attendu)));
}

// A script whose lines end with CR alone is read line by line: its findings
// are those of its CR LF twin, in every format.
TEST(QuillomatCheck, CrOnlyLineEndsGiveTheFindingsOfTheCrLfTwin) {
  test::DossierTemporaire dir;
  const std::string lignes[] = {"ScriptName CR", "short x", "Begin GameMode", "\tdanser", "\tif x == 1", "end"};
  std::string cr, crlf;
  for (const std::string& l : lignes) {
    cr += l + "\r";
    crlf += l + "\r\n";
  }
  std::string exemple = test::fichierExemple(), exempleCr;
  for (char c : versModeTexteLecture(exemple)) exempleCr += c == '\n' ? '\r' : c;
  ecrireBinaire(dir.chemin() / "cr.txt", cr);
  ecrireBinaire(dir.chemin() / "crlf.txt", crlf);
  ecrireBinaire(dir.chemin() / "exemple-cr.txt", exempleCr);
  ecrireBinaire(dir.chemin() / "exemple.txt", exemple);
  for (const std::string options : {"", "-f lignes ", "-f json "}) {
    const auto apres = [&](const std::string& nom) {
      auto s = lancerCheck(dir.chemin(), options + nom);
      for (size_t p; (p = s.texte.find(nom)) != std::string::npos;) s.texte.erase(p, nom.size());
      return s;
    };
    const auto jumeau = apres("crlf.txt"), seul = apres("cr.txt");
    EXPECT_EQ(seul.statut, kStatutErreurs) << options;
    EXPECT_EQ(seul.texte, jumeau.texte) << options;
    EXPECT_EQ(apres("exemple-cr.txt").texte, apres("exemple.txt").texte) << options;
  }
  EXPECT_EQ(test::erreursDuRapport(test::rapportDe(cr)).size(), 2u);
}

}  // namespace
}  // namespace quillomat
