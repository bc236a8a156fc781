// The small commands without windows: the caret panes, "Aller à la ligne",
// the data files, clean-up and defaults, the statistics.
#include "app/core/small_commands.hpp"
#include "app/core/statistics.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "pipeline/records.hpp"
#include "pipeline/text_mode.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(PetitesCommandes, CaretTexts) {
  const std::tuple<int, int, const char*, const char*> cas[] = {
      {0, 0, "Ln 1", "Col 1"},     {2, 2, "Ln 1", "Col 3"},  // on the line break: still line 1
      {1, 7, "Ln 1-3", "Col 2-2"}, {3, 5, "Ln 2", "Col 1-3"},  // one line, two columns
      {8, 8, "Ln 3", "Col 3"},
  };
  for (const auto& [debut, fin, ligne, colonne] : cas) {
    EXPECT_EQ(texteLigneCurseur("ab\ncd\nef", debut, fin), ligne) << debut;
    EXPECT_EQ(texteColonneCurseur("ab\ncd\nef", debut, fin), colonne) << debut;
  }
  EXPECT_EQ(texteLigneCurseur("", 0, 0), "Ln 1");
  EXPECT_EQ(texteLigneCurseur("ab\ncd\nef", -5, 99), "Ln 1-3");  // out of the text: clamped
}

TEST(PetitesCommandes, GoToLine) {
  const std::string_view t = "abc\n\nfgh";
  EXPECT_EQ(positionAllerALigne(t, "1"), 3);  // the end of the first line's text
  EXPECT_EQ(positionAllerALigne(t, "2"), 4);  // an empty line
  EXPECT_EQ(positionAllerALigne(t, "3"), 8);  // the last line, without a line break
  EXPECT_EQ(positionAllerALigne(t, " +3xyz"), 8);
  EXPECT_EQ(positionAllerALigne("", "1"), 0);
  for (std::string_view rien : {"0", "4", "-1", "", "x", "+", "99999999999999999999999"})
    EXPECT_EQ(positionAllerALigne(t, rien), std::nullopt) << rien;
  // The caret stays: the status bar says why, with the number as typed.
  const std::pair<std::string_view, const char*> absentes[] = {
      {"4", "Le script n'a pas de ligne 4 : il en a 3."},
      {"0", "Le script n'a pas de ligne 0 : il en a 3."},
      {"-1", "Le script n'a pas de ligne -1 : il en a 3."},
      {"0099999999999999999999999", "Le script n'a pas de ligne 99999999999999999999999 : il en a 3."},
  };
  for (const auto& [saisie, message] : absentes) EXPECT_EQ(messageLigneAbsente(t, saisie), message) << saisie;
  for (std::string_view rien : {"1", "3", "", "x", "+"}) EXPECT_EQ(messageLigneAbsente(t, rien), std::nullopt) << rien;
}

TEST(PetitesCommandes, DataFileSearch) {
  test::DossierTemporaire courant, programme;
  const auto creer = [](const std::filesystem::path& p) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
  };
  const auto partage = programme.chemin() / "bin" / ".." / "share" / "quillomat";
  const auto bin = programme.chemin() / "bin";
  std::filesystem::create_directories(bin);
  EXPECT_EQ(trouverFichierDonnees("AideDebug.htm", courant.chemin(), bin), std::nullopt);
  creer(partage / "AideDebug.htm");
  EXPECT_EQ(trouverFichierDonnees("AideDebug.htm", courant.chemin(), bin), partage / "AideDebug.htm");
  creer(bin / "AideDebug.htm");
  EXPECT_EQ(trouverFichierDonnees("AideDebug.htm", courant.chemin(), bin), bin / "AideDebug.htm");
  creer(courant.chemin() / "AideDebug.htm");
  EXPECT_EQ(trouverFichierDonnees("AideDebug.htm", courant.chemin(), bin), courant.chemin() / "AideDebug.htm");
  // A directory of that name is no file.
  std::filesystem::create_directories(courant.chemin() / "AideDebug.txt");
  EXPECT_EQ(trouverFichierDonnees("AideDebug.txt", courant.chemin(), bin), std::nullopt);
}

TEST(PetitesCommandes, CleanUpAndDefaults) {
  test::DossierTemporaire dir;
  nettoyerEspace(dir.chemin());  // nothing to delete: no error
  for (const char* nom : {"ScriptVaelmoor.txt", "DbPlatform.dat", "DebugKVR4.dat", "DbTempKVR4", "InfTempKVR4",
                          "InfTempKVR4.2", "InfTempKVR4.3", "Correction de ScriptVaelmoor.txt", "fonctions.txt"})
    ecrireBinaire(dir.chemin() / nom, "x");
  nettoyerEspace(dir.chemin());
  std::vector<std::string> restants;
  for (const auto& e : std::filesystem::directory_iterator(dir.chemin())) restants.push_back(e.path().filename());
  std::sort(restants.begin(), restants.end());
  EXPECT_EQ(restants, (std::vector<std::string>{"Correction de ScriptVaelmoor.txt", "fonctions.txt"}));

  ASSERT_TRUE(remettreParDefaut(dir.chemin()));
  const std::string attendu{"\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0", 32};
  EXPECT_EQ(lireBinaire(dir.chemin() / "DebugKVR4.dat"), attendu);
  EXPECT_FALSE(remettreParDefaut(dir.chemin() / "absent"));
}

TEST(Statistiques, SortesDeLignesEtMessage) {
  const std::pair<const char*, StatistiquesScript> cas[] = {
      {"", {1, 0, 0, 1}},
      {"\n", {2, 0, 0, 2}},
      {"x\nxy", {2, 1, 0, 0}},  // one letter alone: its last character is not examined
      {"   \n  1abc\n-x", {3, 0, 0, 0}},
      {"\t\t; note\nset x to 1 ; note\n;", {3, 1, 1, 0}},
      {"\xE9t\xE9", {1, 0, 0, 0}},  // accented letters are not ASCII
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(statistiquesScript(texte), attendu) << texte;
  // Singular for one line.
  EXPECT_EQ(messageStatistiques({12, 1, 2, 1}),
            "\t\t\t\t   \n   Nombre de lignes dans le script : 12\n\n   Type des lignes du script :\n"
            "\t   -  1 ligne de code\n\t   -  2 lignes de commentaire\n\t   -  1 ligne vide\n");
}

}  // namespace
}  // namespace quillomat
