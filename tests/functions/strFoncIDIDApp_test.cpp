#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(IdIdApp, TwoIds) {
  const std::string_view second = " : impossible de détecter le second appelé !";
  verifierCas(strFoncIDIDApp, rangee(strFoncIDIDApp, "Cast"),
              {{"Cast Boule Cible", ""},
               {"Cast Boule, Cible ", ""},
               {"Cast ", " : impossible de détecter le premier appelé !"},
               {"Cast Boule", second},
               {"Cast Boule ", second},
               {"Cast Boule  Cible", second},
               {"Cast Boule,Cible", second},
               {"Cast \"Bo\"ule\" Cible", " : erreur dans la syntaxe de l'appelé de la fonction Cast : trop de guillemets."},
               {"Cast Boule Cible x",
                " : erreur, la fonction Cast ne doit contenir aucun paramètre après l'ID \"Cible\" !"}});
}

TEST(IdIdApp, KindsAndCallerByFlag) {
  EXPECT_EQ(idsApres(strFoncIDIDApp, rangee(strFoncIDIDApp, "Cast"), "Mage.Cast Boule Cible"),
            (V{"Mage:19", "Boule:20", "Cible:19"}));
  EXPECT_EQ(idsApres(strFoncIDIDApp, rangee(strFoncIDIDApp, "GetScriptVariable"), "GetScriptVariable Coffre compte"),
            (V{"Coffre:19", "compte:29"}));
  Banc b;
  EXPECT_EQ(b.appeler(strFoncIDIDApp, rangee(strFoncIDIDApp, "GetFactionReaction"), "x.GetFactionReaction A B"), 0);
  EXPECT_EQ(b.appeler(strFoncIDIDApp, rangee(strFoncIDIDApp, "Cast"), "Cast"), 0);
}

}  // namespace
}  // namespace quillomat
