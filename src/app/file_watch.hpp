// Files changed on disk by another program while their window is open. The
// file of every script window and its folder are watched; a change is weighed
// a moment after the last event (an editor's save is several events), against
// the bytes the window last read or wrote, so that the editor's own saves and
// a mere touch go unnoticed. Then the user is asked, once per change and one
// question at a time, whether to reload; nothing is ever reloaded without Oui.
// A file deleted keeps its text in the window, marked changed, so that saving
// writes it back.
#pragma once

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class CMainFrame;
class EspaceTravail;
class CQuillomatDoc;

class SurveillanceFichiers : public QObject {
  Q_OBJECT

 public:
  // Owned by the workspace's main frame; follows its document windows.
  explicit SurveillanceFichiers(EspaceTravail& espace);

 private:
  void suivreDocuments();
  void regarder();
  void examiner();
  void examiner(CQuillomatDoc& document);
  bool demander(const QString& texte);
  void recharger(CQuillomatDoc& document);

  CMainFrame& m_cadre;
  EspaceTravail& m_espace;
  QFileSystemWatcher m_observateur;
  QTimer m_delai;
  QList<QPointer<CQuillomatDoc>> m_documents;
  bool m_bQuestionOuverte = false;
  bool m_bAReexaminer = false;  // an event came while a question was open
};
