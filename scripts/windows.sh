#!/usr/bin/env bash
# Cross-builds the Windows programs with MinGW-w64 into build-windows/ (or
# $QUILLOMAT_BUILD_DIR_WINDOWS), then runs their tests under Wine, which
# compare them with the Linux programs of build/ (or $QUILLOMAT_BUILD_DIR,
# built here when needed). With --sans-tests, only builds.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
QUILLOMAT_WINDOWS=1 "$racine/scripts/install-deps.sh"
linux=${QUILLOMAT_BUILD_DIR:-$racine/build}
build=${QUILLOMAT_BUILD_DIR_WINDOWS:-$racine/build-windows}

cmake -S "$racine" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DQUILLOMAT_BUILD_TESTS=OFF -DQUILLOMAT_LINUX_BUILD="$linux" >/dev/null
cmake --build "$build" -j"$(nproc)"
[[ "${1:-}" == --sans-tests ]] && exit 0

# The Linux programs the tests compare with.
if [[ ! -f "$linux/CMakeCache.txt" ]]; then
  cmake -S "$racine" -B "$linux" -DCMAKE_BUILD_TYPE=Release -DQUILLOMAT_BUILD_TESTS=ON >/dev/null
fi
cmake --build "$linux" -j"$(nproc)" --target quillomat-check quillomat-lsp quillomat-gen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
