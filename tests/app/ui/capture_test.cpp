// Not a check: the picture of the README, the main window as it opens the
// first time on a 1400x900 screen, with a script and its report. Run it on
// purpose, on the X display:
//   QUILLOMAT_CAPTURE=$PWD/docs/capture-editeur.png scripts/x-session.sh build/quillomat_app_tests \
//     --gtest_also_run_disabled_tests --gtest_filter='*Capture*'
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "bench.hpp"
#include "x11.hpp"

TEST(Capture, DISABLED_FenetrePrincipale) {
  const QString sortie = qEnvironmentVariable("QUILLOMAT_CAPTURE");
  ASSERT_FALSE(sortie.isEmpty());
  ASSERT_TRUE(x11::disponible()) << "à lancer par scripts/x-session.sh";
  // The real word list, built beside the test program, so that words are coloured too.
  Banc b([](const QDir& d) {
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
                d.filePath(QStringLiteral("fonctions.txt")));
  });
  ASSERT_TRUE(b.app->m_pFunctionWords);
  b.fermerTout();
  QFile::copy(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"), b.chemin("exemple.txt"));
  b.app->OpenDocumentFile(b.chemin("exemple.txt"));
  ASSERT_TRUE(x11::activer(b.cadre()));
  b.vue().setFocus();
  x11::touches(QStringLiteral("ctrl+d"));
  ASSERT_TRUE(x11::attendre([&] { return !b.app->rapportOuvert.isNull(); }));
  QTest::qWait(500);
  const QRect cadre = b.cadre().frameGeometry();
  const QPixmap image =
      QGuiApplication::primaryScreen()->grabWindow(0, cadre.x(), cadre.y(), cadre.width(), cadre.height());
  ASSERT_TRUE(image.save(sortie));
}
