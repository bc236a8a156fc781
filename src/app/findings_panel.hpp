// CPanneauConstats: the "Constats" dock at the bottom of the main window: one
// row per finding of the active script's check while typing (line, nature,
// text), in the report's order. A click on a row asks for its line.
#pragma once

#include <QDockWidget>
#include <QPointer>

class QTreeView;
class CConstatsVue;
class ModeleListeConstats;

class CPanneauConstats : public QDockWidget {
  Q_OBJECT

 public:
  explicit CPanneauConstats(QWidget* parent);

  // Lists the findings `suivi` shows, and follows them; null: an empty list.
  void montrer(CConstatsVue* suivi);
  QTreeView& liste() const { return *m_pListe; }
  // The line of a row, 0 for a finding on the whole script.
  int ligneDe(int rang) const;

 Q_SIGNALS:
  void ligneChoisie(int ligne);
  void ferme();  // by its own close button

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  QTreeView* m_pListe;
  ModeleListeConstats* m_pModele;
  QPointer<CConstatsVue> m_pSuivi;
};
