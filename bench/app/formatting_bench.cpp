// Measures of Enter and "Mettre en forme", not tests: run by hand on a
// Release build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureMiseEnForme*'
// (quillomat-gen writes the script). Colouring is on, as in the editor.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/ui/bench.hpp"
#include "measures.hpp"

using namespace mesures;

TEST(DISABLED_MesureMiseEnForme, EntreeEtMettreEnForme) {
  const QString script = qEnvironmentVariable("QUILLOMAT_BENCH_SCRIPT");
  if (script.isEmpty()) GTEST_SKIP() << "QUILLOMAT_BENCH_SCRIPT names the script to open";
  Banc b(copierMots);
  ASSERT_TRUE(b.app->m_bFormatHelp);
  ASSERT_NE(b.app->m_pFunctionWords, nullptr);
  ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
  QCoreApplication::processEvents();
  CQuillomatView& v = b.vue();
  std::printf("lignes : %d\n", v.nombreLignes());

  // Enter at the end of a line near the end of the script: the marks run over
  // nearly every line above it.
  Mesures entree, entreeAffichee;
  for (int k = 0; k < 100; ++k) {
    placer(v, v.nombreLignes() - 9);
    const auto a = Horloge::now();
    QTest::keyClick(&v, Qt::Key_Return);
    const auto m = Horloge::now();
    QCoreApplication::processEvents();  // the repaint
    entree.ajouter(ms(m - a));
    entreeAffichee.ajouter(ms(Horloge::now() - a));
    v.document()->undo();
  }
  entree.afficher("Entrée");
  entreeAffichee.afficher("Entrée, affichage compris");

  // "Mettre en forme" on the script without its indentation (each line in a
  // block then gets its tabs), then on the script already in form.
  const QString sansRetrait =
      QString(v.toPlainText()).replace(QRegularExpression(QStringLiteral("(^|\\n)\\t+")), QStringLiteral("\\1"));
  v.setPlainText(sansRetrait);
  b.declencher(32796);
  const QString enForme = v.toPlainText();
  for (const QString& texte : {sansRetrait, enForme}) {
    Mesures forme;
    for (int k = 0; k < 10; ++k) {
      v.setPlainText(texte);
      QCoreApplication::processEvents();
      const auto a = Horloge::now();
      b.declencher(32796);
      QCoreApplication::processEvents();
      forme.ajouter(ms(Horloge::now() - a));
    }
    EXPECT_EQ(v.toPlainText(), enForme);
    forme.afficher(texte == enForme ? "Mettre en forme, script déjà en forme" : "Mettre en forme, script sans retrait");
  }
}
