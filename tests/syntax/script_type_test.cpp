#include "syntax/script_type.hpp"

#include "test_support.hpp"

namespace quillomat {
namespace {

std::vector<FindingRecord> verdict(std::vector<ScriptKindMark> marks, int declared) {
  WorkFiles wf;
  for (const auto& m : marks) ajouterMarqueType(wf, m.kind, m.line);
  verifierTypeScript(wf, declared);
  return wf.findings;
}

using F = std::vector<FindingRecord>;

TEST(VerifierTypeScript, DeclaredKindRejectsOtherMarks) {
  EXPECT_EQ(verdict({{4, 3}}, 1),
            (F{{4, "    - Ligne 5 : erreur, votre script de quête utilise une spécificité des scripts d'effet magique !", 2}}));
  EXPECT_EQ(verdict({{4, 3}, {9, 3}}, 3), F{});
  EXPECT_EQ(verdict({{11, 1}}, 3),
            (F{{11, "    - Ligne 12 : erreur, votre script d'effet magique utilise une spécificité des scripts de quête !",
                2}}));
  // A declared kind the list does not know prints nothing for it.
  EXPECT_EQ(verdict({{0, 2}}, -1),
            (F{{0, "    - Ligne 1 : erreur, votre script  utilise une spécificité des scripts d'objet !", 2}}));
}

TEST(VerifierTypeScript, UnknownKindNeedsMarksToAgree) {
  EXPECT_EQ(verdict({{2, 3}, {5, 3}}, 0), F{});
  EXPECT_EQ(verdict({{11, 1}, {4, 3}}, 0),
            (F{{-1,
                "    - Erreur, le script a plusieurs types :\n        * Ligne 12 : script de quête\n        * Ligne 5 : "
                "script d'effet magique",
                2}}));
}

TEST(VerifierTypeScript, LongListsStopBeforeOneHundredFortyNineCharacters) {
  std::vector<ScriptKindMark> marks;
  for (int i = 0; i < 20; ++i) marks.push_back({100 + i, i % 2 ? 1 : 3});
  const F f = verdict(marks, 0);
  ASSERT_EQ(f.size(), 1u);
  const std::string fin = "\n        ...et d'autres aux lignes suivantes.";
  ASSERT_GT(f[0].text.size(), fin.size());
  EXPECT_EQ(f[0].text.substr(f[0].text.size() - fin.size()), fin);
  EXPECT_LT(f[0].text.size() - fin.size(), 149u);
  EXPECT_EQ(f[0].text.find(fin), f[0].text.size() - fin.size());  // written once
}

}  // namespace
}  // namespace quillomat
