// Documents: Latin-1 and UTF-8 files written back byte for byte, the encoding
// in the status bar and converted only when asked, rich text read and plain
// text written, saves that lose nothing, closing with unsaved changes.
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

// As typed: the document counts as changed.
void taper(const Banc& b, const QString& texte) {
  b.vue().selectAll();
  b.vue().insertPlainText(texte);
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
      {"begin\nend\n", Encodage::Latin1, QStringLiteral("begin\nend\n")},
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
    ASSERT_TRUE(doc.enregistrer(chemin, &erreur)) << erreur;
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), c.octets);
    f.close();
  }
}

TEST(EncodageFichier, BarreDEtatConversionAnnulableEtVerification) {
  Banc b;
  CQuillomatDoc* u = b.ouvrir("u.txt", "ScriptName Essai\r\n; \xC3\xA9t\xC3\xA9");
  CChildFrame* fenetreU = b.app->enfantActif();
  EXPECT_TRUE(indicateurVisible(b));
  EXPECT_TRUE(b.cadre().action(kConvertir)->isEnabled());
  b.ouvrir("l.txt", "ScriptName \xE9t\xE9");  // the indicator and the command follow the active window
  EXPECT_FALSE(indicateurVisible(b) || b.cadre().action(kConvertir)->isEnabled());
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

TEST(Document, RienNEstPerduQuandUnEnregistrementEchoue) {
  Banc b;
  CQuillomatDoc* doc = b.ouvrir("s.txt", "ancien");
  taper(b, QStringLiteral("nouveau\n“guillemets”"));
  b.declencher(57603);
  EXPECT_EQ(b.lire("s.txt"), QByteArray("ancien"));
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->messages[0].texte.contains("« “ » (ligne 2, colonne 1)")) << b.messages->messages[0].texte;
  EXPECT_TRUE(doc->estModifie());

  b.vue().setPlainText("nouveau");
  QString erreur;
  EXPECT_FALSE(doc->enregistrer(b.chemin("absent/s.txt"), &erreur));
  EXPECT_TRUE(erreur.contains("n'a pas été modifié"));
  ASSERT_TRUE(doc->enregistrer(b.chemin("s.txt"), &erreur));
  EXPECT_EQ(b.lire("s.txt"), QByteArray("nouveau"));
  EXPECT_EQ(b.dossier().entryList({"s.txt*"}, QDir::Files), QStringList({"s.txt"}));  // no temporary left
}

TEST(Document, RtfLuAvecSesCouleursEtEnregistreEnTexte) {
  Banc b;
  CQuillomatDoc* doc =
      b.ouvrir("r.txt", "{\\RTF1\\ansi{\\colortbl ;\\red255\\green0\\blue0;}\\cf1\\b Rouge\\b0\\cf0  ou \\i pas\\i0\\par fin}");
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->contenu(), "Rouge ou pas\nfin");
  QTextCursor c(doc->texte());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  QString erreur;
  ASSERT_TRUE(doc->enregistrer(doc->chemin(), &erreur));
  EXPECT_EQ(b.lire("r.txt"), QByteArray("Rouge ou pas\r\nfin"));
}

TEST(Document, FermerEnregistrerSousEtQuitter) {
  Banc b;
  taper(b, "ab");
  // Annuler keeps the window, Non closes it without saving.
  b.messages->reponses = {Reponse::Annuler};
  b.declencher(57602);
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_EQ(b.messages->questions, QStringList({"Enregistrer les modifications apportées à Quillomat1 ?"}));
  b.messages->reponses = {Reponse::Non};
  b.declencher(57602);
  EXPECT_EQ(b.fenetres(), 0);

  // "Enregistrer sous" renames the window and the main title.
  b.declencher(57600);
  b.messages->aEnregistrer = b.chemin("autre.txt");
  b.declencher(57604);
  EXPECT_EQ(b.cadre().windowTitle(), "Quillomat - autre.txt");

  // Oui saves under the name chosen; quitting asks for every changed window.
  b.declencher(57600);
  taper(b, "garde");
  b.messages->reponses = {Reponse::Oui};
  b.messages->aEnregistrer = b.chemin("garde.txt");
  b.declencher(57665);
  EXPECT_EQ(b.lire("garde.txt"), QByteArray("garde"));
  EXPECT_EQ(b.fenetres(), 0);
}

TEST(Document, QuitterMontreChaqueDocumentNonEnregistreAvantDeDemander) {
  Banc b;
  taper(b, "un");
  b.declencher(57600);
  b.declencher(57600);
  taper(b, "trois");
  b.activer(b.app->enfants()[1]);  // unchanged: never asked about
  QStringList devant;
  b.messages->pendantQuestion = [&] { devant.append(b.app->documentActif()->nom()); };
  b.messages->reponses = {Reponse::Non, Reponse::Non};
  b.declencher(57665);
  EXPECT_EQ(b.messages->questions, QStringList({"Enregistrer les modifications apportées à Quillomat1 ?",
                                                "Enregistrer les modifications apportées à Quillomat3 ?"}));
  EXPECT_EQ(devant, QStringList({"Quillomat1", "Quillomat3"}));
}
