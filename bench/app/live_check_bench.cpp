// Measures of the check while typing, not tests: run by hand on a Release
// build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureVerificationEnDirect*'
// (quillomat-gen writes the script). Colouring on, with the fonctions.txt
// built beside the test program, as in the editor.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/ui/live_check_support.hpp"
#include "measures.hpp"

using namespace constats_test;
using namespace mesures;

namespace {

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
  Banc b(copierMots);
  ASSERT_NE(b.app->m_pFunctionWords, nullptr);
  ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
  ASSERT_TRUE(verifie(b));
  CQuillomatView& v = b.vue();
  CConstatsVue& s = *suivi(b);
  std::printf("lignes : %d, constats : %zu\n", v.nombreLignes(), s.constats().constats().size());

  frappes(v, 200).afficher("frappe, vérification pendant la frappe active");
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
  frappes(v, 200).afficher("frappe, vérification pendant la frappe désactivée");
  entrees(v).afficher("Entrée, vérification pendant la frappe désactivée");
}
