// Not a check: renders the main window with two scripts and a report, for the
// README. Run it on purpose:
//   QUILLOMAT_CAPTURE=docs/capture-editeur.png quillomat_app_tests
//   --gtest_also_run_disabled_tests --gtest_filter='*Capture*'
#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QPixmap>
#include <QTest>

#include "bench.hpp"

TEST(Capture, DISABLED_FenetrePrincipale) {
  const QString sortie = qEnvironmentVariable("QUILLOMAT_CAPTURE");
  ASSERT_FALSE(sortie.isEmpty());
  // The real word list, built beside the test program, so that words are coloured too.
  Banc b([](const QDir& d) {
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
                d.filePath(QStringLiteral("fonctions.txt")));
  });
  b.fermerTout();
  QFile::copy(QStringLiteral(QUILLOMAT_DATA_DIR "/exemple.txt"), b.chemin("exemple.txt"));
  b.ecrire("porte.txt",
           "ScriptName PorteCachee\r\n\r\nshort ouverte\r\n\r\nBegin OnActivate\r\n"
           "\tif ouverte == 0\r\n\t\tset ouverte to 1\r\n\t\tMessage \"La porte grince.\"\r\n"
           "\t\tPlaySound DRSOpenCreak\r\n\telse\r\n\t\tActivate\r\n\tendif\r\nEnd\r\n");
  b.cadre().resize(1100, 720);
  CQuillomatDoc* exemple = b.app->OpenDocumentFile(b.chemin("exemple.txt"));
  b.app->OpenDocumentFile(b.chemin("porte.txt"));
  b.app->OnWindowTile();
  for (CChildFrame* f : b.app->enfants()) {
    if (&f->GetActiveDocument() == exemple) b.activer(f);
  }
  b.declencher(32771);
  b.app->OnWindowTile();
  for (CChildFrame* f : b.app->enfants()) {
    if (&f->GetActiveDocument() == exemple) b.activer(f);
  }
  b.vue().setSelection(0, 0);
  b.cadre().OnTimer();
  QTest::qWait(300);
  ASSERT_TRUE(b.cadre().grab().save(sortie));
}
