#!/usr/bin/env bash
# How closely a talent view (/prompter in headless Chromium) follows the
# program under Wine, on 127.0.0.1 only: prints a Markdown table of the
# difference between the page's position and the program's, in lines, the
# catch-up time after each change and the page's frame-move ratio, at each
# delay. Not a test: nothing here passes or fails on a time.
# Usage: [BENCH_SECONDS=60] [BENCH_DELAYS=5,15,30] scripts/bench-talent.sh
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
source scripts/xwine.sh
build_windows >/dev/null
start_virtual_x
warm_wine
set -- "$ROOT/build/windows/dist"
source tests/e2e/lib.sh
trap 'cleanup_e2e; stop_wine; stop_virtual_x' EXIT

setup_remote
# Long enough for a minute at the fastest delay.
seq -f 'Line %g of a script that scrolls for a good while.' 3000 | sed 's/$/\r/' \
    >"$E2E_TMP/long.txt"
start_app "$LONG_SCRIPT"
focus_main
wait_panel3 "Single Monitor, Remote :$PORT"
/usr/bin/python3 bench/tools/talent_bench.py --port "$PORT" --key "$KEY" \
    --seconds "${BENCH_SECONDS:-60}" --delays "${BENCH_DELAYS:-5,15,30}"
quit_app
