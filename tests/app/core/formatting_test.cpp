// The formatting aids without windows: the indentation at Enter, "Mettre en
// forme" and the spacing correction.
#include "app/core/formatting.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillomat {
namespace {

// Enter pressed at the end of the text `avant`: the text with its line break,
// then what the aid makes of it and the tabs of the new line.
struct Entree {
  std::string texte;
  int tabulations;
  Selection selection;
};

Entree entree(const std::string& avant) {
  const int position = static_cast<int>(avant.size());
  const std::string texte = avant + "\n";
  const NouvelleLigne n = IndentForNewLine(texte, position, {position + 1, position + 1});
  return {appliquer(texte, n.retouches.modifications), n.tabulations, n.retouches.selection};
}

std::string miseEnForme(const std::string& texte) { return appliquer(texte, FormatScript(texte, {}).modifications); }

TEST(IndentationEntree, KeywordsAtTheStartOfTheLineOnlyAndLimits) {
  const struct {
    const char* avant;  // the text, Enter pressed at its end
    const char* apres;  // the line ended, as the aid leaves it
    int tabulations;    // of the new line
  } cas[] = {
      // endif typed at the level of the if body goes back one level.
      {"begin GameMode\n\tif x\n\t\tendif", "begin GameMode\n\tif x\n\tendif\n", 1},
      {"begin GameMode\nif x", "begin GameMode\n\tif x\n", 2},
      {"begin GameMode\n\tif x\n\t\tset a to 1\n\t\telse", "begin GameMode\n\tif x\n\t\tset a to 1\n\telse\n", 2},
      {"begin GameMode\n\tif x\n\t\tElseIf y", "begin GameMode\n\tif x\n\tElseIf y\n", 2},
      {"begin GameMode\n\tif x\n\tendif\n\tEND", "begin GameMode\n\tif x\n\tendif\nEND\n", 0},
      // In the middle of a line, in a comment or glued to a word: no keyword.
      {"begin GameMode\n\tset endif to 1 ; endif", nullptr, 1},
      {"begin GameMode\n\t; endif", nullptr, 1},
      {"begin GameMode\n\tendifx", nullptr, 1},
      {"begin GameMode\n\tif=x", nullptr, 1},
      // What the checker takes for a keyword: a blank, ';', '(' or ',' after it.
      {"begin GameMode\n\tif(x)", nullptr, 2},
      {"begin GameMode\n\tIF x;", nullptr, 2},
      {"begin GameMode\n\tif;x", nullptr, 2},
      {"begin GameMode\n  \tif,x", "begin GameMode\n\t  \tif,x\n", 2},  // only leading tabs count
      // Line 0 is never re-indented, but still opens its block.
      {"\t\tBegin GameMode", nullptr, 1},
      // More closings than openings: level 0, and only tabs go.
      {"end\n\t  set x to 1", "end\n  set x to 1\n", 0},
      // An empty line ended inside a block gets its tab.
      {"begin x\n", "begin x\n\t\n", 1},
  };
  for (const auto& c : cas) {
    const Entree e = entree(c.avant);
    EXPECT_EQ(e.texte, c.apres ? c.apres : c.avant + std::string("\n")) << c.avant;
    EXPECT_EQ(e.tabulations, c.tabulations) << c.avant;
  }
  // The caret follows the deleted tab.
  EXPECT_EQ(entree("begin GameMode\n\tif x\n\t\tendif").selection, (Selection{28, 28}));
}

TEST(IndentationEntree, CaretInsideALineAndOutOfTheText) {
  // Enter in the middle of a line: the part before the caret is the line ended.
  const std::string texte = "begin x\n\t\tend\nif";
  const NouvelleLigne n = IndentForNewLine(texte, 13, {14, 14});
  EXPECT_EQ(appliquer(texte, n.retouches.modifications), "begin x\nend\nif");
  EXPECT_EQ(n.tabulations, 0);
  EXPECT_EQ(n.retouches.selection, (Selection{12, 12}));
  // Positions out of the text.
  EXPECT_EQ(IndentForNewLine("if x\n", -1, {}).tabulations, 0);
  EXPECT_TRUE(IndentForNewLine("if x\n", -1, {}).retouches.modifications.empty());
  EXPECT_EQ(IndentForNewLine("begin x\nif x\n", 500, {}).tabulations, 2);
  EXPECT_EQ(IndentForNewLine("", 0, {}).tabulations, 0);
}

TEST(MiseEnForme, WholeScript) {
  EXPECT_EQ(miseEnForme("scn Test\nshort a\n\nbegin GameMode\nif x\nset a to 1\n\t\t\t\telseif y\nset a to 2\n"
                        "else\n  if z ; nested\n  endif\nendif\nend\n"),
            "scn Test\nshort a\n\nbegin GameMode\n\tif x\n\t\tset a to 1\n\telseif y\n\t\tset a to 2\n"
            "\telse\n\t\t  if z ; nested\n\t\t  endif\n\tendif\nend\n");
  // The first line and empty lines are never touched; a line of tabs only is
  // a line like another.
  EXPECT_EQ(miseEnForme("\t\tbegin x\n\n\t\t\t\nend"), "\t\tbegin x\n\n\t\nend");
  // A last line, without its break, of one character stays as it is.
  EXPECT_EQ(miseEnForme("begin x\nab\ny"), "begin x\n\tab\ny");
  EXPECT_EQ(miseEnForme("begin x\nab\ny\n"), "begin x\n\tab\n\ty\n");
  // Too many closings: level 0, never below.
  EXPECT_EQ(miseEnForme("scn x\nend\n\t\tset a to 1\nendif\n\tbegin x\n\t\tset b to 1"),
            "scn x\nend\nset a to 1\nendif\nbegin x\nset b to 1");
}

TEST(MiseEnForme, SelectionAndRepeat) {
  const std::string texte = "begin x\nif y\nset a to 1\nendif\nend";
  // "a to" selected on line 2.
  const Retouches r = FormatScript(texte, {17, 21});
  const std::string forme = appliquer(texte, r.modifications);
  EXPECT_EQ(forme.substr(static_cast<size_t>(r.selection.debut), 4), "a to");
  EXPECT_EQ(r.selection, (Selection{20, 24}));
  // A formatted script is left alone.
  EXPECT_TRUE(FormatScript(forme, {}).modifications.empty());
  EXPECT_TRUE(FormatScript("", {}).modifications.empty());
}

std::string corrige(const std::string& texte) { return appliquer(texte, CorrectSpacing(texte, {}).modifications); }

TEST(CorrectionEspacement, BlancsSeparateursEtGuillemets) {
  const std::pair<std::string, std::string> cas[] = {
      {"set x to 1  \t", "set x to 1"},
      {"   \n\t\t\nx \n", " \n\t\nx\n"},  // a line of blanks keeps its first one
      {"\t\tset\tx to\t\t1", "\t\tset x to  1"},  // leading tabs stay
      {"\t ; a\tb\t", "\t ; a b"},  // comments too
      {"", ""},
      // The last character is never examined: the final ')' gets no blank before it.
      {"if(x==1)", "if ( x==1)"},
      {"set a to (b)+c", "set a to ( b ) +c"},
      {"f a,b, c,d", "f a, b, c, d"},
      {"(x", "( x"},
      // Closing quotes: a blank before what follows, but not before ',' or ' '.
      {"Message \"x\"y z", "Message \"x\" y z"},
      {"Message \"x\", y", "Message \"x\", y"},
      // Inside quotes and after a ';' nothing is touched.
      {"Message \"a(b),c;d\"x", "Message \"a(b),c;d\" x"},
      {"set x to 1 ;f(a,b)\"c\"d", "set x to 1 ;f(a,b)\"c\"d"},
      // An open quote runs to the end of the line, and only there.
      {"Message \"a(b\nf(x)", "Message \"a(b\nf ( x)"},
      // A tab turned into a blank still counts as no blank for step 4, and the
      // trailing blanks deleted still stand after a separator.
      {"f,\tb", "f,  b"},
      {"f(x)\t\t", "f ( x ) "},
      // The character before a parenthesis is read as it was, before the blank
      // just put after it.
      {"Message \"x\"(y)", "Message \"x\"  ( y)"},
      {"f(a)(b)", "f ( a )  ( b)"},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(corrige(texte), attendu) << texte;
}

TEST(CorrectionEspacement, PositionsAndSelection) {
  const std::string texte = "f(a,b)\t \nset\tx to (y)\n\"q\"w";
  // "set" selected, on the line after the insertions of the first line.
  const Retouches r = CorrectSpacing(texte, {9, 12});
  const std::string corrigeTexte = appliquer(texte, r.modifications);
  EXPECT_EQ(corrigeTexte, "f ( a, b ) \nset x to ( y)\n\"q\" w");
  EXPECT_EQ(corrigeTexte.substr(static_cast<size_t>(r.selection.debut),
                                static_cast<size_t>(r.selection.fin - r.selection.debut)),
            "set");
  // A caret in trailing blanks goes to the new end of the line.
  const Retouches fin = CorrectSpacing("ab  \ncd", {3, 3});
  EXPECT_EQ(fin.selection, (Selection{2, 2}));
  // Run twice, the correction finds nothing more (but for the quirk above).
  EXPECT_TRUE(CorrectSpacing(corrigeTexte.substr(12), {}).modifications.empty());
}

TEST(CorrectionEspacement, LongLines) {
  const std::string parentheses(5000, '(');
  const std::string corrigeTexte = corrige(parentheses);
  EXPECT_EQ(corrigeTexte.size(), 5000u + 2 * 4999u - 1);
  EXPECT_EQ(corrigeTexte.substr(0, 7), "(  (  (");
  EXPECT_EQ(corrige(std::string(5000, '\t') + "x"), std::string(5000, '\t') + "x");
}

}  // namespace
}  // namespace quillomat

namespace quillomat {
namespace {

// With the later syntax, while and foreach open a level and loop closes it;
// without it they are plain lines.
TEST(MiseEnForme, LoopsOfTheLaterSyntax) {
  const std::string texte = "begin GameMode\nwhile x\nforeach e <- a\nif e\nbreak\nendif\nloop\nloop\nend";
  EXPECT_EQ(appliquer(texte, FormatScript(texte, {}, true).modifications),
            "begin GameMode\n\twhile x\n\t\tforeach e <- a\n\t\t\tif e\n\t\t\t\tbreak\n\t\t\tendif\n\t\tloop\n\tloop\nend");
  EXPECT_EQ(miseEnForme(texte), "begin GameMode\n\twhile x\n\tforeach e <- a\n\tif e\n\t\tbreak\n\tendif\n\tloop\n\tloop\nend");
  const std::string avant = "begin GameMode\n\twhile x\n\t\tloop";
  const NouvelleLigne n = IndentForNewLine(avant + "\n", static_cast<int>(avant.size()), {}, true);
  EXPECT_EQ(appliquer(avant + "\n", n.retouches.modifications), "begin GameMode\n\twhile x\n\tloop\n");
  EXPECT_EQ(n.tabulations, 1);
}

}  // namespace
}  // namespace quillomat
