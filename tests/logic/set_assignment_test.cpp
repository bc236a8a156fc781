#include "logic/line_checkers.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

using test::Banc;
using test::ligne;
using S = std::vector<std::string>;

const Row kSet{synDetectSet, "Set"};

const std::string S1 = " : erreur dans la fonction \"Set ... to ...\" : impossible de détecter le \"to\" !";
const std::string S2 = " : impossible de détecter la variable !";
const std::string S4 = " : erreur dans la variable à modifier !";
const std::string S5 =
    " : erreur, dans la fonction \"Set ... to ...\" : l'expression suivant le \"to\" n'est pas valide !";
std::string S3(std::string_view objet) {
  return " : impossible de détecter la variable locale associée à l'objet \"" + std::string(objet) + "\" !";
}

TEST(SynDetectSet, OnlyLinesStartingWithSetAndASpaceAreHandled) {
  for (const char* autre : {"set\tx to 5", "setx to 5", "Message \"set x to 5\"", "se"}) {
    Banc b;
    EXPECT_EQ(b.appeler(synDetectSet, kSet, autre), 0) << autre;
    EXPECT_TRUE(b.textes().empty()) << autre;
  }
  Banc b;
  EXPECT_EQ(b.appeler(synDetectSet, kSet, "\t \tset x to 5"), 1);
  EXPECT_TRUE(b.textes().empty());
}

TEST(SynDetectSet, PlainVariableIsRecordedWithItsCaseAndAsReferenceForAReference) {
  Banc b;
  EXPECT_EQ(b.appeler(synDetectSet, kSet, "SET Compteur TO GetDead + 1"), 1);
  // (9, myref) then (8, myref): the merge keeps the finer kind.
  EXPECT_EQ(b.appeler(synDetectSet, kSet, "set myref to GetSelf"), 1);
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (S{"Compteur:9", "myref:8"}));
}

TEST(SynDetectSet, ObjectFormRecordsObjectVariableAndAttachment) {
  Banc b;
  b.appeler(synDetectSet, kSet, "set MyQuest.stage to 10");
  b.appeler(synDetectSet, kSet, "set \"Ma Quete\".etape to 1");
  EXPECT_TRUE(b.textes().empty());
  EXPECT_EQ(b.ids(), (S{"MyQuest:19", "stage:29", "Ma Quete:19", "etape:29"}));
  ASSERT_EQ(b.wf.attachments.size(), 2u);
  EXPECT_EQ(b.wf.attachments[0], (AttachmentRecord{"stage", "myquest"}));
  EXPECT_EQ(b.wf.attachments[1], (AttachmentRecord{"etape", "ma quete"}));
}

TEST(SynDetectSet, NameFaultsGoOnToTheExpressionUnlessTheNameEndedAtABlank) {
  Banc b;
  b.appeler(synDetectSet, kSet, "set MyQuest. to 10", 0);
  b.appeler(synDetectSet, kSet, "set MyQuest. to 12 ab", 1);
  b.appeler(synDetectSet, kSet, "set .x to 12 ab", 2);
  // The object's variable ends at a blank right away: nothing more is checked.
  b.appeler(synDetectSet, kSet, "set MyQuest. y to 12 ab", 3);
  EXPECT_EQ(b.textes(), (S{ligne(1, S3("MyQuest")), ligne(2, S3("MyQuest")), ligne(2, S5), ligne(3, S2), ligne(3, S5),
                           ligne(4, S3("MyQuest"))}));
  EXPECT_TRUE(b.ids().empty());
}

TEST(SynDetectSet, MissingToAndGapsBeforeIt) {
  Banc b;
  b.appeler(synDetectSet, kSet, "set x y", 0);
  b.appeler(synDetectSet, kSet, "set x to", 1);
  b.appeler(synDetectSet, kSet, "set x y to 12 ab", 2);  // S4 stops before the expression
  b.appeler(synDetectSet, kSet, "set x", 3);             // nothing after the name: the empty expression is valid
  b.appeler(synDetectSet, kSet, "set x to 12 ab", 4);
  EXPECT_EQ(b.textes(), (S{ligne(1, S1), ligne(1, S4), ligne(2, S1), ligne(2, S4), ligne(3, S4), ligne(4, S1),
                           ligne(5, S5)}));
}

TEST(SynDetectSet, LongNamesAreCutAndTheRestIsAGap) {
  Banc b;
  const std::string nom(60, 'v');
  b.appeler(synDetectSet, kSet, "set " + nom + " to 5");
  EXPECT_EQ(b.textes(), (S{ligne(1, S4)}));
  EXPECT_EQ(b.ids(), (S{std::string(49, 'v') + ":9"}));
  // A name of exactly 49 characters is whole, in either form.
  Banc c;
  c.appeler(synDetectSet, kSet, "set " + std::string(49, 'o') + "." + std::string(49, 'w') + " to 5");
  EXPECT_TRUE(c.textes().empty());
  EXPECT_EQ(c.ids(), (S{std::string(49, 'o') + ":19", std::string(49, 'w') + ":29"}));
}

TEST(SynDetectSet, HugeLinesDoNotCrash) {
  Banc b;
  b.appeler(synDetectSet, kSet, "set x to " + std::string(4990, '('));
  b.appeler(synDetectSet, kSet, "set " + std::string(4995, '"'));
  b.appeler(synDetectSet, kSet, "set ");
  EXPECT_EQ(b.textes().front(), ligne(1, S5));
}

}  // namespace
}  // namespace quillomat
