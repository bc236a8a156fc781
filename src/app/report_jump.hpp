// Double-click on a finding line of the report window ("    - Ligne N ..."):
// the window of the script that was checked comes to the front with the
// caret at the start of line N. Nothing happens once that window is closed.
#pragma once

#include <QObject>
#include <QPointer>

class EspaceTravail;
class CQuillomatDoc;
class CQuillomatView;

// Brings the window of `script` to the front with the caret at the start of
// line `ligne` (1-based; past the end: the last line). False, and nothing
// done, when `script` is null or no longer in a window.
bool allerALigneDuScript(EspaceTravail& espace, CQuillomatDoc* script, int ligne);

// Watches the double-clicks of the report's view; lives as long as the view.
class SautRapport : public QObject {
  Q_OBJECT

 public:
  SautRapport(EspaceTravail& espace, CQuillomatView& rapport, CQuillomatDoc& script);

 protected:
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  EspaceTravail& m_espace;
  CQuillomatView& m_rapport;
  QPointer<CQuillomatDoc> m_script;
};
