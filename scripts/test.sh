#!/usr/bin/env bash
# Builds Rekol with clang, AddressSanitizer and UndefinedBehaviorSanitizer,
# then runs every test, the bounded fuzzing runs included.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
export CC=clang CXX=clang++
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DREKOL_SANITIZE=ON -DREKOL_FUZZ=ON -DREKOL_BENCH=ON >/dev/null
cmake --build build-tests -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build-tests
ctest --output-on-failure -j"$(nproc)"
