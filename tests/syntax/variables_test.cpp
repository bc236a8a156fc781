#include "syntax/variables.hpp"

#include "pipeline/tri_info.hpp"
#include "test_support.hpp"

namespace quillomat {
namespace {

std::vector<int> marks(std::string_view script, int lines, std::string_view kw) {
  std::vector<int> m;
  strDetectTest(script, m, lines, kw);
  return m;
}

TEST(StrDetectTest, FirstWordKeywordFollowedByBlankParenthesisCommaOrEnd) {
  EXPECT_EQ(marks("End ; fin du bloc\nEndIf\n  end\n\tend(\nendx\nend,\nend", 7, "end"),
            (std::vector<int>{1, 0, 1, 1, 0, 1, 1, 0}));
  EXPECT_EQ(marks("if(x)\nIf x\nelseif y\n;if\nif", 5, "if"), (std::vector<int>{1, 1, 0, 0, 1, 0}));
  // A line end inside the keyword is a mismatch and does not eat the next line.
  EXPECT_EQ(marks("end\nendif\nen\nendif", 4, "endif"), (std::vector<int>{0, 1, 0, 1, 0}));
}

TEST(StrDetectVar, CollectsTheFirstNameAfterTheTypeWord) {
  WorkFiles wf;
  const std::string script =
      "Short MyVar\nshort\tTab\nshortX y\nshort 5abc\nshort a b\n; short x\nfloat f\n  short  spaced\nshort _u9";
  strDetectVar(wf, script, 9, "short");
  std::vector<std::string> noms;
  for (const auto& r : wf.identifiers.records()) noms.push_back(r.name + ":" + std::to_string(r.kind));
  EXPECT_EQ(noms, (std::vector<std::string>{"MyVar:0", "a:0", "x:0", "spaced:0", "_u9:0"}));
}

TEST(StrDetectVar, NoSpaceAfterTypeWordSkipsOnlyThatLine) {
  WorkFiles wf;
  strDetectVar(wf, "shortX\nshort a\nshort\nshort b", 4, "short");
  ASSERT_EQ(wf.identifiers.records().size(), 2u);
  EXPECT_EQ(wf.identifiers.records()[1].name, "b");
}

TEST(StrDetectVar, QuestDelayTimeMarksAQuestScript) {
  WorkFiles wf;
  std::string script(11, '\n');
  script += "float FQUESTDELAYTIME\nfloat fQuestDelayTimer";
  strDetectVar(wf, script, 13, "float");
  EXPECT_EQ(wf.marks, (std::vector<ScriptKindMark>{{11, 1}}));
  EXPECT_EQ(wf.identifiers.records().size(), 2u);
}

TEST(StrDetectVar, LongNamesAreCut) {
  WorkFiles wf;
  strDetectVar(wf, "ref " + std::string(80, 'r'), 1, "ref");
  EXPECT_EQ(wf.identifiers.records()[0].name.size(), 49u);
}

TEST(IsRef, DeclaredOrAssignedReferencesOnly) {
  WorkFiles wf;
  triInfo(wf, {3, "myref"});
  triInfo(wf, {0, "compte"});
  triInfo(wf, {8, "Assigne"});
  EXPECT_EQ(isRef(wf, "MyRef"), 1);
  EXPECT_EQ(isRef(wf, "compte"), 0);
  EXPECT_EQ(isRef(wf, "assigne"), 1);
  EXPECT_EQ(isRef(wf, "myre"), 0);
}

TEST(ClasseCaractere, SixClasses) {
  EXPECT_EQ(classeCaractere(';'), 1);
  EXPECT_EQ(classeCaractere('\v'), 1);
  EXPECT_EQ(classeCaractere('_'), 2);
  EXPECT_EQ(classeCaractere('7'), 3);
  EXPECT_EQ(classeCaractere('"'), 4);
  EXPECT_EQ(classeCaractere('<'), 5);
  EXPECT_EQ(classeCaractere(0xE9), 0);
  EXPECT_EQ(classeCaractere(-1), 0);
}

}  // namespace
}  // namespace quillomat
