// The settings file: what it sets, and a clear error naming the line for
// anything it cannot read, with nothing of the file applied.
#include "pipeline/project_settings.hpp"

#include "test_support.hpp"

namespace quillomat {
namespace {

TEST(ReglagesProjet, ReadsItsKeysOrNamesTheLineAtFault) {
  struct Cas {
    std::string contenu;
    int ligneErreur;      // 0: read without error
    std::string attendu;  // what the settings give, or a piece of the error
  };
  const std::vector<Cas> cas = {
      {"", 0, "ign= type- vlse- alertes- inutiles-"},
      {"\xEF\xBB\xBF# mod\r\nignorer = qm240, QM101 QM240 ; commentaire\n\n  TYPE=Quete\nvlse = OUI\nalertes = non\n"
       "signaler-inutiles = oui\n",
       0, "ign=QM240,QM101 type1 vlse1 alertes1 inutiles1"},
      {"type = qu\xC3\xAAte\nalertes = oui\nvlse=non", 0, "ign= type1 vlse0 alertes0 inutiles-"},
      {"type = effet\n\ncouleur = rouge", 3, "clé inconnue \"couleur\" : les clés sont ignorer, type, vlse"},
      {"vlse = peut-être", 1, "valeur \"peut-être\" incorrecte pour la clé \"vlse\" : écrivez oui ou non."},
      {"type = magie", 1, "écrivez inconnu, objet, quete ou effet."},
      {"ignorer = QM240, QM999", 1, "code inconnu \"QM999\""},
      {"type =", 1, "valeur \"\" incorrecte"},
      {"juste du texte", 1, "ligne illisible \"juste du texte\""},
      {"vlse = oui\nVLSE = non", 2, "la clé \"vlse\" est déjà donnée ligne 1."},
      {"ignorer = QM240\ntype = ?", 2, "écrivez inconnu"},
      {"vlse-etendu = OUI\ncatalogue = mod/fonctions.txt", 0,
       "ign= type- vlse- alertes- inutiles- etendu1 catalogue=mod/fonctions.txt"},
      {"vlse-etendu = toujours", 1, "pour la clé \"vlse-etendu\" : écrivez oui ou non."},
      {"catalogue =", 1, "valeur \"\" incorrecte pour la clé \"catalogue\""},
  };
  for (const Cas& c : cas) {
    const LectureReglagesProjet l = lireReglagesProjet(c.contenu);
    if (c.ligneErreur != 0) {
      ASSERT_TRUE(l.erreur) << c.contenu;
      EXPECT_EQ(l.erreur->ligne, c.ligneErreur) << c.contenu;
      EXPECT_NE(l.erreur->detail.find(c.attendu), std::string::npos) << l.erreur->detail;
      // Nothing of a half-read file applies.
      EXPECT_TRUE(l.reglages.ignorer.empty());
      continue;
    }
    ASSERT_FALSE(l.erreur) << l.erreur->detail;
    const ReglagesProjet& r = l.reglages;
    std::string lu = "ign=";
    for (size_t i = 0; i < r.ignorer.size(); ++i) lu += (i ? "," : "") + r.ignorer[i];
    const auto n = [](const std::optional<int>& o) { return o ? std::to_string(*o) : std::string("-"); };
    lu += " type" + n(r.scriptKind) + " vlse" + n(r.vlseDependent) + " alertes" + n(r.hideAlerts) + " inutiles" +
          (r.signalerInutiles ? std::to_string(*r.signalerInutiles) : "-");
    if (r.vlseEtendu) lu += " etendu" + std::to_string(*r.vlseEtendu);
    if (!r.catalogue.empty()) lu += " catalogue=" + r.catalogue.generic_string();
    EXPECT_EQ(lu, c.attendu) << c.contenu;
  }
}

TEST(ReglagesProjet, TheNearestFileWinsAndOverridesThePreferences) {
  test::DossierTemporaire d;
  const auto sous = d.chemin() / "mod" / "scripts";
  std::filesystem::create_directories(sous);
  EXPECT_FALSE(reglagesDuDossier(sous).erreur);
  ASSERT_TRUE(ecrireBinaire(d.chemin() / ".quillomat", "type = objet\nvlse = oui\n"));
  EXPECT_EQ(reglagesDuDossier(sous).reglages.scriptKind, 2);
  ASSERT_TRUE(ecrireBinaire(d.chemin() / "mod" / ".quillomat", "type = effet\n"));
  const LectureReglagesProjet l = reglagesDuDossier(sous);
  EXPECT_EQ(l.reglages.fichier, d.chemin() / "mod" / ".quillomat");
  SettingsRecord prefs;
  prefs.vlseDependent = 1;
  prefs.hideAlerts = 1;
  const SettingsRecord r = l.reglages.appliquer(prefs);
  EXPECT_EQ(r.scriptKind, 3);
  EXPECT_EQ(r.vlseDependent, 1);  // the nearer file says nothing of it: the preferences hold
  EXPECT_EQ(r.hideAlerts, 1);

  const ErreurReglages e{4, "clé inconnue \"x\"."};
  EXPECT_EQ(messageErreurReglages("mod/.quillomat", e),
            "Erreur : fichier de réglages \"mod/.quillomat\", ligne 4 : clé inconnue \"x\".");
  EXPECT_TRUE(chargerReglagesProjet(d.chemin() / "absent").erreur);
}

// The catalogue is found from the settings file's folder, read only with the
// later syntax, and the file's settings win over the ones it is given.
TEST(ReglagesProjet, LaterSyntaxAndCatalogueOverTheGivenOnes) {
  struct Cas {
    std::string contenu;
    bool etenduDonne;
    bool etendu;
    bool catalogue;
    std::string erreur;  // a piece of it, or "" for none
  };
  const std::vector<Cas> cas = {
      {"vlse-etendu = oui\ncatalogue = perso.txt", false, true, true, ""},
      {"catalogue = perso.txt", false, false, false, ""},
      {"catalogue = perso.txt", true, true, true, ""},
      {"vlse-etendu = non\ncatalogue = perso.txt", true, false, false, ""},
      {"vlse-etendu = oui\ncatalogue = absent.txt", false, true, false,
       "impossible de lire le catalogue personnel"},
      {"vlse-etendu = oui\ncatalogue = faux.txt", false, true, false, "faux.txt, ligne 2 : "},
  };
  test::DossierTemporaire d;
  const auto mod = d.chemin() / "mod";
  std::filesystem::create_directories(mod / "scripts");
  ASSERT_TRUE(ecrireBinaire(mod / "perso.txt", "Update3D ref :\n"));
  ASSERT_TRUE(ecrireBinaire(mod / "faux.txt", "# bon\nUpdate3D ref : ???\n"));
  for (const Cas& c : cas) {
    ASSERT_TRUE(ecrireBinaire(mod / ".quillomat", c.contenu));
    const LectureReglagesProjet l = reglagesDuDossier(mod / "scripts");
    ASSERT_FALSE(l.erreur) << c.contenu;
    std::string erreur;
    OptionsVerification base;
    base.vlseEtendu = c.etenduDonne;
    const OptionsVerification o = l.reglages.options(erreur, base);
    EXPECT_EQ(o.vlseEtendu, c.etendu) << c.contenu;
    EXPECT_EQ(o.catalogue != nullptr, c.catalogue) << c.contenu;
    if (c.erreur.empty()) EXPECT_EQ(erreur, "") << c.contenu;
    else EXPECT_NE(erreur.find(c.erreur), std::string::npos) << c.contenu << " gives " << erreur;
  }
}

}  // namespace
}  // namespace quillomat
