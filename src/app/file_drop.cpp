#include "file_drop.hpp"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "main_frame.hpp"
#include "workspace.hpp"

QStringList fichiersDeposes(const QMimeData* donnees) {
  QStringList fichiers;
  if (!donnees || !donnees->hasUrls()) return fichiers;
  for (const QUrl& url : donnees->urls())
    if (url.isLocalFile()) fichiers.append(url.toLocalFile());
  return fichiers;
}

DepotFichiers::DepotFichiers(EspaceTravail& espace)
    : QObject(espace.cadre()), m_cadre(*espace.cadre()), m_espace(espace) {
  m_cadre.setAcceptDrops(true);
  qApp->installEventFilter(this);
}

bool DepotFichiers::eventFilter(QObject* objet, QEvent* e) {
  const QEvent::Type type = e->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  const auto* widget = qobject_cast<QWidget*>(objet);
  if (!widget || widget->window() != &m_cadre) return false;
  auto* depot = static_cast<QDropEvent*>(e);
  const QStringList fichiers = fichiersDeposes(depot->mimeData());
  if (fichiers.isEmpty()) return false;
  depot->acceptProposedAction();
  if (type == QEvent::Drop) {
    for (const QString& f : fichiers) m_espace.OpenDocumentFile(f);
    m_cadre.activateWindow();
  }
  return true;
}
