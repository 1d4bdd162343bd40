#!/usr/bin/env bash
# Builds Rekol and runs it on FILE, or on the demo group when none is given.
# Usage: scripts/run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREKOL_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"

exec build/bin/rekol-cli show "${1:-build/demo/Grupo5.k09}"
