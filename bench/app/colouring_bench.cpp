// Measures of the colouring, not tests: run by hand on a Release build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureColoration*'
// (quillomat-gen writes the script). The word list is the fonctions.txt built
// beside the test program.
#include <gtest/gtest.h>

#include "app/ui/bench.hpp"
#include "measures.hpp"

using namespace mesures;

namespace {

void preparer(const QDir& d, bool sansCouleurs) {
  copierMots(d);
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
    Banc b([&](const QDir& d) { preparer(d, sansCouleurs); });
    ASSERT_NE(b.app->m_pFunctionWords, nullptr);
    ASSERT_EQ(b.app->m_bColouring, !sansCouleurs);
    QCoreApplication::processEvents();

    const auto t0 = Horloge::now();
    ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
    const auto t1 = Horloge::now();
    QCoreApplication::processEvents();  // what is left for the event loop: layout and first paint
    const auto t2 = Horloge::now();

    Mesures m = frappes(b.vue(), 200);
    std::printf("%s, lignes %d : ouverture + coloration %.1f ms, boucle d'événements ensuite %.1f ms\n",
                sansCouleurs ? "sans coloration" : "avec coloration", b.vue().nombreLignes(), ms(t1 - t0), ms(t2 - t1));
    m.afficher(sansCouleurs ? "frappe, sans coloration" : "frappe, avec coloration");
  }
}
