#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(IdFloat, IdThenExpression) {
  verifierCas(strFoncIDfloat, rangee(strFoncIDfloat, "ModDisposition"),
              {{"ModDisposition player -10", ""},
               {"ModDisposition player, bonus*2", ""},
               {"ModDisposition ", " : impossible de détecter l'appelé !"},
               {"ModDisposition player", " : impossible de détecter le dernier paramètre de la fonction ModDisposition"},
               {"ModDisposition player 1 2",
                " : erreur, la fonction ModDisposition ne doit contenir aucun paramètre après l'ID \"player\" !"}});
  // Only a change may be negative.
  verifierCas(strFoncIDfloat, rangee(strFoncIDfloat, "TakeCover"),
              {{"TakeCover Garde 5.5", ""},
               {"TakeCover Garde -5", " : erreur dans le dernier paramètre de la fonction TakeCover"},
               {"TakeCover Garde 1.2.3", " : erreur dans le dernier paramètre de la fonction TakeCover"}});
}

TEST(IdFloat, CallerAndIdRecorded) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncIDfloat, rangee(strFoncIDfloat, "ForceTakeCover"), "ForceTakeCover"), 0);
  EXPECT_EQ(b.appeler(strFoncIDfloat, rangee(strFoncIDfloat, "ForceTakeCover"), "Garde.ForceTakeCover Voleur 10"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (V{"Garde:15", "Voleur:15"}));
}

}  // namespace
}  // namespace quillomat
