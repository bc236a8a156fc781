// Double-click on a finding line of the report: back to the checked script.
#include <gtest/gtest.h>

#include <QTest>
#include <QTextBlock>

#include "app/report_jump.hpp"
#include "bench.hpp"

namespace {

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
    const QPoint point = rapport.cursorRect(curseur).center();
    QTest::mouseDClick(rapport.viewport(), Qt::LeftButton, {}, point);
    return true;
  }
  return false;
}

}  // namespace

TEST(SautRapport, DoubleClicSurUnConstatAmeneLeScriptAuDebutDeLaLigne) {
  Banc b;
  CChildFrame* script = b.app->enfantActif();
  b.vue().setPlainText(kScript);
  b.vue().moveCursor(QTextCursor::End);
  b.declencher(32771);
  ASSERT_TRUE(b.app->rapportOuvert);
  CChildFrame* rapport = b.app->enfantActif();
  ASSERT_NE(rapport, script);

  ASSERT_TRUE(doubleCliquer(rapport->GetActiveView(), QStringLiteral("    - Ligne 6 ")));
  EXPECT_EQ(b.app->enfantActif(), script);
  EXPECT_EQ(script->GetActiveView().textCursor().blockNumber(), 5);
  EXPECT_EQ(script->GetActiveView().textCursor().positionInBlock(), 0);
  EXPECT_FALSE(script->GetActiveView().textCursor().hasSelection());

  // A line that is no finding: the report stays in front, the script's caret stays.
  b.activer(rapport);
  ASSERT_TRUE(doubleCliquer(rapport->GetActiveView(), QStringLiteral(" Liste des erreurs")));
  EXPECT_EQ(b.app->enfantActif(), rapport);

  // The script lost lines since the check: its last line.
  script->GetActiveView().setPlainText(QStringLiteral("ScriptName Essai\nshort a"));
  EXPECT_TRUE(allerALigneDuScript(*b.app, &script->GetActiveDocument(), 6));
  EXPECT_EQ(script->GetActiveView().textCursor().blockNumber(), 1);
  EXPECT_EQ(script->GetActiveView().textCursor().positionInBlock(), 0);
}

TEST(SautRapport, FenetreDuScriptFermeeEntreTempsRienNeSePasse) {
  Banc b;
  CChildFrame* script = b.app->enfantActif();
  b.vue().setPlainText(kScript);
  b.declencher(32771);
  CChildFrame* rapport = b.app->enfantActif();
  ASSERT_NE(rapport, script);

  script->GetActiveDocument().texte()->setModified(false);
  script->close();
  ASSERT_EQ(b.fenetres(), 1);

  ASSERT_TRUE(doubleCliquer(rapport->GetActiveView(), QStringLiteral("    - Ligne 6 ")));
  EXPECT_EQ(b.fenetres(), 1);
  EXPECT_EQ(b.app->enfantActif(), rapport);
  EXPECT_TRUE(b.messages->messages.empty());
  EXPECT_FALSE(allerALigneDuScript(*b.app, nullptr, 1));
}
