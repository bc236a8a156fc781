#include "syntax/block_structure.hpp"

#include <algorithm>

#include "test_support.hpp"

namespace quillomat {
namespace {

std::vector<FindingRecord> blocs(std::string_view script) {
  WorkFiles wf;
  const int lines = 1 + static_cast<int>(std::count(script.begin(), script.end(), '\n'));
  EXPECT_EQ(verifierBlocs(wf, script, lines + 1), 0);
  return wf.findings;
}

using F = std::vector<FindingRecord>;

TEST(VerifierBlocs, BalancedScriptHasNoFinding) {
  EXPECT_EQ(blocs("scn Test\nbegin GameMode\nif x\nelseif y\nelse\nendif\nend"), F{});
}

TEST(VerifierBlocs, NestedBeginsAndMissingEnd) {
  EXPECT_EQ(blocs("scn T\nbegin GameMode\nbegin OnLoad\nend"),
            (F{{-1, "    - Ligne 3 : erreur, des blocs Begin/End ne peuvent être imbriqués !", 2},
               {-1, "    - Il y a 1 'end' manquant dans le script.", 2}}));
  EXPECT_EQ(blocs("begin a\nbegin b\nbegin c"),
            (F{{-1, "    - Ligne 2 : erreur, des blocs Begin/End ne peuvent être imbriqués !", 2},
               {-1, "    - Il y a 3 'end' manquants dans le script.", 2}}));
}

TEST(VerifierBlocs, ExtraEndNamesTheLikelyRange) {
  EXPECT_EQ(blocs("scn T\nbegin GameMode\nend\nend"),
            (F{{3, "    - Ligne 4 : un 'end' en trop (l'erreur a probablement été faite entre la ligne 2 et la ligne 4).",
                2}}));
  // An extra end on the very first line is reported there.
  EXPECT_EQ(blocs("end\nscn T"), (F{{0, "    - Ligne 1 : un 'end' en trop (pas de 'begin' avant le 'end').", 2}}));
  // The same surplus is reported once.
  EXPECT_EQ(blocs("scn T\nend\nx\nx").size(), 1u);
}

TEST(VerifierBlocs, IfAndEndifCountedApartFromBlocks) {
  EXPECT_EQ(blocs("begin GameMode\nif x\n"),
            (F{{-1, "    - Il y a 1 'end' manquant dans le script.", 2},
               {-1, "    - Il y a 1 'endif' manquant dans le script.", 2}}));
  EXPECT_EQ(blocs("begin g\nendif\nend"),
            (F{{1, "    - Ligne 2 : un 'endif' en trop (pas de 'if' avant le 'endif').", 2}}));
}

TEST(VerifierBlocs, ElseAndElseifNeedAnOpenIf) {
  EXPECT_EQ(blocs("else\nelseif x"),
            (F{{0, "    - Ligne 1 : un 'else' sans 'if' avant.", 2}, {1, "    - Ligne 2 : un 'elseif' sans 'if' avant.", 2}}));
  EXPECT_EQ(blocs("if a\nelse\nelseif b\nendif"),
            (F{{2, "    - Ligne 3 : alerte, un 'elseif' précédé d'un 'else' (situé à la ligne 2). Le 'elseif' ne sera "
                   "donc jamais executé !",
                1}}));
  // An elseif of an inner if after the outer else is fine.
  EXPECT_EQ(blocs("if a\nelse\nif b\nelseif c\nendif\nendif"), F{});
}

TEST(VerifierBlocs, TenNestedIfsAlertWhereTheTenthCloses) {
  std::string script;
  for (int i = 0; i < 10; ++i) script += "if x\n";
  for (int i = 0; i < 10; ++i) script += "endif\n";
  EXPECT_EQ(blocs(script),
            (F{{10, "    - Alerte : plus de dix if imbriqués entre les lignes 9 et 10 (souvent mal interprété par le moteur "
                    "du jeu).",
                1}}));
  // Nine levels give nothing.
  EXPECT_EQ(blocs("if a\nif a\nif a\nif a\nif a\nif a\nif a\nif a\nif a\nendif\nendif\nendif\nendif\nendif\nendif\nendif\n"
                  "endif\nendif"),
            F{});
}

}  // namespace
}  // namespace quillomat
