#!/usr/bin/env bash
# Builds everything and runs every test: the plain build, the Windows
# programs under Wine (scripts/windows.sh), the VS Code extension
# (scripts/vscode.sh), the sanitizer build (scripts/sanitize.sh), then a fuzz
# run of each fuzz target (fuzz/run.sh, $QUILLOMAT_FUZZ_SECONDES seconds
# each, 60 by default). Any failure ends it with a non-zero status.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
# The editor's tests also run on a real X display (scripts/x-session.sh).
export QUILLOMAT_X11=1
journaux=$(mktemp -d)
trap 'rm -rf "$journaux"' EXIT

# Runs ctest through tee and gives the number of tests it ran.
compter() { sed -n 's/.* tests failed out of \([0-9][0-9]*\)$/\1/p' "$1" | tail -1; }

echo "== Construction et tests"
"$racine/scripts/build.sh" -DQUILLOMAT_BUILD_TESTS=ON
build=${QUILLOMAT_BUILD_DIR:-$racine/build}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" | tee "$journaux/tests"
echo "== Programmes Windows (MinGW-w64) et leurs tests sous Wine"
"$racine/scripts/windows.sh" | tee "$journaux/windows"
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

n1=$(compter "$journaux/tests")
n2=$(compter "$journaux/asan")
n3=$(compter "$journaux/windows")
n4=$(sed -n 's/^# pass \([0-9][0-9]*\)$/\1/p' "$journaux/vscode" | tail -1)
total=$((${n1:-0} + ${n2:-0} + ${n3:-0} + ${n4:-0} + ${#cibles[@]}))
echo "Total: $total passed, 0 failed"
