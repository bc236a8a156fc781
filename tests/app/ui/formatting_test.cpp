// The formatting aids and the statistics on real documents.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextDocument>

#include "bench.hpp"
#include "pipeline/records.hpp"

namespace {

void reglages(const QDir& d, int noFormatHelp, int autoSpacing) {
  quillomat::SettingsRecord r;
  r.showReport = 0;
  r.noFormatHelp = noFormatHelp;
  r.autoSpacing = autoSpacing;
  quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), r);
}

void caretEnFin(CQuillomatView& v) {
  QTextCursor c = v.textCursor();
  c.movePosition(QTextCursor::End);
  v.setTextCursor(c);
}

}  // namespace

TEST(MiseEnFormeFenetre, EntreeIndenteEtSAnnuleEnUneFois) {
  Banc b;
  CQuillomatView& v = b.vue();
  const QString avant = QStringLiteral("begin GameMode\n\tif x\n\t\tendif");
  v.setPlainText(avant);
  caretEnFin(v);
  QTest::keyClick(&v, Qt::Key_Return);
  EXPECT_EQ(v.toPlainText(), "begin GameMode\n\tif x\n\tendif\n\t");
  EXPECT_EQ(v.debutSelection(), v.toPlainText().size());
  EXPECT_EQ(v.finSelection(), v.debutSelection());

  // The line typed next starts at its level; "else" goes back one.
  QTest::keyClicks(&v, QStringLiteral("if y"));
  QTest::keyClick(&v, Qt::Key_Return);
  QTest::keyClicks(&v, QStringLiteral("else"));
  QTest::keyClick(&v, Qt::Key_Return);
  EXPECT_EQ(v.toPlainText(), "begin GameMode\n\tif x\n\tendif\n\tif y\n\telse\n\t\t");

  // One undo takes back the whole last Enter, re-indentation included.
  v.document()->undo();
  EXPECT_EQ(v.toPlainText(), "begin GameMode\n\tif x\n\tendif\n\tif y\n\t\telse");
}

TEST(MiseEnFormeFenetre, EntreeSansAideDeMiseEnForme) {
  Banc b([](const QDir& d) { reglages(d, 1, 0); });
  ASSERT_FALSE(b.app->m_bFormatHelp);
  CQuillomatView& v = b.vue();
  v.setPlainText(QStringLiteral("begin GameMode\n\t\tendif"));
  caretEnFin(v);
  QTest::keyClick(&v, Qt::Key_Return);
  EXPECT_EQ(v.toPlainText(), "begin GameMode\n\t\tendif\n");
}

TEST(MiseEnFormeFenetre, MettreEnFormeGardeLaSelectionEtSAnnuleEnUneFois) {
  Banc b;
  CQuillomatView& v = b.vue();
  const QString avant = QStringLiteral("scn Essai\nbegin GameMode\nif x\nset a to 1\n  else\n\t\t\tendif\n\nend");
  v.setPlainText(avant);
  const int debut = static_cast<int>(avant.indexOf(QStringLiteral("a to")));
  v.setSelection(debut, debut + 4);
  b.declencher(32796);
  const QString forme = v.toPlainText();
  EXPECT_EQ(forme, "scn Essai\nbegin GameMode\n\tif x\n\t\tset a to 1\n\t  else\n\tendif\n\nend");
  EXPECT_EQ(forme.mid(v.debutSelection(), v.finSelection() - v.debutSelection()), "a to");

  v.document()->undo();
  EXPECT_EQ(v.toPlainText(), avant);
  EXPECT_FALSE(v.document()->isUndoAvailable());

  // Already in form: nothing to undo.
  v.setPlainText(forme);
  b.declencher(32796);
  EXPECT_EQ(v.toPlainText(), forme);
  EXPECT_FALSE(v.document()->isUndoAvailable());
}

TEST(MiseEnFormeFenetre, EspacementCorrigeAvantLeDebuguage) {
  Banc b([](const QDir& d) { reglages(d, 0, 1); });
  ASSERT_TRUE(b.app->m_bFixSpacing);
  b.cadre().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&b.cadre()));
  CQuillomatView& v = b.vue();
  v.setPlainText(QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to(1)+2  \nEnd\t"));
  v.setSelection(0, 10);
  v.setFocus();
  QTest::keyClick(&v, Qt::Key_D, Qt::ControlModifier);
  const QString corrige = QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to ( 1 ) +2\nEnd");
  EXPECT_EQ(v.toPlainText(), corrige);
  EXPECT_EQ(b.lire(QStringLiteral("ScriptVaelmoor.txt")), corrige.toLatin1().replace("\n", "\r\n"));
  EXPECT_EQ(v.debutSelection(), 0);
  EXPECT_EQ(v.finSelection(), 10);
  v.document()->undo();
  EXPECT_EQ(v.toPlainText(), "ScriptName Essai\nshort a\nBegin GameMode\n\tset a to(1)+2  \nEnd\t");
}

TEST(MiseEnFormeFenetre, EspacementLaisseSansLaCorrection) {
  Banc b([](const QDir& d) { reglages(d, 0, 0); });
  CQuillomatView& v = b.vue();
  const QString texte = QStringLiteral("ScriptName Essai\nBegin GameMode\n\tset a to(1)  \nEnd");
  v.setPlainText(texte);
  b.declencher(32771);
  EXPECT_EQ(v.toPlainText(), texte);
  EXPECT_EQ(b.lire(QStringLiteral("ScriptVaelmoor.txt")), texte.toLatin1().replace("\n", "\r\n"));
}

TEST(MiseEnFormeFenetre, StatistiquesSingulierPlurielEtSelectionGardee) {
  Banc b;
  CQuillomatView& v = b.vue();
  b.declencher(32794);  // the empty document
  ASSERT_EQ(b.messages->messages.size(), 1u);
  Message m = b.messages->messages.back();
  EXPECT_EQ(m.titre, "Statistiques du script");
  EXPECT_EQ(m.icone, Icone::Aucune);
  EXPECT_EQ(m.proprietaire, &b.cadre());
  EXPECT_EQ(m.texte,
            "\t\t\t\t   \n   Nombre de lignes dans le script : 1\n\n   Type des lignes du script :\n"
            "\t   -  0 lignes de code\n\t   -  0 lignes de commentaire\n\t   -  1 ligne vide\n");

  const QString texte = QStringLiteral("scn Essai\n\t; note\n\n; é\nx\n\nset a to 1 ; fin\n7 a");
  v.setPlainText(texte);
  v.setSelection(12, 15);
  b.declencher(32794);
  ASSERT_EQ(b.messages->messages.size(), 2u);
  EXPECT_EQ(b.messages->messages.back().texte,
            "\t\t\t\t   \n   Nombre de lignes dans le script : 8\n\n   Type des lignes du script :\n"
            "\t   -  2 lignes de code\n\t   -  2 lignes de commentaire\n\t   -  2 lignes vides\n");
  EXPECT_EQ(v.toPlainText(), texte);
  EXPECT_EQ(v.debutSelection(), 12);
  EXPECT_EQ(v.finSelection(), 15);

  v.setPlainText(QStringLiteral("ab"));
  b.declencher(32794);
  EXPECT_NE(b.messages->messages.back().texte.indexOf("-  1 ligne de code\n"), -1);
}
