// Measures of the colouring, not tests: run by hand on a Release build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureColoration*'
// (quillomat-gen writes the script). The word list is the fonctions.txt built
// beside the test program.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QTest>
#include <QTextBlock>

#include "app/ui/bench.hpp"

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void copierMots(const QDir& d, bool sansCouleurs) {
  QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
              d.filePath(QStringLiteral("fonctions.txt")));
  if (!sansCouleurs) return;
  QFile f(d.filePath(QStringLiteral("DebugKVR4.dat")));
  f.open(QIODevice::WriteOnly);
  const int32_t champs[8] = {1, 1, 0, 0, 0, 0, 1, 1};  // colouring off, for comparison
  f.write(reinterpret_cast<const char*>(champs), sizeof champs);
}

}  // namespace

TEST(DISABLED_MesureColoration, OuvertureEtFrappe) {
  const QString script = qEnvironmentVariable("QUILLOMAT_BENCH_SCRIPT");
  if (script.isEmpty()) GTEST_SKIP() << "QUILLOMAT_BENCH_SCRIPT names the script to open";
  for (int essai = 0; essai < 6; ++essai) {
    const bool sansCouleurs = essai == 5;
    Banc b([&](const QDir& d) { copierMots(d, sansCouleurs); });
    ASSERT_NE(b.app->m_pFunctionWords, nullptr);
    ASSERT_EQ(b.app->m_bColouring, !sansCouleurs);
    QCoreApplication::processEvents();

    const auto t0 = Horloge::now();
    ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
    const auto t1 = Horloge::now();
    QCoreApplication::processEvents();  // what is left for the event loop: layout and first paint
    const auto t2 = Horloge::now();

    CQuillomatView& v = b.vue();
    QTextCursor c(v.document()->findBlockByNumber(v.nombreLignes() / 2));
    c.movePosition(QTextCursor::EndOfBlock);
    v.setTextCursor(c);
    std::vector<double> frappes;
    const char* touches = "GetStage ; \"x\" ";
    for (int k = 0; k < 200; ++k) {
      const char t = touches[k % 15];
      const auto a = Horloge::now();
      QTest::keyClick(&v, t);
      QCoreApplication::processEvents();  // the repaint of the line
      frappes.push_back(ms(Horloge::now() - a));
    }
    std::sort(frappes.begin(), frappes.end());
    double somme = 0;
    for (double f : frappes) somme += f;
    std::printf("%s, lignes %d : ouverture + coloration %.1f ms, boucle d'événements ensuite %.1f ms ; "
                "frappe moyenne %.3f ms, médiane %.3f ms, max %.3f ms\n",
                sansCouleurs ? "sans coloration" : "avec coloration", v.nombreLignes(), ms(t1 - t0), ms(t2 - t1), somme / frappes.size(), frappes[frappes.size() / 2],
                frappes.back());
  }
}
