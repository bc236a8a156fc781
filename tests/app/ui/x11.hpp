// The editor on a real X display (scripts/x-session.sh): keys and clicks go
// through the X server as a user's do, so that the platform's key bindings,
// focus and window activation take part, which the offscreen platform skips.
#pragma once

#include <functional>

#include <QPoint>
#include <QString>

class QWidget;

namespace x11 {

// True when the tests run on the xcb platform with xdotool at hand.
bool disponible();

// Shows the window, raises it and waits until the window manager has made it
// the active one; false when it never became active.
bool activer(QWidget& fenetre);

// Minimises the window, so that the window manager leaves no window of the
// application active, as before it has activated a new one; false when one
// stays active.
bool desactiver(QWidget& fenetre);

// Sends key presses to the focused window, in xdotool's names
// ("ctrl+g", "Return", "KP_Enter", "shift+Return"), then lets the
// application handle them.
void touches(const QString& noms);
// The same, sent to the X window of `fenetre` whether or not it is the active
// one, as a window that is not yet activated receives them.
void touchesVers(QWidget& fenetre, const QString& noms);
// Types a text as keys.
void taper(const QString& texte);
// Clicks with the left button at `point` of `widget`.
void cliquer(QWidget& widget, QPoint point);
// Moves the mouse to `point` of `widget` and leaves it there.
void survoler(QWidget& widget, QPoint point);

// Lets events run until `condition` holds, at most `ms` milliseconds.
bool attendre(const std::function<bool()>& condition, int ms = 3000);

}  // namespace x11
