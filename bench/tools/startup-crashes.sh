#!/usr/bin/env bash
# Starts the program N times in a row, as the README starts it, with a script
# of 1 MB on the command line, and counts the starts that crash. Each start
# waits until the script is in the shown editor (panel 5 counts its lines),
# then the program is killed and the next start follows at once. Not a test:
# Wine's rare faults are counted here, nothing passes or fails. A crash's
# backtrace goes to build/startup-crashes/.
# Usage: bench/tools/startup-crashes.sh [N]   (N starts, 500 if not given)
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/xwine.sh

N="${1:-500}"
DIST="$ROOT/build/windows/dist"
STATUSTEXT="$ROOT/build/windows/bin/statustext.exe"
[ -f "$DIST/rollscript.exe" ] && [ -f "$STATUSTEXT" ] || build_windows >/dev/null
LOGS="$ROOT/build/startup-crashes"
mkdir -p "$LOGS"
WORK="$(mktemp -d)"
APP=""
finish() {
    [ -n "$APP" ] && kill "$APP" 2>/dev/null
    stop_wine
    stop_virtual_x
    rm -rf "$WORK"
}
trap finish EXIT

start_virtual_x 1920x1080
[ -f "$ROOT/build/wineprefix/.cuecraft-ready" ] || (WINEPREFIX="$ROOT/build/wineprefix" prepare_prefix)
export WINEPREFIX="$WORK/prefix"
cp -a "$ROOT/build/wineprefix" "$WINEPREFIX"
warm_wine
# A crash writes its backtrace and ends the program, with no dialog to wait on.
"$WINE64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    </dev/null >/dev/null 2>&1

cp -r "$DIST" "$WORK/app"
awk 'BEGIN { for (i = 0; i < 14000; i++)
    printf "Line %05d of a long script, as many words as a line of a news show holds.\r\n", i }' \
    >"$WORK/app/big.txt"
SCRIPT="$(winepath -w "$WORK/app/big.txt" 2>/dev/null)"
echo "$N starts with $(stat -c %s "$WORK/app/big.txt") bytes on the command line, $(date -u +%H:%M:%S)"

lines_shown() {
    "$WINE64" "$STATUSTEXT" </dev/null 2>/dev/null | tr -d '\r' | sed -n 5p | grep -q '^Lines [0-9]\{4,\}$'
}

crashes=0 slow=0
begin=$(date +%s)
for i in $(seq 1 "$N"); do
    "$WINE64" "$WORK/app/rollscript.exe" "$SCRIPT" </dev/null >"$WORK/app.log" 2>&1 &
    APP=$!
    state=slow
    for _ in $(seq 1 150); do
        if ! kill -0 "$APP" 2>/dev/null; then
            state=ended
            break
        fi
        if lines_shown; then
            state=shown
            break
        fi
        sleep 0.1
    done
    kill "$APP" 2>/dev/null || true
    wait "$APP" 2>/dev/null || true
    APP=""
    if [ "$state" = ended ] || grep -q 'Unhandled' "$WORK/app.log"; then
        crashes=$((crashes + 1))
        cp "$WORK/app.log" "$LOGS/start-$i.log"
        echo "start $i: crashed ($(grep -m1 'Unhandled' "$WORK/app.log" || echo 'ended by itself'))"
    elif [ "$state" = slow ]; then
        slow=$((slow + 1))
        echo "start $i: no script in the editor after 15 s"
    fi
done
echo "$crashes crashes and $slow slow starts in $N starts, $(($(date +%s) - begin)) s," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
