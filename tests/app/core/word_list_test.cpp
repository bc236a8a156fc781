#include "app/core/word_list.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "functions/catalogue.hpp"
#include "pipeline/ascii.hpp"

namespace quillomat {
namespace {

TEST(ListeMots, LectureDuFichier) {
  const auto mots = ListeMots::lire(
      "Avant\n"                     // before any heading: a function
      "Système  titres et mots\n"   // a heading with a comment after it
      "IF ; le test\n"
      "  blanc\n"                   // starts with a blank: skipped
      "-commentaire\n"
      "\n"
      "fonction\r\n"                // CR is a blank: the heading still counts
      "GetStage " + std::string(300, 'x') + " Strength\r\n"  // past 254 characters still one line
      "if\n"                        // listed twice: the first kind stays
      "statistique\n"
      "SYSTÈME\n"                   // È is not lowered: not the heading
      "Strength");                  // no final line feed
  ASSERT_EQ(mots.entrees().size(), 6u);
  EXPECT_EQ(mots.entrees()[0].nom, "avant");
  const std::pair<const char*, int> genres[] = {
      {"avant", kMotFonction}, {"If", kMotSysteme}, {"GETSTAGE", kMotFonction}, {"strength", kMotStatistique},
      {"SYSTÈME", kMotStatistique}, {"systÈme", kMotStatistique}, {"système", -1}, {"blanc", -1},
      {"commentaire", -1}, {"GetStag", -1}, {"", -1}};
  for (const auto& [mot, genre] : genres) EXPECT_EQ(mots.genre(mot), genre) << mot;
  EXPECT_TRUE(ListeMots::charger(std::filesystem::temp_directory_path() / "quillomat_absent" / "fonctions.txt")
                  .entrees()
                  .empty());
}

TEST(ListeMots, FichierLivre) {
  const std::string texte = texteFichierFonctions();
  ASSERT_FALSE(texte.empty());
  EXPECT_EQ(texte.back(), '\n');
  for (const char* titre : {"\nsyst\xE8me\n", "\nfonction\n", "\nstatistique\n"})
    EXPECT_NE(texte.find(titre), std::string::npos) << titre;
  const auto mots = ListeMots::lire(texte);
  EXPECT_EQ(mots.genre("ScriptName"), kMotSysteme);
  EXPECT_EQ(mots.genre("resistwaterdamage"), kMotStatistique);
  int statistiques = 0;
  for (const auto& e : mots.entrees()) statistiques += e.genre == kMotStatistique;
  EXPECT_EQ(statistiques, 70);
  for (std::string_view nom : nomsDesFonctions()) EXPECT_GE(mots.genre(nom), 0) << nom;
  // The index gives the kind of the first entry, as a scan of the list would.
  for (const auto& e : mots.entrees()) {
    int premier = -1;
    for (const auto& f : mots.entrees())
      if (premier < 0 && f.nom == enMinuscules(e.nom)) premier = f.genre;
    EXPECT_EQ(mots.genre(e.nom), premier) << e.nom;
  }
}

}  // namespace
}  // namespace quillomat
