#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(Axe, OnlyXYOrZ) {
  const std::string_view syntaxe = " : erreur dans la syntaxe de l'axe de la fonction GetPos";
  verifierCas(strFoncAxe, rangee(strFoncAxe, "GetPos"),
              {{"GetPos Z", ""},
               {"GetPos x  ", ""},
               {"GetPos \"y\"", ""},
               {"GetPos w", syntaxe},
               {"GetPos xy", syntaxe},
               {"GetPos \"x\"\"", syntaxe},
               {"GetPos ", " : impossible de détecter l'axe !"},
               {"GetPos x y", " : erreur, la fonction GetPos ne doit contenir aucun paramètre après l'axe \"x\" !"},
               {"GetPos x, y", " : erreur, la fonction GetPos ne doit contenir aucun paramètre après l'axe \"x\" !"}});
}

TEST(Axe, DetectionAndCaller) {
  const Row getPos = rangee(strFoncAxe, "GetPos");
  Banc b;
  EXPECT_EQ(b.appeler(strFoncAxe, getPos, "GetPos"), 0);
  EXPECT_EQ(b.appeler(strFoncAxe, getPos, "Coffre.GetPos z"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"Coffre:19"});
}

}  // namespace
}  // namespace quillomat
