#include "icons.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>

namespace {

// Pictures that read on light and dark bars alike: a white sign on a tile of
// a strong colour of middle brightness (the tile stands out from a light bar,
// the sign from a dark one), or, for the new page, white inside a dark
// outline. The greyed picture Qt makes for a disabled command keeps both
// apart. The folder and the disk of the style are drawn that way already.
constexpr int kLargeur = 16;
constexpr int kHauteur = 15;

QPixmap tuile(const QColor& couleur) {
  QPixmap image(kLargeur, kHauteur);
  image.fill(Qt::transparent);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  peintre.setPen(Qt::NoPen);
  peintre.setBrush(couleur);
  peintre.drawRoundedRect(QRectF(0.5, 0, kLargeur - 1, kHauteur), 3, 3);
  return image;
}

QIcon lettre(const QString& texte, const QColor& couleur) {
  QPixmap image = tuile(couleur);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  QFont police = peintre.font();
  police.setPixelSize(11);
  police.setBold(true);
  peintre.setFont(police);
  peintre.setPen(Qt::white);
  peintre.drawText(image.rect(), Qt::AlignCenter, texte);
  return QIcon(image);
}

// An arrow to the right, or mirrored to the left.
QIcon fleche(bool versLaDroite, const QColor& couleur) {
  QPixmap image = tuile(couleur);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  if (!versLaDroite) {
    peintre.translate(kLargeur, 0);
    peintre.scale(-1, 1);
  }
  QPainterPath trait;
  trait.moveTo(3, 6);
  trait.lineTo(8, 6);
  trait.lineTo(8, 3);
  trait.lineTo(13, 7.5);
  trait.lineTo(8, 12);
  trait.lineTo(8, 9);
  trait.lineTo(3, 9);
  trait.closeSubpath();
  peintre.fillPath(trait, Qt::white);
  return QIcon(image);
}

// A blank page with its corner turned: white inside a dark outline.
QIcon page() {
  QPixmap image(kLargeur, kHauteur);
  image.fill(Qt::transparent);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  QPainterPath contour;
  contour.moveTo(2.5, 0.5);
  contour.lineTo(9.5, 0.5);
  contour.lineTo(13.5, 4.5);
  contour.lineTo(13.5, 14.5);
  contour.lineTo(2.5, 14.5);
  contour.closeSubpath();
  peintre.setPen(QPen(QColor(60, 60, 60), 1));
  peintre.setBrush(Qt::white);
  peintre.drawPath(contour);
  peintre.drawPolyline(QPolygonF({QPointF(9.5, 0.5), QPointF(9.5, 4.5), QPointF(13.5, 4.5)}));
  return QIcon(image);
}

const QColor kRouge(200, 40, 40);
const QColor kBleu(30, 100, 200);
const QColor kVert(30, 130, 60);
const QColor kArdoise(90, 100, 120);
const QColor kSarcelle(20, 120, 140);
const QColor kViolet(110, 70, 190);
const QColor kAzur(40, 130, 220);  // light enough to stand out from a dark bar around its thin sign

}  // namespace

QIcon iconeCommande(int id, const QStyle& style) {
  switch (id) {
    case 57600: return page();
    case 57601: return style.standardIcon(QStyle::SP_DirOpenIcon);
    case 57603: return style.standardIcon(QStyle::SP_DialogSaveButton);
    case 32771: return lettre(QStringLiteral("D"), kRouge);
    case 32782: return lettre(QStringLiteral("P"), kBleu);
    case 32787: return lettre(QStringLiteral("L"), kVert);
    case 57644: return fleche(true, kSarcelle);
    case 57643: return fleche(false, kSarcelle);
    case 57635: return lettre(QStringLiteral("✂"), kArdoise);
    case 57634: return lettre(QStringLiteral("C"), kArdoise);
    case 32801: return lettre(QStringLiteral("V"), kArdoise);
    case 32785: return lettre(QStringLiteral("?"), kViolet);
    case 57664: return lettre(QStringLiteral("i"), kAzur);
    default: return {};
  }
}

QIcon iconeProgramme() { return lettre(QStringLiteral("Q"), QColor(150, 60, 0)); }
