// CFindDlg: the modeless "Rechercher" / "Remplacer" box. It works on the
// active window each time it is used.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class EspaceTravail;

class CFindDlg : public QDialog {
  Q_OBJECT

 public:
  CFindDlg(EspaceTravail& espace, QWidget* proprietaire);

  void montrer(bool remplacer);
  // F3: the last search again; false when nothing was searched yet.
  bool suivant();
  void remplacer();
  int remplacerTout();

  QLineEdit* champRecherche() const { return m_pRecherche; }
  QLineEdit* champRemplacement() const { return m_pRemplacement; }

 private:
  bool trouver(bool signalerEchec);

  EspaceTravail& m_espace;
  QLineEdit* m_pRecherche;
  QLineEdit* m_pRemplacement;
  QCheckBox* m_pCasse;
  QPushButton* m_pRemplacer;
  QPushButton* m_pRemplacerTout;
};
