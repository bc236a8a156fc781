// The sizes and places of the editor's windows: the main window where the
// user left it (most of the screen the first time), each document window
// filling most of the document area, the report beside its script, and a
// "Cascade" whose windows stay readable.
#pragma once

#include <QObject>

class QMdiSubWindow;
class QSettings;
class CMainFrame;
class EspaceTravail;

namespace quillomat {
struct Cadre;
}

class DispositionFenetres : public QObject {
  Q_OBJECT

 public:
  // Gives the workspace's main window, not yet shown, its remembered size,
  // place and maximised state, and keeps them in the profile settings when it
  // closes. Owned by the main window.
  explicit DispositionFenetres(EspaceTravail& espace);

  // A new document window, before it is shown: most of the area (the area
  // maximises it when the active window is).
  void placer(QMdiSubWindow& fenetre);
  // "Cascade".
  void cascader();
  // The report window of `script`, wide enough for its longest line, beside
  // the script (which makes room if it is still where it was put) or over it.
  void placerRapport(QMdiSubWindow& script, QMdiSubWindow& rapport);

 protected:
  // The area resized (the main window shown, maximised, resized): windows
  // still where they were put follow it.
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  void memoriser();
  // True while the window is still where it was put: it follows the area.
  static bool restePlace(const QMdiSubWindow& fenetre);
  quillomat::Cadre zone() const;
  int pas() const;
  // Puts `fenetre` at place `rang` of a cascade of `n`, and remembers it.
  void poser(QMdiSubWindow& fenetre, int rang, int n);

  CMainFrame& m_cadre;
  QSettings& m_profil;
};
