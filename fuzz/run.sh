#!/usr/bin/env bash
# Builds the fuzz target with clang's libFuzzer and runs it for a while
# (default 60 s) on the sample scripts.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
command -v clang++ >/dev/null || { echo "clang++ est nécessaire (paquet clang)." >&2; exit 1; }
build=$racine/build-fuzz
CXX=clang++ cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOMAT_BUILD_TESTS=OFF \
  -DQUILLOMAT_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quillomat_fuzz
corpus=$build/corpus
mkdir -p "$corpus"
cp "$racine"/data/*.txt "$corpus"/ 2>/dev/null || true
"$build/quillomat_fuzz" -max_total_time="${1:-60}" -max_len=20000 "$corpus"
