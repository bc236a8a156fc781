#include "report_jump.hpp"

#include <QMdiArea>
#include <QMouseEvent>
#include <QTextBlock>

#include "app.hpp"
#include "app/core/finding_line.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "latin1.hpp"
#include "main_frame.hpp"
#include "view.hpp"

bool allerALigneDuScript(CQuillomatApp& app, CQuillomatDoc* script, int ligne) {
  if (!script || !app.m_pMainFrame) return false;
  for (CChildFrame* enfant : app.enfants()) {
    if (&enfant->GetActiveDocument() != script) continue;
    app.m_pMainFrame->zoneDocuments()->setActiveSubWindow(enfant);
    CQuillomatView& vue = enfant->GetActiveView();
    // The script may have lost lines since the check.
    const int bloc = std::clamp(ligne - 1, 0, script->texte()->blockCount() - 1);
    vue.setTextCursor(QTextCursor(script->texte()->findBlockByNumber(bloc)));
    vue.ensureCursorVisible();
    vue.setFocus();
    return true;
  }
  return false;
}

SautRapport::SautRapport(CQuillomatApp& app, CQuillomatView& rapport, CQuillomatDoc& script)
    : QObject(&rapport), m_app(app), m_rapport(rapport), m_script(&script) {
  rapport.viewport()->installEventFilter(this);
}

bool SautRapport::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() != QEvent::MouseButtonDblClick || objet != m_rapport.viewport()) return false;
  const auto* souris = static_cast<QMouseEvent*>(e);
  if (souris->button() != Qt::LeftButton) return false;
  const QString texte = m_rapport.cursorForPosition(souris->position().toPoint()).block().text();
  const auto ligne = quillomat::ligneDuConstat(versLatin1(texte));
  if (!ligne) return false;  // the usual double-click: a word is selected
  allerALigneDuScript(m_app, m_script, *ligne);
  return true;
}
