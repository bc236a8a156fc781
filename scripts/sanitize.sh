#!/usr/bin/env bash
# Builds the checker library, quillomat-check and every test with
# AddressSanitizer and UndefinedBehaviorSanitizer (g++, any fault ends the
# program) into build-asan (or $QUILLOMAT_BUILD_DIR_ASAN), then runs the tests.
# The Qt editor and its widget tests are left out of this build.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/install-deps.sh"
build=${QUILLOMAT_BUILD_DIR_ASAN:-$racine/build-asan}
# -O1: the sanitizers' own advice, several times faster than -O0 for the same reports.
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DQUILLOMAT_SANITIZE=ON \
  -DQUILLOMAT_BUILD_TESTS=ON -DQUILLOMAT_BUILD_EDITOR=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
# The sanitizers' stack frames are many times larger than plain ones: the
# deepest lines need more than the usual 8 MiB here (the plain build checks
# them within 8 MiB, see tests/pipeline/hostile_input_test.cpp).
ulimit -S -s 65536
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
