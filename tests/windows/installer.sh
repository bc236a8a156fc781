#!/usr/bin/env bash
# The Windows installer under Wine, as a user without administrator rights
# runs it: a silent install, the editor started from where it was installed
# (its files found, its dialogs in French), then a silent uninstall that
# leaves neither file, shortcut nor registry key. Run on an X display of its
# own (scripts/x-session.sh), in Wine's prefix of the Windows tests.
#   installer.sh INSTALLATEUR
set -uo pipefail
installateur=$1
export LC_ALL=fr_FR.UTF-8 WINEDEBUG=-all
# The Windows program has its own platform; the tests' choice is for the Linux ones.
unset QT_QPA_PLATFORM
journal=$(mktemp)
trap 'rm -f "$journal"' EXIT
rates=0
echouer() { echo "ÉCHEC : $1"; rates=$((rates + 1)); }

source "$(dirname "$0")/limite.sh"

# appeler SECONDES COMMANDE...: its status; one that does not answer ends the test.
appeler() {
  dans_le_temps "$@"
  local statut=$?
  [[ $statut == 124 ]] && exit 1
  return $statut
}
# attendre SECONDES CONDITION...: true once the condition holds, false at the limit.
attendre() {
  local fin=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < fin)) || return 1
    sleep 0.5
  done
}

utilisateur=$(id -un)
users=$WINEPREFIX/drive_c/users/$utilisateur
dossier=$users/AppData/Local/Programs/Quillomat
menu="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillomat"
cle='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillomat'
rm -rf "$dossier" "$menu"

appeler 120 wine "$installateur" /S || echouer "l'installateur a fini avec le statut $? : $(head -c 800 "$journal")"
# The silent installer may hand over to a child process: its files come a little later.
attendre 60 test -f "$dossier/Désinstaller.exe" || echouer "rien d'installé dans $dossier"
for f in quillomat.exe quillomat-check.exe quillomat-lsp.exe fonctions.txt AideDebug.htm AideDebug.txt LISEZMOI.txt; do
  [[ -f "$dossier/$f" ]] || echouer "$f n'est pas installé"
done
for f in Quillomat.lnk "Aide du quillomat.lnk" "Désinstaller Quillomat.lnk"; do
  [[ -f "$menu/$f" ]] || echouer "pas de raccourci « $f » dans le menu Démarrer"
done
appeler 30 wine reg query "$cle" /v UninstallString || echouer "le programme n'est pas inscrit pour la désinstallation"

# Started from a scratch folder: the files it ships are found beside it.
vide=$(mktemp -d)
(cd "$vide" && appeler 60 wine "$dossier/quillomat.exe" --essai-demarrage)
statut=$?
tr -d '\r' <"$journal" >"$journal.n" && mv "$journal.n" "$journal"
[[ $statut == 0 ]] || echouer "l'éditeur installé a fini avec le statut $statut : $(head -c 800 "$journal")"
for f in fonctions.txt AideDebug.htm AideDebug.txt; do
  grep -q "^$f : [A-Za-z]:/.*/Programs/Quillomat/$f\$" "$journal" || echouer "$f non trouvé près de l'éditeur : $(cat "$journal")"
done
grep -q '^mots de coloration : chargés$' "$journal" || echouer "mots de coloration non chargés"
grep -q '^dialogues de Qt : en français$' "$journal" || echouer "dialogues de Qt pas en français"
rmdir "$vide"

appeler 60 wine "$dossier/Désinstaller.exe" /S || echouer "le désinstallateur a fini avec le statut $?"
# The uninstaller runs from a copy of itself and returns at once.
attendre 60 test ! -e "$dossier" || echouer "il reste $(find "$dossier" | head -5 | tr '\n' ' ')"
[[ ! -e "$menu" ]] || echouer "il reste le dossier du menu Démarrer"
appeler 30 wine reg query "$cle" && echouer "l'inscription pour la désinstallation reste"
appeler 30 wine reg query 'HKCU\Software\Quillomat' && echouer "la clé HKCU\\Software\\Quillomat reste"

[[ $rates == 0 ]] && echo "installation : tout est bon" || { echo "installation : $rates échec(s)"; exit 1; }
