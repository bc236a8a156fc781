// What the editor's measures share: the shipped word list in the working
// directory, times in milliseconds, and keys typed as the user types them,
// each followed by the event loop (the repaint). Run by hand, see the README.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextBlock>

#include "app/view.hpp"

namespace mesures {

using Horloge = std::chrono::steady_clock;

inline double ms(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The fonctions.txt built beside the test program, so that words are coloured.
inline void copierMots(const QDir& d) {
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

// The caret at the end of line `ligne` (1-based).
inline void placer(CQuillomatView& v, int ligne) {
  QTextCursor c(v.document()->findBlockByNumber(ligne - 1));
  c.movePosition(QTextCursor::EndOfBlock);
  v.setTextCursor(c);
}

// `n` keys typed at the end of a line in the middle of the script.
inline Mesures frappes(CQuillomatView& v, int n) {
  placer(v, v.nombreLignes() / 2);
  Mesures m;
  const char* touches = "GetStage ; \"x\" ";
  for (int k = 0; k < n; ++k) {
    const auto a = Horloge::now();
    QTest::keyClick(&v, touches[k % 15]);
    QCoreApplication::processEvents();
    m.ajouter(ms(Horloge::now() - a));
  }
  return m;
}

}  // namespace mesures
