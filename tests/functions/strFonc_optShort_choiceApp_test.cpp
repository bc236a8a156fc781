#include "functions/checkers.hpp"
#include "functions/rows.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using V = std::vector<std::string>;

const Row kMenuMode = rows::optShort(19, "MenuMode");
const Row kUnlock = rows::optShort(41, "Unlock");
const Row kKillActor = rows::optId(15, 15, 1, "KillActor");
const Row kOnAdd = rows::optId(19, 11, 0, "OnAdd");  // as the Begin block table calls it
const Row kOnAlarm = rows::valOptId(15, 0, 0, "OnAlarm");
const Row kGetOV = rows::valOptId(19, 1, 19, "GetOV");

V findings(Checker check, const Row& row, std::string_view text) {
  Banc b;
  EXPECT_EQ(b.appeler(check, row, text), 1) << text;
  return b.textes();
}
V une(std::string_view message) { return {ligne(1, message)}; }

TEST(OptShort, BareNameIsLeftToTheNextRow) {
  Banc b;
  EXPECT_EQ(b.appeler(strFonc_optShort_choiceApp, kMenuMode, "MenuMode"), 0);
  EXPECT_EQ(b.appeler(strFonc_optShort_choiceApp, kMenuMode, "MenuModeX 1"), 0);
  EXPECT_EQ(b.appeler(strFonc_optShort_choiceApp, kUnlock, "door.Unlock"), 0);
  EXPECT_TRUE(b.textes().empty());
}

TEST(OptShort, AtMostOneShort) {
  auto f = [](std::string_view s) { return findings(strFonc_optShort_choiceApp, kMenuMode, s); };
  EXPECT_EQ(f("MenuMode 1"), V{});
  EXPECT_EQ(f("  menumode, 1023 \t"), V{});
  EXPECT_EQ(f("MenuMode "), V{});  // only blanks: the Short is left out
  const V variables = une(" : erreur dans le paramètre optionnel. Attention, MenuMode ne prend pas de variables en entrée !");
  EXPECT_EQ(f("MenuMode x"), variables);
  EXPECT_EQ(f("MenuMode -1"), variables);
  EXPECT_EQ(f("MenuMode 1.5"), variables);
  EXPECT_EQ(f("MenuMode  1"), variables);
  const V deux = une(" : erreur dans le paramètre optionnel. Attention, MenuMode ne prend qu'un paramètre !");
  EXPECT_EQ(f("MenuMode 1 2"), deux);
  EXPECT_EQ(f("MenuMode 1, 2"), deux);
}

TEST(OptShort, CallerIsRecordedOrReported) {
  Banc b;
  EXPECT_EQ(b.appeler(strFonc_optShort_choiceApp, kUnlock, "MyDoor.Unlock 1"), 1);
  EXPECT_EQ(b.ids(), V{"MyDoor:41"});
  EXPECT_EQ(b.appeler(strFonc_optShort_choiceApp, kUnlock, "My Door.Unlock 1 2", 3), 1);
  EXPECT_EQ(b.textes(), V{ligne(4, " : erreur dans la syntaxe de l'appelant de la fonction Unlock. Rajoutez des guillemets.")});
}

TEST(OptId, OptionalIdAndItsFaults) {
  auto f = [](std::string_view s) { return findings(strFonc_optID_choiceApp, kKillActor, s); };
  EXPECT_EQ(f("KillActor "), V{});
  EXPECT_EQ(f("KillActor player \t"), V{});
  EXPECT_EQ(f("KillActor  player"), une(" : impossible de détecter l'appelé !"));
  EXPECT_EQ(f("KillActor \"a\"b\"c"), une(" : erreur dans la syntaxe de l'appelé de la fonction KillActor : trop de guillemets."));
  const V apres = une(" : erreur, la fonction KillActor ne doit contenir aucun paramètre après l'ID \"player\" !");
  EXPECT_EQ(f("KillActor player x"), apres);
  EXPECT_EQ(f("KillActor player, x"), apres);

  Banc b;
  EXPECT_EQ(b.appeler(strFonc_optID_choiceApp, kKillActor, "KillActor"), 0);
  EXPECT_EQ(b.appeler(strFonc_optID_choiceApp, kKillActor, "Fred.KillActor \"Bad Guy\""), 1);
  EXPECT_EQ(b.ids(), (V{"Fred:15", "Bad Guy:15"}));
}

TEST(OptId, BlockPiecesTakeNoCaller) {
  Banc b;
  EXPECT_EQ(b.appeler(strFonc_optID_choiceApp, kOnAdd, "onadd "), 1);  // "Begin OnAdd && GameMode"
  EXPECT_EQ(b.appeler(strFonc_optID_choiceApp, kOnAdd, "onadd player"), 1);
  EXPECT_EQ(b.appeler(strFonc_optID_choiceApp, kOnAdd, "x.onadd player"), 0);
  EXPECT_EQ(b.appeler(strFonc_optID_choiceApp, kOnAdd, "onadd"), 0);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), V{"player:11"});
}

TEST(OptId, StatementCatalogueFallsThroughToTheBareRow) {
  Banc b;
  Context ctx{b.wf, 0, 0, 0};
  for (const char* ligneScript : {"KillActor", "KillActor ", "player.KillActor", "Kill Fred"})
    EXPECT_EQ(verifierInstruction(ctx, Text(ligneScript)), 1) << ligneScript;
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (V{"player:15", "Fred:15"}));
  EXPECT_EQ(verifierInstruction(ctx, Text("KillActor x y")), 1);
  EXPECT_EQ(b.textes(), V{ligne(1, " : erreur, la fonction KillActor ne doit contenir aucun paramètre après l'ID \"x\" !")});
}

TEST(ValOptId, NumberThenOptionalId) {
  auto f = [](std::string_view s) { return findings(strFoncValOptID, kOnAlarm, s); };
  EXPECT_EQ(f("onalarm 3"), V{});
  EXPECT_EQ(f("onalarm 3, player"), V{});
  const V vide = une(" : impossible de détecter le premier paramètre de la fonction OnAlarm");
  EXPECT_EQ(f("onalarm "), vide);
  EXPECT_EQ(f("onalarm  3"), vide);
  const V variables = une(" : erreur dans le premier paramètre. Attention, OnAlarm ne prend pas de variables en entrée !");
  EXPECT_EQ(f("onalarm x"), variables);
  EXPECT_EQ(f("onalarm -1"), variables);
  const V sansId = une(" : impossible de détecter l'ID optionnelle !");
  EXPECT_EQ(f("onalarm 3,"), sansId);
  EXPECT_EQ(f("onalarm 3  player"), sansId);
  EXPECT_EQ(f("onalarm 3 player x"), une(" : erreur, la fonction OnAlarm contient trop de paramètres !"));

  Banc b;
  EXPECT_EQ(b.appeler(strFoncValOptID, kOnAlarm, "onalarm"), 0);
  EXPECT_EQ(b.appeler(strFoncValOptID, kOnAlarm, "x.onalarm 3"), 0);
  EXPECT_EQ(b.appeler(strFoncValOptID, kGetOV, "Chest.GetOV 2 Gold001"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (V{"Chest:19", "Gold001:19"}));
}

}  // namespace
}  // namespace quillomat
