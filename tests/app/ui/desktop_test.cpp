// The editor on a desktop: windows large enough to read a script and its
// report, remembered between runs; readable under a dark theme; Qt's dialogs
// in French.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QPainter>
#include <QToolBar>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "app/core/colouring.hpp"
#include "app/qt_translation.hpp"
#include "bench.hpp"

namespace {

// Contrast ratio of two colours, from 1 (same) to 21 (black on white).
double contraste(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The desktop's palette for the time of a test.
struct ThemeDuBureau {
  QPalette ancienne = QApplication::palette();
  explicit ThemeDuBureau(const QPalette& palette) { QApplication::setPalette(palette); }
  ~ThemeDuBureau() { QApplication::setPalette(ancienne); }
};

QPalette paletteSombre() {
  QPalette sombre;
  for (const auto& [role, couleur] : {std::pair{QPalette::Base, QColor(35, 35, 38)}, {QPalette::Text, QColor(225, 225, 225)},
                                       {QPalette::Window, QColor(50, 50, 52)}, {QPalette::WindowText, QColor(230, 230, 230)},
                                       {QPalette::Button, QColor(50, 50, 52)}, {QPalette::ButtonText, QColor(230, 230, 230)}})
    sombre.setColor(role, couleur);
  return sombre;
}

// The pixels of a tool-bar picture, drawn on the bar, that stand out from it by `seuil` at least.
int pixelsLisibles(const QIcon& icone, QIcon::Mode mode, const QColor& fond, double seuil) {
  QImage image(16, 15, QImage::Format_ARGB32);
  image.fill(fond);
  {
    QPainter peintre(&image);
    peintre.drawPixmap(0, 0, icone.pixmap(QSize(16, 15), mode));
  }
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += contraste(image.pixelColor(x, y), fond) >= seuil ? 1 : 0;
  }
  return n;
}

QRect zone(const Banc& b) { return b.cadre().zoneDocuments()->viewport()->rect(); }

// Two thirds of the document area at least, and inside it.
bool grandeDansLaZone(const Banc& b, const CChildFrame& fenetre) {
  const QRect f = fenetre.geometry(), z = zone(b);
  return f.width() * 3 >= z.width() * 2 && f.height() * 3 >= z.height() * 2 && z.contains(f);
}

int lignePlusLongue(const CQuillomatView& vue) {
  int largeur = 0;
  for (const QString& ligne : vue.toPlainText().split(u'\n'))
    largeur = std::max(largeur, vue.fontMetrics().horizontalAdvance(ligne));
  return largeur;
}

}  // namespace

TEST(Bureau, FenetresAssezGrandesPourLireEtRetenuesDUnLancementALAutre) {
  Banc b;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&b.cadre()));
  const QRect ecran = b.cadre().screen()->availableGeometry();
  EXPECT_GE(b.cadre().frameGeometry().width() * 10, ecran.width() * 9);
  EXPECT_GE(b.cadre().frameGeometry().height() * 10, ecran.height() * 8);
  QTest::qWait(50);  // the area has its size
  CChildFrame* script = b.app->enfantActif();
  EXPECT_TRUE(grandeDansLaZone(b, *script)) << script->geometry() << zone(b);

  // The report's lines read whole, the script beside it.
  b.vue().setPlainText(QStringLiteral("ScriptName Essai\nshort a\nBegin GameMode\n\tset a to 1\nEnd"));
  b.declencher(32771);
  CChildFrame* rapport = b.app->enfantActif();
  ASSERT_NE(rapport, script);
  EXPECT_GE(rapport->GetActiveView().viewport()->width(), lignePlusLongue(rapport->GetActiveView()));
  EXPECT_TRUE(zone(b).contains(rapport->geometry()));
  // The script beside it, when the zone has room for both; a wide fixed
  // font on a small screen (Wine's) leaves none: the report then keeps its
  // width at the right of the zone.
  if (zone(b).width() - rapport->width() >= zone(b).width() / 4)
    EXPECT_FALSE(rapport->geometry().intersects(script->geometry())) << rapport->geometry() << script->geometry();
  else
    EXPECT_EQ(rapport->geometry().right(), zone(b).right()) << rapport->geometry() << zone(b);

  // Cascade: every window stays large.
  b.declencher(57600);
  b.declencher(57650);
  for (const CChildFrame* f : b.app->enfants()) EXPECT_TRUE(grandeDansLaZone(b, *f)) << f->geometry() << zone(b);

  // Size and maximised state, as the user left them.
  for (CChildFrame* f : b.app->enfants()) f->GetActiveDocument().texte()->setModified(false);
  b.cadre().resize(ecran.width() / 2, ecran.height() / 2);
  b.redemarrer();
  EXPECT_EQ(b.cadre().size(), QSize(ecran.width() / 2, ecran.height() / 2));
  EXPECT_FALSE(b.cadre().isMaximized());
  b.cadre().showMaximized();
  b.redemarrer();
  EXPECT_TRUE(b.cadre().isMaximized());
}

TEST(Bureau, ScriptEtRapportLisiblesSousUnThemeSombre) {
  const ThemeDuBureau theme(paletteSombre());
  Banc b;
  b.vue().setPlainText(QStringLiteral("scn Essai\nshort a"));
  b.declencher(32771);
  ASSERT_TRUE(b.app->rapportOuvert);
  for (CChildFrame* f : b.app->enfants()) {
    const QPalette& p = f->GetActiveView().palette();
    const QColor fond = p.color(QPalette::Active, QPalette::Base);
    EXPECT_GE(contraste(p.color(QPalette::Active, QPalette::Text), fond), 7.0) << f->GetActiveDocument().nom();
    EXPECT_GE(contraste(p.color(QPalette::Inactive, QPalette::Text), p.color(QPalette::Inactive, QPalette::Base)), 7.0);
    using quillomat::FormatCouleur;
    for (FormatCouleur format : {FormatCouleur::Normal, FormatCouleur::Fonction, FormatCouleur::Systeme,
                                 FormatCouleur::Statistique, FormatCouleur::Chaine, FormatCouleur::Commentaire}) {
      const quillomat::StyleCouleur s = quillomat::styleDe(format);
      EXPECT_GE(contraste(QColor(s.r, s.g, s.b), fond), 3.0) << static_cast<int>(format);
    }
  }
}

TEST(Bureau, ImagesDeLaBarreDOutilsLisiblesSurUneBarreClaireOuSombre) {
  for (const auto& [nom, palette] : {std::pair{"claire", QApplication::palette()}, {"sombre", paletteSombre()}}) {
    const ThemeDuBureau theme(palette);
    Banc b;
    const QColor fond = b.cadre().barreOutils()->palette().color(QPalette::Window);
    for (QAction* a : b.cadre().barreOutils()->actions()) {
      if (a->isSeparator()) continue;
      // Shown as a command that can run, and greyed, as it is without a document.
      EXPECT_GE(pixelsLisibles(a->icon(), QIcon::Normal, fond, 3.0), 20) << nom << ' ' << a->toolTip();
      EXPECT_GE(pixelsLisibles(a->icon(), QIcon::Disabled, fond, 2.0), 20) << nom << ' ' << a->toolTip() << " (grisée)";
    }
  }
}

TEST(Bureau, DialoguesDeQtEnFrancais) {
  EXPECT_FALSE(installerTraductionQt(*QCoreApplication::instance()).isEmpty());
  QDialogButtonBox boutons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  EXPECT_EQ(boutons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Annuler"));
  // The file chooser's own words (a dialog would write the user's Qt settings).
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
}
