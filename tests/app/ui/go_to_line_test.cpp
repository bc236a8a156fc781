// "Aller à la ligne": the box, its number, its automatic confirmation.
#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include "app/go_to_line_dlg.hpp"
#include "bench.hpp"

namespace {

void allerA(const Banc& b, const QString& saisie) {
  b.declencher(32787);
  ASSERT_TRUE(b.app->m_bGoToLineOpen);
  ASSERT_TRUE(b.app->m_pGoToLineDlg);
  b.app->m_pGoToLineDlg->champ()->setText(saisie);
  b.app->m_pGoToLineDlg->OnOK();
}

}  // namespace

TEST(AllerALaLigne, PlaceLeCurseurEnFinDeLigneOuNeBougePas) {
  Banc b;
  b.vue().setPlainText("premiere\ndeuxieme\ntroisieme");
  b.vue().setSelection(2, 2);
  allerA(b, "1");
  EXPECT_EQ(b.vue().debutSelection(), 8);
  EXPECT_EQ(b.vue().finSelection(), 8);
  EXPECT_FALSE(b.app->m_bGoToLineOpen);
  EXPECT_FALSE(b.app->m_pGoToLineDlg);
  allerA(b, "3");
  EXPECT_EQ(b.vue().debutSelection(), 27);  // the last line has no line break
  for (const char* hors : {"0", "4", ""}) {
    b.vue().setSelection(5, 5);
    allerA(b, hors);
    EXPECT_EQ(b.vue().debutSelection(), 5) << hors;
    EXPECT_FALSE(b.app->m_bGoToLineOpen);
  }
  // The box accepts digits only.
  b.declencher(32787);
  QLineEdit* champ = b.app->m_pGoToLineDlg->champ();
  QTest::keyClicks(champ, "-2a");
  EXPECT_EQ(champ->text(), "2");
  b.app->m_pGoToLineDlg->reject();  // Escape: closes, the caret stays
  EXPECT_EQ(b.vue().debutSelection(), 5);
  EXPECT_FALSE(b.app->m_bGoToLineOpen);
}

TEST(AllerALaLigne, ConfirmeQuandLeTexteReprendLeFocus) {
  Banc b;
  b.vue().setPlainText("a\nbb\nccc");
  b.declencher(32787);
  b.app->m_pGoToLineDlg->champ()->setText("2");
  QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
  QCoreApplication::sendEvent(&b.vue(), &focus);
  EXPECT_EQ(b.vue().debutSelection(), 4);
  EXPECT_FALSE(b.app->m_bGoToLineOpen);
  EXPECT_FALSE(b.app->m_pGoToLineDlg);

  b.fermerTout();
  b.declencher(32787);  // no window: nothing opens
  b.app->OnGoToLine();
  EXPECT_FALSE(b.app->m_bGoToLineOpen);
}
