// CGoutiere: the gutter at the left of a script view: the line numbers, the
// caret's in black, and a dot beside each line that has findings of the check
// while typing (red for an error, orange for alerts only), their messages in
// a tooltip, as over the line itself.
#pragma once

#include <QWidget>

class CQuillomatView;

namespace quillomat {
class ConstatsAffiches;
}

class CGoutiere : public QWidget {
  Q_OBJECT

 public:
  // Lies over the view's left margin, which it widens to its own width;
  // `constats` must outlive it.
  CGoutiere(CQuillomatView& vue, const quillomat::ConstatsAffiches& constats);

  // Shown: the view makes room for it; hidden: the text starts at the left edge.
  void setAffichee(bool affichee);
  // The width the line numbers of the view need.
  int largeurVoulue() const;

  static QColor couleur(bool erreur);  // of the dots and underlines

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  bool eventFilter(QObject* objet, QEvent* e) override;

 private:
  void placer();

  CQuillomatView& m_vue;
  const quillomat::ConstatsAffiches& m_constats;
  bool m_bAffichee = true;
  int m_ligneCurseur = -1;
  int m_largeur = -1;  // the view's margin
};
