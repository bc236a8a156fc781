// CRecuperationDlg: the box that offers, at start, the recovery copies of
// documents left unsaved by an editor that stopped. Each copy can be
// restored, opened beside its file to compare, or discarded; the copies not
// handled are offered again at the next start.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <QList>

#include "app/core/recovery_choice.hpp"

class QPushButton;
class QTreeWidget;

class CRecuperationDlg : public QDialog {
  Q_OBJECT

 public:
  struct Ligne {
    QString nom;
    QString chemin;  // empty: never saved
    QDateTime date;
    QString premiereLigne;
  };

  explicit CRecuperationDlg(const QList<Ligne>& lignes, QWidget* proprietaire = nullptr);

  QTreeWidget* liste() const { return m_pListe; }
  QPushButton* bouton(quillomat::ChoixCopie choix) const;
  // Applies the choice to the selected copies, which leave the list; the box
  // closes when none is left.
  void choisir(quillomat::ChoixCopie choix);

 Q_SIGNALS:
  // `ligne`: the copy's index in the rows given.
  void choisi(int ligne, quillomat::ChoixCopie choix);

 private:
  void majBoutons();

  QTreeWidget* m_pListe;
  QPushButton* m_pRestaurer;
  QPushButton* m_pACote;
  QPushButton* m_pSupprimer;
};
