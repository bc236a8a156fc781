#include "lsp/diagnostics.hpp"

#include <gtest/gtest.h>

#include "cli/encoding.hpp"
#include "lsp/latin1_text.hpp"
#include "lsp_support.hpp"

namespace quillomat::lsp {
namespace {

using test::u8;

struct Attendu {
  size_t ligne, debut, fin;
  int gravite;
  std::string message;  // Latin-1, or its start for the non-Latin-1 characters
  std::string_view code = {};  // checked when given
};

void comparer(const std::vector<Diagnostic>& d, const std::vector<Attendu>& attendus, const std::string& nom) {
  ASSERT_EQ(d.size(), attendus.size()) << nom;
  for (size_t i = 0; i < d.size(); ++i) {
    const Attendu& a = attendus[i];
    EXPECT_EQ(d[i].plage.debut, (Position{a.ligne, a.debut})) << nom << " " << i;
    EXPECT_EQ(d[i].plage.fin, (Position{a.ligne, a.fin})) << nom << " " << i;
    EXPECT_EQ(d[i].gravite, a.gravite) << nom << " " << i;
    EXPECT_EQ(d[i].message.substr(0, latin1VersUtf8(a.message).size()), latin1VersUtf8(a.message)) << nom << " " << i;
    if (!a.code.empty()) EXPECT_EQ(d[i].code, a.code) << nom << " " << i;
  }
}

// The range is the line's code part, comment left out, in the client's lines
// and units; whole-script findings stand on the first line.
TEST(Diagnostics, CoverTheCodePartOfTheirLine) {
  const std::string syntaxe = "impossible de détecter la syntaxe !";
  struct Cas {
    std::string nom, texte;
    Encodage e;
    std::vector<Attendu> attendus;
  };
  const Cas cas[] = {
      {"commentaire", "scn T\nbegin GameMode\nMessage \"a;b\" ; c\nzorglub ; x\nend", Encodage::Utf16,
       {{3, 0, 8, kGraviteErreur, syntaxe}}},
      {"CR LF", "scn T\r\nbegin GameMode\r\n\tzorglub\r\nend\r\n", Encodage::Utf16,
       {{2, 0, 8, kGraviteErreur, syntaxe}}},
      // A lone CR ends the checker's code part but not its line; the client
      // counts one line more after it.
      {"CR seul", "scn T\nbegin GameMode\nreturn\rzorglub\nzorglub\nend", Encodage::Utf16,
       {{4, 0, 7, kGraviteErreur, syntaxe}}},
      {"tout le script", "scn T ; nom\nshort _x\nbegin GameMode\nset _x to 1\nend", Encodage::Utf16,
       {{0, 0, 6, kGraviteAlerte, "Le premier caractère de \"_x\""}}},
      {"alerte", "scn T\nbegin GameMode\n  return\t; x\nend", Encodage::Utf16,
       {{2, 0, 9, kGraviteAlerte, "alerte, 1 tabulation"}}},
      // "é" counts 2 UTF-8 bytes, "😀" 2 UTF-16 units; the emoji is read as "?".
      {"UTF-16", u8(u8"scn T\nbegin GameMode\nzorglub \"é😀\"\nend"), Encodage::Utf16,
       {{2, 0, 13, kGraviteErreur, syntaxe}, {2, 10, 12, kGraviteErreur, "le caractère \"", "QM130"}}},
      {"UTF-8", u8(u8"scn T\nbegin GameMode\nzorglub \"é😀\"\nend"), Encodage::Utf8,
       {{2, 0, 16, kGraviteErreur, syntaxe}, {2, 11, 15, kGraviteErreur, "le caractère \""}}},
      {"UTF-32", u8(u8"scn T\nbegin GameMode\nzorglub \"é😀\"\nend"), Encodage::Utf32,
       {{2, 0, 12, kGraviteErreur, syntaxe}, {2, 10, 11, kGraviteErreur, "le caractère \""}}},
      {"mauvais encodage", u8(u8"scn T\nbegin GameMode\nMessage \"\uFFFD\"\nend"), Encodage::Utf16,
       {{2, 9, 10, kGraviteErreur, "caractère de remplacement (U+FFFD) : ce script", "QM131"}}},
      {"trop long", std::string(5000, '\n'), Encodage::Utf16,
       {{0, 0, 0, kGraviteErreur, "Ce script compte plus de 4998 lignes"}}},
  };
  for (const Cas& c : cas) comparer(diagnostiquer(c.texte, {}, c.e), c.attendus, c.nom);
}

// Lines that end with CR alone: the diagnostics of the CR LF twin, on the
// same lines and columns.
TEST(Diagnostics, CrOnlyLineEndsAsTheirCrLfTwin) {
  const std::string crlf = "scn T\r\nbegin GameMode\r\n\tzorglub ; x\r\n\tif x == 1\r\nend\r\n";
  std::string cr;
  for (char c : crlf)
    if (c != '\n') cr += c;
  const auto jumeau = diagnostiquer(crlf, {}, Encodage::Utf16), seul = diagnostiquer(cr, {}, Encodage::Utf16);
  ASSERT_GE(jumeau.size(), 2u);
  ASSERT_EQ(seul.size(), jumeau.size());
  for (size_t i = 0; i < seul.size(); ++i) {
    EXPECT_EQ(seul[i].plage.debut, jumeau[i].plage.debut) << i;
    EXPECT_EQ(seul[i].plage.fin, jumeau[i].plage.fin) << i;
    EXPECT_EQ(seul[i].message, jumeau[i].message) << i;
  }
}

TEST(Diagnostics, CharactersOutsideLatin1AreCappedNotCrashed) {
  std::string texte = "scn T\n; ";
  for (int i = 0; i < 5000; ++i) texte += u8(u8"✓");
  const TexteLatin1 l = versLatin1(texte);
  EXPECT_EQ(l.texte, "scn T\n; " + std::string(5000, kRemplacant));
  EXPECT_EQ(diagnostiquer(texte, {}, Encodage::Utf16).size(), kHorsLatin1Max);
  // Latin-1 letters pass through as their byte; bytes that are not UTF-8 (a
  // client cannot send them) are replaced too.
  EXPECT_EQ(versLatin1(u8(u8"çà ÿ")).texte, "\xE7\xE0 \xFF");
  const TexteLatin1 mauvais = versLatin1("a\xC3(\xF0\x9F");
  EXPECT_EQ(mauvais.texte, "a?(??");
  EXPECT_EQ(mauvais.horsLatin1.size(), 3u);
}

TEST(Diagnostics, CodesAndHelpLinksOnlyWhenThereIsOne) {
  const Plage p{{1, 0}, {1, 4}};
  const std::string bizarre = "\"a\\b\"\n\t\x01" + test::u8(u8"é😀");
  const std::vector<Diagnostic> d = {{p, kGraviteErreur, "QM101", bizarre}, {p, kGraviteAlerte, {}, "b"}};
  const auto avecLien = nlohmann::json::parse(diagnosticsEnJson(d, "file:///usr/share/quillomat/AideDebug.htm"));
  EXPECT_EQ(avecLien[0]["code"], "QM101");
  EXPECT_EQ(avecLien[0]["codeDescription"]["href"], "file:///usr/share/quillomat/AideDebug.htm#QM101");
  EXPECT_EQ(avecLien[0]["source"], "quillomat");
  EXPECT_EQ(avecLien[0]["message"], bizarre);
  EXPECT_EQ(avecLien[0]["range"]["end"]["character"], 4);
  EXPECT_FALSE(avecLien[1].contains("code"));
  EXPECT_FALSE(avecLien[1].contains("codeDescription"));
  EXPECT_EQ(avecLien[1]["severity"], kGraviteAlerte);
  const auto sansLien = nlohmann::json::parse(diagnosticsEnJson(d, ""));
  EXPECT_EQ(sansLien[0]["code"], "QM101");
  EXPECT_FALSE(sansLien[0].contains("codeDescription"));
  EXPECT_EQ(nlohmann::json::parse(diagnosticsEnJson({}, "")), nlohmann::json::array());
}

}  // namespace
}  // namespace quillomat::lsp
