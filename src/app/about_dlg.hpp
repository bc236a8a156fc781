// CAboutDlg: the modal "À propos de Quillomat" box.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* proprietaire = nullptr);
};
