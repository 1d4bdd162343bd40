#!/usr/bin/env bash
# Start-up of rekol on a 127-publisher group, from launch until its filled
# main window has been painted, side by side with a bare Qt dialog started
# and closed the same way (the toolkit's floor). Prints both times and their
# ratio. Runs under Xvfb when there is no display.
# Usage: src/app/bench/startup.sh [BUILD_DIR]   (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/../../.."

if [ -z "${DISPLAY:-}" ] && [ -z "${REKOL_BENCH_UNDER_XVFB:-}" ] && command -v xvfb-run >/dev/null; then
  REKOL_BENCH_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DREKOL_BENCH=ON -DREKOL_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target rekol bare_dialog make_full_group >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/make_full_group" "$work/Grupo12.k09"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run" REKOL_SETTINGS="$work/rekol.ini" REKOL_QUIT_WHEN_SHOWN=1
[ -n "${DISPLAY:-}" ] && export QT_QPA_PLATFORM=xcb || export QT_QPA_PLATFORM=offscreen
echo "platform: $QT_QPA_PLATFORM"

floor=("$build/bin/bare_dialog")
program=("$build/bin/rekol" "$work/Grupo12.k09")

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 5 --runs 40 --export-json "$work/times.json" \
    -n "bare Qt dialog" "${floor[*]}" -n "rekol, 127 publishers" "${program[*]}"
  python3 - "$work/times.json" <<'PY'
import json, sys
floor, rekol = (r["mean"] for r in json.load(open(sys.argv[1]))["results"])
print(f"bare dialog {floor*1000:.1f} ms, rekol {rekol*1000:.1f} ms, ratio {rekol/floor:.2f}x")
PY
else
  # Without hyperfine: the mean of 40 runs each.
  mean_ms() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq 40); do "$@" >/dev/null 2>&1; done
    end=$(date +%s%N)
    echo $(( (end - start) / 40 / 1000000 ))
  }
  f=$(mean_ms "${floor[@]}")
  r=$(mean_ms "${program[@]}")
  echo "bare dialog ${f} ms, rekol ${r} ms, ratio $(awk "BEGIN{printf \"%.2f\", $r/$f}")x"
fi
