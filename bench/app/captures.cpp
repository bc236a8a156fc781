// Not checks: the pictures of the README, taken on purpose on the X display
// (1400x900). The main window as it opens the first time, with a script and
// its report:
//   QUILLOMAT_CAPTURE=$PWD/docs/capture-editeur.png scripts/x-session.sh build/quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='*Capture*'
// The check while typing: the sample's findings underlined, one under the mouse, the panel below:
//   QUILLOMAT_CAPTURE_VERIFICATION=docs/capture-verification.png scripts/x-session.sh
//     build/quillomat_app_tests --gtest_also_run_disabled_tests --gtest_filter='*CaptureVerification*'
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>

#include "app/ui/live_check_support.hpp"
#include "app/ui/x11.hpp"

using namespace constats_test;

namespace {

// With the real word list, built beside the test program, so that words are coloured too.
void motsEtExemple(const QDir& d) {
  QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
              d.filePath(QStringLiteral("fonctions.txt")));
  QFile::copy(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"), d.filePath(QStringLiteral("exemple.txt")));
}

}  // namespace

TEST(Capture, DISABLED_FenetrePrincipale) {
  const QString sortie = qEnvironmentVariable("QUILLOMAT_CAPTURE");
  ASSERT_FALSE(sortie.isEmpty());
  ASSERT_TRUE(x11::disponible()) << "à lancer par scripts/x-session.sh";
  Banc b(motsEtExemple);
  ASSERT_TRUE(b.app->m_pFunctionWords);
  b.fermerTout();
  b.app->OpenDocumentFile(b.chemin("exemple.txt"));
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.vue().setFocus();
  x11::touches(QStringLiteral("ctrl+d"));
  ASSERT_TRUE(x11::attendre([&] { return !b.app->rapportOuvert.isNull(); }));
  QTest::qWait(500);
  const QRect cadre = b.cadre().frameGeometry();
  ASSERT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0, cadre.x(), cadre.y(), cadre.width(), cadre.height()).save(sortie));
}

TEST(CaptureVerification, DISABLED_PendantLaFrappe) {
  const QString sortie = qEnvironmentVariable("QUILLOMAT_CAPTURE_VERIFICATION");
  if (sortie.isEmpty() || !x11::disponible()) GTEST_SKIP() << "QUILLOMAT_CAPTURE_VERIFICATION, sous scripts/x-session.sh";
  Banc b(motsEtExemple);
  b.fermerTout();
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
