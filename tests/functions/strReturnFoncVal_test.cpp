#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

std::string variables(std::string_view nom) {
  return " : erreur dans le dernier paramètre. Attention, " + std::string(nom) + " ne prend pas de variables en entrée !";
}

TEST(ReturnFoncValFloat, SignByFlagAndDecimals) {
  verifierCas(strReturnFoncValFloat, rangee(strReturnFoncValFloat, "Abs"),
              {{"Abs -3", ""},
               {"Abs 2.5", ""},
               {"Abs .5", ""},  // the '.' may stand anywhere, given one digit
               {"Abs 5.", ""},
               {"Abs .", variables("Abs")},
               {"Abs x", variables("Abs")},
               {"Abs 1.2.3", variables("Abs")}});
  verifierCas(strReturnFoncValFloat, rangee(strReturnFoncValFloat, "Log"),
              {{"Log 2.5", ""},
               {"Log -3", variables("Log")},
               {"Log ", " : impossible de détecter le dernier paramètre de la fonction Log"},
               {"Log  3", " : impossible de détecter le dernier paramètre de la fonction Log"},
               {"Log 3 x", " : erreur, la fonction Log ne doit contenir aucun paramètre après l'ID \"3\" !"}});
}

TEST(ReturnFoncValInt, SignByFlagOrModName) {
  verifierCas(strReturnFoncValInt, rangee(strReturnFoncValInt, "ModPCFame"), {{"ModPCFame -5", ""}});
  verifierCas(strReturnFoncValInt, rangee(strReturnFoncValInt, "SetPCFame"),
              {{"SetPCFame 5", ""}, {"SetPCFame -5", variables("SetPCFame")}, {"SetPCFame 1.5", variables("SetPCFame")}});
  verifierCas(strReturnFoncValInt, rangee(strReturnFoncValInt, "MoveMouseX"), {{"MoveMouseX -5", ""}});
  Banc b;
  EXPECT_EQ(b.appeler(strReturnFoncValInt, rangee(strReturnFoncValInt, "ModPCFame"), "player.ModPCFame 5"), 0);
}

TEST(ReturnFoncVal, NonNegativeIntegerWithOptionalCaller) {
  verifierCas(strReturnFoncVal, rangee(strReturnFoncVal, "SetAlert"),
              {{"SetAlert 1", ""}, {"SetAlert -1", variables("SetAlert")}, {"SetAlert 0.5", variables("SetAlert")}});
  Banc b;
  EXPECT_EQ(b.appeler(strReturnFoncVal, rangee(strReturnFoncVal, "SetOpenState"), "Porte.SetOpenState 1"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"Porte:41"});
}

}  // namespace
}  // namespace quillomat
