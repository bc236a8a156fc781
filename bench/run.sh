#!/usr/bin/env bash
# Builds and runs the benchmarks (Release build in build-bench/).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
QUILLOMAT_BENCH=1 "$racine/scripts/install-deps.sh"
build=$racine/build-bench
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILLOMAT_BUILD_TESTS=OFF -DQUILLOMAT_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quillomat_bench
"$build/quillomat_bench" "$@"
