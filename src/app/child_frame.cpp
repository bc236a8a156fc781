#include "child_frame.hpp"

#include <QCloseEvent>
#include <QTextDocument>

#include "document.hpp"
#include "icons.hpp"
#include "view.hpp"

CChildFrame::CChildFrame(CQuillomatDoc* document) : m_pDocument(document) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowIcon(iconeProgramme());
  document->setParent(this);
  m_pView = new CQuillomatView(*document, this);
  setWidget(m_pView);
  connect(document, &CQuillomatDoc::nomChange, this, &CChildFrame::majTitre);
  connect(document->texte(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
  majTitre();
}

void CChildFrame::majTitre() { setWindowTitle(m_pDocument->nom() + QStringLiteral("[*]")); }

void CChildFrame::closeEvent(QCloseEvent* e) {
  e->accept();
  if (!m_bFermetureAcceptee) Q_EMIT fermetureDemandee(e);
  if (!e->isAccepted()) return;
  Q_EMIT fermee();
  QMdiSubWindow::closeEvent(e);
}
