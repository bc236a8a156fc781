// UTF-8 files: read with their accents, written back byte for byte, shown in
// the status bar, converted to Latin-1 only when the user asks.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTemporaryDir>
#include <QTextDocument>

#include "bench.hpp"

namespace {

using Encodage = CQuillomatDoc::Encodage;
constexpr int kConvertir = 32840;

bool indicateurVisible(const Banc& b) {
  return !b.cadre().findChild<QLabel*>(QStringLiteral("indicateurEncodage"))->isHidden();
}

}  // namespace

// Without any window: open, then save unchanged, gives the same bytes.
TEST(EncodageFichier, LuCommeIlEstEtRecritALIdentique) {
  const struct {
    QByteArray octets;
    Encodage encodage;
    QString texte;
  } cas[] = {
      {"\xE9t\xE9\r\n\xA0x\r\n", Encodage::Latin1, QStringLiteral("été\n\u00A0x\n")},
      {"\xC3\xA9t\xC3\xA9\n\xC2\xA0x", Encodage::Utf8, QStringLiteral("été\n\u00A0x")},
      {"\xEF\xBB\xBF\xC3\xA0\r\nend", Encodage::Utf8, QStringLiteral("à\nend")},  // the mark is kept aside
      {"\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xA9", Encodage::Utf8, QStringLiteral("\uFEFFé")},  // a second one is text
      {"\xE2\x82\xAC \xF0\x9F\x98\x80", Encodage::Utf8, QStringLiteral("€ \U0001F600")},
      {"begin\r\n", Encodage::Latin1, QStringLiteral("begin\n")},
      {"\xC0\xAF\xC3\xA9", Encodage::Latin1, QString::fromLatin1("\xC0\xAF\xC3\xA9")},  // overlong: not UTF-8
  };
  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("s.txt"));
  QFile f(chemin);
  for (const auto& c : cas) {
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.octets);
    f.close();
    CQuillomatDoc doc(QStringLiteral("s"));
    QString erreur;
    ASSERT_TRUE(doc.charger(chemin, &erreur));
    EXPECT_EQ(doc.encodage(), c.encodage) << c.octets.toHex().toStdString();
    EXPECT_EQ(doc.contenu(), c.texte);
    ASSERT_TRUE(doc.enregistrer(chemin, &erreur)) << erreur.toStdString();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), c.octets);
    f.close();
  }
}

TEST(EncodageFichier, BarreDEtatConversionAnnulableEtVerification) {
  Banc b;
  b.ecrire("u.txt", "ScriptName Essai\r\n; \xC3\xA9t\xC3\xA9");
  b.ecrire("l.txt", "ScriptName \xE9t\xE9");
  CQuillomatDoc* u = b.app->OpenDocumentFile(b.chemin("u.txt"));
  CChildFrame* fenetreU = b.app->enfantActif();
  EXPECT_TRUE(indicateurVisible(b));
  EXPECT_TRUE(b.cadre().action(kConvertir)->isEnabled());
  b.app->OpenDocumentFile(b.chemin("l.txt"));  // the indicator and the command follow the active window
  EXPECT_FALSE(indicateurVisible(b));
  EXPECT_FALSE(b.cadre().action(kConvertir)->isEnabled());
  b.activer(fenetreU);
  EXPECT_TRUE(indicateurVisible(b));

  // Checked as Latin-1; typing and saving keep UTF-8, even beyond Latin-1.
  b.declencher(32771);
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), QByteArray("ScriptName Essai\r\n; \xE9t\xE9"));
  b.activer(fenetreU);
  b.vue().moveCursor(QTextCursor::End);
  b.vue().insertPlainText(QStringLiteral(" €"));
  b.declencher(57603);
  EXPECT_EQ(b.lire("u.txt"), QByteArray("ScriptName Essai\r\n; \xC3\xA9t\xC3\xA9 \xE2\x82\xAC"));

  // A character without a Latin-1 form is named and nothing changes.
  b.declencher(kConvertir);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->messages[0].texte.contains(QStringLiteral("« € » (ligne 2, colonne 7)")));
  EXPECT_EQ(u->encodage(), Encodage::Utf8);

  // One undoable step; the file changes at the save only.
  b.vue().undo();
  b.declencher(57603);
  b.declencher(kConvertir);
  EXPECT_EQ(u->encodage(), Encodage::Latin1);
  EXPECT_TRUE(u->estModifie());
  EXPECT_FALSE(indicateurVisible(b));
  EXPECT_EQ(b.lire("u.txt"), QByteArray("ScriptName Essai\r\n; \xC3\xA9t\xC3\xA9"));
  b.cadre().mettreAJourCommandes();
  b.declencher(57643);
  EXPECT_EQ(u->encodage(), Encodage::Utf8);
  EXPECT_FALSE(u->estModifie());
  u->texte()->redo();
  b.declencher(57603);
  EXPECT_EQ(b.lire("u.txt"), QByteArray("ScriptName Essai\r\n; \xE9t\xE9"));
}
