#!/usr/bin/env bash
# Builds the program and runs the scroll benchmark under Wine on a virtual X
# screen of each output size, printing one Markdown table. Not part of the
# tests: nothing here passes or fails on a time.
# Usage: [BENCH_TRIES=n] scripts/bench.sh [size ...]
# (default: 1024x768 1920x1080; each case is played n = 3 times, the fastest
# run is shown).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xwine.sh

sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(1024x768 1920x1080)

build_windows >/dev/null

trap 'stop_wine; stop_virtual_x' EXIT
echo "| Output | Delay | Band | Steps | Nominal px/s | Achieved px/s | Achieved | Cost median ms | Cost p99 ms | memmove ms | Cost / memmove | Line-entry cost ms | Wait mean ms | Period median ms | Jitter p99-median ms | Period SD ms | Period max ms | Play to first row ms |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
for size in "${sizes[@]}"; do
    # A screen of the output's size: the output window covers monitor 0.
    start_virtual_x "$size"
    warm_wine
    (cd build/windows/bin && "$WINE64" ./scroll_bench.exe "${BENCH_TRIES:-3}")
    stop_wine
    stop_virtual_x
done
# Other work on the machine shows in the waits: say how busy it was.
echo
echo "Load average after the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
