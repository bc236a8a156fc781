#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs one of them for a given time:
#
#   fuzz/run.sh check 600      # the check chain on any script and settings bytes
#   fuzz/run.sh triinfo 600    # triInfo / triInfoExterne on any record sequence
#   fuzz/run.sh rtf 600        # the editor's reader of rich-text files on any bytes
#   fuzz/run.sh lsp 600        # the language server on any bytes of its input
#
# An input that runs over 1 s counts as a hang. The working corpus grows in
# the build directory ($QUILLOMAT_BUILD_DIR_FUZZ, build-fuzz by default),
# seeded from fuzz/corpus/<cible>; what the fuzzer finds is written there as
# crash-*, timeout-* or leak-*. Exit status non-zero on any finding.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
cible=${1:-}
secondes=${2:-60}
case "$cible" in
  check | triinfo | rtf | lsp) ;;
  *)
    echo "Usage : fuzz/run.sh check|triinfo|rtf|lsp [secondes]" >&2
    exit 1
    ;;
esac
QUILLOMAT_FUZZ=1 "$racine/scripts/install-deps.sh"
build=${QUILLOMAT_BUILD_DIR_FUZZ:-$racine/build-fuzz}
CXX=clang++ cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOMAT_BUILD_TESTS=OFF \
  -DQUILLOMAT_BUILD_EDITOR=OFF -DQUILLOMAT_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "quillomat_fuzz_$cible" >/dev/null

corpus=$build/corpus/$cible
trouvailles=$build/trouvailles/$cible
mkdir -p "$corpus" "$trouvailles"
cp -n "$racine/fuzz/corpus/$cible"/* "$corpus"/
cd "$trouvailles"
# The sanitizers' stack frames are many times larger than plain ones (see scripts/sanitize.sh).
ulimit -S -s 65536
# max_len: room for a few thousand lines and a line past the 4999-character cut.
"$build/quillomat_fuzz_$cible" -max_total_time="$secondes" -timeout=1 -max_len=20000 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$trouvailles/" "$corpus"
