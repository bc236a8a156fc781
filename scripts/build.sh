#!/usr/bin/env bash
# Configures and builds the project into build/ (or $QUILLOMAT_BUILD_DIR).
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/install-deps.sh"
build=${QUILLOMAT_BUILD_DIR:-$racine/build}
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
