// The declared functions the editor colours: those of the catalogue the check
// of the script's folder would use, nothing when that check reports an error.
#include "app/core/declared_words.hpp"

#include "app/core/colouring.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(FonctionsDeclarees, CelleDuCatalogueQueLaVerificationUtilise) {
  const struct {
    const char* reglages;  // nullptr: no settings file
    bool etendu;           // the editor's switch
    const char* noms;      // the names, blank-separated
  } cas[] = {
      {"catalogue = perso.txt", true, "update3d getformfrommod"},
      {"catalogue = perso.txt", false, ""},
      {"vlse-etendu = oui\ncatalogue = perso.txt", false, "update3d getformfrommod"},
      {"vlse-etendu = non\ncatalogue = perso.txt", true, ""},
      {"vlse-etendu = oui", true, ""},
      {nullptr, true, ""},
      {"vlse-etendu = oui\ncatalogue = faux.txt", false, ""},
      {"vlse-etendu = oui\ncatalogue = absent.txt", false, ""},
      {"vlse-etendu = oui\ncle = 1\ncatalogue = perso.txt", false, ""},
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
    const ListeMots declares = fonctionsDeclarees(c.etendu, mod / "scripts");
    std::string noms;
    for (const ListeMots::Entree& e : declares.entrees())
      noms += (noms.empty() ? "" : " ") + e.nom;
    EXPECT_EQ(noms, c.noms) << (c.reglages ? c.reglages : "(aucun)") << " / " << c.etendu;
  }
  EXPECT_TRUE(fonctionsDeclarees(true, {}).entrees().empty());  // a script never saved
}

TEST(FonctionsDeclarees, ColoreesCommeFonctionsApresLaListeLivree) {
  const ListeMots mots = ListeMots::lire("système\nif\nfonction\nGetStage\n");
  const ListeMots declares = ListeMots::fonctions({"Update3D", "If"});
  using F = FormatCouleur;
  EXPECT_EQ(colorerLigne("if x.update3D", mots, &declares),
            (std::vector<PlageCouleur>{{0, 13, F::Normal}, {5, 8, F::Fonction}, {0, 2, F::Systeme}}));
  EXPECT_EQ(colorerLigne("if x.update3D", mots),
            (std::vector<PlageCouleur>{{0, 13, F::Normal}, {0, 2, F::Systeme}}));
}

}  // namespace
}  // namespace quillomat
