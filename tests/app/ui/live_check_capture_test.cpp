// Not a check: the screen of the check while typing for the README, the
// sample script's findings underlined, one of them under the mouse, the
// panel below. Run it on purpose on the X harness (1400x900):
//   QUILLOMAT_CAPTURE_VERIFICATION=docs/capture-verification.png scripts/x-session.sh
//   build/quillomat_app_tests --gtest_also_run_disabled_tests --gtest_filter='*CaptureVerification*'
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>

#include "live_check_support.hpp"
#include "x11.hpp"

using namespace constats_test;

TEST(CaptureVerification, DISABLED_PendantLaFrappe) {
  const QString sortie = qEnvironmentVariable("QUILLOMAT_CAPTURE_VERIFICATION");
  if (sortie.isEmpty() || !x11::disponible()) GTEST_SKIP() << "QUILLOMAT_CAPTURE_VERIFICATION, sous scripts/x-session.sh";
  // The real word list, built beside the test program, so that words are coloured too.
  Banc b([](const QDir& d) {
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
                d.filePath(QStringLiteral("fonctions.txt")));
  });
  b.fermerTout();
  QFile::copy(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"), b.chemin("exemple.txt"));
  b.cadre().showMaximized();
  ASSERT_TRUE(x11::activer(b.cadre()));
  ASSERT_NE(b.app->OpenDocumentFile(b.chemin("exemple.txt")), nullptr);
  b.app->enfantActif()->showMaximized();
  ASSERT_TRUE(verifie(b));

  // A fault typed on a new line after line 14, then a pause.
  CQuillomatView& v = b.vue();
  QTextCursor curseur(v.document()->findBlockByNumber(13));
  curseur.movePosition(QTextCursor::EndOfBlock);
  v.setTextCursor(curseur);
  v.setFocus();
  x11::touches(QStringLiteral("Return"));
  x11::taper(QStringLiteral("player.RemoveItem Gold001"));
  ASSERT_TRUE(x11::attendre([&] { return suivi(b)->constats().ligne(15) && suivi(b)->revisions().aJour(); }));
  b.cadre().OnTimer();

  x11::survoler(*v.viewport(), pointDeLigne(v, 27));
  ASSERT_TRUE(x11::attendre([] { return QToolTip::isVisible(); }, 5000));
  QTest::qWait(300);
  ASSERT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(sortie));
}
