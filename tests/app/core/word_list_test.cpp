#include "app/core/word_list.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "functions/catalogue.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

// The first-match scan that the index must agree with.
int genreLineaire(const ListeMots& mots, std::string_view mot) {
  const std::string bas = enMinuscules(mot);
  for (const auto& e : mots.entrees())
    if (e.nom == bas) return e.genre;
  return -1;
}

TEST(ListeMots, LectureDuFichier) {
  const auto mots = ListeMots::lire(
      "Avant\n"                     // before any heading: a function
      "Système  titres et mots\n"   // a heading with a comment after it
      "IF ; le test\n"
      "  blanc\n"                   // starts with a blank: skipped
      "-commentaire\n"
      "\n"
      "fonction\r\n"                // CR is a blank: the heading still counts
      "GetStage\r\n"
      "if\n"                        // listed twice: the first kind stays
      "statistique\n"
      "Strength");                  // no final line feed
  ASSERT_EQ(mots.entrees().size(), 5u);
  EXPECT_EQ(mots.entrees()[0].nom, "avant");
  const std::pair<const char*, int> genres[] = {
      {"avant", kMotFonction}, {"If", kMotSysteme},  {"GETSTAGE", kMotFonction}, {"strength", kMotStatistique},
      {"blanc", -1},           {"commentaire", -1},   {"système", -1},            {"GetStag", -1}, {"", -1}};
  for (const auto& [mot, genre] : genres) EXPECT_EQ(mots.genre(mot), genre) << mot;
}

TEST(ListeMots, SeulesLesLettresAsciiChangentDeCasse) {
  // "SYSTÈME" is not the heading: È (0xC8) is not lowered.
  const auto mots = ListeMots::lire("SYSTÈME\nÉtat\n");
  ASSERT_EQ(mots.entrees().size(), 2u);
  EXPECT_EQ(mots.entrees()[0].nom, "systÈme");
  EXPECT_EQ(mots.genre("SYSTÈME"), kMotFonction);
  EXPECT_EQ(mots.genre("État"), kMotFonction);
  EXPECT_EQ(mots.genre("état"), -1);
}

TEST(ListeMots, LigneTresLongue) {
  // Past 254 characters a line is still one line: its comment adds no entry.
  const std::string ligne = "GetStage " + std::string(300, 'x') + " Strength\nfin\n";
  const auto mots = ListeMots::lire(ligne);
  ASSERT_EQ(mots.entrees().size(), 2u);
  EXPECT_EQ(mots.genre("fin"), kMotFonction);
  EXPECT_EQ(mots.genre("strength"), -1);
}

TEST(ListeMots, FichierAbsent) {
  EXPECT_TRUE(ListeMots::charger(std::filesystem::temp_directory_path() / "quillomat_absent" / "fonctions.txt")
                  .entrees()
                  .empty());
}

TEST(ListeMots, FichierLivre) {
  const std::string texte = texteFichierFonctions();
  ASSERT_FALSE(texte.empty());
  EXPECT_EQ(texte.back(), '\n');
  EXPECT_NE(texte.find("\n\x73\x79\x73\x74\xE8\x6D\x65\n"), std::string::npos);
  EXPECT_NE(texte.find("\nfonction\n"), std::string::npos);
  EXPECT_NE(texte.find("\nstatistique\n"), std::string::npos);

  const auto mots = ListeMots::lire(texte);
  EXPECT_EQ(mots.genre("ScriptName"), kMotSysteme);
  EXPECT_EQ(mots.genre("resistwaterdamage"), kMotStatistique);
  int statistiques = 0;
  for (const auto& e : mots.entrees()) statistiques += e.genre == kMotStatistique;
  EXPECT_EQ(statistiques, 70);
  for (std::string_view nom : nomsDesFonctions()) EXPECT_GE(mots.genre(nom), 0) << nom;
  // The index gives the kind of the first entry, as a scan of the list would.
  for (const auto& e : mots.entrees()) EXPECT_EQ(mots.genre(e.nom), genreLineaire(mots, e.nom)) << e.nom;
}

}  // namespace
}  // namespace quillomat
