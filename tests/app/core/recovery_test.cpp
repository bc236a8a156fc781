#include <gtest/gtest.h>

#include "app/core/recovery_choice.hpp"
#include "app/core/recovery_copy.hpp"

namespace quillomat {
namespace {

CopieRecuperation copie(std::u16string texte, std::u16string chemin = u"/scripts/a.txt", std::u16string nom = u"a.txt") {
  return {std::move(chemin), std::move(nom), EncodageCopie::Latin1, true, 1700000000, std::move(texte)};
}

TEST(CopieRecuperation, UneCopieRelueEstLeDocumentEcrit) {
  const std::u16string seul(1, char16_t(0xD83D));
  std::vector<CopieRecuperation> copies = {
      copie(u""),
      copie(u"scn Qu\u00EAte\n\tset x to 1 ; caf\u00E9\u00A0\n"),
      copie(u"\u20AC \u263A \U0001F600 fin"),                     // beyond Latin-1, beyond 16 bits
      copie(u"a" + seul + u"b" + std::u16string(1, char16_t(0xDE00)) + seul),  // lone surrogates
      copie(u"\\n\r\n", u"C:\\d\u00E9p\u00F4t\\x=y\nz.txt", u"Quillomat1\r"),  // escapes in the header
      {u"", u"Quillomat12", EncodageCopie::Utf8, false, -5, u"x\n\n"},
      {u"/s/b.txt", u"b.txt", EncodageCopie::Utf8, true, 7, u"\u00E9", true},  // byte order mark kept
  };
  for (const CopieRecuperation& c : copies) {
    const std::string octets = encoderCopie(c);
    EXPECT_EQ(decoderCopie(octets), c) << octets;
  }
}

TEST(CopieRecuperation, LeFormatEstLisibleEtStable) {
  EXPECT_EQ(encoderCopie({u"/s/\u00E9.txt", u"\u00E9.txt", EncodageCopie::Utf8, false, 42, u"\u00E9\n"}),
            "QUILLOMAT-RECUPERATION 1\nchemin=/s/\xC3\xA9.txt\nnom=\xC3\xA9.txt\nencodage=utf8\n"
            "fin-de-ligne=lf\ndate=42\ntaille=3\n\n\xC3\xA9\n");
}

TEST(CopieRecuperation, UnFichierQuiNEstPasUneCopieEntiereEstRefuse) {
  const std::string bonne = encoderCopie(copie(u"abc"));
  const std::string entete = bonne.substr(0, bonne.size() - 3);
  const std::string remplace = std::string(bonne).replace(bonne.find("latin1"), 6, "cp1252");
  const std::string cas[] = {
      "",
      bonne.substr(0, bonne.size() - 1),  // cut short
      bonne + "d",                        // longer than said
      "QUILLOMAT-RECUPERATION 2" + bonne.substr(bonne.find('\n')),
      remplace,
      bonne.substr(0, bonne.find("\n\n")),  // the header never ends
      "QUILLOMAT-RECUPERATION 1\nchemin=\\x\nnom=\nencodage=latin1\nfin-de-ligne=lf\ndate=1\ntaille=0\n\n",
      entete.substr(0, entete.find("taille=")) + "taille=3\n\n\xE0\x80\x80",  // not UTF-8: overlong
  };
  for (const std::string& c : cas) EXPECT_EQ(decoderCopie(c), std::nullopt) << c;
  // A key of a later version is skipped.
  EXPECT_EQ(decoderCopie("QUILLOMAT-RECUPERATION 1\npolice=x" + bonne.substr(bonne.find('\n'))), copie(u"abc"));
}

TEST(CopieRecuperation, PremiereLigne) {
  const std::u16string longue(70, u'x');
  const std::pair<std::u16string, std::u16string> cas[] = {
      {u"", u""},
      {u" \t\n\n\u00A0\n  scn Qu\u00EAte \t\nBegin", u"scn Qu\u00EAte"},
      {longue, std::u16string(60, u'x') + u"\u2026"},
      {std::u16string(59, u'x') + u"\U0001F600yy", std::u16string(59, u'x') + u"\u2026"},  // no half emoji
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(premiereLigne(texte), attendu);
}

TEST(CopieRecuperation, CeQueDevientChaqueChoix) {
  const CopieRecuperation fichier = copie(u"x");
  const CopieRecuperation sansFichier = copie(u"x", u"", u"Quillomat1");
  const std::vector<std::u16string> pris = {u"Quillomat1 (r\u00E9cup\u00E9r\u00E9)", u"a.txt (copie r\u00E9cup\u00E9r\u00E9e)"};
  struct Cas {
    const CopieRecuperation& copie;
    ChoixCopie choix;
    PlanRecuperation plan;
  };
  const Cas cas[] = {
      {fichier, ChoixCopie::Restaurer, {true, u"/scripts/a.txt", u"", false}},
      {fichier, ChoixCopie::OuvrirACote, {true, u"", u"a.txt (copie r\u00E9cup\u00E9r\u00E9e 2)", true}},
      {fichier, ChoixCopie::Ecarter, {}},
      {sansFichier, ChoixCopie::Restaurer, {true, u"", u"Quillomat1 (r\u00E9cup\u00E9r\u00E9 2)", false}},
      {sansFichier, ChoixCopie::OuvrirACote, {true, u"", u"Quillomat1 (r\u00E9cup\u00E9r\u00E9 2)", false}},
  };
  for (const Cas& c : cas) EXPECT_EQ(planifier(c.copie, c.choix, pris), c.plan);
  EXPECT_EQ(planifier(sansFichier, ChoixCopie::Restaurer, {}).nom, u"Quillomat1 (r\u00E9cup\u00E9r\u00E9)");
  // Recovered again after another stop: marked once.
  EXPECT_EQ(planifier(copie(u"x", u"", u"Quillomat1 (r\u00E9cup\u00E9r\u00E9 2)"), ChoixCopie::Restaurer, {}).nom,
            u"Quillomat1 (r\u00E9cup\u00E9r\u00E9)");
}

TEST(CopieRecuperation, SeulsNosFichiersSontDesCopies) {
  EXPECT_TRUE(estNomCopie(nomCopie(12)));
  for (const char* nom : {"document-0.copie", "document-01.copie", "document-.copie", "document-1.copie.Ab12cd",
                          "document-1.txt", "notes.copie"})
    EXPECT_FALSE(estNomCopie(nom)) << nom;
  EXPECT_TRUE(estNomInstance("0123456789abcdef0123456789abcdef"));
  for (const char* nom : {"0123456789ABCDEF0123456789abcdef", "0123456789abcdef0123456789abcde", "recuperation"})
    EXPECT_FALSE(estNomInstance(nom)) << nom;
}

}  // namespace
}  // namespace quillomat
