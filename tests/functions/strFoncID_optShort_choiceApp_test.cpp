#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

const Row kSetWeather = rows::idShort(19, 63, 0, "SetWeather");
const Row kSay = rows::idShort(15, 50, 1, "Say");
const Row kPme = rows::avec(strFoncID_optParam, "pme");
const Row kWater = rows::avec(strFoncTexteVal, "con_ModWaterShader");

TEST(IdOptShort, OptionalShortAfterTheId) {
  const std::string_view variables =
      " : erreur dans le paramètre optionnel. Attention, SetWeather ne prend pas de variables en entrée !";
  const std::string_view manquant = " : impossible de détecter le paramètre optionnel de SetWeather !";
  verifierCas(strFoncID_optShort_choiceApp, kSetWeather,
              {{"SetWeather Rain 1", ""},
               {"SetWeather Rain", ""},
               {"SetWeather Rain x", ""},  // without a comma the value is not examined
               {"SetWeather Rain  2", ""},
               {"SetWeather Rain 1 2",
                " : erreur dans le paramètre optionnel. Attention, SetWeather ne prend qu'un paramètre après "
                "l'ID \"Rain\" !"},
               {"SetWeather Rain, 1", ""},
               {"SetWeather Rain, ", ""},
               {"SetWeather Rain,  x", ""},
               {"SetWeather Rain,", manquant},
               {"SetWeather Rain,1", manquant},
               {"SetWeather Rain, x", variables},
               {"SetWeather Rain, 1x", variables},
               {"SetWeather ", " : impossible de détecter l'appelé !"}});
}

TEST(IdOptShort, DetectionCallerAndRecords) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncID_optShort_choiceApp, kSetWeather, "SetWeather"), 0);
  EXPECT_EQ(b.appeler(strFoncID_optShort_choiceApp, kSetWeather, "player.SetWeather Rain"), 0);
  EXPECT_EQ(b.appeler(strFoncID_optShort_choiceApp, kSay, "  player.Say \"My Topic\" 1", 4), 1);
  EXPECT_EQ(b.ids(), (V{"player:15", "My Topic:50"}));
  EXPECT_EQ(b.appeler(strFoncID_optShort_choiceApp, kSay, "My Ref.Say Hello 1, x", 2), 1);
  EXPECT_EQ(b.textes(), V{ligne(3, " : erreur dans la syntaxe de l'appelant de la fonction Say. Rajoutez des "
   "guillemets.")});
  EXPECT_EQ(b.ids().size(), 2u);

  // A long word is cut to a name of 49 characters.
  EXPECT_EQ(idsApres(strFoncID_optShort_choiceApp, kSetWeather, "SetWeather " + std::string(6000, 'a')),
            V{std::string(49, 'a') + ":63"});
}

TEST(IdOptParam, OptionalNumberAfterTheEffect) {
  verifierCas(strFoncID_optParam, kPme,
              {{"pme Effect", ""},
               {"pme Effect, 2.5", ""},
               {"pme Effect,", " : impossible de détecter le paramètre optionnel de pme !"},
               {"pme Effect\t2", " : impossible de détecter le paramètre optionnel de pme !"},
               {"pme Effect  2", " : impossible de détecter le dernier paramètre de la fonction pme"},
               {"pme Effect x", " : erreur dans le dernier paramètre. Attention, pme ne prend pas de variables "
                "en entrée !"},
               {"pme Effect 1 2",
                " : erreur dans le paramètre optionnel. Attention, pme ne prend qu'un paramètre après l'ID "
                 "\"Effect\" !"}});
  EXPECT_EQ(idsApres(strFoncID_optParam, kPme, "Torch.pme Flames 1"), (V{"Torch:19", "Flames:21"}));
  Banc b;
  EXPECT_EQ(b.appeler(strFoncID_optParam, kPme, "pme"), 0);
}

TEST(TexteVal, TextNumberAndOptionalValue) {
  verifierCas(strFoncTexteVal, kWater,
              {{"con_ModWaterShader ReflectAmount 0.5", ""},
               {"con_ModWaterShader \"Reflect Amount\", 2 1", ""},
               {"con_ModWaterShader ", " : impossible de détecter le texte !"},
               {"con_ModWaterShader \"a\"b\" 1",
                " : erreur dans le texte de la fonction con_ModWaterShader : trop de guillemets."},
               {"con_ModWaterShader Reflect",
                " : impossible de détecter le dernier paramètre de la fonction con_ModWaterShader"},
               {"con_ModWaterShader Reflect -1",
                " : erreur dans le dernier paramètre. Attention, con_ModWaterShader ne prend pas de variables "
                 "en entrée !"},
               {"con_ModWaterShader Reflect 0.5 x",
                " : erreur dans le paramètre optionnel. Attention, con_ModWaterShader ne prend pas de variables en "
                "entrée !"},
               {"con_ModWaterShader Reflect 0.5 1 2",
                " : erreur dans le paramètre optionnel. Attention, con_ModWaterShader ne prend qu'un paramètre après "
                "l'ID \"0.5\" !"}});
  EXPECT_EQ(idsApres(strFoncTexteVal, kWater, "con_ModWaterShader Reflect 1"), V{});
  Banc b;
  EXPECT_EQ(b.appeler(strFoncTexteVal, kWater, "player.con_ModWaterShader Reflect 1"), 0);
}

}  // namespace
}  // namespace quillomat
