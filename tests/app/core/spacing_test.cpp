#include <gtest/gtest.h>

#include <string>

#include "app/core/formatting.hpp"

namespace quillomat {
namespace {

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
