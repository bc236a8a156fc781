#!/usr/bin/env bash
# Wine for the whole Windows test run, in Wine's prefix ($WINEPREFIX):
#   wine_prefix.sh debut   makes the prefix once (later runs find it ready) and
#                          starts one persistent Wine server for every test;
#   wine_prefix.sh fin     stops that server.
# A server that shuts down after each program races the next program's start
# (seen as a hang now and then); one server for the run has nothing to race.
# Every call has its own time limit, far below CTest's, and a call that does
# not answer fails with what it printed.
set -uo pipefail
journal=$(mktemp)
trap 'rm -f "$journal"' EXIT

source "$(dirname "$0")/limite.sh"

# appeler SECONDES COMMANDE...: the command within its time limit, or the run
# ends with the reason it failed.
appeler() {
  dans_le_temps "$@"
  local statut=$?
  [[ $statut == 0 ]] && return 0
  [[ $statut == 124 ]] ||
    echo "Échec : « ${*:2} » a fini avec le statut $statut. Il a écrit : $(head -c 4000 "$journal")" >&2
  exit 1
}

case ${1:-} in
  debut)
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
      mkdir -p "$WINEPREFIX"
      appeler 240 wineboot -i
    fi
    # A server left by an interrupted run would not be persistent: replaced.
    timeout -k 5 30 wineserver -k >/dev/null 2>&1
    timeout -k 5 30 wineserver -w >/dev/null 2>&1
    # -p: persistent until "fin". It detaches at once; its outputs go nowhere,
    # so that CTest does not wait for them to close.
    timeout -k 5 30 wineserver -p </dev/null >/dev/null 2>&1 ||
      { echo "Échec : « wineserver -p » n'a pas démarré en 30 s." >&2; exit 1; }
    appeler 120 wine cmd /c exit 0
    ;;
  fin)
    # No server (a failed "debut") is not a failure.
    timeout -k 5 30 wineserver -k >/dev/null 2>&1
    appeler 30 wineserver -w
    ;;
  *)
    echo "usage : $0 debut|fin" >&2
    exit 2
    ;;
esac
