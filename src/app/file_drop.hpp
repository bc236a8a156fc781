// Files dropped anywhere on the main window open, each in its own window (a
// file already open comes to the front). Drops of anything else go on as
// before: text dropped on a script is inserted.
#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;
class CMainFrame;
class EspaceTravail;

// The local files named by dropped data, in their order; empty for none.
QStringList fichiersDeposes(const QMimeData* donnees);

// Filters the drag events of every widget of the main window, so that a file
// dropped on a text window is opened rather than its name inserted.
class DepotFichiers : public QObject {
  Q_OBJECT

 public:
  // Owned by the workspace's main frame, which takes the drops.
  explicit DepotFichiers(EspaceTravail& espace);

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  CMainFrame& m_cadre;
  EspaceTravail& m_espace;
};
