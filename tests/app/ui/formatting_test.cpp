// The formatting aids and the statistics on real windows: Enter, "Mettre en
// forme" and the spacing correction each undone in one step, the selection
// kept on its text.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextDocument>

#include "bench.hpp"
#include "pipeline/records.hpp"

namespace {

void reglages(const QDir& d, int noFormatHelp, int autoSpacing) {
  quillomat::ecrireReglages(std::filesystem::path(d.path().toStdU16String()), {0, 1, 0, 0, 0, noFormatHelp, 0, autoSpacing});
}

}  // namespace

TEST(MiseEnFormeFenetre, EntreeIndenteSelonLAideEtSAnnuleEnUneFois) {
  for (const int sansAide : {0, 1}) {
    Banc b([&](const QDir& d) { reglages(d, sansAide, 0); });
    CQuillomatView& v = b.vue();
    v.setPlainText(QStringLiteral("begin GameMode\n\tif x\n\t\tendif"));
    v.moveCursor(QTextCursor::End);
    for (const char* ligne : {"if y", "else", ""}) {
      QTest::keyClick(&v, Qt::Key_Return);
      QTest::keyClicks(&v, QString::fromLatin1(ligne));
    }
    if (sansAide) {
      EXPECT_EQ(v.toPlainText(), "begin GameMode\n\tif x\n\t\tendif\nif y\nelse\n");
      continue;
    }
    // "endif" goes back to its if's level, "else" too.
    EXPECT_EQ(v.toPlainText(), "begin GameMode\n\tif x\n\tendif\n\tif y\n\telse\n\t\t");
    EXPECT_EQ(v.debutSelection(), v.toPlainText().size());
    v.document()->undo();  // the whole last Enter, re-indentation included
    EXPECT_EQ(v.toPlainText(), "begin GameMode\n\tif x\n\tendif\n\tif y\n\t\telse");
  }
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
  v.setPlainText(forme);  // already in form: nothing to undo
  b.declencher(32796);
  EXPECT_FALSE(v.document()->isUndoAvailable());
}

TEST(MiseEnFormeFenetre, EspacementCorrigeAvantLeDebuguageSeulementSiDemande) {
  const QString texte = QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to(1)+2  \nEnd\t");
  for (const int corriger : {1, 0}) {
    Banc b([&](const QDir& d) { reglages(d, 0, corriger); });
    CQuillomatView& v = b.vue();
    v.setPlainText(texte);
    v.setSelection(0, 10);
    b.declencher(32771);
    const QString attendu =
        corriger ? QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to ( 1 ) +2\nEnd") : texte;
    EXPECT_EQ(v.toPlainText(), attendu);
    EXPECT_EQ(b.lire(QStringLiteral("ScriptVaelmoor.txt")), attendu.toLatin1().replace("\n", "\r\n"));
    EXPECT_EQ(v.finSelection(), 10);
    v.document()->undo();
    EXPECT_EQ(v.toPlainText(), texte);
  }
}

TEST(MiseEnFormeFenetre, StatistiquesSansToucherAuTexte) {
  Banc b;
  CQuillomatView& v = b.vue();
  const QString texte = QStringLiteral("scn Essai\n\t; note\n\n; é\nx\n\nset a to 1 ; fin\n7 a");
  v.setPlainText(texte);
  v.setSelection(12, 15);
  b.declencher(32794);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  const Message& m = b.messages->messages.back();
  EXPECT_EQ(m.titre, "Statistiques du script");
  EXPECT_EQ(m.proprietaire, &b.cadre());
  EXPECT_EQ(m.texte, "\t\t\t\t   \n   Nombre de lignes dans le script : 8\n\n   Type des lignes du script :\n"
                     "\t   -  2 lignes de code\n\t   -  2 lignes de commentaire\n\t   -  2 lignes vides\n");
  EXPECT_EQ(v.toPlainText(), texte);
  EXPECT_EQ(std::pair(v.debutSelection(), v.finSelection()), std::pair(12, 15));
}

TEST(MiseEnFormeFenetre, AnnulerUneRetoucheGardeLeCurseurEtLaVue) {
  QString texte = QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n");
  for (int i = 0; i < 200; ++i) texte += QStringLiteral("set a to(%1)+2  \n").arg(i);
  texte += QStringLiteral("End");
  for (const auto& [nom, commande] : {std::pair{"Débuguer", 32771}, {"Mettre en forme", 32796}}) {
    Banc b;
    CQuillomatView& v = b.vue();
    v.setPlainText(texte);
    QTextCursor curseur(v.document()->findBlockByNumber(120));
    curseur.setPosition(curseur.position() + 5);
    v.setTextCursor(curseur);
    v.centerCursor();
    const int haut = v.premierBlocVisible().blockNumber();
    ASSERT_GT(haut, 50) << nom;
    b.declencher(commande);
    ASSERT_NE(v.toPlainText(), texte) << nom;
    b.activer(b.app->enfants().first());  // back from the report
    b.declencher(57643);
    EXPECT_EQ(v.toPlainText(), texte) << nom;
    EXPECT_EQ(std::pair(v.textCursor().blockNumber(), v.textCursor().positionInBlock()), std::pair(120, 5)) << nom;
    EXPECT_EQ(v.premierBlocVisible().blockNumber(), haut) << nom;
  }
}
