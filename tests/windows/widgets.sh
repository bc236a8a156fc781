#!/usr/bin/env bash
# The widget tests built for Windows, under Wine on the offscreen platform,
# in Wine's prefix of the Windows tests, within a time limit of their own.
#   widgets.sh PROGRAMME [OPTIONS DE GOOGLETEST...]
set -uo pipefail
export LC_ALL=fr_FR.UTF-8 WINEDEBUG=-all QT_QPA_PLATFORM=offscreen
journal=$(mktemp)
trap 'rm -f "$journal"' EXIT
source "$(dirname "$0")/limite.sh"

programme=$1
shift
dans_le_temps 500 wine "$programme" --gtest_color=no --gtest_brief=1 "$@"
statut=$?
# GoogleTest always writes its summary: status 1 and nothing written is Wine
# failing to start the program (as in wine_cases.sh). One more try, said aloud.
if [[ $statut == 1 && ! -s "$journal" ]]; then
  echo "note : Wine a rendu le statut 1 sans rien écrire ; second essai."
  dans_le_temps 500 wine "$programme" --gtest_color=no --gtest_brief=1 "$@"
  statut=$?
fi
tr -d '\r' <"$journal"
[[ $statut == 124 ]] && exit 1
exit $statut
