# Sourced by the Wine test scripts: an outside call within its own time limit,
# far below CTest's, so that one that does not answer is named, never waited for.
#   dans_le_temps SECONDES COMMANDE...  runs it, its output in $journal (the
#   caller's file); its status, 124 when it did not answer (then said on
#   standard error with what it wrote).
dans_le_temps() {
  local secondes=$1
  shift
  timeout -k 5 "$secondes" "$@" >"$journal" 2>&1
  local statut=$?
  [[ $statut == 137 ]] && statut=124
  [[ $statut == 124 ]] && echo "Échec : « $* » n'a pas répondu en $secondes s. Il a écrit : $(head -c 1500 "$journal")" >&2
  return $statut
}
