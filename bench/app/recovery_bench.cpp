// Measures of the recovery copies, not tests: run by hand on a Release build with
//   QUILLOMAT_BENCH_SCRIPT=stress-4998.txt quillomat_app_tests
//     --gtest_also_run_disabled_tests --gtest_filter='DISABLED_MesureRecuperation*'
// (quillomat-gen writes the script). Colouring is on, as in the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QTest>
#include <QTextBlock>

#include "app/recovery.hpp"
#include "app/recovery_store.hpp"
#include "app/ui/bench.hpp"

namespace {

using Horloge = std::chrono::steady_clock;

double ms(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void afficher(const char* quoi, std::vector<double> v) {
  std::sort(v.begin(), v.end());
  double somme = 0;
  for (double x : v) somme += x;
  std::printf("%s : moyenne %.3f ms, médiane %.3f ms, max %.3f ms (%zu fois)\n", quoi, somme / v.size(), v[v.size() / 2],
              v.back(), v.size());
}

}  // namespace

TEST(DISABLED_MesureRecuperation, FrappeEtCopie) {
  const QString script = qEnvironmentVariable("QUILLOMAT_BENCH_SCRIPT");
  if (script.isEmpty()) GTEST_SKIP() << "QUILLOMAT_BENCH_SCRIPT names the script to open";
  // The usual pause, then a copy after every key: the worst case.
  for (const auto delai : {std::chrono::milliseconds(3000), std::chrono::milliseconds(0)}) {
    QTemporaryDir donnees;
    Banc b(
        [](const QDir& d) {
          QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/fonctions.txt"),
                      d.filePath(QStringLiteral("fonctions.txt")));
        },
        donnees.filePath(QStringLiteral("recuperation")), delai);
    ASSERT_NE(b.app->OpenDocumentFile(script), nullptr);
    QCoreApplication::processEvents();
    CQuillomatView& v = b.vue();
    QTextCursor c(v.document()->findBlockByNumber(v.nombreLignes() / 2));
    c.movePosition(QTextCursor::EndOfBlock);
    v.setTextCursor(c);

    std::vector<double> frappes;
    const char* touches = "GetStage ; \"x\" ";
    for (int k = 0; k < 400; ++k) {
      const auto a = Horloge::now();
      QTest::keyClick(&v, touches[k % 15]);
      QCoreApplication::processEvents();  // the repaint, and the copy when it is due
      frappes.push_back(ms(Horloge::now() - a));
    }
    afficher(delai.count() ? "frappe, copie 3 s après la dernière" : "frappe, copie après chaque touche",
             frappes);

    // What a copy costs the interface thread (the text taken), and the whole
    // copy written and flushed to disk, which the writing thread does.
    MagasinRecuperation& magasin = b.app->findChild<CRecuperation*>()->magasin();
    std::vector<double> texte, ecriture;
    for (int k = 0; k < 20; ++k) {
      auto a = Horloge::now();
      const QString t = v.GetDocument().contenu();
      texte.push_back(ms(Horloge::now() - a));
      QTest::keyClick(&v, 'x');
      a = Horloge::now();
      magasin.ecrireMaintenant();
      ecriture.push_back(ms(Horloge::now() - a));
    }
    if (delai.count()) {
      afficher("texte du document pris pour la copie", texte);
      afficher("copie écrite sur le disque (fil d'écriture)", ecriture);
    }
  }
}
