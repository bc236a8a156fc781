// What the tests of the check while typing read on screen (the panel's rows,
// the underlines, the lines with findings), and a wait for the findings of
// the active script's text.
#pragma once

#include <vector>

#include <QAbstractItemModel>
#include <QTest>
#include <QTextBlock>
#include <QTreeView>

#include "app/findings_panel.hpp"
#include "app/line_gutter.hpp"
#include "app/live_check.hpp"
#include "app/view_findings.hpp"
#include "bench.hpp"

namespace constats_test {

// An error on line 5, an alert on line 6, an alert on the whole script.
inline const QByteArray kScript =
    "scn Essai\r\nshort a\r\nshort _b\r\nbegin GameMode\r\n\tfoo bar ; commentaire\r\n\tset a to 1\t; note\r\n"
    "\tMessage \"x ; y\" ; fin\r\nend\r\n";
inline const QString kSyntaxe = QStringLiteral("impossible de détecter la syntaxe !");
inline const QString kTabulation =
    QStringLiteral("alerte, 1 tabulation a été detectée après le premier caractère (risques de plantage in-game).");
inline const QString kUnderscore =
    QStringLiteral("Le premier caractère de \"_b\" est un underscore, risques de bugs in-game.");

inline CVerificationContinue& controle(const Banc& b) { return *CVerificationContinue::de(b.cadre()); }
inline CConstatsVue* suivi(const Banc& b) { return CConstatsVue::de(b.vue()); }

// Lets the active script's text be checked and its findings reach the screen.
inline bool verifie(const Banc& b, int ms = 5000) {
  QCoreApplication::processEvents();  // windows opened or activated are taken in first
  return QTest::qWaitFor(
      [&] {
        CConstatsVue* s = suivi(b);
        if (s) controle(b).verifierMaintenant();
        return s && s->revisions().aJour();
      },
      ms);
}

struct Rangee {
  int ligne;  // 0 for the whole script
  QString nature, texte;
  bool operator==(const Rangee&) const = default;
};

inline QList<Rangee> rangees(const Banc& b) {
  const CPanneauConstats& p = controle(b).panneau();
  const QAbstractItemModel& m = *p.liste().model();
  QList<Rangee> out;
  for (int r = 0; r < m.rowCount(); ++r)
    out.append({p.ligneDe(r), m.index(r, 1).data().toString(), m.index(r, 2).data().toString()});
  return out;
}

struct Soulignement {
  int ligne, colonne, longueur;  // 1-based line, 0-based column
  bool erreur;                   // red; else orange
  bool operator==(const Soulignement&) const = default;
};

// The underlines the view draws (one whose text is gone draws nothing).
inline std::vector<Soulignement> soulignements(const CQuillomatView& v) {
  std::vector<Soulignement> out;
  for (const QTextEdit::ExtraSelection& s : v.extraSelections()) {
    if (!s.cursor.hasSelection() || s.format.underlineStyle() != QTextCharFormat::WaveUnderline) continue;
    const QTextBlock bloc = v.document()->findBlock(s.cursor.selectionStart());
    out.push_back({bloc.blockNumber() + 1, s.cursor.selectionStart() - bloc.position(),
                   s.cursor.selectionEnd() - s.cursor.selectionStart(),
                   s.format.underlineColor() == CGoutiere::couleur(true)});
  }
  return out;
}

// The lines with findings, as the gutter and the tooltips know them.
inline std::vector<int> lignesSignalees(const Banc& b) {
  std::vector<int> out;
  for (const auto& l : suivi(b)->constats().lignes()) out.push_back(l.ligne);
  return out;
}

// A point of the viewport on the code of `ligne` (1-based).
inline QPoint pointDeLigne(const CQuillomatView& v, int ligne) {
  QTextCursor c(v.document()->findBlockByNumber(ligne - 1));
  c.movePosition(QTextCursor::NextWord);
  return v.cursorRect(c).center() + QPoint(4, 0);
}

}  // namespace constats_test
