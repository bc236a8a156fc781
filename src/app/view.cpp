#include "view.hpp"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>

#include "document.hpp"
#include "view_colouring.hpp"

CQuillomatView::CQuillomatView(CQuillomatDoc& document, QWidget* parent)
    : QPlainTextEdit(parent), m_document(document) {
  setDocument(document.texte());
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setTabStopDistance(4 * fontMetrics().horizontalAdvance(u' '));
  // The colours of a script were chosen for a white page: under a dark theme
  // of the desktop the page stays white, its plain text black.
  QPalette page = palette();
  for (const QPalette::ColorGroup groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    page.setColor(groupe, QPalette::Base, Qt::white);
    page.setColor(groupe, QPalette::Text, groupe == QPalette::Disabled ? Qt::darkGray : Qt::black);
  }
  setPalette(page);
}

int CQuillomatView::debutSelection() const { return textCursor().selectionStart(); }
int CQuillomatView::finSelection() const { return textCursor().selectionEnd(); }

void CQuillomatView::setSelection(int debut, int fin) {
  QTextCursor curseur = textCursor();
  const int dernier = document()->characterCount() - 1;
  curseur.setPosition(std::clamp(debut, 0, dernier));
  curseur.setPosition(std::clamp(fin, 0, dernier), QTextCursor::KeepAnchor);
  setTextCursor(curseur);
}

int CQuillomatView::nombreLignes() const { return document()->blockCount(); }

void CQuillomatView::OnPasteColoured() { paste(); }

QAction* CQuillomatView::commandeDeLaTouche(const QKeyEvent& touche) const {
  // Keypad Enter is Enter. The main window holds every command of the table
  // as one of its actions, so that accelerators work whatever menu is shown.
  const QKeySequence sequence(QKeyCombination(touche.modifiers() & ~Qt::KeypadModifier, Qt::Key(touche.key())));
  QAction* trouvee = nullptr;
  for (QAction* a : window()->actions()) {
    if (!a->shortcuts().contains(sequence)) continue;
    if (a->isEnabled()) return a;
    trouvee = a;
  }
  return trouvee;
}

bool CQuillomatView::confirmerAllerALigne() {
  bool confirmee = false;
  Q_EMIT confirmationDemandee(&confirmee);
  return confirmee;
}

bool CQuillomatView::event(QEvent* e) {
  // The command table's accelerators (Ctrl+D, Ctrl+E, Ctrl+P...) win over the
  // text control's own keys.
  if (e->type() == QEvent::ShortcutOverride && commandeDeLaTouche(*static_cast<QKeyEvent*>(e))) {
    e->ignore();
    return true;
  }
  return QPlainTextEdit::event(e);
}

void CQuillomatView::keyPressEvent(QKeyEvent* e) {
  // Shift+Enter too: a line separator inside a line would make the window's
  // lines differ from the file's.
  const bool entree = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
                      (e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
  if (entree) {
    Q_EMIT nouvelleLigne();
    e->accept();
    return;
  }
  // An accelerator whose shortcut did not fire (its window not yet active)
  // still runs its command, and never the platform's editing key (Ctrl+D
  // deletes the next character on X11).
  if (QAction* commande = commandeDeLaTouche(*e)) {
    if (commande->isEnabled()) commande->trigger();
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
  if (!e->text().isEmpty()) Q_EMIT caractereTape();
}

void CQuillomatView::focusInEvent(QFocusEvent* e) {
  const bool parClic = e->reason() == Qt::MouseFocusReason || e->reason() == Qt::ActiveWindowFocusReason;
  if (confirmerAllerALigne() && parClic) m_clicConfirmant.start();
  QPlainTextEdit::focusInEvent(e);
}

void CQuillomatView::mousePressEvent(QMouseEvent* e) {
  // The click that confirms "Aller à la ligne" (box still open, or its focus
  // came just before) leaves the caret on the line reached.
  const bool confirmant = confirmerAllerALigne() ||
                          (m_clicConfirmant.isValid() && m_clicConfirmant.elapsed() < QApplication::doubleClickInterval());
  m_clicConfirmant.invalidate();
  if (confirmant) {
    e->accept();
    return;
  }
  QPlainTextEdit::mousePressEvent(e);
}

void CQuillomatView::insertFromMimeData(const QMimeData* source) {
  const int debut = debutSelection();
  {
    // The paste trigger colours the inserted lines once, after the insertion.
    const PauseColoration pause(*document());
    QPlainTextEdit::insertFromMimeData(source);
  }
  Q_EMIT texteColle(debut, finSelection());
}
