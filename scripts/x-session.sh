#!/usr/bin/env bash
# Runs a command on a real X display of its own: Xvfb (1400x900) with the
# openbox window manager, the xcb platform for Qt, keys and clicks sent with
# xdotool as a user's are. Installs what is missing. Used by the editor's
# tests: the offscreen platform hides key bindings, focus and activation.
#   scripts/x-session.sh COMMAND [ARGS...]
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
QUILLOMAT_X11=1 "$racine/scripts/install-deps.sh"

journal=$(mktemp -d)
xvfb_pid=
wm_pid=
# Stops a server started here; one that ignores SIGTERM for 5 s gets SIGKILL.
arreter() {
  [[ -n "$1" ]] || return 0
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 1 50); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null || true
}
fin() {
  arreter "$wm_pid"
  arreter "$xvfb_pid"
  rm -rf "$journal"
}
trap fin EXIT

# Xvfb writes its display number on the pipe once it accepts connections.
mkfifo "$journal/affichage"
Xvfb -displayfd 3 -screen 0 "${QUILLOMAT_X11_ECRAN:-1400x900x24}" -nolisten tcp 3>"$journal/affichage" \
  >"$journal/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 30 numero <"$journal/affichage" ||
  { cat "$journal/xvfb.log" >&2; echo "Erreur : Xvfb n'a pas donné son numéro d'affichage en 30 s." >&2; exit 1; }
export DISPLAY=":$numero"

# The window manager is ready when it has announced itself on the root
# window; each question to the X server has its own time limit.
annonce() { timeout -k 2 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>"$journal/xprop.log" | grep -q 'window id'; }
openbox --sm-disable >"$journal/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 1 100); do
  annonce && break
  sleep 0.1
done
annonce || {
  cat "$journal/openbox.log" "$journal/xprop.log" >&2
  echo "Erreur : openbox ne s'est pas annoncé en 10 s (xprop -root _NET_SUPPORTING_WM_CHECK, sur $DISPLAY)." >&2
  exit 1
}

export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME
"$@"
