// CMainFrame: the main window. Holds the document windows, the tool bar, the
// four-pane status bar (message, caret line, caret column, progress) and the
// actions of the command table. It knows the document windows, not the
// application: a command chosen and a close asked for are signals.
#pragma once

#include <array>
#include <map>

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QLabel;
class QMdiArea;
class QMenu;
class QProgressBar;
class QToolBar;
class CChildFrame;
class CQuillomatView;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame();
  ~CMainFrame() override;

  QMdiArea* zoneDocuments() const { return m_pZone; }
  // The document windows in the order they were opened; the active one and its view.
  QList<CChildFrame*> enfants() const;
  CChildFrame* enfantActif() const;
  CQuillomatView* vueActive() const;
  // Takes a new document window into the area, its view given the commands
  // that act only in a text window.
  void accueillir(CChildFrame& enfant);
  QAction* action(int id) const;
  QToolBar* barreOutils() const { return m_wndToolBar; }
  // The menus of the menu bar now shown, by title.
  QList<QMenu*> menusAffiches() const;

  // Status bar panes 0 (message), 1 (line), 2 (column), 3 (progress).
  QString textePanneau(int panneau) const;
  void SetPaneText(int panneau, const QString& texte);
  int largeurPanneau(int panneau) const;

  // The progress bar over pane 3: null when one is already shown.
  QProgressBar* BeginProgress(int pas, const QString& message);
  void EndProgress();
  bool progressionAffichee() const { return m_bProgressShown; }

  // The 200 ms caret display.
  void OnTimer();
  void UpdateCaretPosition(CQuillomatView& vue);

  // Menus and enabled states follow the active window.
  void mettreAJourCommandes();
  void mettreAJourRecents(const QStringList& fichiers);
  // The command of the table whose accelerator is `touche` (an enabled one
  // first), null for none.
  QAction* commandeDeLaTouche(const QKeySequence& touche) const;
  // The commands whose accelerator acts only in a text window that has the
  // focus; each view takes them.
  const QList<QAction*>& commandesDeLaVue() const { return m_commandesDeLaVue; }

 Q_SIGNALS:
  // A command of the table was chosen (menu, accelerator, tool bar).
  void commandeChoisie(int id);
  // The user closes the window: a receiver that ignores `e` keeps it open.
  void fermetureDemandee(QCloseEvent* e);
  void fermee();  // the user confirmed closing it

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void creerActions();
  QMenu* creerMenu(const char* titre, unsigned ensemble);
  void creerBarreOutils();
  void creerBarreEtat();
  void majTitre();

  QMdiArea* m_pZone;
  QToolBar* m_wndToolBar = nullptr;
  QStatusBar* m_wndStatusBar = nullptr;
  std::array<QLabel*, 4> m_panneaux{};
  QProgressBar* m_wndProgress = nullptr;
  bool m_bProgressShown = false;
  bool m_bPanesDirty = true;
  std::array<int, 4> m_largeurs{};  // pane widths while no progress is shown
  std::map<int, QAction*> m_actions;
  QList<QAction*> m_commandesDeLaVue;
  QList<QMenu*> m_menusSansDocument;
  QList<QMenu*> m_menusDocument;
  bool m_bMenusDocument = false;
  QTimer m_timer;

  // Last position shown in panes 1 and 2.
  int m_dernierDebut = -1;
  int m_dernierFin = -1;
  QPointer<CQuillomatView> m_derniereVue;
};
