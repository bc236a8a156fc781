#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(AxeFloat, AxisThenExpression) {
  const std::string_view impossible = " : impossible de détecter le dernier paramètre de la fonction SetPos";
  const std::string_view erreur = " : erreur dans le dernier paramètre de la fonction SetPos";
  verifierCas(strFoncAxeFloat, rangee(strFoncAxeFloat, "SetPos"),
              {{"SetPos z -10.5", ""},
               {"SetPos X, 12", ""},
               {"SetPos y GetDead+2 ", ""},
               {"SetPos w 10", " : erreur dans la syntaxe de l'axe de la fonction SetPos"},
               {"SetPos ", " : impossible de détecter l'axe !"},
               {"SetPos x", impossible},
               {"SetPos x ", impossible},
               {"SetPos x  10", impossible},
               {"SetPos x,10", impossible},
               {"SetPos x 12.", erreur},
               {"SetPos x (10", erreur},
               {"SetPos x 10 20",
                " : erreur, la fonction SetPos ne doit contenir aucun paramètre après la valeur sur l'axe \"x\" !"}});
}

TEST(AxeFloat, CallerAndVariablesRecorded) {
  Banc b;
  // A blank inside double quotes does not end the expression.
  EXPECT_EQ(b.appeler(strFoncAxeFloat, rangee(strFoncAxeFloat, "Rotate"), "Porte.Rotate z \"Ma vitesse\""), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (V{"Porte:19", "Ma vitesse:9"}));
  EXPECT_EQ(b.appeler(strFoncAxeFloat, rangee(strFoncAxeFloat, "Rotate"), "Rotate"), 0);
}

TEST(AxeFloat, ExpressionIsOneToken) {
  const Row setAngle = rangee(strFoncAxeFloat, "SetAngle");
  Banc b;
  // "Abs" alone is a variable; what follows the token is extra text.
  b.appeler(strFoncAxeFloat, setAngle, "SetAngle z Abs -3", 4);
  EXPECT_EQ(b.textes(), V{ligne(5, " : erreur, la fonction SetAngle ne doit contenir aucun paramètre après la valeur "
                                   "sur l'axe \"z\" !")});
  // The value recogniser reports what it finds in the token.
  Banc vlse;
  EXPECT_EQ(vlse.appeler(strFoncAxeFloat, setAngle, "SetAngle z GetNumKeysPressed", 4), 1);
  EXPECT_EQ(vlse.textes(), V{ligne(5, " : le script utilise une fonction dépendant d'Vaelmoor Script Extender !")});
}

}  // namespace
}  // namespace quillomat
