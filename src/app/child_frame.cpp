#include "child_frame.hpp"

#include <QCloseEvent>
#include <QMenu>
#include <QTextDocument>

#include "app.hpp"
#include "document.hpp"
#include "icons.hpp"
#include "main_frame.hpp"
#include "view.hpp"

CChildFrame::CChildFrame(CQuillomatApp& app, CQuillomatDoc* document) : m_app(app), m_pDocument(document) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(iconeProgramme());
  document->setParent(this);
  m_pView = new CQuillomatView(app, *document, this);
  setWidget(m_pView);
  // The frame's own window menu also closes on Ctrl+W: a key with two owners
  // would do nothing, and the command "Fermer" asks about changes the same way.
  if (QMenu* menu = systemMenu(); menu && app.m_pMainFrame) {
    for (QAction* a : menu->actions()) {
      QList<QKeySequence> touches = a->shortcuts();
      touches.removeIf([&](const QKeySequence& t) { return app.m_pMainFrame->commandeDeLaTouche(t) != nullptr; });
      a->setShortcuts(touches);
    }
  }
  connect(document, &CQuillomatDoc::nomChange, this, &CChildFrame::majTitre);
  connect(document->texte(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
  majTitre();
}

void CChildFrame::majTitre() { setWindowTitle(m_pDocument->nom() + QStringLiteral("[*]")); }

void CChildFrame::closeEvent(QCloseEvent* e) {
  if (!m_bFermetureAcceptee && !m_app.peutFermer(*this)) {
    e->ignore();
    return;
  }
  m_app.documentFerme(*this);
  QMdiSubWindow::closeEvent(e);
}
