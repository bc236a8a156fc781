// CChildFrame: the window of one document inside the main window. It owns the
// document and its view.
#pragma once

#include <QMdiSubWindow>

class CQuillomatApp;
class CQuillomatDoc;
class CQuillomatView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  CChildFrame(CQuillomatApp& app, CQuillomatDoc* document);

  CQuillomatDoc& GetActiveDocument() const { return *m_pDocument; }
  CQuillomatView& GetActiveView() const { return *m_pView; }

  // Set once the user has been asked about unsaved changes, so that closing
  // several windows asks each only once.
  void fermetureAcceptee() { m_bFermetureAcceptee = true; }

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void majTitre();

  CQuillomatApp& m_app;
  CQuillomatDoc* m_pDocument;
  CQuillomatView* m_pView;
  bool m_bFermetureAcceptee = false;
};
