// The real display itself: keys typed as a user types them reach the text.
#include <gtest/gtest.h>

#include "bench.hpp"
#include "x11.hpp"

TEST(SurX11, LesTouchesTapeesArriventDansLeTexte) {
  if (!x11::disponible()) GTEST_SKIP() << "pas d'affichage X (scripts/x-session.sh)";
  Banc b;
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.vue().setFocus();
  x11::taper(QStringLiteral("scn Essai"));
  EXPECT_TRUE(x11::attendre([&] { return b.vue().toPlainText() == QStringLiteral("scn Essai"); }))
      << b.vue().toPlainText().toStdString();
}
