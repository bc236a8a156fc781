#include "view.hpp"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>

#include "app.hpp"
#include "document.hpp"
#include "view_colouring.hpp"

CQuillomatView::CQuillomatView(CQuillomatApp& app, CQuillomatDoc& document, QWidget* parent)
    : QPlainTextEdit(parent), m_app(app), m_document(document) {
  setDocument(document.texte());
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setTabStopDistance(4 * fontMetrics().horizontalAdvance(u' '));
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

bool CQuillomatView::event(QEvent* e) {
  // The command table's accelerators (Ctrl+D, Ctrl+E, Ctrl+P...) win over the
  // text control's own keys.
  if (e->type() == QEvent::ShortcutOverride && m_app.estRaccourciCommande(*static_cast<QKeyEvent*>(e))) {
    e->ignore();
    return true;
  }
  return QPlainTextEdit::event(e);
}

void CQuillomatView::keyPressEvent(QKeyEvent* e) {
  const bool entree = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (entree && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !isReadOnly()) {
    m_app.OnNewLine();
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
  if (!e->text().isEmpty()) m_app.caractereTape(*this);
}

void CQuillomatView::focusInEvent(QFocusEvent* e) {
  m_app.confirmerAllerALigne();
  QPlainTextEdit::focusInEvent(e);
}

void CQuillomatView::insertFromMimeData(const QMimeData* source) {
  const int debut = debutSelection();
  {
    // The paste trigger colours the inserted lines once, after the insertion.
    const PauseColoration pause(*document());
    QPlainTextEdit::insertFromMimeData(source);
  }
  m_app.texteColle(*this, debut, finSelection());
}
