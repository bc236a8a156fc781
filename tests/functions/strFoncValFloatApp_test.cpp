#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(ValFloatApp, NumberWithDecimalsSignForModNames) {
  verifierCas(strFoncValFloatApp, rangee(strFoncValFloatApp, "ModScale"), {{"ModScale -0.5", ""}});
  const std::string_view variables =
      " : erreur dans le dernier paramètre. Attention, SetScale ne prend pas de variables en entrée !";
  verifierCas(strFoncValFloatApp, rangee(strFoncValFloatApp, "SetScale"),
              {{"SetScale 1.5", ""},
               {"SetScale -1", variables},
               {"SetScale x", variables},
               {"SetScale ", " : impossible de détecter le dernier paramètre de la fonction SetScale"},
               {"SetScale 1 2", " : erreur, la fonction SetScale ne doit contenir aucun paramètre après l'ID \"1\" !"}});
}

TEST(ValFloatApp, CallerRecordedWithTheRowKind) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncValFloatApp, rangee(strFoncValFloatApp, "SetActorAlpha"), "SetActorAlpha"), 0);
  EXPECT_EQ(b.appeler(strFoncValFloatApp, rangee(strFoncValFloatApp, "SetActorAlpha"), "Fantome.SetActorAlpha 0.3"),
            1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"Fantome:15"});
}

}  // namespace
}  // namespace quillomat
