#include "x11.hpp"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace x11 {
namespace {

void xdotool(const QStringList& arguments) {
  QProcess::execute(QStringLiteral("xdotool"), arguments);
  QTest::qWait(50);  // the events reach the application's queue
}

}  // namespace

bool disponible() {
  return QGuiApplication::platformName() == QStringLiteral("xcb") &&
         !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

bool activer(QWidget& fenetre) {
  fenetre.show();
  fenetre.raise();
  fenetre.activateWindow();
  return QTest::qWaitForWindowActive(&fenetre, 5000);
}

bool desactiver(QWidget& fenetre) {
  fenetre.showMinimized();
  return attendre([] { return QGuiApplication::focusWindow() == nullptr; });
}

void touches(const QString& noms) {
  QStringList arguments{QStringLiteral("key"), QStringLiteral("--clearmodifiers")};
  arguments += noms.split(u' ', Qt::SkipEmptyParts);
  xdotool(arguments);
}

void touchesVers(QWidget& fenetre, const QString& noms) {
  QStringList arguments{QStringLiteral("key"), QStringLiteral("--window"),
                        QString::number(fenetre.window()->winId())};
  arguments += noms.split(u' ', Qt::SkipEmptyParts);
  xdotool(arguments);
}

void taper(const QString& texte) {
  xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), texte});
}

void cliquer(QWidget& widget, QPoint point) {
  const QPoint global = widget.mapToGlobal(point);
  xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
           QString::number(global.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void survoler(QWidget& widget, QPoint point) {
  const QPoint global = widget.mapToGlobal(point);
  xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(global.x()),
           QString::number(global.y())});
}

bool attendre(const std::function<bool()>& condition, int ms) { return QTest::qWaitFor(condition, ms); }

}  // namespace x11
