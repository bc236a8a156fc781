// The four status panes: caret line and column, idle text, progress bar.
#include <gtest/gtest.h>

#include <QProgressBar>

#include "bench.hpp"

TEST(BarreEtat, LigneEtColonneDuCurseur) {
  Banc b;
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
  b.vue().setPlainText("ligne un\nligne deux\nabcdefgh\nx\ny\nz\nqwerty\n");
  b.vue().setSelection(0, 0);
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1), "Ln 1");
  EXPECT_EQ(b.cadre().textePanneau(2), "Col 1");
  // Line 3 column 5 to line 7 column 2.
  const int debut = 9 + 11 + 4;
  const int fin = 9 + 11 + 9 + 2 + 2 + 2 + 1;
  b.vue().setSelection(debut, fin);
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(1), "Ln 3-7");
  EXPECT_EQ(b.cadre().textePanneau(2), "Col 5-2");
}

TEST(BarreEtat, RapportActifPuisDerniereFenetreFermee) {
  Banc b;
  b.vue().setPlainText("ScriptName Essai\nshort a");
  b.vue().setSelection(17, 17);
  b.cadre().OnTimer();
  b.declencher(32771);
  ASSERT_EQ(b.app->documentActif(), b.app->rapportOuvert);
  b.app->vueActive()->setSelection(3, 3);
  b.cadre().OnTimer();
  // Progress emptied the panes; the report window leaves them as they are.
  EXPECT_EQ(b.cadre().textePanneau(1), "");
  b.fermerTout();
  b.cadre().OnTimer();
  EXPECT_EQ(b.cadre().textePanneau(0), "Prêt");
  EXPECT_EQ(b.cadre().textePanneau(1), "");
  EXPECT_EQ(b.cadre().textePanneau(2), "");
  b.cadre().SetPaneText(0, "autre");
  b.cadre().OnTimer();  // once only
  EXPECT_EQ(b.cadre().textePanneau(0), "autre");
}

TEST(BarreEtat, BarreDeProgression) {
  Banc b;
  const int ligne = b.cadre().largeurPanneau(1);
  const int progression = b.cadre().largeurPanneau(3);
  EXPECT_GT(ligne, 3 * progression * 20);
  b.vue().setPlainText("a\nb");
  b.cadre().OnTimer();
  QProgressBar* barre = b.cadre().BeginProgress(41, "En cours");
  ASSERT_NE(barre, nullptr);
  EXPECT_EQ(barre->maximum(), 41);
  EXPECT_EQ(b.cadre().textePanneau(0), "En cours");
  EXPECT_EQ(b.cadre().textePanneau(1), "");
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
