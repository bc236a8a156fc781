#!/usr/bin/env bash
# Configures and builds the project into build/ (or $QUILLOMAT_BUILD_DIR);
# only the target $QUILLOMAT_CIBLE when it is set.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/install-deps.sh"
build=${QUILLOMAT_BUILD_DIR:-$racine/build}
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$build" -j"$(nproc)" ${QUILLOMAT_CIBLE:+--target "$QUILLOMAT_CIBLE"}
