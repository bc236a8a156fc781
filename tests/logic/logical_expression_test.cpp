#include <string>

#include "logic/line_checkers.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using S = std::vector<std::string>;

const std::string E1If = " : erreur dans l'expression logique du If.";
const std::string E1ElseIf = " : erreur dans l'expression logique du ElseIf.";
const std::string E2If =
    " : erreur dans l'expression logique du If. Impossible de détecter l'expression à droite de l'opérateur logique.";
const std::string E1Begin = " : erreur dans la commande du Begin.";
const std::string E2Begin =
    " : erreur dans la commande du Begin. Impossible de détecter la commande à droite de l'opérateur logique.";
const std::string C2 = " : la commande après le Begin n'est pas valide !";

S logique(std::string_view expression, std::string_view contexte = "If", Banc&& b = Banc{}) {
  Context ctx{b.wf, 0, b.vlse, b.scriptKind};
  MainLogique(ctx, contexte, expression);
  return b.textes();
}

S logiqueBegin(std::string_view expression, int scriptKind = 0) {
  Banc b;
  Context ctx{b.wf, 0, b.vlse, scriptKind};
  MainLogiqueBegin(ctx, expression);
  return b.textes();
}

TEST(MainLogique, WellFormedExpressionsWriteNothing) {
  for (const char* e : {"(a == 1) && (b == 2)", "(a == 1)", "a", "GetDead", "a <= b", "a != b", "a >= 1 || b < 2",
                        "== a", "(a == \"b\") && c", "((a))", "()", "GetSecondsPassed > 10 && IsRaining == 0"})
    EXPECT_EQ(logique(e), S{}) << e;
}

TEST(MainLogique, OperandsAreCheckedLeftToRightWithoutPrecedence) {
  Banc b;
  Context ctx{b.wf, 0, 0, 0};
  MainLogique(ctx, "If", "a && b == c || d");
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (S{"a:9", "b:9", "c:9", "d:9"}));
}

TEST(MainLogique, UnknownOperandsAndNonOperators) {
  EXPECT_EQ(logique("x y", "ElseIf"), (S{ligne(1, E1ElseIf)}));
  // A lone '=' or '!' is no operator: the whole text is one operand.
  EXPECT_EQ(logique("a = 1"), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique("a ! 1"), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique("a & b"), (S{ligne(1, E1If)}));
  // "=<" splits on '<', leaving "a =" on the left.
  EXPECT_EQ(logique("a =< b"), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique("x y && z w"), (S{ligne(1, E1If), ligne(1, E1If)}));
}

TEST(MainLogique, NothingRightOfAnOperatorIsE2Alone) {
  EXPECT_EQ(logique("a =="), (S{ligne(1, E2If)}));
  EXPECT_EQ(logique("a && \t "), (S{ligne(1, E2If)}));
  EXPECT_EQ(logique("a && b <"), (S{ligne(1, E2If)}));
  // The left operand's own findings come before E2.
  EXPECT_EQ(logique("x y =="), (S{ligne(1, E1If), ligne(1, E2If)}));
}

TEST(MainLogique, GroupFollowers) {
  // Unclosed group.
  EXPECT_EQ(logique("(a == 1"), (S{ligne(1, E1If)}));
  // The character after ')' is skipped blindly: here the first '&'.
  EXPECT_EQ(logique("(a == 1)&&(b == 2)"), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique("(a == 1)x&& b"), S{});
  // One blank more is allowed after the skipped one, not two.
  EXPECT_EQ(logique("(a == 1)  && b"), S{});
  EXPECT_EQ(logique("(a == 1)   && b"), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique("(a == 1) b"), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique("(a == 1)    "), S{});
  // No check of an empty right side after a group.
  EXPECT_EQ(logique("(a == 1) &&"), S{});
  // Parentheses between quotes do not count.
  EXPECT_EQ(logique("(a == \")\") && b"), S{});
}

TEST(MainLogique, FindingsComeInTheOrderOfTheText) {
  // Inside of the group first (operand, then E2), then the right of the group.
  EXPECT_EQ(logique("(GetDead 5 == ) || IsRaining 5"),
            (S{ligne(1, " : erreur, la fonction GetDead peut prendre un appelant, mais pas de paramètre appelé !"),
               ligne(1, E2If), ligne(1, " : erreur, la fonction IsRaining ne prend pas de paramètre appelé !")}));
  // Only the inner group is checked when no operator follows it.
  Banc b;
  Context ctx{b.wf, 6, 0, 0};
  MainLogique(ctx, "If", "(a == 1)&&(b == 2)");
  EXPECT_EQ(b.textes(), (S{ligne(7, E1If)}));
  EXPECT_EQ(b.ids(), (S{"a:9"}));
}

TEST(MainLogique, DeepExpressionsDoNotExhaustTheStack) {
  EXPECT_EQ(logique(std::string(5000, '<')), (S{ligne(1, E2If)}));
  EXPECT_EQ(logique(std::string(5000, '&')), (S{ligne(1, E2If)}));
  std::string operandes = "a";
  while (operandes.size() < 4990) operandes += "==a";
  EXPECT_EQ(logique(operandes), S{});
  EXPECT_EQ(logique(std::string(2500, '(') + std::string(2500, ')')), S{});
  EXPECT_EQ(logique(std::string(2499, '(') + "a" + std::string(2499, ')')), S{});
  EXPECT_EQ(logique(std::string(2498, '(') + "x y" + std::string(2498, ')')), (S{ligne(1, E1If)}));
  EXPECT_EQ(logique(std::string(5000, '(')), (S{ligne(1, E1If)}));
  std::string groupes;
  while (groupes.size() < 4990) groupes += "(a) && ";
  groupes += "(b)";
  EXPECT_EQ(logique(groupes), S{});
}

TEST(MainLogiqueBegin, SplitsOnlyAtAndAndOr) {
  EXPECT_EQ(logiqueBegin("GameMode && OnLoad || MenuMode"), S{});
  EXPECT_EQ(logiqueBegin("(GameMode) && (OnLoad)"), S{});
  // "==" is no operator here: the whole text is one block name.
  EXPECT_EQ(logiqueBegin("GameMode == 1"),
            (S{ligne(1, " : erreur, la fonction GameMode ne prend pas de paramètre appelé !")}));
  EXPECT_EQ(logiqueBegin("Foo || GameMode"), (S{ligne(1, C2)}));
}

TEST(MainLogiqueBegin, MessagesOfTheBeginExpression) {
  // E2, then the empty right piece is a block name that no row knows.
  EXPECT_EQ(logiqueBegin("GameMode &&"), (S{ligne(1, E2Begin), ligne(1, C2)}));
  EXPECT_EQ(logiqueBegin("(GameMode"), (S{ligne(1, E1Begin)}));
  EXPECT_EQ(logiqueBegin("(GameMode)&&(OnLoad)"), (S{ligne(1, E1Begin)}));
  EXPECT_EQ(logiqueBegin("(GameMode) == (OnLoad)"), (S{ligne(1, E1Begin)}));
  // The left piece starts at the very start of the text, with its first blank.
  EXPECT_EQ(logiqueBegin("\vGameMode && OnLoad"), (S{ligne(1, C2)}));
}

TEST(MainLogiqueBegin, AGroupHoldingTwoQuotesIsFollowedByNoOperator) {
  const std::string gameModeParam = " : erreur, la fonction GameMode ne prend pas de paramètre appelé !";
  EXPECT_EQ(logiqueBegin("(GameMode \"a\") && OnLoad"), (S{ligne(1, gameModeParam), ligne(1, E1Begin)}));
  EXPECT_EQ(logiqueBegin("(GameMode \"a\" \"b\") && Foo"), (S{ligne(1, gameModeParam), ligne(1, C2)}));
  // Nothing after the group: nothing to look for.
  EXPECT_EQ(logiqueBegin("(GameMode \"a\")"), (S{ligne(1, gameModeParam)}));
  // The test checker has no such quirk.
  EXPECT_EQ(logique("(a == \"b\") && c"), S{});
}

TEST(MainLogiqueBegin, DeepExpressionsDoNotExhaustTheStack) {
  const S operateurs = logiqueBegin(std::string(5000, '|'));
  // An empty block name left of each of the 2500 operators, then E2 and the empty right piece.
  ASSERT_EQ(operateurs.size(), 2502u);
  EXPECT_EQ(operateurs[2499], ligne(1, C2));
  EXPECT_EQ(operateurs[2500], ligne(1, E2Begin));
  EXPECT_EQ(operateurs[2501], ligne(1, C2));
  EXPECT_EQ(logiqueBegin(std::string(2490, '(') + "GameMode" + std::string(2490, ')')), S{});
}

}  // namespace
}  // namespace quillomat
