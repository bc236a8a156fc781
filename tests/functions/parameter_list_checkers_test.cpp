#include <string>

#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"
#include "functions/checkers.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

const Row kHairTint = rangee(strFoncTroisVal, "con_HairTint");
const Row kActivate = rangee(strFoncOptIDOptShort, "Activate");

TEST(NumberLists, EachValueAndTheEnd) {
  const std::string_view trop = " : trop de paramètres dans la fonction con_HairTint";
  verifierCas(strFoncTroisVal, kHairTint,
              {{"con_HairTint 255 0.5 12 ", ""},
               {"con_HairTint, 255, 128, 0", ""},
               {"con_HairTint x 1 2", " : erreur, la valeur du premier appelé de con_HairTint est incorrecte !"},
               {"con_HairTint 1,5 2 3", " : erreur, la valeur du premier appelé de con_HairTint est incorrecte !"},
               {"con_HairTint 1 -2 3", " : erreur, la valeur du second appelé de con_HairTint est incorrecte !"},
               {"con_HairTint 1 2", " : erreur, la valeur du troisième appelé de con_HairTint est incorrecte !"},
               {"con_HairTint 1 2 3 4", trop},
               {"con_HairTint 1 2 3,", trop}});
  verifierCas(strFoncDeuxVal, rangee(strFoncDeuxVal, "con_SetTargetRefractionFire"),
              {{"con_SetTargetRefractionFire -1.5 -2", ""}});
  verifierCas(strFoncDeuxVal, rangee(strFoncDeuxVal, "con_SetFog"),
              {{"con_SetFog 1 -2", " : erreur, la valeur du second appelé de con_SetFog est incorrecte !"},
               {"con_SetFog 1 2 3", " : trop de paramètres dans la fonction con_SetFog"}});
  verifierCas(strFoncCinqVal, rangee(strFoncCinqVal, "con_SetHDRParam"),
              {{"con_SetHDRParam 1 2 3 4 5", ""},
               {"con_SetHDRParam 1 2 3 x 5", " : erreur, la valeur du quatrième appelé de con_SetHDRParam est incorrecte !"},
               {"con_SetHDRParam 1 2 3 4", " : erreur, la valeur du cinquième appelé de con_SetHDRParam est incorrecte !"}});
  verifierCas(strFoncTroisValGlow, rangee(strFoncTroisValGlow, "con_SetImageSpaceGlow"),
              {{"con_SetImageSpaceGlow 1 2 3 4", " : trop de paramètres dans la fonction con_SetImageSpaceGlow"}});
}

TEST(NumberLists, CallerByFlag) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncTroisVal, kHairTint, "con_HairTint"), 0);
  EXPECT_EQ(b.appeler(strFoncTroisVal, rangee(strFoncTroisVal, "con_WaterDeepColor"), "x.con_WaterDeepColor 1 2 3"), 0);
  EXPECT_EQ(b.appeler(strFoncCinqVal, rangee(strFoncCinqVal, "con_SetHDRParam"), "player.con_SetHDRParam 1 2 3 4 5"), 0);
  EXPECT_EQ(b.appeler(strFoncTroisVal, kHairTint, "Fred.con_HairTint 1 2 3"), 1);
  EXPECT_EQ(b.ids(), V{"Fred:15"});
}

TEST(OptIdOptShort, IdThenShortBothOptional) {
  const std::string_view vide = " : impossible de détecter le second paramètre optionnel (de type short) !";
  verifierCas(strFoncOptIDOptShort, kActivate,
              {{"Activate player ", ""},
               {"Activate player, 1", ""},
               {"Activate  player", " : impossible de détecter l'appelé optionnel !"},
               {"Activate player,1", " : pas d'espace après l'objet \"player\" !"},
               {"Activate player, ", vide},
               {"Activate player  1", vide},
               {"Activate player x", " : erreur dans le second paramètre optionnel (de type short). Attention, Activate "
                                     "ne prend pas de variables en entrée !"},
               {"Activate player 1 2", " : erreur dans le paramètre optionnel. Attention, Activate ne prend que deux "
                                       "paramètres optionnels au maximum !"},
               {"Activate player 1 2 3", " : erreur, la fonction Activate contient trop de paramètres !"}});
  Banc b;
  EXPECT_EQ(b.appeler(strFoncOptIDOptShort, kActivate, "Activate"), 0);
  EXPECT_EQ(b.appeler(strFoncOptIDOptShort, kActivate, "Door.Activate player 1"), 1);
  EXPECT_EQ(b.ids(), (V{"Door:15", "player:19"}));
}

TEST(IdIdShort, TwoFactionsThenShort) {
  const std::string_view second = " : impossible de détecter le second appelé !";
  verifierCas(strFoncIDIDShort, rangee(strFoncIDIDShort, "SetFactionReaction"),
              {{"SetFactionReaction A, B, 10", ""},
               {"SetFactionReaction  A B 1", " : impossible de détecter le premier appelé !"},
               {"SetFactionReaction A", second},
               {"SetFactionReaction A  B 1", second},
               // Only " " or ", " separates the two factions.
               {"SetFactionReaction A,B 5", second},
               {"SetFactionReaction A B", " : pas d'espace après l'ID \"B\" !"},
               {"SetFactionReaction A B,5", " : pas d'espace après l'ID \"B\" !"},
               {"SetFactionReaction A B ", " : impossible de détecter la valeur de type Short !"},
               {"SetFactionReaction A B -5", " : erreur dans la valeur de type Short. Attention, SetFactionReaction ne "
                                             "prend pas de variables en entrée !"},
               {"SetFactionReaction A B 5 x",
                " : erreur, la fonction SetFactionReaction ne doit contenir aucun paramètre après l'ID \"B\" !"}});
  const Row mod = rangee(strFoncIDIDShort, "ModFactionReaction");
  verifierCas(strFoncIDIDShort, mod, {{"ModFactionReaction A B -5", ""}, {"ModFactionReaction 0,0,0", second}});
  Banc b;
  EXPECT_EQ(b.appeler(strFoncIDIDShort, mod, "x.ModFactionReaction A B 5"), 0);
  EXPECT_EQ(b.appeler(strFoncIDIDShort, mod, "ModFactionReaction A B 5"), 1);
  EXPECT_EQ(b.ids(), (V{"A:91", "B:91"}));
}

TEST(ParameterLists, LongTextsStayInBounds) {
  const std::string longue = "con_HairTint " + std::string(4990, '7');
  verifierCas(strFoncTroisVal, kHairTint,
              {{longue, " : erreur, la valeur du second appelé de con_HairTint est incorrecte !"}});
  const std::string mots = "Activate player 1" + std::string(2000, ' ') + std::string(2900, 'x');
  verifierCas(strFoncOptIDOptShort, kActivate,
              {{mots, " : erreur dans le paramètre optionnel. Attention, Activate ne prend que deux paramètres "
                      "optionnels au maximum !"}});
}

}  // namespace
}  // namespace quillomat
