// The editor on a real X display (scripts/x-session.sh): keys and clicks go
// through the X server as a user's do, so that the platform's key bindings,
// focus and window activation take part, which the offscreen platform skips.
// Key names are xdotool's: "ctrl+g", "Return", "KP_Enter", "shift+Return".
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace x11 {

// Runs an outside program within `ms` milliseconds; its standard output. One
// that does not start, does not answer in time (it is then killed) or fails
// fails the test, naming the call and what it printed.
inline QString executer(const QString& programme, const QStringList& arguments, int ms = 5000) {
  QProcess p;
  p.start(programme, arguments);
  const QString appel = (QStringList{programme} + arguments).join(u' ');
  if (!p.waitForStarted(ms)) {
    ADD_FAILURE() << "« " << appel.toStdString() << " » n'a pas démarré : " << p.errorString().toStdString();
    return {};
  }
  const bool fini = p.waitForFinished(ms);
  if (!fini) {
    p.kill();
    p.waitForFinished(1000);
  }
  const QString sortie = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  const QString erreur = QString::fromUtf8(p.readAllStandardError()).trimmed();
  if (!fini || p.exitStatus() != QProcess::NormalExit)
    ADD_FAILURE() << "« " << appel.toStdString() << " » n'a pas répondu en " << ms << " ms. Sortie : "
                  << sortie.toStdString() << " ; erreur : " << erreur.toStdString();
  return sortie;
}

// Runs xdotool, then lets its events reach the application's queue; its
// output. A search that finds nothing ends with status 1: not a failure.
inline QString xdotool(const QStringList& arguments) {
  const QString sortie = executer(QStringLiteral("xdotool"), arguments);
  QTest::qWait(50);
  return sortie;
}

// True when the tests run on the xcb platform with xdotool at hand.
inline bool disponible() {
  return QGuiApplication::platformName() == QStringLiteral("xcb") &&
         !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

// Lets events run until `condition` holds, at most `ms` milliseconds.
inline bool attendre(const std::function<bool()>& condition, int ms = 3000) { return QTest::qWaitFor(condition, ms); }

// Shows the window, raises it and waits until the window manager has made it the active one.
inline bool activer(QWidget& fenetre) {
  fenetre.show();
  fenetre.raise();
  fenetre.activateWindow();
  return QTest::qWaitForWindowActive(&fenetre, 5000);
}

// Minimises the window: no window of the application is active, as before the
// window manager has activated a new one.
inline bool desactiver(QWidget& fenetre) {
  fenetre.showMinimized();
  return attendre([] { return QGuiApplication::focusWindow() == nullptr; });
}

// Key presses sent to the focused window, or to the X window of `fenetre`
// whether or not it is the active one.
inline void touches(const QString& noms) {
  xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--clearmodifiers")} + noms.split(u' ', Qt::SkipEmptyParts));
}
inline void touchesVers(QWidget& fenetre, const QString& noms) {
  xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--window"), QString::number(fenetre.window()->winId())} +
          noms.split(u' ', Qt::SkipEmptyParts));
}
inline void taper(const QString& texte) {
  xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), texte});
}

// The mouse moved to `point` of `widget`, then a left click there or not.
inline void survoler(QWidget& widget, QPoint point, bool clic = false) {
  const QPoint g = widget.mapToGlobal(point);
  QStringList arguments{QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(g.x()), QString::number(g.y())};
  if (clic) arguments << QStringLiteral("click") << QStringLiteral("1");
  xdotool(arguments);
}
inline void cliquer(QWidget& widget, QPoint point) { survoler(widget, point, true); }

}  // namespace x11
