#!/usr/bin/env bash
# Makes Wine's prefix ($WINEPREFIX) once; later runs find it ready.
set -euo pipefail
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i
fi
# Starts the server now, so the tests do not race to start it.
wine cmd /c exit 0
