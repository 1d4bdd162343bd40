#!/usr/bin/env bash
# Times `rekol-cli form` of a 127-publisher group into a 600-dpi PDF beside
# the floor, a bare Qt program that draws the same calls (read from the
# form's trace) into a PDF, and reports the peak memory of both.
# Usage: src/form/bench/bench_form.sh [BUILD_DIR]   (default: build-bench)
set -euo pipefail
cd "$(dirname "$0")/../../.."
build=${1:-build-bench}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DREKOL_BENCH=ON -DREKOL_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target rekol-cli make_bench_group replay_trace >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$build/bin/make_bench_group" "$work/Grupo.k09"
form=("$build/bin/rekol-cli" form "$work/Grupo.k09" -o "$work/form.pdf" --dpi 600 --today 2024-04-10)
"${form[@]}" --trace "$work/form.txt"
floor=("$build/bin/replay_trace" "$work/form.txt" "$work/floor.pdf" 600)
echo "trace: $(wc -l <"$work/form.txt") drawing calls, $(grep -c '^page' "$work/form.txt") pages"

quote() { printf '%q ' "$@"; }
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 3 --runs "${RUNS:-40}" -n "rekol-cli form" "$(quote "${form[@]}")" \
    -n "floor (replay)" "$(quote "${floor[@]}")"
else
  for name in form floor; do
    declare -n cmd=$name
    start=$(date +%s%N)
    for _ in $(seq "${RUNS:-40}"); do "${cmd[@]}"; done
    echo "$name: $(( ($(date +%s%N) - start) / ${RUNS:-40} / 1000 )) us a run"
  done
fi

for name in form floor; do
  declare -n cmd=$name
  peak=$(/usr/bin/time -f %M "${cmd[@]}" 2>&1 >/dev/null | tail -1)
  echo "$name peak memory: $((peak / 1024)) MB ($peak kB)"
done
