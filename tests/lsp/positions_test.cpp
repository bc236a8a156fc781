#include "lsp/positions.hpp"

#include <gtest/gtest.h>

#include "lsp/documents.hpp"
#include "lsp_support.hpp"

namespace quillomat::lsp {
namespace {

using test::u8;

// "é" is 2 bytes, 1 UTF-16 unit; "😀" is 4 bytes, 2 UTF-16 units, 1 code point.
TEST(Positions, ColumnsCountInTheAgreedUnits) {
  const std::string ligne = u8(u8"aé😀b");
  struct Cas {
    Encodage e;
    size_t unites, octets;
  };
  for (const Cas& c : {Cas{Encodage::Utf8, 3, 3}, {Encodage::Utf8, 7, 7}, {Encodage::Utf8, 8, 8},
                       {Encodage::Utf8, 5, 3},  // inside the emoji: before it
                       {Encodage::Utf16, 2, 3}, {Encodage::Utf16, 3, 3}, {Encodage::Utf16, 4, 7},
                       {Encodage::Utf16, 5, 8}, {Encodage::Utf16, 99, 8},
                       {Encodage::Utf32, 2, 3}, {Encodage::Utf32, 3, 7}, {Encodage::Utf32, 4, 8}}) {
    EXPECT_EQ(octetsDe(ligne, c.unites, c.e), c.octets) << static_cast<int>(c.e) << " " << c.unites;
  }
  EXPECT_EQ(unites(ligne, Encodage::Utf8), 8u);
  EXPECT_EQ(unites(ligne, Encodage::Utf16), 5u);
  EXPECT_EQ(unites(ligne, Encodage::Utf32), 4u);
}

TEST(Positions, LinesBreakAtLfCrLfAndLoneCr) {
  const std::string texte = "a\nbb\r\nc\rd\r\n";
  const Lignes l(texte);
  ASSERT_EQ(l.nombre(), 5u);
  for (auto [i, attendue] : {std::pair<size_t, std::string_view>{0, "a"}, {1, "bb"}, {2, "c"}, {3, "d"}, {4, ""},
                             {9, ""}})
    EXPECT_EQ(l.ligne(i), attendue) << i;
  EXPECT_EQ(l.octet({1, 1}, Encodage::Utf16), 3u);
  EXPECT_EQ(l.octet({1, 50}, Encodage::Utf16), 4u);  // clamped to the line, before its CR LF
  EXPECT_EQ(l.octet({50, 0}, Encodage::Utf16), texte.size());
  for (size_t octet : {0u, 3u, 7u, 9u, 11u}) EXPECT_EQ(l.octet(l.position(octet, Encodage::Utf16), Encodage::Utf16), octet);
}

TEST(Documents, ChangesReplaceTheWholeTextOrARange) {
  struct Cas {
    std::string avant;
    std::optional<Plage> plage;
    std::string texte;
    Encodage e;
    std::string apres;
  };
  const Cas cas[] = {
      {"abc", std::nullopt, "xyz", Encodage::Utf16, "xyz"},
      {u8(u8"é😀\nfin"), Plage{{0, 1}, {1, 0}}, "-", Encodage::Utf16, u8(u8"é-fin")},
      {u8(u8"é😀\nfin"), Plage{{0, 1}, {1, 0}}, "-", Encodage::Utf32, u8(u8"é-fin")},
      {u8(u8"é😀\nfin"), Plage{{0, 0}, {0, 6}}, "e", Encodage::Utf8, u8(u8"e\nfin")},
      {"ab\ncd", Plage{{1, 1}, {0, 1}}, "X", Encodage::Utf16, "aXd"},  // reversed range
      {"ab", Plage{{5, 0}, {9, 9}}, "!", Encodage::Utf16, "ab!"},      // past the end: appended
  };
  for (const Cas& c : cas) {
    std::string texte = c.avant;
    appliquer(texte, Changement{c.plage, c.texte}, c.e);
    EXPECT_EQ(texte, c.apres) << c.avant;
  }
}

}  // namespace
}  // namespace quillomat::lsp
