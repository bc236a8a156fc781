#include "functions/catalogue.hpp"

#include <algorithm>

#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using S = std::vector<std::string>;

TEST(ReconnaitreValeur, NumbersFollowTheirCharacterRules) {
  for (const char* bon : {"12", "12.5", "3 ", " 7", "", "12x", "0.25"}) {
    Banc b;
    EXPECT_EQ(b.valeur(bon), 1) << bon;
    EXPECT_TRUE(b.textes().empty()) << bon;
  }
  for (const char* mauvais : {"12.", "12 ab", "1.5.6"}) {
    Banc b;
    EXPECT_EQ(b.valeur(mauvais), 0) << mauvais;
  }
}

TEST(ReconnaitreValeur, VariablesAndObjectVariablesAreRecorded) {
  Banc b;
  EXPECT_EQ(b.valeur("compteur"), 1);
  EXPECT_EQ(b.valeur("myQuest.myVar"), 1);
  EXPECT_EQ(b.valeur("\"Mon objet\""), 1);
  EXPECT_EQ(b.ids(), (S{"compteur:9", "myQuest:19", "myVar:29", "Mon objet:9"}));
  EXPECT_EQ(b.wf.attachments, (std::vector<AttachmentRecord>{{"myvar", "myquest"}}));
  EXPECT_EQ(b.valeur("x y"), 0);
  EXPECT_EQ(b.valeur(".var"), 0);
  EXPECT_EQ(b.valeur("obj."), 0);
  EXPECT_EQ(b.valeur("a\"b"), 0);
}

TEST(ReconnaitreValeur, CatalogueOrderAndCaseDecideTheFunction) {
  Banc b;
  EXPECT_EQ(b.valeur("GetArmorRatingUpperBody"), 1);
  EXPECT_EQ(b.valeur("GETDEAD"), 1);
  EXPECT_EQ(b.valeur("player.GetDead"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), S{"player:15"});
  // GetDead comes first and matches the bare name as a prefix.
  EXPECT_EQ(b.valeur("GetDeadCount x", 2), 1);
  EXPECT_EQ(b.textes(),
            S{ligne(3, " : erreur, la fonction GetDead peut prendre un appelant, mais pas de paramètre appelé !")});
}

TEST(ReconnaitreValeur, ReferencesAndProducts) {
  Banc b;
  EXPECT_EQ(b.valeur("GetSelf"), 10);
  EXPECT_EQ(b.valeur("GetSelf + 1"), 10);
  EXPECT_EQ(b.valeur("GetDead + x"), 1);
  EXPECT_EQ(b.valeur("-5"), 1);
  EXPECT_EQ(b.valeur("x * (y - 2)"), 1);
  EXPECT_EQ(b.valeur("(GetDead"), 0);
  EXPECT_EQ(b.valeur("(GetDead) + 2"), 1);
  EXPECT_EQ(b.valeur("(GetSelf)"), 10);
  EXPECT_EQ(b.valeur("(a)  b"), 0);
  EXPECT_EQ(b.valeur("(a)   "), 1);
  EXPECT_EQ(b.valeur("2 + 12."), 0);
  EXPECT_TRUE(b.textes().empty());
}

TEST(ReconnaitreValeur, ScriptExtenderFunctionsNeedTheSetting) {
  Banc sans;
  sans.valeur("GetVLSEVersion", 4);
  EXPECT_EQ(sans.textes(), S{ligne(5, " : le script utilise une fonction dépendant d'Vaelmoor Script Extender !")});
  Banc avec;
  avec.vlse = 1;
  avec.valeur("GetVLSEVersion", 4);
  EXPECT_TRUE(avec.textes().empty());
  Banc reference;
  EXPECT_EQ(reference.valeur("GetPlayerSpell"), 10);
  EXPECT_EQ(reference.textes().size(), 1u);
}

TEST(ReconnaitreValeur, DeepOperandsDoNotExhaustTheStack) {
  Banc b;
  std::string parentheses = std::string(2499, '(') + "1" + std::string(2499, ')');
  EXPECT_EQ(b.valeur(parentheses), 1);
  std::string somme = "1";
  while (somme.size() < 4990) somme += "+1";
  EXPECT_EQ(b.valeur(somme), 1);
  std::string groupes;
  while (groupes.size() < 4990) groupes += "(1)+";
  EXPECT_EQ(b.valeur(groupes), 1);
  std::string operateurs(4999, '-');
  EXPECT_EQ(b.valeur(operateurs), 1);
  std::string melange;
  while (melange.size() < 4990) melange += "((-";
  EXPECT_EQ(b.valeur(melange), 0);
}

TEST(Catalogues, NamesAreDataInTheirBindingOrder) {
  const auto noms = nomsDesFonctions();
  auto position = [&](std::string_view n) { return std::find(noms.begin(), noms.end(), n) - noms.begin(); };
  EXPECT_LT(position("GetArmorRatingUpperBody"), position("GetArmorRating"));
  EXPECT_LT(position("IsKeyPressed2"), position("IsKeyPressed"));
  EXPECT_LT(position("Log10"), position("Log"));
  EXPECT_LT(position("GetDead"), position("GetDeadCout"));
  EXPECT_NE(position("con_SetSkyParam"), static_cast<long>(noms.size()));
  EXPECT_EQ(std::count(noms.begin(), noms.end(), "KillActor"), 1);
  EXPECT_EQ(catalogueInstructions()[0].name, "ScriptName");
  // The rows of the later syntax come last; the plain catalogue ends as it always did.
  const auto instructions = catalogueInstructions();
  const auto dernier = std::find_if(instructions.rbegin(), instructions.rend(), [](const Row& r) { return !r.etendu; });
  EXPECT_EQ(dernier->name, "con_SetSkyParam");
  EXPECT_EQ(catalogueValeurs().back().name, "This");
}

}  // namespace
}  // namespace quillomat
