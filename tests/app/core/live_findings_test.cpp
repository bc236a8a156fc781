#include "app/core/live_findings.hpp"

#include <gtest/gtest.h>

#include "pipeline/enchaine_tests.hpp"

namespace quillomat {
namespace {

Constat erreur(int ligne) { return {ligne, false, std::to_string(ligne) + "e"}; }
Constat alerte(int ligne) { return {ligne, true, std::to_string(ligne) + "a"}; }

TEST(ConstatsAffiches, ParLigneEtComptes) {
  const ConstatsAffiches c({alerte(3), erreur(3), alerte(7), erreur(9), erreur(0)});
  ASSERT_EQ(c.lignes().size(), 3u);
  EXPECT_TRUE(c.lignes()[0].erreur);  // an error and an alert: the error wins
  EXPECT_EQ(c.lignes()[0].messages, "3a\n3e");
  EXPECT_FALSE(c.ligne(7)->erreur);
  EXPECT_EQ(c.ligne(8), nullptr);
  EXPECT_EQ(c.entre(4, 9).size(), 2u);
  const std::pair<std::vector<Constat>, std::string> comptes[] = {
      {{}, "Aucune erreur"},
      {{erreur(1)}, "1 erreur"},
      {{erreur(1), erreur(2), alerte(2)}, "2 erreurs, 1 alerte"},
      {{alerte(1), alerte(5), erreur(0), alerte(0)}, "1 erreur, 3 alertes, dont 2 sur tout le script"},
  };
  for (const auto& [constats, attendu] : comptes) EXPECT_EQ(ConstatsAffiches(constats).comptes(), attendu);

  const std::vector<Constat> trop = verifierPendantLaFrappe(std::string(kLignesMax, '\n'), {});
  ASSERT_EQ(trop.size(), 1u);
  EXPECT_EQ(trop[0].ligne, 0);
  EXPECT_EQ(trop[0].texte, messageResultat(kScriptTropLong));
}

// Until the next check, findings follow their lines through an edit.
TEST(ConstatsAffiches, SuiventLesLignesModifiees) {
  const std::pair<Modification, std::vector<int>> cas[] = {
      {{5, 0, 0, false}, {2, 5, 6, 9, 0}},    // a character typed
      {{1, 8, 8, false}, {2, 5, 6, 9, 0}},    // the whole text re-indented
      {{5, 0, 1, false}, {2, 5, 7, 10, 0}},   // Enter inside line 5
      {{5, 0, 1, true}, {2, 6, 7, 10, 0}},    // Enter before the first character of line 5
      {{4, 0, 3, false}, {2, 8, 9, 12, 0}},   // three lines pasted at the end of line 4
      {{5, 2, 0, false}, {2, 5, 7, 0}},       // lines 6 and 7 joined to line 5
      {{4, 4, 2, false}, {2, 7, 0}},          // lines 5 to 8 replaced by two
      {{1, 9, 3, false}, {0}},                // the whole text replaced
  };
  const ConstatsAffiches avant({erreur(2), alerte(5), erreur(6), erreur(9), erreur(0)});
  for (const auto& [modification, attendu] : cas) {
    ConstatsAffiches apres = avant;
    apres.suivre(modification);
    std::vector<int> lignes, signalees;
    int erreurs = 0;
    for (const Constat& k : apres.constats()) {
      lignes.push_back(k.ligne);
      erreurs += !k.alerte;
    }
    for (const LigneSignalee& l : apres.lignes()) signalees.push_back(l.ligne);
    EXPECT_EQ(lignes, attendu) << modification.ligne << " " << modification.lignesOtees;
    std::erase(lignes, 0);
    EXPECT_EQ(signalees, lignes);
    EXPECT_EQ(apres.erreurs(), erreurs);
  }
}

TEST(ConstatsAffiches, PlageSoulignee) {
  const std::pair<std::string_view, Plage> cas[] = {
      {"\tset x to 1 ; commentaire", {1, 10}},
      {"  Message \"a ; b\"  ; c", {2, 15}},
      {"Message \"a ; b", {0, 14}},  // an unclosed quote hides every ';' after it
      {"; tout en commentaire", {0, 0}},
      {"\t \t", {0, 0}},
  };
  for (const auto& [ligne, plage] : cas) EXPECT_EQ(plageSoulignee(ligne), plage) << ligne;
}

// A check's findings are shown only if the text is still the one it checked.
TEST(Revisions, UneVerificationDUnTexteAncienEstAbandonnee) {
  Revisions r;
  const uint64_t premiere = r.lancer();
  EXPECT_FALSE(r.aVerifier());  // one check at a time for one text
  r.modifier();
  const uint64_t seconde = r.lancer();
  EXPECT_FALSE(r.accepter(premiere));
  EXPECT_FALSE(r.aVerifier());  // the newer one is still running
  EXPECT_TRUE(r.accepter(seconde));
  EXPECT_TRUE(r.aJour());

  const uint64_t troisieme = (r.modifier(), r.lancer());
  r.modifier();
  EXPECT_FALSE(r.accepter(troisieme));
  EXPECT_TRUE(r.aVerifier());  // dropped: the text must be checked again
  const uint64_t quatrieme = r.lancer();
  r.oublier();  // new settings while it runs
  EXPECT_FALSE(r.accepter(quatrieme));
  EXPECT_TRUE(r.aVerifier());
}

}  // namespace
}  // namespace quillomat
