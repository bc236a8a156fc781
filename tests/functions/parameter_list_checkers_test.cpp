#include <string>

#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using V = std::vector<std::string>;

const Row kHairTint = rows::troisVal(15, 1, "con_HairTint");
const Row kWater = rows::troisVal(19, 0, "con_WaterDeepColor");
const Row kFog = rows::deuxVal(19, 0, 0, "con_SetFog");
const Row kFire = rows::deuxVal(15, 1, 1, "con_SetTargetRefractionFire");
const Row kActivate = rows::optIdOptShort(15, 19, "Activate");
const Row kReaction = rows::avec(strFoncIDIDShort, "ModFactionReaction");
const Row kSetReaction = rows::avec(strFoncIDIDShort, "SetFactionReaction");

V findings(Checker check, const Row& row, std::string_view text) {
  Banc b;
  EXPECT_EQ(b.appeler(check, row, text), 1) << text;
  return b.textes();
}
V une(std::string_view message) { return {ligne(1, message)}; }

TEST(NumberLists, EachValueAndTheEnd) {
  auto f = [](std::string_view s) { return findings(strFoncTroisVal, kHairTint, s); };
  EXPECT_EQ(f("con_HairTint 255 0.5 12 "), V{});
  EXPECT_EQ(f("con_HairTint, 255, 128, 0"), V{});
  EXPECT_EQ(f("con_HairTint x 1 2"), une(" : erreur, la valeur du premier appelé de con_HairTint est incorrecte !"));
  EXPECT_EQ(f("con_HairTint 1 -2 3"), une(" : erreur, la valeur du second appelé de con_HairTint est incorrecte !"));
  EXPECT_EQ(f("con_HairTint 1,5 2 3"), une(" : erreur, la valeur du premier appelé de con_HairTint est incorrecte !"));
  EXPECT_EQ(f("con_HairTint 1 2"), une(" : erreur, la valeur du troisième appelé de con_HairTint est incorrecte !"));
  const V trop = une(" : trop de paramètres dans la fonction con_HairTint");
  EXPECT_EQ(f("con_HairTint 1 2 3 4"), trop);
  EXPECT_EQ(f("con_HairTint 1 2 3,"), trop);

  Banc b;
  EXPECT_EQ(b.appeler(strFoncTroisVal, kHairTint, "con_HairTint"), 0);
  EXPECT_EQ(b.appeler(strFoncTroisVal, kWater, "x.con_WaterDeepColor 1 2 3"), 0);
  EXPECT_EQ(b.appeler(strFoncTroisVal, kHairTint, "Fred.con_HairTint 1 2 3"), 1);
  EXPECT_EQ(b.ids(), V{"Fred:15"});
}

TEST(NumberLists, NegativeValuesOnlyWhereAllowed) {
  EXPECT_EQ(findings(strFoncDeuxVal, kFire, "con_SetTargetRefractionFire -1.5 -2"), V{});
  EXPECT_EQ(findings(strFoncDeuxVal, kFog, "con_SetFog 1 -2"),
            une(" : erreur, la valeur du second appelé de con_SetFog est incorrecte !"));
  EXPECT_EQ(findings(strFoncDeuxVal, kFog, "con_SetFog 1 2 3"), une(" : trop de paramètres dans la fonction con_SetFog"));
}

TEST(NumberLists, DedicatedCheckersKnowTheirNames) {
  const Row hdr = rows::avec(strFoncCinqVal, "con_SetHDRParam");
  const Row glow = rows::avec(strFoncTroisValGlow, "con_SetImageSpaceGlow");
  EXPECT_EQ(findings(strFoncCinqVal, hdr, "con_SetHDRParam 1 2 3 4 5"), V{});
  EXPECT_EQ(findings(strFoncCinqVal, hdr, "con_SetHDRParam 1 2 3 4"),
            une(" : erreur, la valeur du cinquième appelé de con_SetHDRParam est incorrecte !"));
  EXPECT_EQ(findings(strFoncCinqVal, hdr, "con_SetHDRParam 1 2 3 x 5"),
            une(" : erreur, la valeur du quatrième appelé de con_SetHDRParam est incorrecte !"));
  EXPECT_EQ(findings(strFoncTroisValGlow, glow, "con_SetImageSpaceGlow 1 2 3 4"),
            une(" : trop de paramètres dans la fonction con_SetImageSpaceGlow"));
  Banc b;
  EXPECT_EQ(b.appeler(strFoncCinqVal, hdr, "player.con_SetHDRParam 1 2 3 4 5"), 0);
}

TEST(OptIdOptShort, IdThenShortBothOptional) {
  auto f = [](std::string_view s) { return findings(strFoncOptIDOptShort, kActivate, s); };
  EXPECT_EQ(f("Activate player "), V{});
  EXPECT_EQ(f("Activate player, 1"), V{});
  EXPECT_EQ(f("Activate  player"), une(" : impossible de détecter l'appelé optionnel !"));
  EXPECT_EQ(f("Activate player,1"), une(" : pas d'espace après l'objet \"player\" !"));
  const V vide = une(" : impossible de détecter le second paramètre optionnel (de type short) !");
  EXPECT_EQ(f("Activate player, "), vide);
  EXPECT_EQ(f("Activate player  1"), vide);
  EXPECT_EQ(f("Activate player x"),
            une(" : erreur dans le second paramètre optionnel (de type short). Attention, Activate ne prend pas de "
                "variables en entrée !"));
  EXPECT_EQ(f("Activate player 1 2"),
            une(" : erreur dans le paramètre optionnel. Attention, Activate ne prend que deux paramètres optionnels au "
                "maximum !"));
  EXPECT_EQ(f("Activate player 1 2 3"), une(" : erreur, la fonction Activate contient trop de paramètres !"));

  Banc b;
  EXPECT_EQ(b.appeler(strFoncOptIDOptShort, kActivate, "Activate"), 0);
  EXPECT_EQ(b.appeler(strFoncOptIDOptShort, kActivate, "Door.Activate player 1"), 1);
  EXPECT_EQ(b.ids(), (V{"Door:15", "player:19"}));
}

TEST(IdIdShort, TwoFactionsThenShort) {
  auto f = [](std::string_view s) { return findings(strFoncIDIDShort, kSetReaction, s); };
  EXPECT_EQ(f("SetFactionReaction A, B, 10"), V{});
  EXPECT_EQ(f("SetFactionReaction  A B 1"), une(" : impossible de détecter le premier appelé !"));
  EXPECT_EQ(f("SetFactionReaction A"), une(" : impossible de détecter le second appelé !"));
  EXPECT_EQ(f("SetFactionReaction A B"), une(" : pas d'espace après l'ID \"B\" !"));
  EXPECT_EQ(f("SetFactionReaction A B "), une(" : impossible de détecter la valeur de type Short !"));
  EXPECT_EQ(f("SetFactionReaction A B -5"),
            une(" : erreur dans la valeur de type Short. Attention, SetFactionReaction ne prend pas de variables en "
                "entrée !"));
  EXPECT_EQ(f("SetFactionReaction A B 5 x"),
            une(" : erreur, la fonction SetFactionReaction ne doit contenir aucun paramètre après l'ID \"B\" !"));

  Banc b;
  EXPECT_EQ(b.appeler(strFoncIDIDShort, kReaction, "ModFactionReaction A B -5"), 1);
  EXPECT_EQ(b.appeler(strFoncIDIDShort, kReaction, "x.ModFactionReaction A B 5"), 0);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (V{"A:91", "B:91"}));
}

TEST(ParameterLists, LongTextsStayInBounds) {
  const std::string longue = "con_HairTint " + std::string(4990, '7');
  EXPECT_EQ(findings(strFoncTroisVal, kHairTint, longue),
            une(" : erreur, la valeur du second appelé de con_HairTint est incorrecte !"));
  const std::string mots = "Activate player 1" + std::string(2000, ' ') + std::string(2900, 'x');
  EXPECT_EQ(findings(strFoncOptIDOptShort, kActivate, mots),
            une(" : erreur dans le paramètre optionnel. Attention, Activate ne prend que deux paramètres optionnels au "
                "maximum !"));
}

}  // namespace
}  // namespace quillomat
