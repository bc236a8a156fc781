#include "functions/checkers.hpp"
#include "functions/catalogue_row.hpp"
#include "functions/checker_cases.hpp"

namespace quillomat {
namespace {

using namespace test;
using V = std::vector<std::string>;

TEST(SexeChoiceApp, SexReadAndJudged) {
  verifierCas(strFoncSexe_choiceApp, rangee(strFoncSexe_choiceApp, "GetIsSex"),
              {{"GetIsSex Male", ""},
               {"GetIsSex FEMALE ", ""},
               {"GetIsSex males", " : erreur dans la fonction GetIsSex : \"males\" n'est pas un sexe valide !"},
               {"GetIsSex m", " : erreur dans la fonction GetIsSex : \"m\" n'est pas un sexe valide !"},
               {"GetIsSex ", " : impossible de détecter le sexe !"},
               {"GetIsSex \"Ma\"le\"", " : erreur dans la syntaxe du sexe de la fonction GetIsSex : trop de guillemets."},
               {"GetIsSex Male x",
                " : erreur, la fonction GetIsSex ne doit contenir aucun paramètre après le sexe \"Male\" !"}});
}

TEST(SexeChoiceApp, CallerByFlag) {
  Banc b;
  EXPECT_EQ(b.appeler(strFoncSexe_choiceApp, rangee(strFoncSexe_choiceApp, "GetIsSex"), "player.GetIsSex Female"), 1);
  EXPECT_EQ(b.appeler(strFoncSexe_choiceApp, rangee(strFoncSexe_choiceApp, "GetPCIsSex"), "player.GetPCIsSex Male"),
            0);
  EXPECT_EQ(b.appeler(strFoncSexe_choiceApp, rangee(strFoncSexe_choiceApp, "GetPCIsSex"), "GetPCIsSex, Male"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"player:15"});
}

}  // namespace
}  // namespace quillomat
