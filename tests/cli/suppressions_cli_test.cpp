// quillomat-check with directives and settings files: what is silenced is
// neither listed nor counted, in every format, and a wrong settings file stops
// the check of its scripts with a message naming its line.
#include "cli/cli_support.hpp"

namespace quillomat {
namespace {

using test::lancerCheck;

// One finding (QM240) on line 3, silenced by what `fin` adds to that line.
std::string script(std::string_view fin = "") {
  return "scn Test\nbegin GameMode\nActivate  cible" + std::string(fin) + "\nend\n";
}

TEST(QuillomatCheckSilences, EveryFormatLeavesOutWhatIsSilenced) {
  struct Cas {
    std::string ligne3;      // what follows the faulty call
    std::string quillomat;   // the .quillomat of the folder; "" for none
    std::string args;
    int statut;
    std::vector<std::string> attendus;  // pieces of the output
    std::vector<std::string> absents;
  };
  const std::vector<Cas> cas = {
      {"", "", "-f lignes script.txt", 2, {"script.txt:3: erreur"}, {"constats_ignores"}},
      {"", "", "-f json script.txt", 2, {"QM240"}, {"constats_ignores"}},
      {" ; quillomat: ignorer QM240", "", "script.txt", 0, {"Aucun bug"}, {"Ligne 3"}},
      {" ; quillomat: ignorer QM240", "", "-f lignes script.txt", 0, {}, {"script.txt:3"}},
      {" ; quillomat: ignorer QM240", "", "-f json script.txt", 0, {"\"constats_ignores\": 1"}, {"\"QM240\""}},
      {" ; quillomat: ignorer QM240", "", "-f sarif script.txt", 0, {"\"kind\":\"inSource\"", "QM240"}, {}},
      {"", "ignorer = QM240\n", "-f sarif script.txt", 0, {"\"kind\":\"external\""}, {}},
      {"", "ignorer = QM240\n", "--sans-config -f lignes script.txt", 2, {"script.txt:3"}, {}},
      {"", "# rien\ncouleur = rouge\n", "script.txt", 1, {".quillomat\", ligne 2 : cl", "inconnue \"couleur\""}, {"Ligne 3"}},
      {"", "couleur = rouge\n", "-f json script.txt autre.txt", 1, {"ligne 1 : cl", "\"echecs\": 2"}, {}},
      {"", "couleur = rouge\n", "--config autre.cfg -f lignes script.txt", 0, {}, {"script.txt:3"}},
      {" ; quillomat: ignorer QM101", "", "--signaler-inutiles -f lignes script.txt", 2,
       {"script.txt:3: alerte: la directive du quillomat n'ignore aucun constat QM101"}, {}},
      {" ; quillomat: ignorer QM101", "signaler-inutiles = oui\n", "-f lignes script.txt", 2, {"QM101"}, {}},
      {" ; quillomat: ignorer QM101", "", "-f lignes script.txt", 2, {"script.txt:3: erreur"}, {"QM101"}},
      {" ; quillomat: ignorr QM240", "", "-f lignes script.txt", 2, {"directive du quillomat illisible"}, {}},
  };
  for (const Cas& c : cas) {
    test::DossierTemporaire d;
    ASSERT_TRUE(ecrireBinaire(d.chemin() / "script.txt", script(c.ligne3)));
    ASSERT_TRUE(ecrireBinaire(d.chemin() / "autre.txt", script()));
    ASSERT_TRUE(ecrireBinaire(d.chemin() / "autre.cfg", "ignorer = QM240\n"));
    if (!c.quillomat.empty()) {
      ASSERT_TRUE(ecrireBinaire(d.chemin() / ".quillomat", c.quillomat));
    }
    const test::Sortie s = lancerCheck(d.chemin(), c.args);
    EXPECT_EQ(s.statut, c.statut) << c.args << " " << c.ligne3 << "\n" << s.texte;
    for (const std::string& a : c.attendus) EXPECT_NE(s.texte.find(a), std::string::npos) << c.args << ": " << a << "\n" << s.texte;
    for (const std::string& a : c.absents) EXPECT_EQ(s.texte.find(a), std::string::npos) << c.args << ": " << a << "\n" << s.texte;
  }
}

// The settings file of each script's own folder, the nearest one winning.
TEST(QuillomatCheckSilences, EachScriptHasItsFoldersSettings) {
  test::DossierTemporaire d;
  std::filesystem::create_directories(d.chemin() / "mod" / "sous");
  ASSERT_TRUE(ecrireBinaire(d.chemin() / "mod" / ".quillomat", "ignorer = QM240\n"));
  ASSERT_TRUE(ecrireBinaire(d.chemin() / "mod" / "sous" / "a.txt", script()));
  ASSERT_TRUE(ecrireBinaire(d.chemin() / "b.txt", script()));
  const test::Sortie s = lancerCheck(d.chemin(), "-f lignes mod b.txt");
  EXPECT_EQ(s.statut, 2);
  EXPECT_EQ(s.texte.find("a.txt:3"), std::string::npos) << s.texte;
  EXPECT_NE(s.texte.find("b.txt:3"), std::string::npos) << s.texte;
}

// The later syntax and the catalogue of the settings file, its catalogue
// found from its own folder; the options win over the file.
TEST(QuillomatCheckSilences, LaterSyntaxAndCatalogueFromTheSettingsFile) {
  struct Cas {
    std::string quillomat;
    std::string args;
    std::vector<std::string> attendus;
    std::vector<std::string> absents;
  };
  const std::vector<Cas> cas = {
      {"", "-f json mod/s.txt", {}, {"QM615", "QM616"}},
      {"vlse-etendu = oui\n", "-f json mod/s.txt", {"QM615"}, {"QM616"}},
      {"vlse-etendu = oui\ncatalogue = cat/perso.txt\n", "-f json mod/s.txt", {"QM616"}, {"QM615"}},
      {"catalogue = cat/perso.txt\n", "--vlse-etendu -f json mod/s.txt", {"QM616"}, {"QM615"}},
      {"catalogue = cat/perso.txt\n", "-f json mod/s.txt", {}, {"QM615", "QM616"}},
      {"vlse-etendu = oui\ncatalogue = cat/absent.txt\n", "mod/s.txt",
       {"impossible de lire le catalogue personnel", "absent.txt"}, {"QM61"}},
      {"vlse-etendu = oui\ncatalogue = cat/absent.txt\n", "--vlse-etendu --catalogue mod/cat/perso.txt -f json mod/s.txt",
       {"QM616"}, {"absent.txt"}},
      // A folder's catalogue is not taken for a script.
      {"vlse-etendu = oui\ncatalogue = cat/perso.txt\n", "-f json mod", {"QM616", "s.txt"}, {"perso.txt"}},
      {"", "--vlse-etendu --catalogue mod/cat/perso.txt -f json mod", {"QM616", "s.txt"}, {"perso.txt"}},
      // --catalogue needs the later syntax from the command line or from the script's settings file.
      {"vlse-etendu = oui\n", "--catalogue mod/cat/perso.txt -f json mod/s.txt", {"QM616"}, {"QM615", "Erreur"}},
      {"vlse-etendu = non\n", "--vlse-etendu --catalogue mod/cat/perso.txt -f json mod/s.txt", {"QM616"}, {"QM615"}},
      {"", "--catalogue mod/cat/perso.txt -f lignes mod/s.txt",
       {"s.txt: erreur: le catalogue personnel (--catalogue) ne sert qu'avec", "vlse-etendu = oui"}, {"QM61"}},
      {"vlse-etendu = oui\n", "--sans-config --catalogue mod/cat/perso.txt mod/s.txt",
       {"ajoutez --vlse-etendu.\n"}, {"QM61", "s.txt"}},
  };
  for (const Cas& c : cas) {
    test::DossierTemporaire d;
    std::filesystem::create_directories(d.chemin() / "mod" / "cat");
    ASSERT_TRUE(ecrireBinaire(d.chemin() / "mod" / "s.txt", "scn T\nbegin GameMode\nUpdate3D\nend\n"));
    ASSERT_TRUE(ecrireBinaire(d.chemin() / "mod" / "cat" / "perso.txt", "Update3D ref :\n"));
    if (!c.quillomat.empty()) {
      ASSERT_TRUE(ecrireBinaire(d.chemin() / "mod" / ".quillomat", c.quillomat));
    }
    const test::Sortie s = lancerCheck(d.chemin(), c.args);
    for (const std::string& a : c.attendus) EXPECT_NE(s.texte.find(a), std::string::npos) << c.quillomat << c.args << ": " << a << "\n" << s.texte;
    for (const std::string& a : c.absents) EXPECT_EQ(s.texte.find(a), std::string::npos) << c.quillomat << c.args << ": " << a << "\n" << s.texte;
  }
}

}  // namespace
}  // namespace quillomat
