// Files are written over without being emptied first: what is left of a
// longer old content must be cut away.
#include <gtest/gtest.h>

#include "pipeline/text_mode.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(ModeTexte, EcrireParDessusNeLaisseRienDeLAncienContenu) {
  struct Cas {
    std::string avant;
    std::string texte;
    bool modeTexte;
    std::string attendu;
  };
  const std::string long_(5000, 'x');
  const Cas cas[] = {
      {long_, "scn A\nend\n", false, "scn A\nend\n"},
      {long_, "scn A\nend\n", true, "scn A\r\nend\r\n"},
      {long_, "", false, ""},
      {"court", long_ + "\n", true, long_ + "\r\n"},
      {"", "a\r\nb", false, "a\r\nb"},
  };
  test::DossierTemporaire dir;
  const auto fichier = dir.chemin() / "ScriptVaelmoor.txt";
  for (const Cas& c : cas) {
    ASSERT_TRUE(ecrireBinaire(fichier, c.avant));
    ASSERT_TRUE(c.modeTexte ? ecrireTexte(fichier, c.texte) : ecrireBinaire(fichier, c.texte));
    EXPECT_EQ(lireBinaire(fichier).value(), c.attendu) << c.texte.substr(0, 20);
    EXPECT_EQ(lireTexte(fichier).value(), versModeTexteLecture(c.attendu));
  }
}

// Lines that end with CR alone are lines all the same; with one LF anywhere,
// only CR LF is a line end and a lone CR stays inside its line.
TEST(ModeTexte, LaLectureCoupeAuxCRSeulsQuandIlNYAAucunLF) {
  const std::pair<std::string, std::string> cas[] = {
      {"scn A\rbegin GameMode\rend\r", "scn A\nbegin GameMode\nend\n"},
      {"\r\r", "\n\n"},
      {"sans fin", "sans fin"},
      {"scn A\r\nend\r\n", "scn A\nend\n"},
      {"scn A\rreturn\nend\r", "scn A\rreturn\nend\r"},
      {"scn A\r\rend\r\n", "scn A\r\rend\n"},
  };
  test::DossierTemporaire dir;
  const auto fichier = dir.chemin() / "ScriptVaelmoor.txt";
  for (const auto& [octets, texte] : cas) {
    EXPECT_EQ(versModeTexteLecture(octets), texte) << octets;
    ASSERT_TRUE(ecrireBinaire(fichier, octets));
    EXPECT_EQ(lireTexte(fichier).value(), texte) << octets;
  }
}

}  // namespace
}  // namespace quillomat
