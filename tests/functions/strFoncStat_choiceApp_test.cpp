#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(StatChoiceApp, StatisticReadAndJudged) {
  const Row getAv = rangee(strFoncStat_choiceApp, "GetAV");
  verifierCas(strFoncStat_choiceApp, getAv,
              {{"GetAV Strength", ""},
               {"GetAV \"Luck\"", ""},
               {"GetAV Strenght", " : erreur dans la fonction GetAV : \"Strenght\" n'est pas une statistique valide !"},
               {"GetAV ", " : impossible de détecter la statistique !"},
               {"GetAV  Strength", " : impossible de détecter la statistique !"},
               {"GetAV \"Str\"ength\"",
                " : erreur dans la syntaxe de la statistique de la fonction GetAV : trop de guillemets."},
               {"GetAV Strength 5",
                " : erreur, la fonction GetAV ne doit contenir aucun paramètre après la statistique \"Strength\" !"},
               {"GetAV Strength, Luck",
                " : erreur, la fonction GetAV ne doit contenir aucun paramètre après la statistique \"Strength\" !"}});
}

TEST(StatChoiceApp, DetectionAndCaller) {
  const Row getAv = rangee(strFoncStat_choiceApp, "GetAV");
  Banc b;
  EXPECT_EQ(b.appeler(strFoncStat_choiceApp, getAv, "GetAV"), 0);  // bare name: the next row's
  EXPECT_EQ(b.appeler(strFoncStat_choiceApp, getAv, "player.GetAV Strength"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"player:15"});
}

TEST(StatShortChoiceApp, ShortAfterTheStatistic) {
  const Row modAv = rangee(strFoncStatShort_choiceApp, "ModAV");
  verifierCas(strFoncStatShort_choiceApp, modAv,
              {{"ModAV Strength -5", ""},
               {"ModAV Strength, 5", ""},
               {"ModAV Strength 5 ", ""},
               {"ModAV Strenght 5", " : erreur dans la fonction ModAV : \"Strenght\" n'est pas une statistique valide !"},
               {"ModAV Strength", " : pas d'espace après l'ID \"Strength\" !"},
               {"ModAV Strength,5", " : pas d'espace après l'ID \"Strength\" !"},
               {"ModAV Strength ", " : impossible de détecter la valeur de type Short !"},
               {"ModAV Strength x",
                " : erreur dans la valeur de type Short. Attention, ModAV ne prend pas de variables en entrée !"},
               {"ModAV Strength 5 6",
                " : erreur, la fonction ModAV ne doit contenir aucun paramètre après la valeur de la statistique "
                "\"Strength\" !"}});
  // Only a "mod" name takes a sign; the flag of AdvSkill forbids a caller.
  const Row advSkill = rangee(strFoncStatShort_choiceApp, "AdvSkill");
  verifierCas(strFoncStatShort_choiceApp, advSkill,
              {{"AdvSkill Blade 5", ""},
               {"AdvSkill Blade -5",
                " : erreur dans la valeur de type Short. Attention, AdvSkill ne prend pas de variables en entrée !"}});
  verifierCas(strFoncStatShort_choiceApp, rangee(strFoncStatShort_choiceApp, "SetAV"),
              {{"SetAV Strength -5",
                " : erreur dans la valeur de type Short. Attention, SetAV ne prend pas de variables en entrée !"}});
}

TEST(StatShortChoiceApp, CallerByFlag) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncStatShort_choiceApp, rangee(strFoncStatShort_choiceApp, "AdvSkill"),
                      "player.AdvSkill Blade 5"),
            0);
  EXPECT_EQ(b.appeler(strFoncStatShort_choiceApp, rangee(strFoncStatShort_choiceApp, "ModAV"), "ModAV"), 0);
  EXPECT_EQ(b.appeler(strFoncStatShort_choiceApp, rangee(strFoncStatShort_choiceApp, "ModAV"),
                      "Garde.ModAV Strength -5"),
            1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"Garde:15"});
}

}  // namespace
}  // namespace quillomat
