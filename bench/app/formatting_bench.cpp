// Measures of Enter and "Mettre en forme", not tests: run by hand on a
// Release build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureMiseEnForme*'
// (quillomat-gen writes the script). Colouring is on, as in the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>

#include "app/ui/bench.hpp"

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void copierMots(const QDir& d) {
  QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
              d.filePath(QStringLiteral("fonctions.txt")));
}

struct Mesures {
  std::vector<double> valeurs;
  void ajouter(double v) { valeurs.push_back(v); }
  void afficher(const char* quoi) {
    std::sort(valeurs.begin(), valeurs.end());
    double somme = 0;
    for (double v : valeurs) somme += v;
    std::printf("%s : moyenne %.3f ms, médiane %.3f ms, max %.3f ms (%zu fois)\n", quoi, somme / valeurs.size(),
                valeurs[valeurs.size() / 2], valeurs.back(), valeurs.size());
  }
};

}  // namespace

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
    QTextCursor c(v.document()->findBlockByNumber(v.nombreLignes() - 10));
    c.movePosition(QTextCursor::EndOfBlock);
    v.setTextCursor(c);
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
