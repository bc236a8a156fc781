// The formatting aids of the application: indentation on Enter,
// "Mettre en forme", the spacing correction and the statistics. The rules
// are in app/core; here their edits reach the window's text.
#include <algorithm>

#include <QTextCursor>
#include <QTextDocument>

#include "app.hpp"
#include "app/core/formatting.hpp"
#include "app/core/statistics.hpp"
#include "document.hpp"
#include "extended_syntax.hpp"
#include "latin1.hpp"
#include "main_frame.hpp"
#include "view.hpp"

namespace {

// The selection as (anchor, caret): the edits keep each end on its text, so
// a selection made backwards stays backwards.
quillomat::Selection selectionDe(const CQuillomatView& vue) {
  const QTextCursor c = vue.textCursor();
  return {c.anchor(), c.position()};
}

// Makes the edits inside the edit block already opened on `c`. They are only
// ever tabs and blanks, so the Latin-1 positions are the document's.
void modifier(QTextCursor& c, const std::vector<quillomat::Modification>& modifications) {
  for (const auto& m : modifications) {
    c.setPosition(m.position);
    if (m.supprimes > 0) c.setPosition(m.position + m.supprimes, QTextCursor::KeepAnchor);
    c.insertText(depuisLatin1(m.inseres));
  }
}

// One undo step for the whole aid, and the selection where the edits say.
// The undo step begins where the caret is: undoing it puts the caret back
// there, not at the start of the text.
void retoucher(CQuillomatView& vue, const quillomat::Retouches& r) {
  if (r.modifications.empty()) return;
  QTextCursor c = vue.textCursor();
  c.beginEditBlock();
  modifier(c, r.modifications);
  c.endEditBlock();
  vue.setSelection(r.selection.debut, r.selection.fin);
}

std::string texteLatin1(const CQuillomatView& vue) { return versLatin1(vue.GetDocument().contenu()); }

}  // namespace

void CQuillomatApp::corrigerEspacement(CQuillomatView& vue) {
  retoucher(vue, quillomat::CorrectSpacing(texteLatin1(vue), selectionDe(vue)));
}

void CQuillomatApp::indenterNouvelleLigne(CQuillomatView& vue, int position) {
  const quillomat::NouvelleLigne n = quillomat::IndentForNewLine(texteLatin1(vue), position, selectionDe(vue),
                                                                 CSyntaxeEtendue::active(profil()));
  if (n.retouches.modifications.empty() && n.tabulations == 0) return;
  // Joined to the line break just inserted: one undo takes back the whole Enter.
  QTextCursor c(vue.document());
  c.joinPreviousEditBlock();
  modifier(c, n.retouches.modifications);
  c.setPosition(std::clamp(n.retouches.selection.fin, 0, vue.document()->characterCount() - 1));
  c.insertText(QString(n.tabulations, u'\t'));
  c.endEditBlock();
  vue.setTextCursor(c);
}

void CQuillomatApp::OnFormat() {
  if (CQuillomatView* vue = vueActive())
    retoucher(*vue, quillomat::FormatScript(texteLatin1(*vue), selectionDe(*vue), CSyntaxeEtendue::active(profil())));
}

void CQuillomatApp::OnStatistics() {
  const CQuillomatView* vue = vueActive();
  if (!vue) return;
  const quillomat::StatistiquesScript stats = quillomat::statistiquesScript(texteLatin1(*vue));
  m_pMessages->simple(m_pMainFrame, QStringLiteral("Statistiques du script"),
                      depuisLatin1(quillomat::messageStatistiques(stats)));
}
