// CGoToLineDlg: the small modeless box of "Aller à la ligne". Its OK runs from
// the button, from Enter, or when the text window gets the focus back.
#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;
class CQuillomatView;

class CGoToLineDlg : public QDialog {
  Q_OBJECT

 public:
  CGoToLineDlg(CQuillomatView* cible, QWidget* proprietaire);

  QLineEdit* champ() const { return m_pChamp; }
  // Moves the caret of the target view when the number is a line of it, then
  // closes the box.
  void OnOK();

 public:
  void reject() override;  // Escape or the close box: closes without moving the caret

 Q_SIGNALS:
  void fermee();  // by its OK or without moving the caret

 private:
  void fermer();

  QPointer<CQuillomatView> m_pCible;
  QLineEdit* m_pChamp;
};
