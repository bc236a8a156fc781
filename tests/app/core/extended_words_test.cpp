// The words of the later syntax the editor colours: only where the check of
// the script's folder would use the later syntax, with the functions of the
// catalogue it would use; nothing more when the settings file has an error.
#include "app/core/extended_words.hpp"

#include "app/core/colouring.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(MotsEtendus, CeuxDeLaSyntaxeQueLaVerificationUtilise) {
  const struct {
    const char* reglages;  // nullptr: no settings file
    bool etendu;           // the editor's switch
    int loop, arSize, update3D;
  } cas[] = {
      {"catalogue = perso.txt", true, kMotSysteme, kMotFonction, kMotFonction},
      {"catalogue = perso.txt", false, -1, -1, -1},
      {"vlse-etendu = oui\ncatalogue = perso.txt", false, kMotSysteme, kMotFonction, kMotFonction},
      {"vlse-etendu = non\ncatalogue = perso.txt", true, -1, -1, -1},
      {"vlse-etendu = oui", false, kMotSysteme, kMotFonction, -1},
      {nullptr, true, kMotSysteme, kMotFonction, -1},
      {nullptr, false, -1, -1, -1},
      {"vlse-etendu = oui\ncatalogue = faux.txt", false, kMotSysteme, kMotFonction, -1},
      {"vlse-etendu = oui\ncatalogue = absent.txt", false, kMotSysteme, kMotFonction, -1},
      {"vlse-etendu = oui\ncle = 1\ncatalogue = perso.txt", true, -1, -1, -1},
  };
  test::DossierTemporaire d;
  const auto mod = d.chemin() / "mod";
  std::filesystem::create_directories(mod / "scripts");
  ASSERT_TRUE(ecrireBinaire(mod / "perso.txt", "Update3D ref :\nGetFormFromMod : texte texte -> ref\n"));
  ASSERT_TRUE(ecrireBinaire(mod / "faux.txt", "Update3D ref : ???\n"));
  for (const auto& c : cas) {
    std::filesystem::remove(mod / ".quillomat");
    if (c.reglages) {
      ASSERT_TRUE(ecrireBinaire(mod / ".quillomat", c.reglages));
    }
    const ListeMots mots = motsEtendus(c.etendu, mod / "scripts");
    const std::string cas = std::string(c.reglages ? c.reglages : "(aucun)") + " / " + std::to_string(c.etendu);
    EXPECT_EQ(mots.genre("Loop"), c.loop) << cas;
    EXPECT_EQ(mots.genre("ar_size"), c.arSize) << cas;
    EXPECT_EQ(mots.genre("UPDATE3D"), c.update3D) << cas;
  }
  EXPECT_EQ(motsEtendus(true, {}).genre("let"), kMotSysteme);  // a script never saved
}

TEST(MotsEtendus, ColoresApresLaListeLivree) {
  const ListeMots mots = ListeMots::lire("système\nif\nfonction\nGetStage\n");
  ListeMots etendus;
  etendus.ajouter("Update3D", kMotFonction);
  etendus.ajouter("If", kMotFonction);  // the shipped list wins
  using F = FormatCouleur;
  EXPECT_EQ(colorerLigne("if x.update3D", mots, &etendus),
            (std::vector<PlageCouleur>{{0, 13, F::Normal}, {5, 8, F::Fonction}, {0, 2, F::Systeme}}));
  EXPECT_EQ(colorerLigne("if x.update3D", mots),
            (std::vector<PlageCouleur>{{0, 13, F::Normal}, {0, 2, F::Systeme}}));
}

}  // namespace
}  // namespace quillomat
