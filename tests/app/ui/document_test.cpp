// Documents: Latin-1 plain text, rich text read, plain text written, saves
// that lose nothing, Enter, closing with unsaved changes.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "bench.hpp"

namespace {

// As typed: the document counts as changed.
void taper(const Banc& b, const QString& texte) {
  b.vue().selectAll();
  b.vue().insertPlainText(texte);
}

}  // namespace

TEST(Document, Latin1EtFinsDeLigneConserves) {
  Banc b;
  b.ecrire("crlf.txt", "ScriptName \xE9t\xE9\r\nshort \xA0x");
  b.ecrire("lf.txt", "a\nb\n");
  CQuillomatDoc* crlf = b.app->OpenDocumentFile(b.chemin("crlf.txt"));
  ASSERT_NE(crlf, nullptr);
  EXPECT_EQ(crlf->contenu(), QString::fromLatin1("ScriptName \xE9t\xE9\nshort \xA0x"));
  EXPECT_FALSE(crlf->m_bRTF);
  crlf->texte()->setModified(true);
  b.declencher(57603);
  EXPECT_EQ(b.lire("crlf.txt"), QByteArray("ScriptName \xE9t\xE9\r\nshort \xA0x"));

  CQuillomatDoc* lf = b.app->OpenDocumentFile(b.chemin("lf.txt"));
  QString erreur;
  ASSERT_TRUE(lf->enregistrer(b.chemin("lf.txt"), &erreur));
  EXPECT_EQ(b.lire("lf.txt"), QByteArray("a\nb\n"));
  EXPECT_EQ(b.app->OpenDocumentFile(b.chemin("lf.txt")), lf);  // already open: shown again
  EXPECT_EQ(b.vue().lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST(Document, CaractereHorsLatin1RefuseEtEnregistrementEchoue) {
  Banc b;
  b.ecrire("s.txt", "ancien");
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("s.txt"));
  taper(b, QStringLiteral("nouveau\n“guillemets”"));
  b.declencher(57603);
  EXPECT_EQ(b.lire("s.txt"), QByteArray("ancien"));
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_TRUE(b.messages->messages[0].texte.contains("“"));
  EXPECT_TRUE(b.messages->messages[0].texte.contains("ligne 2, colonne 1"));
  EXPECT_TRUE(doc->estModifie());

  b.vue().setPlainText("nouveau");
  QString erreur;
  EXPECT_FALSE(doc->enregistrer(b.chemin("absent/s.txt"), &erreur));
  EXPECT_TRUE(erreur.contains("n'a pas été modifié"));
  ASSERT_TRUE(doc->enregistrer(b.chemin("s.txt"), &erreur));
  EXPECT_EQ(b.lire("s.txt"), QByteArray("nouveau"));
  EXPECT_FALSE(doc->estModifie());
  // No temporary file is left behind.
  EXPECT_EQ(b.dossier().entryList({"s.txt*"}, QDir::Files), QStringList({"s.txt"}));
}

TEST(Document, RtfLuAvecSesCouleursEtEnregistreEnTexte) {
  Banc b;
  b.ecrire("r.txt", "{\\RTF1\\ansi{\\colortbl ;\\red255\\green0\\blue0;}\\cf1\\b Rouge\\b0\\cf0  ou \\i pas\\i0\\par fin}");
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("r.txt"));
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(doc->m_bRTF);
  EXPECT_EQ(doc->contenu(), "Rouge ou pas\nfin");
  QTextCursor c(doc->texte());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  c.setPosition(11);
  EXPECT_TRUE(c.charFormat().fontItalic());
  QString erreur;
  ASSERT_TRUE(doc->enregistrer(doc->chemin(), &erreur));
  EXPECT_EQ(b.lire("r.txt"), QByteArray("Rouge ou pas\r\nfin"));
  EXPECT_FALSE(doc->m_bRTF);
}

TEST(Document, EntreeEtFermetureAvecModifications) {
  Banc b;
  b.app->m_bFormatHelp = false;
  b.vue().setPlainText("ab");
  b.vue().setSelection(1, 2);
  b.declencher(32786);
  EXPECT_EQ(b.app->documentActif()->contenu(), "a\n");

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
