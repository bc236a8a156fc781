#include "icons.hpp"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

QIcon lettre(const QString& texte, const QColor& couleur) {
  QPixmap image(16, 15);
  image.fill(Qt::transparent);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  QFont police = peintre.font();
  police.setPixelSize(12);
  police.setBold(true);
  peintre.setFont(police);
  peintre.setPen(couleur);
  peintre.drawText(image.rect(), Qt::AlignCenter, texte);
  return QIcon(image);
}

}  // namespace

QIcon iconeCommande(int id, const QStyle& style) {
  switch (id) {
    case 57600: return style.standardIcon(QStyle::SP_FileIcon);
    case 57601: return style.standardIcon(QStyle::SP_DirOpenIcon);
    case 57603: return style.standardIcon(QStyle::SP_DialogSaveButton);
    case 32771: return lettre(QStringLiteral("D"), QColor(180, 0, 0));
    case 32782: return lettre(QStringLiteral("P"), QColor(0, 90, 160));
    case 32787: return lettre(QStringLiteral("L"), QColor(0, 120, 0));
    case 57644: return style.standardIcon(QStyle::SP_ArrowForward);
    case 57643: return style.standardIcon(QStyle::SP_ArrowBack);
    case 57635: return lettre(QStringLiteral("✂"), Qt::black);
    case 57634: return lettre(QStringLiteral("C"), Qt::black);
    case 32801: return lettre(QStringLiteral("V"), Qt::black);
    case 32785: return lettre(QStringLiteral("?"), QColor(0, 0, 160));
    case 57664: return style.standardIcon(QStyle::SP_MessageBoxInformation);
    default: return {};
  }
}

QIcon iconeProgramme() { return lettre(QStringLiteral("Q"), QColor(120, 40, 0)); }
