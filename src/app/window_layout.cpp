#include "window_layout.hpp"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTextBlock>

#include "app/core/window_layout.hpp"
#include "child_frame.hpp"
#include "main_frame.hpp"
#include "view.hpp"
#include "workspace.hpp"

namespace {

const QString kCleGeometrie = QStringLiteral("Disposition/FenetrePrincipale");
// Where a window was put, and as what: while it is still there, it follows
// the area.
const char* const kPlace = "quillomatPlace";
const char* const kRang = "quillomatRang";
const char* const kNombre = "quillomatNombre";

quillomat::Cadre cadreDe(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect rectDe(const quillomat::Cadre& c) { return {c.x, c.y, c.largeur, c.hauteur}; }

}  // namespace

DispositionFenetres::DispositionFenetres(EspaceTravail& espace)
    : QObject(espace.cadre()), m_cadre(*espace.cadre()), m_profil(espace.profil()) {
  if (!m_cadre.restoreGeometry(m_profil.value(kCleGeometrie).toByteArray())) {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    if (ecran) m_cadre.setGeometry(rectDe(quillomat::fenetrePrincipaleInitiale(cadreDe(ecran->availableGeometry()))));
  }
  connect(&m_cadre, &CMainFrame::fermee, this, &DispositionFenetres::memoriser);
  m_cadre.zoneDocuments()->viewport()->installEventFilter(this);
}

void DispositionFenetres::memoriser() {
  m_profil.setValue(kCleGeometrie, m_cadre.saveGeometry());
  m_profil.sync();
}

quillomat::Cadre DispositionFenetres::zone() const {
  return cadreDe(m_cadre.zoneDocuments()->viewport()->rect());
}

int DispositionFenetres::pas() const {
  return m_cadre.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4;
}

void DispositionFenetres::poser(QMdiSubWindow& fenetre, int rang, int n) {
  const std::vector<quillomat::Cadre> places = quillomat::cascade(zone(), n, pas());
  const QRect place = rectDe(places[static_cast<size_t>(rang)]);
  fenetre.setGeometry(place);
  fenetre.setProperty(kPlace, place);
  fenetre.setProperty(kRang, rang);
  fenetre.setProperty(kNombre, n);
}

void DispositionFenetres::placer(QMdiSubWindow& fenetre) {
  // One of four places of a cascade: most of the area, and the windows
  // opened before still show their titles.
  constexpr int kPlaces = 4;
  const int rang = static_cast<int>(m_cadre.zoneDocuments()->subWindowList().size()) - 1;
  poser(fenetre, std::max(rang, 0) % kPlaces, kPlaces);
}

void DispositionFenetres::cascader() {
  QList<QMdiSubWindow*> fenetres;
  // The active window last, on top.
  for (QMdiSubWindow* f : m_cadre.zoneDocuments()->subWindowList(QMdiArea::ActivationHistoryOrder)) {
    if (!f->isMinimized() && !f->isHidden()) fenetres.append(f);
  }
  const int n = static_cast<int>(fenetres.size());
  for (int k = 0; k < n; ++k) {
    if (fenetres[k]->isMaximized()) fenetres[k]->showNormal();
    poser(*fenetres[k], k, n);
    fenetres[k]->raise();
  }
}

void DispositionFenetres::placerRapport(QMdiSubWindow& script, QMdiSubWindow& rapport) {
  if (script.isMaximized() || rapport.isMaximized()) return;
  auto* enfant = qobject_cast<CChildFrame*>(&rapport);
  if (!enfant) return;
  const CQuillomatView& vue = enfant->GetActiveView();
  int texte = 0;
  for (QTextBlock b = vue.document()->begin(); b.isValid(); b = b.next()) {
    texte = std::max(texte, vue.fontMetrics().horizontalAdvance(b.text()));
  }
  // Around the text: its margins, the caret, the frame and a scroll bar.
  int bords = rapport.width() - vue.viewport()->width() + 2 * static_cast<int>(vue.document()->documentMargin()) + 2;
  if (!vue.verticalScrollBar()->isVisible()) bords += vue.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const quillomat::PlacesRapport places =
      quillomat::placesRapport(zone(), cadreDe(script.geometry()), texte + bords, restePlace(script));
  rapport.setGeometry(rectDe(places.rapport));
  script.setGeometry(rectDe(places.script));
}

bool DispositionFenetres::restePlace(const QMdiSubWindow& fenetre) {
  const QVariant place = fenetre.property(kPlace);
  return place.isValid() && fenetre.geometry() == place.toRect() && !fenetre.isMaximized() && !fenetre.isMinimized();
}

bool DispositionFenetres::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() == QEvent::Resize && objet == m_cadre.zoneDocuments()->viewport()) {
    for (QMdiSubWindow* f : m_cadre.zoneDocuments()->subWindowList()) {
      if (restePlace(*f)) poser(*f, f->property(kRang).toInt(), f->property(kNombre).toInt());
    }
  }
  return QObject::eventFilter(objet, e);
}
