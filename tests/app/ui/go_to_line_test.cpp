// "Aller à la ligne" without a display: the caret at the end of the line
// typed, or where it was for anything else. (Enter and a click back into the
// text, which need real keys and windows: desktop_x11_test.cpp.)
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "app/go_to_line_dlg.hpp"
#include "bench.hpp"

TEST(AllerALaLigne, FinDeLaLigneTapeeSinonLeCurseurReste) {
  Banc b;
  b.vue().setPlainText("premiere\ndeuxieme\ntroisieme");
  const struct {
    const char* saisie;
    int position;
  } cas[] = {{"1", 8}, {"3", 27}, {"0", 5}, {"4", 5}, {"", 5}};
  for (const auto& c : cas) {
    b.vue().setSelection(5, 5);
    b.declencher(32787);
    ASSERT_TRUE(b.app->m_pGoToLineDlg);
    b.app->m_pGoToLineDlg->champ()->setText(c.saisie);
    b.app->m_pGoToLineDlg->OnOK();
    EXPECT_EQ(b.vue().debutSelection(), c.position) << c.saisie;
    EXPECT_EQ(b.vue().finSelection(), c.position) << c.saisie;
    EXPECT_FALSE(b.app->m_bGoToLineOpen);
  }
  // Digits only; Escape closes and the caret stays.
  b.declencher(32787);
  QLineEdit* champ = b.app->m_pGoToLineDlg->champ();
  QTest::keyClicks(champ, "-2a");
  EXPECT_EQ(champ->text(), "2");
  b.app->m_pGoToLineDlg->reject();
  EXPECT_EQ(b.vue().debutSelection(), 5);
  EXPECT_FALSE(b.app->m_pGoToLineDlg);
}
