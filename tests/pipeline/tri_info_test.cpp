#include "pipeline/tri_info.hpp"

#include "test_support.hpp"

namespace quillomat {
namespace {

std::vector<IdentifierRecord> apres(std::initializer_list<IdentifierRecord> appels) {
  WorkFiles wf;
  for (const auto& r : appels) triInfo(wf, r);
  return wf.identifiers.records();
}

using V = std::vector<IdentifierRecord>;

TEST(TriInfo, RefinementsEndOnTheFinerKindInEitherOrder) {
  EXPECT_EQ(apres({{3, "MyRef"}, {46, "myref"}}), (V{{46, "myref"}}));
  EXPECT_EQ(apres({{10, "Coffre"}, {46, "coffre"}}), (V{{46, "coffre"}}));
  EXPECT_EQ(apres({{46, "Coffre"}, {10, "COFFRE"}}), (V{{46, "COFFRE"}}));
  EXPECT_EQ(apres({{9, "g"}, {1, "g"}}), (V{{1, "g"}}));
  EXPECT_EQ(apres({{5, "x"}, {5, "X"}}), (V{{5, "X"}}));
}

TEST(TriInfo, FactionOrNpcMetWithAnObjectBecomesAnNpc) {
  for (int objet : {10, 12, 13, 15, 19}) {
    EXPECT_EQ(apres({{66, "a"}, {objet, "a"}}), (V{{31, "a"}})) << objet;
    EXPECT_EQ(apres({{objet, "a"}, {66, "a"}}), (V{{31, "a"}})) << objet;
  }
  EXPECT_EQ(apres({{66, "a"}, {91, "a"}}), (V{{91, "a"}}));
}

TEST(TriInfo, IncompatibleKindsBecomeErroneousAndStaySo) {
  EXPECT_EQ(apres({{0, "x"}, {1, "x"}}), (V{{-99, "x"}}));
  EXPECT_EQ(apres({{0, "x"}, {1, "x"}, {2, "x"}}), (V{{-99, "x"}}));
  EXPECT_EQ(apres({{19, "o"}, {96, "o"}}), (V{{-99, "o"}}));
  EXPECT_EQ(apres({{19, "o"}, {99, "o"}}), (V{{-99, "o"}}));
  EXPECT_EQ(apres({{96, "s"}, {99, "s"}}), (V{{96, "s"}}));
}

TEST(TriInfo, ExternalVariablesAndQuestsKeepSeparateRecords) {
  EXPECT_EQ(apres({{0, "x"}, {25, "x"}}), (V{{0, "x"}, {25, "x"}}));
  EXPECT_EQ(apres({{19, "Q"}, {51, "q"}}), (V{{51, "q"}}));
  EXPECT_EQ(apres({{51, "Q"}, {19, "q"}}), (V{{51, "Q"}, {19, "q"}}));
  // A later merge meets the quest first: an unrelated kind makes it erroneous.
  EXPECT_EQ(apres({{51, "Q"}, {19, "q"}, {46, "Q"}}), (V{{-99, "Q"}, {19, "q"}}));
}

TEST(TriInfo, NamesAreCutToFortyNineBytes) {
  const std::string longue(60, 'n');
  const auto r = apres({{9, longue}, {9, longue + "x"}});
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].name, std::string(49, 'n'));
}

TEST(TriInfoExterne, PairsAreStoredOnceInLowerCase) {
  WorkFiles wf;
  triInfoExterne(wf, {"Var", "Quest1"});
  triInfoExterne(wf, {"var", "QUEST1"});
  triInfoExterne(wf, {"var", "Quest2"});
  EXPECT_EQ(wf.attachments, (std::vector<AttachmentRecord>{{"var", "quest1"}, {"var", "quest2"}}));
}

}  // namespace
}  // namespace quillomat
