#include "app/core/rtf_reader.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillomat {
namespace {

std::u32string texteSeul(const std::vector<FragmentRtf>& fragments) {
  std::u32string t;
  for (const auto& f : fragments) t += f.texte;
  return t;
}

std::u32string texteDe(std::string_view rtf) { return texteSeul(lireRtf(rtf)); }

// What a rich-edit control writes for two coloured lines.
constexpr std::string_view kDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}\r\n"
    "{\\colortbl ;\\red80\\green0\\blue100;\\red130\\green130\\blue130;}\r\n"
    "{\\*\\generator Riched20 5.50.99.2014;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
    "\\cf1\\b if\\cf0\\b0  x \\cf2\\i ; note\\cf0\\i0\\par\r\n"
    "set\\tab y\\par\r\n"
    "}\r\n";

TEST(LecteurRtf, DocumentDUnControle) {
  const auto f = lireRtf(kDocument);
  ASSERT_EQ(f.size(), 4u);
  EXPECT_EQ(f[0], (FragmentRtf{U"if", 80, 0, 100, true, false}));
  EXPECT_EQ(f[1], (FragmentRtf{U" x ", 0, 0, 0, false, false}));
  EXPECT_EQ(f[2], (FragmentRtf{U"; note", 130, 130, 130, false, true}));
  // The final paragraph mark is dropped: the control had two lines, not three.
  EXPECT_EQ(f[3], (FragmentRtf{U"\nset\ty", 0, 0, 0, false, false}));
}

TEST(LecteurRtf, Signature) {
  for (const char* oui : {"{\\rtf1", "{\\RTF"}) EXPECT_TRUE(estRtf(oui)) << oui;
  for (const char* non : {"{\\rt", " {\\rtf", "scn x"}) EXPECT_FALSE(estRtf(non)) << non;
}

TEST(LecteurRtf, DernierParagraphe) {
  EXPECT_EQ(texteDe("{\\rtf1 a\\par b\\par}"), U"a\nb");
  EXPECT_EQ(texteDe("{\\rtf1 a\\par\\par}"), U"a\n");   // an empty last line the user typed
  EXPECT_EQ(texteDe("{\\rtf1 a\\par b}"), U"a\nb");     // no final mark: nothing to drop
  EXPECT_EQ(texteDe("{\\rtf1 a\\line}"), U"a\n");       // a line break is not the paragraph mark
  EXPECT_EQ(texteDe("{\\rtf1 a\\par{\\*\\x y}}"), U"a");  // skipped groups after it do not count
}

TEST(LecteurRtf, EchappementsEtCaracteres) {
  EXPECT_EQ(texteDe("{\\rtf1 \\\\ \\{x\\}}"), U"\\ {x}");
  // \'e9 is é in Latin-1; 0x80-0x9F are read as Windows-1252.
  EXPECT_EQ(texteDe("{\\rtf1 Qu\\'eate \\'80\\'92\\'9f}"), U"Qu\u00EAte \u20AC\u2019\u0178");
  // \u with its replacement character skipped, negative values, \uc0 and \uc2.
  EXPECT_EQ(texteDe("{\\rtf1 a\\u8364?b}"), U"a\u20ACb");
  EXPECT_EQ(texteDe("{\\rtf1 \\u-3913?}"), U"\uF0B7");
  EXPECT_EQ(texteDe("{\\rtf1 \\uc0\\u233 x}"), U"\u00E9x");
  EXPECT_EQ(texteDe("{\\rtf1 \\uc2\\u233\\'e9\\'e9x}"), U"\u00E9x");
  EXPECT_EQ(texteDe("{\\rtf1 {\\uc2 \\u233 a}bc}"), U"\u00E9bc");  // '}' ends the replacement
  EXPECT_EQ(texteDe("{\\rtf1 \\u-10179?\\u-8704?}"), U"\U0001F600");  // two halves, one character
  // Line breaks in the source are not text; the space after a word is its delimiter.
  EXPECT_EQ(texteDe("{\\rtf1 a\r\nb\\b  c}"), U"ab c");
  EXPECT_EQ(texteDe("{\\rtf1 a\\\nb}"), U"a\nb");  // backslash before a line break: a paragraph
}

TEST(LecteurRtf, FormatParGroupe) {
  const auto f = lireRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}a{\\cf1\\b b{\\i c}d}e\\b f\\plain g}");
  ASSERT_EQ(f.size(), 7u);
  EXPECT_EQ(f[0], (FragmentRtf{U"a", 0, 0, 0, false, false}));
  EXPECT_EQ(f[1], (FragmentRtf{U"b", 255, 0, 0, true, false}));
  EXPECT_EQ(f[2], (FragmentRtf{U"c", 255, 0, 0, true, true}));
  EXPECT_EQ(f[3], (FragmentRtf{U"d", 255, 0, 0, true, false}));
  EXPECT_EQ(f[4], (FragmentRtf{U"e", 0, 0, 0, false, false}));
  EXPECT_EQ(f[5], (FragmentRtf{U"f", 0, 0, 0, true, false}));
  EXPECT_EQ(f[6], (FragmentRtf{U"g", 0, 0, 0, false, false}));  // \plain
  // \b1 and \b0 spelled out; an unknown colour index is black; a last entry without its ';'.
  const auto g = lireRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3}\\b1 h\\b0 i\\cf9 j\\cf1 k}");
  ASSERT_EQ(g.size(), 3u);
  EXPECT_EQ(g[0], (FragmentRtf{U"h", 0, 0, 0, true, false}));
  EXPECT_EQ(g[1], (FragmentRtf{U"ij", 0, 0, 0, false, false}));
  EXPECT_EQ(g[2], (FragmentRtf{U"k", 1, 2, 3, false, false}));
}

TEST(LecteurRtf, DestinationsIgnorees) {
  EXPECT_EQ(texteDe("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
                    "{\\*\\unknown zz{\\x yy}}{\\pict\\pngblip 89504e47}{\\header H}a"
                    "{\\object{\\*\\objdata 0102}{\\result r}}b}"),
            U"ab");
  // Binary data may hold braces and backslashes.
  EXPECT_EQ(texteDe("{\\rtf1 {\\pict\\bin4 }{\\\\}x}"), U"x");
  EXPECT_EQ(texteDe("{\\rtf1 a\\bin4 }{\\}"), U"a");
}

TEST(LecteurRtf, EntreeMalformee) {
  EXPECT_EQ(texteDe(""), U"");
  EXPECT_EQ(texteDe("{\\rtf1 abc"), U"abc");        // unclosed groups
  EXPECT_EQ(texteDe("{\\rtf1 a}}}b{"), U"ab");      // extra closing braces
  EXPECT_EQ(texteDe("{\\rtf1 a\\'e"), U"a");        // truncated escapes
  EXPECT_EQ(texteDe("{\\rtf1 a\\'"), U"a");
  EXPECT_EQ(texteDe("{\\rtf1 a\\"), U"a");
  EXPECT_EQ(texteDe("{\\rtf1 a\\'zzb"), U"azzb");
  EXPECT_EQ(texteDe("{\\rtf1 \\u99999999999999 x\\cf-99999999999 y\\bin999999999}"), U"\uFFFDy");
  EXPECT_EQ(texteDe("{\\rtf1{\\colortbl;\\red999\\green-5;}\\cf1 a}"), U"a");
  EXPECT_EQ(lireRtf("{\\rtf1{\\colortbl;\\red999\\green-5;}\\cf1 a}")[0].r, 255);
}

TEST(LecteurRtf, GroupesTresImbriques) {
  std::string rtf = "{\\rtf1 ";
  rtf += std::string(10000, '{') + "\\b x" + std::string(10000, '}') + "y}";
  const auto f = lireRtf(rtf);
  ASSERT_EQ(f.size(), 2u);
  EXPECT_EQ(f[0], (FragmentRtf{U"x", 0, 0, 0, true, false}));
  EXPECT_EQ(f[1], (FragmentRtf{U"y", 0, 0, 0, false, false}));
  // Unclosed deep groups too.
  EXPECT_EQ(texteDe("{\\rtf1 " + std::string(100000, '{') + "z"), U"z");
}

}  // namespace
}  // namespace quillomat
