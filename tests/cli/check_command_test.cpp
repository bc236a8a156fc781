#include "cli/check_command.hpp"

#include <sys/wait.h>

#include <cstdio>
#include <memory>

#include "test_support.hpp"

namespace quillomat {
namespace {

struct Resultat {
  int statut;
  std::string sortie;
};

// Runs quillomat-check in `dir` with LANG=C (raw Latin-1 output).
Resultat lancer(const std::filesystem::path& dir, const std::string& args) {
  const std::string commande =
      "cd '" + dir.string() + "' && LC_ALL=C '" + std::string(QUILLOMAT_CHECK_BINARY) + "' " + args + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> p(popen(commande.c_str(), "r"), pclose);
  std::string out;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p.get())) > 0) out.append(buffer, n);
  const int statut = pclose(p.release());
  return {WEXITSTATUS(statut), out};
}

TEST(QuillomatCheck, ReportOnStandardOutputAndOnDiskWithDistinctStatuses) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "propre.txt", "scn Propre\n");
  ecrireBinaire(dir.chemin() / "fautif.txt", "scn Fautif\nend\n");

  const Resultat propre = lancer(dir.chemin(), "propre.txt");
  EXPECT_EQ(propre.statut, kStatutAucuneErreur);
  EXPECT_NE(propre.sortie.find("Aucun bug n'a été trouvé"), std::string::npos);

  const Resultat fautif = lancer(dir.chemin(), "fautif.txt");
  EXPECT_EQ(fautif.statut, kStatutErreurs);
  const auto surDisque = lireTexte(dir.chemin() / "Correction de ScriptVaelmoor.txt");
  ASSERT_TRUE(surDisque.has_value());
  EXPECT_EQ(fautif.sortie, *surDisque);
  EXPECT_EQ(lireBinaire(dir.chemin() / "ScriptVaelmoor.txt").value(), "scn Fautif\nend\n");
}

TEST(QuillomatCheck, SettingsFileOfTheDirectoryIsUsed) {
  test::DossierTemporaire dir;
  SettingsRecord s;
  s.showInfo = 0;
  ecrireReglages(dir.chemin(), s);
  ecrireBinaire(dir.chemin() / "s.txt", "short x\n");
  EXPECT_EQ(lancer(dir.chemin(), "s.txt").sortie.find("Liste des variables"), std::string::npos);
}

TEST(QuillomatCheck, BadInvocationsFailWithAFrenchMessage) {
  test::DossierTemporaire dir;
  const Resultat absent = lancer(dir.chemin(), "absent.txt");
  EXPECT_EQ(absent.statut, kStatutEchec);
  EXPECT_NE(absent.sortie.find("impossible de lire le script \"absent.txt\""), std::string::npos);

  const Resultat rien = lancer(dir.chemin(), "");
  EXPECT_EQ(rien.statut, kStatutEchec);
  EXPECT_NE(rien.sortie.find("indiquez le script"), std::string::npos);

  const Resultat aide = lancer(dir.chemin(), "--help");
  EXPECT_EQ(aide.statut, 0);
  EXPECT_NE(aide.sortie.find("Utilisation"), std::string::npos);

  std::filesystem::create_directories(dir.chemin() / "DbTempKVR4" / "occupe");
  ecrireBinaire(dir.chemin() / "s.txt", "scn T\n");
  const Resultat bloque = lancer(dir.chemin(), "s.txt");
  EXPECT_EQ(bloque.statut, kStatutEchec);
  EXPECT_NE(bloque.sortie.find("DbTempKVR4 depuis EnchaineTests"), std::string::npos);
}

TEST(QuillomatCheck, Latin1BecomesUtf8ForAUtf8Terminal) {
  EXPECT_EQ(versTerminal("\xE9t\xE9", true), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(versTerminal("\xE9t\xE9", false), "\xE9t\xE9");
}

}  // namespace
}  // namespace quillomat

namespace quillomat {
namespace {

// The bundled sample shows every kind of finding and inventory; its report,
// read and checked line by line once, must not drift.
TEST(QuillomatCheck, BundledSampleGivesItsKnownReport) {
  test::DossierTemporaire dir;
  ecrireBinaire(dir.chemin() / "exemple.txt", lireBinaire(std::string(QUILLOMAT_DATA_DIR) + "/exemple.txt").value());
  const Resultat r = lancer(dir.chemin(), "exemple.txt");
  EXPECT_EQ(r.statut, kStatutErreurs);
  EXPECT_EQ(lireBinaire(dir.chemin() / "Correction de ScriptVaelmoor.txt").value(),
            lireBinaire(std::string(QUILLOMAT_TESTS_DIR) + "/data/exemple.rapport").value());
}

}  // namespace
}  // namespace quillomat
