// Measures of the recovery copies, not tests: run by hand on a Release build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureRecuperation*'
// (quillomat-gen writes the script). Colouring is on, as in the editor.
#include <gtest/gtest.h>

#include "app/recovery.hpp"
#include "app/recovery_store.hpp"
#include "app/ui/bench.hpp"
#include "measures.hpp"

using namespace mesures;

TEST(DISABLED_MesureRecuperation, FrappeEtCopie) {
  const QString script = qEnvironmentVariable("QUILLOMAT_BENCH_SCRIPT");
  if (script.isEmpty()) GTEST_SKIP() << "QUILLOMAT_BENCH_SCRIPT names the script to open";
  // The usual pause, then a copy after every key: the worst case.
  for (const auto delai : {std::chrono::milliseconds(3000), std::chrono::milliseconds(0)}) {
    QTemporaryDir donnees;
    Banc b(copierMots, donnees.filePath(QStringLiteral("recuperation")), delai);
    ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
    QCoreApplication::processEvents();
    CQuillomatView& v = b.vue();
    // The repaint, and the copy when it is due.
    frappes(v, 400).afficher(delai.count() ? "frappe, copie 3 s après la dernière" : "frappe, copie après chaque touche");

    // What a copy costs the interface thread (the text taken), and the whole
    // copy written and flushed to disk, which the writing thread does.
    MagasinRecuperation& magasin = b.app->findChild<CRecuperation*>()->magasin();
    Mesures texte, ecriture;
    for (int k = 0; k < 20; ++k) {
      auto a = Horloge::now();
      const QString t = v.GetDocument().contenu();
      texte.ajouter(ms(Horloge::now() - a));
      QTest::keyClick(&v, 'x');
      a = Horloge::now();
      magasin.ecrireMaintenant();
      ecriture.ajouter(ms(Horloge::now() - a));
    }
    if (delai.count()) {
      texte.afficher("texte du document pris pour la copie");
      ecriture.afficher("copie écrite sur le disque (fil d'écriture)");
    }
  }
}
