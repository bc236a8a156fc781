// Measures of the check while typing, not tests: run by hand on a Release
// build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureVerificationEnDirect*'
// (quillomat-gen writes the script). Colouring on, with the fonctions.txt
// built beside the test program, as in the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

#include "app/ui/live_check_support.hpp"

using namespace constats_test;

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Mesures {
  std::vector<double> valeurs;
  void afficher(const char* quoi) {
    std::sort(valeurs.begin(), valeurs.end());
    double somme = 0;
    for (double v : valeurs) somme += v;
    std::printf("%s : moyenne %.3f ms, médiane %.3f ms, max %.3f ms (%zu fois)\n", quoi, somme / valeurs.size(),
                valeurs[valeurs.size() / 2], valeurs.back(), valeurs.size());
  }
};

// The caret at the end of line `ligne` (1-based).
void placer(CQuillomatView& v, int ligne) {
  QTextCursor c(v.document()->findBlockByNumber(ligne - 1));
  c.movePosition(QTextCursor::EndOfBlock);
  v.setTextCursor(c);
}

// Keys typed at the end of a line in the middle, each followed by the event
// loop (the repaint); the pause timer never runs out between two keys.
Mesures frappes(CQuillomatView& v) {
  placer(v, v.nombreLignes() / 2);
  Mesures m;
  const char* touches = "GetStage ; \"x\" ";
  for (int k = 0; k < 200; ++k) {
    const auto a = Horloge::now();
    QTest::keyClick(&v, touches[k % 15]);
    QCoreApplication::processEvents();
    m.valeurs.push_back(ms(Horloge::now() - a));
  }
  return m;
}

Mesures entrees(CQuillomatView& v) {
  Mesures m;
  for (int k = 0; k < 100; ++k) {
    placer(v, v.nombreLignes() - 10);
    const auto a = Horloge::now();
    QTest::keyClick(&v, Qt::Key_Return);
    QCoreApplication::processEvents();
    m.valeurs.push_back(ms(Horloge::now() - a));
    v.document()->undo();
  }
  return m;
}

}  // namespace

TEST(DISABLED_MesureVerificationEnDirect, FrappeEntreeEtVerification) {
  const QString script = qEnvironmentVariable("QUILLOMAT_BENCH_SCRIPT");
  if (script.isEmpty()) GTEST_SKIP() << "QUILLOMAT_BENCH_SCRIPT names the script to open";
  Banc b([](const QDir& d) {
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
                d.filePath(QStringLiteral("fonctions.txt")));
  });
  ASSERT_NE(b.app->m_pFunctionWords, nullptr);
  ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();
  CConstatsVue& s = *suivi(b);
  std::printf("lignes : %d, constats : %zu\n", v.nombreLignes(), s.constats().constats().size());

  frappes(v).afficher("frappe, vérification pendant la frappe active");
  entrees(v).afficher("Entrée, vérification pendant la frappe active");

  // From the end of the pause to the findings on screen: the text copied, the
  // check on the worker thread, the findings given to the view, the panel and
  // the status bar, then the repaint.
  Mesures verification, affichage;
  for (int k = 0; k < 30; ++k) {
    placer(v, 100 + k);
    v.textCursor().insertText(QStringLiteral(" "));
    QSignalSpy affichees(&controle(b), &CVerificationContinue::constatsAffiches);
    const auto a = Horloge::now();
    controle(b).verifierMaintenant();
    ASSERT_TRUE(affichees.wait(5000));  // the interface thread sleeps meanwhile, as in the editor
    QCoreApplication::processEvents();
    verification.valeurs.push_back(ms(Horloge::now() - a));

    quillomat::ConstatsAffiches copie = s.constats();
    const auto c = Horloge::now();
    s.afficher(std::move(copie));
    QCoreApplication::processEvents();
    affichage.valeurs.push_back(ms(Horloge::now() - c));
  }
  verification.afficher("vérification + affichage de ses constats");
  affichage.afficher("affichage seul des constats");
  // The checker alone on the same text, for comparison.
  Mesures verificateur;
  const QByteArray texte = v.toPlainText().toLatin1();
  for (int k = 0; k < 30; ++k) {
    const auto a = Horloge::now();
    const auto constats = quillomat::verifierPendantLaFrappe(texte.toStdString(), {});
    verificateur.valeurs.push_back(ms(Horloge::now() - a));
  }
  verificateur.afficher("le vérificateur seul (verifierPendantLaFrappe, fil principal)");

  b.declencher(CVerificationContinue::kCommandeVerifier);
  ASSERT_FALSE(controle(b).active());
  frappes(v).afficher("frappe, vérification pendant la frappe désactivée");
  entrees(v).afficher("Entrée, vérification pendant la frappe désactivée");
}
