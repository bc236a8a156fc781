#include "report_jump.hpp"

#include <QMdiArea>
#include <QMouseEvent>
#include <QTextBlock>

#include "app/core/finding_line.hpp"
#include "child_frame.hpp"
#include "document.hpp"
#include "latin1.hpp"
#include "main_frame.hpp"
#include "view.hpp"
#include "workspace.hpp"

bool allerALigneDuScript(EspaceTravail& espace, CQuillomatDoc* script, int ligne) {
  if (!script || !espace.cadre()) return false;
  for (CChildFrame* enfant : espace.enfants()) {
    if (&enfant->GetActiveDocument() != script) continue;
    espace.cadre()->zoneDocuments()->setActiveSubWindow(enfant);
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

SautRapport::SautRapport(EspaceTravail& espace, CQuillomatView& rapport, CQuillomatDoc& script)
    : QObject(&rapport), m_espace(espace), m_rapport(rapport), m_script(&script) {
  rapport.viewport()->installEventFilter(this);
}

bool SautRapport::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() != QEvent::MouseButtonDblClick || objet != m_rapport.viewport()) return false;
  const auto* souris = static_cast<QMouseEvent*>(e);
  if (souris->button() != Qt::LeftButton) return false;
  const QString texte = m_rapport.cursorForPosition(souris->position().toPoint()).block().text();
  const auto ligne = quillomat::ligneDuConstat(versLatin1(texte));
  if (!ligne) return false;  // the usual double-click: a word is selected
  allerALigneDuScript(m_espace, m_script, *ligne);
  return true;
}
