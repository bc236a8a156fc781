// The four status panes: caret line and column, idle text, progress bar.
#include <gtest/gtest.h>

#include <QProgressBar>

#include "bench.hpp"

TEST(BarreEtat, PositionDuCurseurSaufDansLeRapportPuisPret) {
  Banc b;
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
  b.vue().setPlainText("ligne un\nligne deux\nabcdefgh\nx\ny\nz\nqwerty\n");
  b.vue().setSelection(9 + 11 + 4, 9 + 11 + 9 + 2 + 2 + 2 + 1);  // line 3 column 5 to line 7 column 2
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1), "Ln 3-7");
  EXPECT_EQ(b.cadre().textePanneau(2), "Col 5-2");

  b.vue().setPlainText("ScriptName Essai\nshort a");
  b.declencher(32771);
  ASSERT_EQ(b.app->documentActif(), b.app->rapportOuvert);
  b.app->vueActive()->setSelection(3, 3);
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1), "");  // emptied by the progress, left so by the report
  b.fermerTout();
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
  EXPECT_EQ(b.cadre().textePanneau(2), "");
  b.cadre().SetPaneText(0, "autre");
  b.cadre().OnTimer();  // once only
  EXPECT_EQ(b.cadre().textePanneau(0), "autre");
}

TEST(BarreEtat, BarreDeProgressionUneSeuleALaFois) {
  Banc b;
  const int ligne = b.cadre().largeurPanneau(1);
  const int progression = b.cadre().largeurPanneau(3);
  EXPECT_GT(ligne, 3 * progression * 20);
  QProgressBar* barre = b.cadre().BeginProgress(41, "En cours");
  ASSERT_NE(barre, nullptr);
  EXPECT_EQ(barre->maximum(), 41);
  EXPECT_EQ(b.cadre().largeurPanneau(1), ligne / 10);
  EXPECT_EQ(b.cadre().largeurPanneau(3), progression * 450);
  EXPECT_EQ(b.cadre().BeginProgress(5, "Autre"), nullptr);
  EXPECT_EQ(b.cadre().textePanneau(0), "En cours");
  b.cadre().EndProgress();
  EXPECT_FALSE(b.cadre().progressionAffichee());
  EXPECT_EQ(b.cadre().largeurPanneau(1), ligne);
  EXPECT_EQ(b.cadre().largeurPanneau(3), progression);
  b.cadre().EndProgress();  // harmless when none is shown
}
