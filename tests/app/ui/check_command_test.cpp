// "Débuguer" end to end in a temporary working directory, and the way back
// from a finding of its report to the script.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextBlock>

#include "app/report_jump.hpp"
#include "bench.hpp"
#include "espace.hpp"

namespace {

const QString kRapport = QStringLiteral("Correction de ScriptVaelmoor.txt");
// Line 4 has an unclosed quote; line 6 an extra endif.
const QString kScript =
    QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tMessage \"Bonjour\n\tset a to 1\n\tendif\nEnd");

// Double-clicks the first line of the report's view that starts with `debut`.
bool doubleCliquer(CQuillomatView& rapport, const QString& debut) {
  for (QTextBlock bloc = rapport.document()->begin(); bloc.isValid(); bloc = bloc.next()) {
    if (!bloc.text().startsWith(debut)) continue;
    QTextCursor curseur(bloc);
    curseur.movePosition(QTextCursor::EndOfBlock);  // on the text, not in the margin
    curseur.movePosition(QTextCursor::Left);
    rapport.ensureCursorVisible();
    QTest::mouseDClick(rapport.viewport(), Qt::LeftButton, {}, rapport.cursorRect(curseur).center());
    return true;
  }
  return false;
}

}  // namespace

TEST(Debuguer, RapportOuvertRetourAuScriptEtRapportRemplaceSansQuestion) {
  Banc b;
  CChildFrame* script = b.app->enfantActif();
  CQuillomatView& vue = script->GetActiveView();
  vue.setPlainText(kScript);
  vue.moveCursor(QTextCursor::End);
  b.declencher(32771);
  // The work copy has CR LF line ends; the report opened in a new window, uncoloured afterwards.
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), kScript.toLatin1().replace("\n", "\r\n"));
  ASSERT_EQ(b.fenetres(), 2);
  CQuillomatDoc* premier = b.app->rapportOuvert;
  ASSERT_TRUE(premier);
  CChildFrame* rapport = b.app->enfantActif();
  EXPECT_EQ(&rapport->GetActiveDocument(), premier);
  EXPECT_FALSE(premier->contientCode);
  EXPECT_EQ(premier->contenu().toLatin1(), b.lire(kRapport).replace("\r\n", "\n"));
  EXPECT_EQ(b.app->openViews(), QList<QPointer<CQuillomatView>>{&vue});
  EXPECT_EQ(b.cadre().textePanneau(0), "Débuguage terminé.");
  EXPECT_FALSE(b.cadre().progressionAffichee());

  // A double click on a finding: the script in front, the caret at the start
  // of the line; on a line that is no finding, the report stays in front.
  ASSERT_TRUE(doubleCliquer(rapport->GetActiveView(), QStringLiteral("    - Ligne 6 ")));
  EXPECT_EQ(b.app->enfantActif(), script);
  EXPECT_EQ(std::tuple(vue.textCursor().blockNumber(), vue.textCursor().positionInBlock(), vue.textCursor().hasSelection()),
            std::tuple(5, 0, false));
  b.activer(rapport);
  ASSERT_TRUE(doubleCliquer(rapport->GetActiveView(), QStringLiteral(" Liste des erreurs")));
  EXPECT_EQ(b.app->enfantActif(), rapport);

  // The report itself cannot be checked.
  b.declencher(32771);
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].titre, "Erreur");
  EXPECT_EQ(b.messages->messages[0].texte,
            "\tImpossible de débuguer cette fenêtre.\nIl s'agit d'un rapport d'erreur qui ne contient pas de code.");
  EXPECT_EQ(b.messages->messages[0].proprietaire, nullptr);
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");

  // The report edited, then a new check: the old report goes unasked, the
  // new window shows the report just written.
  b.vue().insertPlainText(QStringLiteral("ancienne note\n"));
  b.activer(script);
  b.declencher(32771);
  EXPECT_TRUE(b.messages->questions.isEmpty());
  EXPECT_EQ(b.fenetres(), 2);
  ASSERT_TRUE(b.app->rapportOuvert);
  EXPECT_NE(b.app->rapportOuvert, premier);
  EXPECT_EQ(b.app->rapportOuvert->contenu().toLatin1(), b.lire(kRapport).replace("\r\n", "\n"));
  rapport = b.app->enfantActif();

  // The script's window closed: nothing happens.
  script->GetActiveDocument().texte()->setModified(false);
  script->close();
  ASSERT_EQ(b.fenetres(), 1);
  ASSERT_TRUE(doubleCliquer(rapport->GetActiveView(), QStringLiteral("    - Ligne 6 ")));
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_EQ(b.app->enfantActif(), rapport);
  EXPECT_EQ(b.messages->messages.size(), 1u);

  // The report closed by hand: nothing stale is closed on the next run.
  b.declencher(57600);
  rapport->close();
  EXPECT_FALSE(b.app->rapportOuvert);
  b.declencher(32771);
  EXPECT_EQ(b.fenetres(), 2);
}

TEST(SautRapport, LeScriptDevantLeCurseurAuDebutDeLaLigneSinonRien) {
  EspaceDeTest espace;
  CChildFrame& script = espace.ouvrir(QStringLiteral("Essai"), QStringLiteral("ScriptName Essai\nshort a\n\tset a to 1"));
  CChildFrame& rapport = espace.ouvrir(QStringLiteral("Rapport"));
  CQuillomatView& vue = script.GetActiveView();
  CQuillomatDoc autre(QStringLiteral("jamais ouvert"));
  const struct {
    CQuillomatDoc* document;
    int ligne;
    bool fait;
    int bloc;  // where the caret is then
  } kCas[] = {
      {&script.GetActiveDocument(), 3, true, 2},
      {&script.GetActiveDocument(), 9, true, 2},  // lines lost since the check: the last one
      {&script.GetActiveDocument(), 0, true, 0},
      {nullptr, 2, false, 2},
      {&autre, 2, false, 2},  // no longer in a window
  };
  for (const auto& c : kCas) {
    vue.moveCursor(QTextCursor::End);
    espace.cadre()->zoneDocuments()->setActiveSubWindow(&rapport);
    EXPECT_EQ(allerALigneDuScript(espace, c.document, c.ligne), c.fait) << c.ligne;
    EXPECT_EQ(espace.enfantActif(), c.fait ? &script : &rapport) << c.ligne;
    EXPECT_EQ(std::pair(vue.textCursor().blockNumber(), vue.textCursor().positionInBlock()),
              std::pair(c.bloc, c.fait ? 0 : vue.textCursor().block().length() - 1))
        << c.ligne;
  }
}

TEST(Debuguer, SansAffichageDuRapportPuisSansFenetre) {
  Banc b(reglages({0, 1, 0, 0, 0, 0, 0, 1}));
  b.declencher(32771);  // an empty document: an empty work copy
  EXPECT_EQ(b.lire("ScriptVaelmoor.txt"), QByteArray());
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_TRUE(QFile::exists(b.chemin(kRapport)));
  ASSERT_EQ(b.messages->messages.size(), 1u);
  EXPECT_EQ(b.messages->messages[0].texte,
            "Un rapport d'erreur a ete créé dans le fichier \"Correction de ScriptVaelmoor.txt\"");
  EXPECT_EQ(b.messages->messages[0].proprietaire, &b.cadre());

  b.fermerTout();
  b.app->lancerVerification();
  EXPECT_EQ(b.cadre().textePanneau(0), "Erreur - débuguage impossible.");
  EXPECT_EQ(b.messages->messages.size(), 1u);
}

TEST(Debuguer, EchecsDitsEtDocumentsGardes) {
  const struct {
    const char* occupe;  // a directory where a work file must go
    QString script;
    const char* message;
    const char* etat;
  } cas[] = {
      {"", QStringLiteral("ScriptName Essai\nMessage \"5 €\""), "ligne 2", "Erreur - débuguage impossible."},
      {"DbTempKVR4/occupe", kScript, "Impossible d'ouvrir le fichier DbTempKVR4 depuis EnchaineTests",
       "Débuguage terminé."},
      {"InfTempKVR4/occupe", kScript,
       "Impossible d'ouvrir le fichier \"InfTempKVR4\" depuis le fichier source \"MainTriInfo\".",
       "Erreur - débuguage impossible."},
  };
  for (const auto& c : cas) {
    Banc b([&](const QDir& d) {
      if (*c.occupe) d.mkpath(c.occupe);
    });
    b.vue().setPlainText(c.script);
    b.declencher(32771);
    ASSERT_EQ(b.messages->messages.size(), 1u) << c.message;
    EXPECT_TRUE(b.messages->messages[0].texte.contains(QString::fromUtf8(c.message))) << b.messages->messages[0].texte;
    EXPECT_EQ(b.cadre().textePanneau(0), QString::fromUtf8(c.etat));
    EXPECT_FALSE(b.cadre().progressionAffichee());
    EXPECT_EQ(b.fenetres(), 1);
    EXPECT_EQ(b.vue().toPlainText(), c.script);
  }
}
