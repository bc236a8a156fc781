#!/usr/bin/env bash
# Builds everything and runs every test: the plain build, the VS Code
# extension (scripts/vscode.sh), the sanitizer build (scripts/sanitize.sh), a
# fuzz run of each fuzz target (fuzz/run.sh, $QUILLOMAT_FUZZ_SECONDES seconds
# each, 60 by default), then the Windows programs, the editor among them,
# under Wine (scripts/windows.sh). Any failure ends it with a non-zero status.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
# The editor's tests also run on a real X display (scripts/x-session.sh).
export QUILLOMAT_X11=1
journaux=$(mktemp -d)
qt_pid=
fin() {
  [[ -z "$qt_pid" ]] || kill -- -"$qt_pid" 2>/dev/null || true
  rm -rf "$journaux"
}
trap fin EXIT

# Runs ctest through tee and gives the number of tests it ran.
compter() { sed -n 's/.* tests failed out of \([0-9][0-9]*\)$/\1/p' "$1" | tail -1; }

# Every package first, at once: the stages below then never wait for apt.
QUILLOMAT_WINDOWS=1 QUILLOMAT_FUZZ=1 QUILLOMAT_VSCODE=1 QUILLOMAT_VSCODE_REEL=1 "$racine/scripts/install-deps.sh"

# Qt for Windows is the longest build, and done once (scripts/qt-windows.sh
# keeps it in a cache). It starts now, at the lowest priority, on what the
# stages leave of the cores: the display tests, Neovim, VS Code and the
# fuzzer's fixed minutes mostly wait. The Windows stage, last, waits for it.
set -m
nice -n 19 "$racine/scripts/qt-windows.sh" >"$journaux/qt" 2>&1 &
qt_pid=$!
set +m

echo "== Construction et tests"
"$racine/scripts/build.sh" -DQUILLOMAT_BUILD_TESTS=ON
build=${QUILLOMAT_BUILD_DIR:-$racine/build}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" | tee "$journaux/tests"
echo "== Extension VS Code"
"$racine/scripts/vscode.sh" tests | tee "$journaux/vscode"
echo "== Construction et tests avec AddressSanitizer et UndefinedBehaviorSanitizer"
"$racine/scripts/sanitize.sh" | tee "$journaux/asan"

secondes=${QUILLOMAT_FUZZ_SECONDES:-60}
cibles=(check triinfo rtf lsp)
for cible in "${cibles[@]}"; do
  echo "== Fuzzing de $cible pendant $secondes s"
  if ! "$racine/fuzz/run.sh" "$cible" "$secondes" >"$journaux/fuzz" 2>&1; then
    tail -n 80 "$journaux/fuzz"
    echo "Échec : le fuzzing de $cible a trouvé une faute (voir ci-dessus)." >&2
    exit 1
  fi
  grep -E '^#[0-9]+ +DONE|^stat::number_of_executed_units|^stat::new_units_added' "$journaux/fuzz" || true
done

echo "== Qt pour Windows (construit en arrière-plan depuis le début)"
debut=$SECONDS
if ! wait "$qt_pid"; then
  qt_pid=
  tail -n 60 "$journaux/qt"
  echo "Échec : la construction de Qt pour Windows a échoué (voir ci-dessus)." >&2
  exit 1
fi
qt_pid=
echo "Qt pour Windows prêt : $(tail -n 1 "$journaux/qt") (attendu $((SECONDS - debut)) s de plus)"
echo "== Programmes Windows (MinGW-w64), l'éditeur compris, et leurs tests sous Wine"
"$racine/scripts/windows.sh" | tee "$journaux/windows"

n1=$(compter "$journaux/tests")
n2=$(compter "$journaux/asan")
n3=$(compter "$journaux/windows")
n4=$(sed -n 's/^# pass \([0-9][0-9]*\)$/\1/p' "$journaux/vscode" | tail -1)
total=$((${n1:-0} + ${n2:-0} + ${n3:-0} + ${n4:-0} + ${#cibles[@]}))
echo "Total: $total passed, 0 failed"
