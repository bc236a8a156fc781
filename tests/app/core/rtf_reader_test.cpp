#include "app/core/rtf_reader.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quillomat {
namespace {

using Fragments = std::vector<FragmentRtf>;

std::u32string texteDe(std::string_view rtf) {
  std::u32string t;
  for (const auto& f : lireRtf(rtf)) t += f.texte;
  return t;
}

TEST(LecteurRtf, FormatsDUnControleEtParGroupe) {
  // What a rich-edit control writes for two coloured lines: the final paragraph mark is dropped.
  EXPECT_EQ(lireRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 Courier New;}}\r\n"
                    "{\\colortbl ;\\red80\\green0\\blue100;\\red130\\green130\\blue130;}\r\n"
                    "{\\*\\generator Riched20 5.50.99.2014;}\\viewkind4\\uc1\\pard\\f0\\fs20 "
                    "\\cf1\\b if\\cf0\\b0  x \\cf2\\i ; note\\cf0\\i0\\par\r\nset\\tab y\\par\r\n}\r\n"),
            (Fragments{{U"if", 80, 0, 100, true, false},
                       {U" x ", 0, 0, 0, false, false},
                       {U"; note", 130, 130, 130, false, true},
                       {U"\nset\ty", 0, 0, 0, false, false}}));
  EXPECT_EQ(lireRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}a{\\cf1\\b b{\\i c}d}e\\b f\\plain g}"),
            (Fragments{{U"a"}, {U"b", 255, 0, 0, true}, {U"c", 255, 0, 0, true, true}, {U"d", 255, 0, 0, true},
                       {U"e"}, {U"f", 0, 0, 0, true}, {U"g"}}));
  // \b1 and \b0 spelled out; an unknown colour index is black; a last entry without its ';'.
  EXPECT_EQ(lireRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3}\\b1 h\\b0 i\\cf9 j\\cf1 k}"),
            (Fragments{{U"h", 0, 0, 0, true}, {U"ij"}, {U"k", 1, 2, 3}}));
  EXPECT_EQ(lireRtf("{\\rtf1{\\colortbl;\\red999\\green-5;}\\cf1 a}"), (Fragments{{U"a", 255}}));
  // Very deep groups, closed or not.
  EXPECT_EQ(lireRtf("{\\rtf1 " + std::string(10000, '{') + "\\b x" + std::string(10000, '}') + "y}"),
            (Fragments{{U"x", 0, 0, 0, true}, {U"y"}}));
  EXPECT_EQ(texteDe("{\\rtf1 " + std::string(100000, '{') + "z"), U"z");
}

TEST(LecteurRtf, Signature) {
  for (const char* oui : {"{\\rtf1", "{\\RTF"}) EXPECT_TRUE(estRtf(oui)) << oui;
  for (const char* non : {"{\\rt", " {\\rtf", "scn x"}) EXPECT_FALSE(estRtf(non)) << non;
}

TEST(LecteurRtf, Texte) {
  const std::pair<std::string_view, std::u32string> cas[] = {
      // The last paragraph mark.
      {"{\\rtf1 a\\par b\\par}", U"a\nb"},
      {"{\\rtf1 a\\par\\par}", U"a\n"},  // an empty last line the user typed
      {"{\\rtf1 a\\par b}", U"a\nb"},
      {"{\\rtf1 a\\line}", U"a\n"},  // a line break is not the paragraph mark
      {"{\\rtf1 a\\par{\\*\\x y}}", U"a"},  // skipped groups after it do not count
      // Escapes; \'e9 is é in Latin-1, 0x80-0x9F are read as Windows-1252.
      {"{\\rtf1 \\\\ \\{x\\}}", U"\\ {x}"},
      {"{\\rtf1 Qu\\'eate \\'80\\'92\\'9f}", U"Qu\u00EAte \u20AC\u2019\u0178"},
      // \u with its replacement character skipped, negative values, \uc0 and \uc2.
      {"{\\rtf1 a\\u8364?b}", U"a\u20ACb"},
      {"{\\rtf1 \\u-3913?}", U"\uF0B7"},
      {"{\\rtf1 \\uc0\\u233 x}", U"\u00E9x"},
      {"{\\rtf1 \\uc2\\u233\\'e9\\'e9x}", U"\u00E9x"},
      {"{\\rtf1 {\\uc2 \\u233 a}bc}", U"\u00E9bc"},  // '}' ends the replacement
      {"{\\rtf1 \\u-10179?\\u-8704?}", U"\U0001F600"},  // two halves, one character
      // Line breaks in the source are not text; the space after a word is its delimiter.
      {"{\\rtf1 a\r\nb\\b  c}", U"ab c"},
      {"{\\rtf1 a\\\nb}", U"a\nb"},  // backslash before a line break: a paragraph
      // Destinations that hold no text, binary data with braces and backslashes.
      {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}{\\*\\unknown zz{\\x yy}}"
       "{\\pict\\pngblip 89504e47}{\\header H}a{\\object{\\*\\objdata 0102}{\\result r}}b}",
       U"ab"},
      {"{\\rtf1 {\\pict\\bin4 }{\\\\}x}", U"x"},
      {"{\\rtf1 a\\bin4 }{\\}", U"a"},
      // Malformed: unclosed groups, extra braces, truncated escapes, huge numbers.
      {"", U""},
      {"{\\rtf1 abc", U"abc"},
      {"{\\rtf1 a}}}b{", U"ab"},
      {"{\\rtf1 a\\'e", U"a"},
      {"{\\rtf1 a\\", U"a"},
      {"{\\rtf1 a\\'zzb", U"azzb"},
      {"{\\rtf1 \\u99999999999999 x\\cf-99999999999 y\\bin999999999}", U"\uFFFDy"},
  };
  for (const auto& [rtf, texte] : cas) EXPECT_TRUE(texteDe(rtf) == texte) << rtf;
}

}  // namespace
}  // namespace quillomat
