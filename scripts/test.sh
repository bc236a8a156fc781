#!/usr/bin/env bash
# Builds everything and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/build.sh" -DQUILLOMAT_BUILD_TESTS=ON
build=${QUILLOMAT_BUILD_DIR:-$racine/build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
