#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them:
#  1. quillomat_process_bench: quillomat-check run as a whole process on the
#     generated scripts (median wall time, peak resident memory), the
#     in-process EnchaineTests time, the lines per second and the growth of
#     the time with the length of the script, as one table;
#  2. quillomat_bench (Google Benchmark): the checks in memory and on disk,
#     and the language server's work after a change;
#  3. quillomat_lsp_bench: quillomat-lsp as a process, the delay of its
#     diagnostics after a change and its memory over 10 000 changes.
# Usage: bench/run.sh [repetitions, 50 by default]
# The scripts themselves: build-bench/quillomat-gen DIR writes them to DIR.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
repetitions=${1:-50}
QUILLOMAT_BENCH=1 "$racine/scripts/install-deps.sh"
build=$racine/build-bench
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLOMAT_BUILD_TESTS=OFF -DQUILLOMAT_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quillomat-check quillomat-lsp quillomat_process_bench quillomat_bench \
  quillomat_lsp_bench quillomat-gen
"$build/quillomat_process_bench" --repetitions "$repetitions"
echo
"$build/quillomat_bench"
echo
"$build/quillomat_lsp_bench"
