#include "syntax/line_scanner.hpp"

#include <algorithm>

#include "test_support.hpp"

namespace quillomat {
namespace {

std::vector<std::string> scanner(std::string_view script, int vlse = 0) {
  WorkFiles wf;
  const int lines = 1 + static_cast<int>(std::count(script.begin(), script.end(), '\n'));
  MainSyntaxe(wf, script, lines, 0, vlse);
  std::vector<std::string> out;
  for (const auto& f : wf.findings) out.push_back(std::to_string(f.line) + "|" + std::to_string(f.kind) + "|" + f.text);
  return out;
}

using L = std::vector<std::string>;

TEST(MainSyntaxe, QuotesParenthesesAndTabs) {
  EXPECT_EQ(scanner("scn T\nbegin GameMode\nReturn \"a ( b\nEnable (\nEnable\t\tx\n\t  Return\nend"),
            (L{"2|2|    - Ligne 3 : un guillemet n'a pas été refermé.",
               "2|2|    - Ligne 3 : 1 parenthèse n'a pas été refermée.",
               "3|2|    - Ligne 4 : 1 parenthèse n'a pas été refermée.",
               "4|1|    - Ligne 5 : alerte, 2 tabulations ont été detectées après le premier caractère (risques de "
               "plantage in-game).",
               "4|2|    - Ligne 5 : erreur, la fonction Enable peut prendre un appelant, mais pas de paramètre appelé !"}));
  EXPECT_EQ(scanner("scn T\nbegin GameMode\nReturn ((\nReturn )\nend"),
            (L{"2|2|    - Ligne 3 : 2 parenthèses n'ont pas été refermées.",
               "3|2|    - Ligne 4 : erreur, la fonction Return ne prend pas de paramètre appelé !"}));
}

TEST(MainSyntaxe, CommentsStartAtASemicolonOutsideQuotes) {
  // The quoted ';' is no comment; the quote inside a comment is not counted.
  EXPECT_EQ(scanner("scn T ; le \"nom\nbegin GameMode\nReturn ; fin \" du bloc\nStartQuest \"a;b\" ; x\nend"), L{});
}

TEST(MainSyntaxe, HeaderDeclarationsAndPositions) {
  EXPECT_EQ(scanner("Return\nscn A\nshort x\nscn B\nEnable\nshort y\nzorglub"),
            (L{"0|2|    - Ligne 1 : vous avez entré des lignes de code avant l'en-tête \"ScriptName NOM\" (ou \"Scn "
               "NOM\") !",
               "0|2|    - Ligne 1 : vous avez entré des lignes de code hors d'un bloc Begin/End !",
               "2|2|    - Ligne 3 : vous avez déclaré des variables après des lignes de code !",
               "3|2|    - Ligne 4 : vous avez déclaré plusieurs fois le nom du script !",
               "4|2|    - Ligne 5 : vous avez entré des lignes de code hors d'un bloc Begin/End !",
               "5|2|    - Ligne 6 : vous avez déclaré des variables après des lignes de code !",
               "6|2|    - Ligne 7 : impossible de détecter la syntaxe !"}));
}

TEST(MainSyntaxe, ScriptExtenderRowsNeedTheSetting) {
  const L sans = scanner("scn T\nbegin g\nDisableMouse\nend");
  EXPECT_NE(std::find(sans.begin(), sans.end(),
                      "2|2|    - Ligne 3 : le script utilise une fonction dépendant d'Vaelmoor Script Extender !"),
            sans.end());
  const L avec = scanner("scn T\nbegin g\nDisableMouse\nend", 1);
  EXPECT_EQ(std::count_if(avec.begin(), avec.end(), [](const std::string& s) { return s.find("Extender") != s.npos; }),
            0);
}

TEST(MainSyntaxe, ElapsedSecondsMarksAMagicEffectScript) {
  WorkFiles wf;
  MainSyntaxe(wf, "scn T\nScriptEffectElapsedSeconds\nAutoSave", 3, 0, 0);
  EXPECT_EQ(wf.marks, (std::vector<ScriptKindMark>{{1, 3}}));
}

TEST(MainSyntaxe, OverlongLinesAreCutWithAnAlertAndNulEndsTheLine) {
  WorkFiles wf;
  const std::string script = "scn T\n" + std::string(6000, 'a') + std::string("\nscn U\0 \"", 9);
  MainSyntaxe(wf, script, 3, 0, 0);
  ASSERT_GE(wf.findings.size(), 2u);
  EXPECT_EQ(wf.findings[0].text,
            "    - Ligne 2 : alerte, cette ligne dépasse 4999 caractères : seuls les 4999 premiers ont été vérifiés.");
  EXPECT_EQ(wf.findings[1].text, "    - Ligne 2 : impossible de détecter la syntaxe !");
  // After the NUL nothing of line 3 is seen: no quote error, only the second header.
  EXPECT_EQ(wf.findings.back().text, "    - Ligne 3 : vous avez déclaré plusieurs fois le nom du script !");
}

}  // namespace
}  // namespace quillomat
