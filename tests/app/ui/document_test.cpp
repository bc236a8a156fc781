// Documents: Latin-1 plain text with its line ends kept, rich text read and
// plain text written, saves that lose nothing, closing with unsaved changes.
#include <gtest/gtest.h>

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
  const QByteArray fichiers[] = {"ScriptName \xE9t\xE9\r\nshort \xA0x", "a\nb\n"};
  for (const QByteArray& octets : fichiers) {
    b.ecrire("s.txt", octets);
    CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("s.txt"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->contenu(), QString::fromLatin1(octets).remove(u'\r'));
    doc->texte()->setModified(true);
    b.declencher(57603);
    EXPECT_EQ(b.lire("s.txt"), octets);
    b.fermerTout();
  }
}

TEST(Document, RienNEstPerduQuandUnEnregistrementEchoue) {
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
  EXPECT_EQ(b.dossier().entryList({"s.txt*"}, QDir::Files), QStringList({"s.txt"}));  // no temporary left
}

TEST(Document, RtfLuAvecSesCouleursEtEnregistreEnTexte) {
  Banc b;
  b.ecrire("r.txt", "{\\RTF1\\ansi{\\colortbl ;\\red255\\green0\\blue0;}\\cf1\\b Rouge\\b0\\cf0  ou \\i pas\\i0\\par fin}");
  CQuillomatDoc* doc = b.app->OpenDocumentFile(b.chemin("r.txt"));
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->contenu(), "Rouge ou pas\nfin");
  QTextCursor c(doc->texte());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  QString erreur;
  ASSERT_TRUE(doc->enregistrer(doc->chemin(), &erreur));
  EXPECT_EQ(b.lire("r.txt"), QByteArray("Rouge ou pas\r\nfin"));
  EXPECT_FALSE(doc->m_bRTF);
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
