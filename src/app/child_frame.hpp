// CChildFrame: the window of one document inside the main window. It owns the
// document and its view. Closing it is asked for, then told, by signals.
#pragma once

#include <QMdiSubWindow>

class CQuillomatDoc;
class CQuillomatView;

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT

 public:
  explicit CChildFrame(CQuillomatDoc* document);

  CQuillomatDoc& GetActiveDocument() const { return *m_pDocument; }
  CQuillomatView& GetActiveView() const { return *m_pView; }

  // Set once the user has been asked about unsaved changes, so that closing
  // several windows asks each only once.
  void fermetureAcceptee() { m_bFermetureAcceptee = true; }

 Q_SIGNALS:
  // The user closes the window (unless fermetureAcceptee): a receiver that
  // ignores `e` keeps it open.
  void fermetureDemandee(QCloseEvent* e);
  // It closes: its document and view are still there.
  void fermee();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void majTitre();

  CQuillomatDoc* m_pDocument;
  CQuillomatView* m_pView;
  bool m_bFermetureAcceptee = false;
};
