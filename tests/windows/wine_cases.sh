#!/usr/bin/env bash
# The Windows programs under Wine, compared with the Linux ones on the same
# inputs. quillomat-check: standard output, standard error, exit status and
# what the run leaves in its directory, byte for byte. quillomat-lsp: the
# diagnostics of a whole session (tests/windows/lsp_session.py).
#   wine_cases.sh CAS
# Environment: QUILLOMAT_EXE and QUILLOMAT_LSP_EXE (the .exe), QUILLOMAT_LINUX
# (the Linux build: quillomat-check, quillomat-lsp, quillomat-gen),
# QUILLOMAT_SOURCES, and Wine's WINEPREFIX (whose server tests/windows/wine_prefix.sh
# keeps running for the whole run).
set -uo pipefail
cas=$1
exe=$QUILLOMAT_EXE
linux=$QUILLOMAT_LINUX/quillomat-check
sources=$QUILLOMAT_SOURCES
export LC_ALL=C.UTF-8 WINEDEBUG=-all
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
reussis=0
rates=0
# Time limit of one program under Wine, far below CTest's (300 s): a call
# that does not answer ends the case at once, named, with what it printed.
DELAI=${QUILLOMAT_DELAI_WINE:-60}

echouer() {
  echo "ÉCHEC ($1) : $2"
  rates=$((rates + 1))
}

muet() {
  echo "ÉCHEC : « $1 » n'a pas répondu en $DELAI s. Sortie : $(head -c 1500 "$2" 2>/dev/null)"
  echo "Erreur : $(head -c 1500 "$3" 2>/dev/null)"
  echo "$cas: $reussis passed, $((rates + 1)) failed"
  exit 1
}

# lancer DOSSIER SORTIE ERREUR COMMANDE...: the command in DOSSIER, its
# standard output and error into the two files, within $DELAI seconds; its
# status. Standard input is the caller's.
lancer() {
  local dossier=$1 sortie=$2 erreur=$3
  shift 3
  (cd "$dossier" && exec timeout -k 5 "$DELAI" "$@" >"$sortie" 2>"$erreur")
  local statut=$?
  [[ $statut == 124 || $statut == 137 ]] && muet "$*" "$sortie" "$erreur"
  return $statut
}

# Every file under a directory with a digest of its bytes.
contenu() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r sha256sum); }

# Separators of the paths found in folders: "\" on Windows, "/" on Linux
# (doubled inside JSON strings, where \" is a quote).
separateurs() { sed -e 's#\\\\#/#g' -e 's#\\\([^"]\)#/\1#g'; }

# comparer ÉTIQUETTE ARGUMENTS...: runs both programs with ARGUMENTS in two
# copies of $travail/entree, standard input from $ENTREE (default: nothing).
# With SEPARATEURS=1 the Windows output has its separators turned to "/".
comparer() {
  local etiquette=$1
  shift
  rm -rf "$travail/windows" "$travail/linux"
  cp -a "$travail/entree" "$travail/windows"
  cp -a "$travail/entree" "$travail/linux"
  local entree=${ENTREE:-/dev/null}
  lancer "$travail/windows" "$travail/w.out" "$travail/w.err" wine "$exe" "$@" <"$entree"
  local sw=$?
  # The program never ends with status 1 without a word (a fatal stop prints
  # its message): that is Wine failing to start it, seen once in CI on a
  # fresh machine and never again in dozens of runs. One more try, said aloud.
  if [[ $sw == 1 && ! -s "$travail/w.out" && ! -s "$travail/w.err" ]]; then
    echo "note ($etiquette) : Wine a rendu le statut 1 sans rien écrire ; second essai."
    rm -rf "$travail/windows"
    cp -a "$travail/entree" "$travail/windows"
    lancer "$travail/windows" "$travail/w.out" "$travail/w.err" wine "$exe" "$@" <"$entree"
    sw=$?
  fi
  lancer "$travail/linux" "$travail/l.out" "$travail/l.err" "$linux" "$@" <"$entree"
  local sl=$?
  if [[ ${SEPARATEURS:-0} == 1 ]]; then
    for f in w.out w.err; do separateurs <"$travail/$f" >"$travail/$f.n" && mv "$travail/$f.n" "$travail/$f"; done
  fi
  local avant=$rates
  [[ $sw == "$sl" ]] || echouer "$etiquette" "statut $sw sous Windows, $sl sous Linux"
  cmp -s "$travail/w.out" "$travail/l.out" ||
    echouer "$etiquette" "sortie standard différente : $(diff "$travail/w.out" "$travail/l.out" | head -5)"
  cmp -s "$travail/w.err" "$travail/l.err" ||
    echouer "$etiquette" "erreur standard différente : $(diff "$travail/w.err" "$travail/l.err" | head -5)"
  [[ $(contenu "$travail/windows") == "$(contenu "$travail/linux")" ]] ||
    echouer "$etiquette" "fichiers laissés différents : $(diff <(contenu "$travail/windows") <(contenu "$travail/linux") | head -5)"
  [[ $rates == "$avant" ]] && reussis=$((reussis + 1))
  return 0
}

mkdir -p "$travail/entree"
cd "$travail/entree"

case $cas in
  exemple)
    # The sample, as the editor checks it: report in the current directory.
    cp "$sources/data/exemple.txt" .
    comparer "exemple.txt, comme l'éditeur" exemple.txt
    cmp -s "$travail/windows/Correction de ScriptVaelmoor.txt" "$sources/tests/data/exemple.rapport" ||
      echouer exemple "le rapport sur le disque n'est pas tests/data/exemple.rapport"
    grep -q "^ Liste des erreurs :" "$travail/w.out" || echouer exemple "aucun rapport affiché"
    # After a longer script in the same directory, the work copy and the
    # report are cut to their new size.
    "$QUILLOMAT_LINUX/quillomat-gen" "$travail/generes"
    lancer "$travail/windows" /dev/null "$travail/w.err" wine "$exe" "$travail/generes/stress-4998.txt"
    lancer "$travail/windows" "$travail/w.out" "$travail/w.err" wine "$exe" exemple.txt
    cmp -s "$travail/windows/ScriptVaelmoor.txt" exemple.txt &&
      cmp -s "$travail/windows/Correction de ScriptVaelmoor.txt" "$sources/tests/data/exemple.rapport" &&
      cmp -s "$travail/w.out" "$travail/l.out" || echouer exemple "fichiers de travail non raccourcis"
    ;;
  scripts)
    # The generated test scripts (every construct, thousands of findings),
    # each alone as the editor checks it, then all of them in every format.
    "$QUILLOMAT_LINUX/quillomat-gen" scripts
    cp "$sources/data/exemple.txt" scripts/
    for s in scripts/*.txt; do comparer "$s" "$s"; done
    for format in rapport lignes json sarif; do
      comparer "-f $format" -f "$format" scripts/*.txt
      comparer "-f $format, réglages" -f "$format" -t quete --vlse --sans-alertes --sans-inventaires scripts/*.txt
    done
    # Preferences read from DebugKVR4.dat: no inventories, a quest script.
    printf '\1\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >DebugKVR4.dat
    comparer "DebugKVR4.dat" scripts/exemple.txt
    ;;
  dossier)
    # A folder: sub-folders, hidden entries, other files, CR LF and LF, a
    # file with a NUL byte, names with accents and spaces.
    mkdir -p "mod/Quêtes d'été/.cache" "mod/.caché" mod/objets
    cp "$sources/data/exemple.txt" "mod/Quêtes d'été/Taverne à Łódź.txt"
    printf 'scn Porte\r\nbegin OnActivate\r\n\tif GetLocked == 1\r\n\t\tMessage "Fermée"\r\n\tendif\r\nend\r\n' >mod/objets/porte.TXT
    printf 'scn Coffre\nbegin OnActivate\nend\n' >mod/objets/coffre.txt
    printf 'scn Binaire\n\0\n' >mod/objets/binaire.txt
    cp "$sources/data/exemple.txt" "mod/Quêtes d'été/.cache/ignoré.txt"
    cp "$sources/data/exemple.txt" mod/.caché/ignoré.txt
    cp "$sources/data/exemple.txt" mod/objets/notes.md
    cp "$sources/data/exemple.txt" mod/ScriptVaelmoor.txt
    for format in rapport lignes json sarif; do SEPARATEURS=1 comparer "dossier -f $format" -f "$format" mod; done
    SEPARATEURS=1 comparer "dossier et fichier" -f lignes mod/objets "mod/Quêtes d'été/Taverne à Łódź.txt"
    ;;
  accents)
    # Names the ANSI code page cannot spell ("Ł"), with spaces, typed as is.
    mkdir "Mes scripts"
    cp "$sources/data/exemple.txt" "Mes scripts/Quête de Łódź.txt"
    comparer "rapport, nom accentué" "Mes scripts/Quête de Łódź.txt"
    comparer "-f lignes, nom accentué" -f lignes "Mes scripts/Quête de Łódź.txt"
    grep -q "^Mes scripts/Quête de Łódź.txt:20: erreur: " "$travail/w.out" || echouer accents "nom mal écrit"
    comparer "-f json, nom accentué" -f json "Mes scripts/Quête de Łódź.txt"
    comparer "-f sarif, nom accentué" -f sarif "Mes scripts/Quête de Łódź.txt"
    # An absolute path: a file URI with the drive, as Windows and VS Code write it.
    lancer . "$travail/w.sarif" "$travail/w.err" wine "$exe" -f sarif "Z:$PWD/Mes scripts/Quête de Łódź.txt"
    grep -q '"uri":"file:///Z%3A/.*/Mes%20scripts/Qu%C3%AAte%20de%20%C5%81%C3%B3d%C5%BA.txt"' "$travail/w.sarif" ||
      echouer accents "URI SARIF d'un chemin absolu : $(grep -o -m1 '"uri":"[^"]*' "$travail/w.sarif")"
    comparer "-t quête" -t quête -f lignes "Mes scripts/Quête de Łódź.txt"
    comparer "fichier absent" "Mes scripts/Absent à Łódź.txt"
    ;;
  entree)
    # The standard input in binary mode: CR LF kept, a Ctrl+Z (0x1A) is no end.
    { tr '\n' '\r' <"$sources/data/exemple.txt" | sed 's/\r/\r\n/g'; printf 'set etape to 2 ; \x1a fin\r\n'; } >crlf.txt
    for format in rapport lignes json sarif; do ENTREE=$PWD/crlf.txt comparer "- -f $format" -f "$format" -; done
    ;;
  ligne_de_commande)
    cp "$sources/data/exemple.txt" .
    mkdir vide
    comparer "--help" --help
    comparer "--version" --version
    comparer "sans argument"
    comparer "option inconnue" --inconnue exemple.txt
    comparer "format inconnu" -f html exemple.txt
    comparer "options contraires" --vlse --sans-vlse exemple.txt
    comparer "/f est un nom" /f
    comparer "dossier sans script" vide
    ;;
  console)
    # In a console the text goes through the console's wide output: the
    # accents must show whatever its code page. A pseudo-terminal wide enough
    # that Wine's console wraps no line; its escapes and CR are taken out.
    cp "$sources/data/exemple.txt" .
    for ligne in "check --version" "check -f lignes exemple.txt" "lsp --help"; do
      read -r programme args <<<"$ligne"
      windows=$exe
      attendu=$linux
      [[ $programme == lsp ]] && windows=$QUILLOMAT_LSP_EXE attendu=$QUILLOMAT_LINUX/quillomat-lsp
      # Wine's console now and then shows nothing of a program that exits at
      # once (seen once in CI, under load): an empty capture is tried again,
      # a different one fails.
      # In the terminal, timeout stays in the foreground (a background group
      # would be stopped by the console's terminal settings); the outer one
      # ends "script" itself.
      for _ in 1 2 3; do
        timeout -k 5 $((DELAI + 10)) script -qec "stty cols 1000; timeout --foreground -k 5 $DELAI wine '$windows' $args" \
          /dev/null </dev/null >"$travail/brut"
        statut=$?
        sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$travail/brut" | tr -d '\r' >"$travail/console"
        [[ $statut == 124 || $statut == 137 ]] && muet "wine $windows $args (console)" "$travail/console" /dev/null
        [[ -s "$travail/console" ]] && break
      done
      # shellcheck disable=SC2086
      "$attendu" $args >"$travail/attendu"
      if cmp -s "$travail/console" "$travail/attendu"; then
        reussis=$((reussis + 1))
      else
        echouer "console $ligne" "$(diff "$travail/console" "$travail/attendu" | head -5)"
      fi
    done
    ;;
  verrou)
    # Two runs in one directory at once take turns: each shows its own report.
    "$QUILLOMAT_LINUX/quillomat-gen" scripts
    cp scripts/stress-4998.txt a.txt
    cp scripts/stress-2500.txt b.txt
    "$linux" a.txt >"$travail/a.attendu"
    "$linux" b.txt >"$travail/b.attendu"
    for essai in 1 2 3 4 5; do
      lancer . "$travail/a.out" "$travail/a.err" wine "$exe" a.txt &
      lancer . "$travail/b.out" "$travail/b.err" wine "$exe" b.txt
      wait
      if cmp -s "$travail/a.out" "$travail/a.attendu" && cmp -s "$travail/b.out" "$travail/b.attendu"; then
        reussis=$((reussis + 1))
      else
        echouer "verrou, essai $essai" "un rapport mélangé à l'autre"
      fi
    done
    ;;
  lsp)
    # A workspace and a script whose names the ANSI code page cannot spell,
    # known to the server by their URIs only.
    dossier="$PWD/Mes scripts à Łódź"
    mkdir "$dossier"
    cp "$sources/data/exemple.txt" "$dossier/Quête de Łódź.txt"
    session() {
      local session=$sources/tests/windows/lsp_session.py script="$dossier/Quête de Łódź.txt"
      # The session script limits each wait for the server itself.
      lancer . "$travail/w.lsp" "$travail/w.err" python3 "$session" "$dossier" "$script" --windows -- wine "$QUILLOMAT_LSP_EXE" &&
        lancer . "$travail/l.lsp" "$travail/l.err" python3 "$session" "$dossier" "$script" -- "$QUILLOMAT_LINUX/quillomat-lsp" ||
        { echouer "lsp $1" "session interrompue : $(cat "$travail/w.err" "$travail/l.err" | head -c 2000)"; return; }
      if ! cmp -s "$travail/w.lsp" "$travail/l.lsp"; then
        echouer "lsp $1" "diagnostics différents : $(diff "$travail/w.lsp" "$travail/l.lsp" | head -4)"
      elif [[ $(grep -c '"severity": 2' "$travail/w.lsp") != "$2" ]] || ! grep -q 'variables en entrée !' "$travail/w.lsp"; then
        echouer "lsp $1" "$2 alertes attendues, en français : $(head -3 "$travail/w.lsp")"
      else
        reussis=$((reussis + 1))
      fi
    }
    session "sans préférences" 3
    # DebugKVR4.dat of the workspace hides the alerts: the server found it.
    printf '\1\0\0\0\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' >"$dossier/DebugKVR4.dat"
    session "DebugKVR4.dat sans alertes" 0
    ;;
  *)
    echo "cas inconnu : $cas" >&2
    exit 2
    ;;
esac

echo "$cas: $reussis passed, $rates failed"
[[ $rates == 0 && $reussis -gt 0 ]]
