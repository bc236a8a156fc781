#include "child_frame.hpp"

#include <QCloseEvent>
#include <QTextDocument>

#include "app.hpp"
#include "document.hpp"
#include "icons.hpp"
#include "view.hpp"

CChildFrame::CChildFrame(CQuillomatApp& app, CQuillomatDoc* document) : m_app(app), m_pDocument(document) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(iconeProgramme());
  document->setParent(this);
  m_pView = new CQuillomatView(app, *document, this);
  setWidget(m_pView);
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
