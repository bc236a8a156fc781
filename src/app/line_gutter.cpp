#include "line_gutter.hpp"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QTextBlock>
#include <QToolTip>

#include "app/core/live_findings.hpp"
#include "latin1.hpp"
#include "view.hpp"

namespace {

constexpr int kPoint = 12;   // room for the dot, before the number
constexpr int kDroite = 6;   // room after the number

}  // namespace

CGoutiere::CGoutiere(CQuillomatView& vue, const quillomat::ConstatsAffiches& constats)
    : QWidget(&vue), m_vue(vue), m_constats(constats) {
  setObjectName(QStringLiteral("goutiere"));
  setFont(vue.font());
  setCursor(Qt::ArrowCursor);
  connect(&vue, &QPlainTextEdit::updateRequest, this, [this](const QRect& zone, int dy) {
    if (dy != 0) {
      scroll(0, dy);
    } else {
      update(0, zone.y(), width(), zone.height());
    }
  });
  connect(&vue, &QPlainTextEdit::blockCountChanged, this, &CGoutiere::placer);
  // The caret's number is drawn darker: repainted when the caret changes line.
  connect(&vue, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    const int ligne = m_vue.textCursor().blockNumber();
    if (ligne == m_ligneCurseur) return;
    m_ligneCurseur = ligne;
    update();
  });
  vue.installEventFilter(this);
  placer();
}

QColor CGoutiere::couleur(bool erreur) { return erreur ? QColor(215, 0, 0) : QColor(240, 130, 0); }

int CGoutiere::largeurVoulue() const {
  const int chiffres = static_cast<int>(QString::number(std::max(m_vue.nombreLignes(), 99)).size());
  return kPoint + chiffres * fontMetrics().horizontalAdvance(u'9') + kDroite;
}

void CGoutiere::setAffichee(bool affichee) {
  m_bAffichee = affichee;
  setVisible(affichee);
  placer();
}

void CGoutiere::placer() {
  const int largeur = m_bAffichee ? largeurVoulue() : 0;
  if (largeur != m_largeur) m_vue.setMargeGauche(largeur);  // the view lays itself out again
  m_largeur = largeur;
  const QRect zone = m_vue.contentsRect();
  setGeometry(zone.left(), zone.top(), largeur, zone.height());
}

bool CGoutiere::eventFilter(QObject* objet, QEvent* e) {
  if (objet == &m_vue && e->type() == QEvent::Resize) placer();
  return QWidget::eventFilter(objet, e);
}

bool CGoutiere::event(QEvent* e) {
  if (e->type() != QEvent::ToolTip) return QWidget::event(e);
  const auto* aide = static_cast<QHelpEvent*>(e);
  const int y = aide->pos().y();
  for (QTextBlock bloc = m_vue.premierBlocVisible(); bloc.isValid(); bloc = bloc.next()) {
    const QRect ligne = m_vue.placeDuBloc(bloc).toAlignedRect();
    if (ligne.top() > y) break;
    if (ligne.bottom() < y) continue;
    if (const quillomat::LigneSignalee* signalee = m_constats.ligne(bloc.blockNumber() + 1)) {
      // Shown while the mouse stays on the line's row.
      QToolTip::showText(aide->globalPos(), depuisLatin1(signalee->messages), this,
                         QRect(0, ligne.top(), width(), ligne.height()));
      return true;
    }
    break;
  }
  QToolTip::hideText();
  return true;
}

void CGoutiere::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.fillRect(e->rect(), QColor(242, 242, 242));
  const int ligneCurseur = m_ligneCurseur = m_vue.textCursor().blockNumber();
  const QColor gris(140, 140, 140);
  p.setRenderHint(QPainter::Antialiasing);
  // The gutter and the text's viewport share their top: one y for both.
  for (QTextBlock bloc = m_vue.premierBlocVisible(); bloc.isValid(); bloc = bloc.next()) {
    const QRect ligne = m_vue.placeDuBloc(bloc).toAlignedRect();
    if (ligne.top() > e->rect().bottom()) break;
    if (ligne.bottom() < e->rect().top()) continue;
    const int numero = bloc.blockNumber() + 1;
    if (const quillomat::LigneSignalee* signalee = m_constats.ligne(numero)) {
      const int diametre = std::min(8, ligne.height() - 2);
      p.setPen(Qt::NoPen);
      p.setBrush(couleur(signalee->erreur));
      p.drawEllipse(QRect((kPoint - diametre) / 2, ligne.center().y() - diametre / 2, diametre, diametre));
    }
    p.setPen(numero - 1 == ligneCurseur ? QColor(Qt::black) : gris);
    p.drawText(QRect(0, ligne.top(), width() - kDroite, ligne.height()), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(numero));
  }
}
