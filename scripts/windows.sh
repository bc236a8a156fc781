#!/usr/bin/env bash
# Cross-builds the Windows programs (the editor with a Qt for Windows that
# scripts/qt-windows.sh builds once) with MinGW-w64 into build-windows/ (or
# $QUILLOMAT_BUILD_DIR_WINDOWS), then runs their tests under Wine, which
# compare them with the Linux programs of build/ (or $QUILLOMAT_BUILD_DIR,
# built here when needed). With --sans-tests, only builds.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
QUILLOMAT_WINDOWS=1 "$racine/scripts/install-deps.sh"
linux=${QUILLOMAT_BUILD_DIR:-$racine/build}
build=${QUILLOMAT_BUILD_DIR_WINDOWS:-$racine/build-windows}

# The Linux build first: the tests compare with its programs, and the
# Windows editor ships the files it writes (word list, help).
if [[ ! -f "$linux/CMakeCache.txt" ]]; then
  cmake -S "$racine" -B "$linux" -DCMAKE_BUILD_TYPE=Release -DQUILLOMAT_BUILD_TESTS=ON >/dev/null
fi
cibles=(quillomat-check quillomat-lsp quillomat_fonctions quillomat_aide_fichiers)
[[ "${1:-}" == --sans-tests ]] || cibles+=(quillomat-gen quillomat quillomat_app_tests)
cmake --build "$linux" -j"$(nproc)" --target "${cibles[@]}"

# Qt for Windows, built once into a cache (the first time, the longest step).
qt=$("$racine/scripts/qt-windows.sh")
cmake -S "$racine" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$racine/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DQUILLOMAT_BUILD_TESTS=OFF -DQUILLOMAT_LINUX_BUILD="$linux" -DQUILLOMAT_QT_WINDOWS="$qt" >/dev/null
cmake --build "$build" -j"$(nproc)"
[[ "${1:-}" == --sans-tests ]] && exit 0
cmake --build "$build" -j"$(nproc)" --target quillomat_app_tests

ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
