#include <string>

#include "logic/line_checkers.hpp"
#include "syntax/line_scanner.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using S = std::vector<std::string>;

const Row kIf{synDetectTEST, "If"};
const Row kElseIf{synDetectTEST, "ElseIf"};
const Row kBegin{synDetectBegin, "Begin"};

const std::string E1If = " : erreur dans l'expression logique du If.";
const std::string E1ElseIf = " : erreur dans l'expression logique du ElseIf.";
const std::string B1 = " : erreur, le Begin doit être suivi d'une commande !";
const std::string C2 = " : la commande après le Begin n'est pas valide !";
std::string T1(std::string_view motCle) {
  return " : erreur, le test logique " + std::string(motCle) + " doit être suivi d'une valeur logique !";
}
std::string C1(std::string_view bloc) {
  return " : alerte, le bloc " + std::string(bloc) + " ne sera jamais executé dans un script d'effet magique !";
}

TEST(SynDetectTEST, KeywordFollowedByASpace) {
  for (const char* autre : {"if", "If\tx == 1", "Ifx == 1", "ElseIf x", "Endif", "Message \"if x\""}) {
    Banc b;
    EXPECT_EQ(b.appeler(synDetectTEST, kIf, autre), 0) << autre;
    EXPECT_TRUE(b.textes().empty()) << autre;
  }
  Banc b;
  EXPECT_EQ(b.appeler(synDetectTEST, kIf, " \t IF x == 1"), 1);
  EXPECT_EQ(b.appeler(synDetectTEST, kElseIf, "ELSEIF y == 1"), 1);
  EXPECT_EQ(b.appeler(synDetectTEST, kElseIf, "elseif\ty"), 0);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (S{"x:9", "y:9"}));
}

TEST(SynDetectTEST, NothingAfterTheKeywordAndTheContextWord) {
  Banc b;
  EXPECT_EQ(b.appeler(synDetectTEST, kIf, "If ", 0), 1);
  EXPECT_EQ(b.appeler(synDetectTEST, kElseIf, "elseIF  \t ", 1), 1);
  // The messages write the keyword as the row spells it, whatever the script's case.
  EXPECT_EQ(b.appeler(synDetectTEST, kIf, "IF x y", 2), 1);
  EXPECT_EQ(b.appeler(synDetectTEST, kElseIf, "elseif   x y", 3), 1);
  EXPECT_EQ(b.textes(), (S{ligne(1, T1("If")), ligne(2, T1("ElseIf")), ligne(3, E1If), ligne(4, E1ElseIf)}));
}

TEST(SynDetectBegin, KeywordFollowedByASpace) {
  for (const char* autre : {"Begin", "Begin\tGameMode", "BeginGameMode", "begins GameMode"}) {
    Banc b;
    EXPECT_EQ(b.appeler(synDetectBegin, kBegin, autre), 0) << autre;
    EXPECT_TRUE(b.textes().empty()) << autre;
  }
  Banc b;
  EXPECT_EQ(b.appeler(synDetectBegin, kBegin, "\tBEGIN GameMode", 0), 1);
  EXPECT_EQ(b.appeler(synDetectBegin, kBegin, "begin  \t gamemode && onload", 1), 1);
  EXPECT_EQ(b.appeler(synDetectBegin, kBegin, "Begin ", 2), 1);
  EXPECT_EQ(b.appeler(synDetectBegin, kBegin, "Begin Foo", 3), 1);
  EXPECT_EQ(b.textes(), (S{ligne(3, B1), ligne(4, C2)}));
}

TEST(SynDetectCommande, BareBlocksAndUnknownNames) {
  Banc b;
  for (const char* bloc : {"GameMode", "OnActivate", "ONKNOCKOUT", "OnLoad ", "OnReset", "MenuMode", "OnAdd",
                           "OnHitWith", "OnHit", "OnTriggerMob", "OnTriggerActor", "OnTrigger", "OnUnequip"})
    EXPECT_EQ(b.appeler(synDetectBegin, kBegin, std::string("Begin ") + bloc), 1) << bloc;
  EXPECT_TRUE(b.textes().empty());
  // Blocks that need an argument have no bare form.
  b.appeler(synDetectBegin, kBegin, "Begin OnPackageStart", 1);
  b.appeler(synDetectBegin, kBegin, "Begin OnAlarm", 2);
  b.appeler(synDetectBegin, kBegin, "Begin OnActorEquip", 3);
  b.appeler(synDetectBegin, kBegin, "Begin Foo", 4);
  b.appeler(synDetectBegin, kBegin, "Begin GameMode 1", 5);
  EXPECT_EQ(b.textes(), (S{ligne(2, C2), ligne(3, C2), ligne(4, C2), ligne(5, C2),
                           ligne(6, " : erreur, la fonction GameMode ne prend pas de paramètre appelé !")}));
}

TEST(SynDetectCommande, OneIdBlocksRecordTheLowerCasedId) {
  Banc b;
  b.appeler(synDetectBegin, kBegin, "Begin OnActorEquip MyRing");
  b.appeler(synDetectBegin, kBegin, "Begin OnPackageStart MyPackage");
  b.appeler(synDetectBegin, kBegin, "Begin OnPackageDone, Other");
  b.appeler(synDetectBegin, kBegin, "Begin OnPackageEnd Pack Extra", 3);
  EXPECT_EQ(b.textes(), (S{ligne(4, " : erreur, la fonction OnPackageEnd ne doit contenir aucun paramètre après "
                                    "l'ID \"pack\" !")}));
  EXPECT_EQ(b.ids(), (S{"myring:16", "mypackage:62", "other:62", "pack:62"}));
}

// These rows go through the optional-argument checkers (optional Short,
// optional ID, a number and an optional ID).
TEST(SynDetectCommande, OptionalArgumentBlocks) {
  Banc b;
  b.appeler(synDetectBegin, kBegin, "Begin MenuMode 1");
  b.appeler(synDetectBegin, kBegin, "Begin OnAdd Player");
  b.appeler(synDetectBegin, kBegin, "Begin OnHitWith MySword");
  b.appeler(synDetectBegin, kBegin, "Begin OnHit Bandit");
  b.appeler(synDetectBegin, kBegin, "Begin OnMagicEffectHit FIDG");
  b.appeler(synDetectBegin, kBegin, "Begin OnTriggerActor Guard");
  b.appeler(synDetectBegin, kBegin, "Begin OnAlarmVictim 3 Thief");
  b.appeler(synDetectBegin, kBegin, "Begin OnAlarm 2");
  EXPECT_EQ(b.textes(), S{});
  EXPECT_EQ(b.ids(), (S{"player:11", "mysword:32", "bandit:15", "fidg:21", "guard:19", "thief:15"}));
}

TEST(SynDetectCommande, ArgumentFaultsNameTheBlock) {
  Banc b;
  b.appeler(synDetectBegin, kBegin, "Begin MenuMode x", 0);
  b.appeler(synDetectBegin, kBegin, "Begin OnAdd a b", 1);
  b.appeler(synDetectBegin, kBegin, "Begin OnAlarm x", 2);
  // The blank left of "&&" is no missing optional argument.
  b.appeler(synDetectBegin, kBegin, "Begin OnAdd && MenuMode ", 3);
  EXPECT_EQ(b.textes(),
            (S{ligne(1, " : erreur dans le paramètre optionnel. Attention, MenuMode ne prend pas de variables en entrée !"),
               ligne(2, " : erreur, la fonction OnAdd ne doit contenir aucun paramètre après l'ID \"a\" !"),
               ligne(3, " : erreur dans le premier paramètre. Attention, OnAlarm ne prend pas de variables en entrée !")}));
}

TEST(SynDetectCommande, OptionalArgumentBlocksTakeNoCaller) {
  // The caller flag is 0: "player.OnAdd x" is not a block with a caller.
  Banc b;
  b.appeler(synDetectBegin, kBegin, "Begin player.OnAdd x");
  b.appeler(synDetectBegin, kBegin, "Begin player.OnAlarm 3 x");
  EXPECT_EQ(b.textes(), (S{ligne(1, C2), ligne(1, C2)}));
}

TEST(SynDetectCommande, MagicEffectScripts) {
  Banc b;
  b.scriptKind = 3;
  b.appeler(synDetectBegin, kBegin, "Begin GameMode && ScriptEffectUpdate", 4);
  b.appeler(synDetectBegin, kBegin, "Begin OnActorEquip Ring", 5);
  b.appeler(synDetectBegin, kBegin, "Begin ScriptEffectStart", 6);
  b.appeler(synDetectBegin, kBegin, "Begin Foo", 7);
  EXPECT_EQ(b.textes(), (S{ligne(5, C1("GameMode")), ligne(6, C1("OnActorEquip")), ligne(8, C2)}));
  EXPECT_EQ(b.wf.findings[0].kind, kAlerte);
  EXPECT_EQ(b.wf.findings[2].kind, kErreur);
  EXPECT_EQ(b.wf.marks, (std::vector<ScriptKindMark>{{4, 3}, {6, 3}}));
}

TEST(SynDetectCommande, MagicEffectBlocksAreMarkedWhateverTheDeclaredKind) {
  for (int kind : {0, 1, 2}) {
    Banc b;
    b.scriptKind = kind;
    b.appeler(synDetectBegin, kBegin, "Begin ScriptEffectStart", 1);
    b.appeler(synDetectBegin, kBegin, "Begin scripteffectfinish", 2);
    b.appeler(synDetectBegin, kBegin, "Begin GameMode", 3);
    EXPECT_EQ(b.textes(), S{}) << kind;
    EXPECT_EQ(b.wf.marks, (std::vector<ScriptKindMark>{{1, 3}, {2, 3}})) << kind;
  }
  // A magic-effect block with a parameter is recognised (and reported), and still marked.
  Banc b;
  b.appeler(synDetectBegin, kBegin, "Begin ScriptEffectUpdate 1");
  EXPECT_EQ(b.textes(), (S{ligne(1, " : erreur, la fonction ScriptEffectUpdate ne prend pas de paramètre appelé !")}));
  EXPECT_EQ(b.wf.marks, (std::vector<ScriptKindMark>{{0, 3}}));
}

TEST(TestAndBeginLines, ThroughTheLineScanner) {
  WorkFiles wf;
  const std::string script =
      "scn T\n"
      "begin GameMode && OnLoad\n"
      "if GetDead && x == 1\n"
      "elseif (GetSecondsPassed > 10) || IsRaining\n"
      "elseif x y\n"
      "endif\n"
      "if\n"
      "end\n"
      "Begin ScriptEffectStart\n"
      "end";
  MainSyntaxe(wf, script, 10, 0, 0);
  S textes;
  for (const auto& f : wf.findings) textes.push_back(f.text);
  EXPECT_EQ(textes, (S{ligne(5, E1ElseIf), ligne(7, " : impossible de détecter la syntaxe !")}));
  EXPECT_EQ(wf.marks, (std::vector<ScriptKindMark>{{8, 3}}));
}

}  // namespace
}  // namespace quillomat
