#include "app/core/live_findings.hpp"

#include <gtest/gtest.h>

#include "app/core/check_run.hpp"
#include "app/report_findings.hpp"
#include "pipeline/enchaine_tests.hpp"
#include "pipeline/text_mode.hpp"
#include "script_generator.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

// What the live check shows is what "Débuguer" reports for the same text
// and settings (the spacing correction apart, which edits the text first).
TEST(VerificationPendantLaFrappe, CeQueDebuguerRapporte) {
  const std::vector<std::pair<std::string, std::string>> scripts = {
      {"exemple", *lireBinaire(std::filesystem::path(QUILLOMAT_DATA_DIR) / "exemple.txt")},
      {"typique", bench::scriptTypique()},
      {"stress", bench::scriptStress(900)},
  };
  for (const auto& [nom, script] : scripts)
    for (const SettingsRecord& r : {SettingsRecord{}, SettingsRecord{1, 1, 1, 1, 1, 0, 0, 0}}) {
      test::DossierTemporaire dir;
      ASSERT_TRUE(ecrireReglages(dir.chemin(), r));
      const std::string texte = versModeTexteLecture(script);
      ASSERT_EQ(verifierScript(dir.chemin(), texte).code, kSucces) << nom;
      const auto rapportes =
          test::constatsDuRapport(*lireTexte(dir.chemin() / "Correction de ScriptVaelmoor.txt"));
      const std::vector<Constat> affiches = verifierPendantLaFrappe(texte, r);
      ASSERT_EQ(affiches.size(), rapportes.size()) << nom;
      ASSERT_FALSE(affiches.empty()) << nom;
      for (size_t i = 0; i < affiches.size(); ++i) {
        EXPECT_EQ(affiches[i].ligne, rapportes[i].first) << nom << " " << i;
        EXPECT_EQ(affiches[i].texte, rapportes[i].second) << nom << " " << i;
      }
    }
}

TEST(VerificationPendantLaFrappe, ScriptTropLongEtCaractereHorsLatin1) {
  const std::vector<Constat> trop = verifierPendantLaFrappe(std::string(kLignesMax, '\n'), {});
  ASSERT_EQ(trop.size(), 1u);
  EXPECT_EQ(trop[0].ligne, 0);
  EXPECT_FALSE(trop[0].alerte);
  EXPECT_EQ(trop[0].texte, messageResultat(kScriptTropLong));
  const Constat c = constatHorsLatin1(4, 12);
  EXPECT_EQ(c.ligne, 4);
  EXPECT_FALSE(c.alerte);
  EXPECT_EQ(c.texte,
            "le caractère de la colonne 12 n'existe pas en Latin-1 : le script ne sera vérifié qu'une fois ce "
            "caractère remplacé.");
}

Constat erreur(int ligne, std::string texte) { return {ligne, false, std::move(texte)}; }
Constat alerte(int ligne, std::string texte) { return {ligne, true, std::move(texte)}; }

TEST(ConstatsAffiches, ParLigneEtComptes) {
  const ConstatsAffiches c({alerte(3, "a3"), erreur(3, "e3"), alerte(7, "a7"), erreur(9, "e9"), erreur(0, "tout")});
  ASSERT_EQ(c.lignes().size(), 3u);
  EXPECT_EQ(c.lignes()[0].ligne, 3);
  EXPECT_TRUE(c.lignes()[0].erreur);  // an error and an alert: the error wins
  EXPECT_EQ(c.lignes()[0].messages, "a3\ne3");
  EXPECT_FALSE(c.ligne(7)->erreur);
  EXPECT_EQ(c.ligne(8), nullptr);
  EXPECT_EQ(c.entre(4, 9).size(), 2u);
  EXPECT_EQ(c.entre(10, 20).size(), 0u);
  EXPECT_EQ(c.comptes(), "3 erreurs, 2 alertes, dont 1 sur tout le script");

  const std::pair<std::vector<Constat>, std::string> cas[] = {
      {{}, "Aucune erreur"},
      {{erreur(1, "x")}, "1 erreur"},
      {{erreur(1, "x"), erreur(2, "y"), alerte(2, "z")}, "2 erreurs, 1 alerte"},
      {{alerte(1, "x"), alerte(5, "y"), alerte(0, "z")}, "Aucune erreur, 3 alertes, dont 1 sur tout le script"},
  };
  for (const auto& [constats, attendu] : cas) EXPECT_EQ(ConstatsAffiches(constats).comptes(), attendu);
}

// Findings follow their lines through an edit until the next check.
TEST(ConstatsAffiches, SuiventLesLignesModifiees) {
  struct Cas {
    const char* quoi;
    Modification m;
    std::vector<int> lignes;  // of the findings on lines 2, 5, 6, 9 and the whole script, after the edit
  };
  const Cas cas[] = {
      {"caractère tapé", {5, 0, 0, false}, {2, 5, 6, 9, 0}},
      {"Entrée au milieu de la ligne 5", {5, 0, 1, false}, {2, 5, 7, 10, 0}},
      {"Entrée au début de la ligne 5", {5, 0, 1, true}, {2, 6, 7, 10, 0}},
      {"trois lignes collées à la fin de la ligne 4", {4, 0, 3, false}, {2, 8, 9, 12, 0}},
      {"lignes 6 et 7 jointes à la 5", {5, 2, 0, false}, {2, 5, 7, 0}},
      {"lignes 5 à 8 remplacées par deux", {4, 4, 2, false}, {2, 7, 0}},
      {"tout le texte remplacé", {1, 9, 3, false}, {0}},
  };
  const ConstatsAffiches avant({erreur(2, "a"), alerte(5, "b"), erreur(6, "c"), erreur(9, "d"), erreur(0, "e")});
  for (const Cas& c : cas) {
    ConstatsAffiches apres = avant;
    apres.suivre(c.m);
    std::vector<int> lignes;
    for (const Constat& k : apres.constats()) lignes.push_back(k.ligne);
    EXPECT_EQ(lignes, c.lignes) << c.quoi;
    std::vector<int> signalees;
    for (const LigneSignalee& l : apres.lignes()) signalees.push_back(l.ligne);
    std::erase(lignes, 0);
    EXPECT_EQ(signalees, lignes) << c.quoi;
    int erreurs = 0;
    for (const Constat& k : apres.constats()) erreurs += !k.alerte;
    EXPECT_EQ(apres.erreurs(), erreurs) << c.quoi;
  }
}

TEST(ConstatsAffiches, PlageSoulignee) {
  const std::pair<std::string_view, Plage> cas[] = {
      {"\tset x to 1 ; commentaire", {1, 10}},
      {"  Message \"a ; b\"  ; c", {2, 15}},
      {"Message \"a ; b", {0, 14}},  // an unclosed quote hides every ';' after it
      {"; tout en commentaire", {0, 0}},
      {"\t \t", {0, 0}},
      {"", {0, 0}},
  };
  for (const auto& [ligne, plage] : cas) EXPECT_EQ(plageSoulignee(ligne), plage) << ligne;
}

// A check's findings are shown only if the text is still the one it checked.
TEST(Revisions, UneVerificationDUnTexteAncienEstAbandonnee) {
  Revisions r;
  EXPECT_TRUE(r.aVerifier());
  const uint64_t premiere = r.lancer();
  EXPECT_FALSE(r.aVerifier());  // one check at a time for one text
  r.modifier();
  EXPECT_TRUE(r.aVerifier());
  const uint64_t seconde = r.lancer();
  EXPECT_FALSE(r.accepter(premiere));  // ends after the edit: dropped
  EXPECT_FALSE(r.aVerifier());         // the newer one is still running
  EXPECT_FALSE(r.aJour());
  EXPECT_TRUE(r.accepter(seconde));
  EXPECT_TRUE(r.aJour());
  EXPECT_FALSE(r.aVerifier());  // shown: nothing to do until the next edit

  r.modifier();
  const uint64_t troisieme = r.lancer();
  r.modifier();
  EXPECT_FALSE(r.accepter(troisieme));
  EXPECT_TRUE(r.aVerifier());  // dropped: the text must be checked again

  r.oublier();
  EXPECT_TRUE(r.aVerifier());
  EXPECT_TRUE(r.accepter(r.lancer()));
  r.oublier();  // e.g. the settings changed
  EXPECT_TRUE(r.aVerifier());
}

}  // namespace
}  // namespace quillomat
