#!/usr/bin/env bash
# Builds the program and runs it with the sample script and default settings.
# With no display it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xwine.sh

bash scripts/install-deps.sh
build_windows
DIST="$ROOT/build/windows/dist"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    prepare_prefix
    exec "$WINE64" "$DIST/rollscript.exe" "$DIST/sample-script.txt"
fi

trap 'stop_wine; stop_virtual_x' EXIT
start_virtual_x 1280x800
prepare_prefix
"$WINE64" "$DIST/rollscript.exe" "$DIST/sample-script.txt" </dev/null >/dev/null 2>&1 &
for i in $(seq 1 100); do
    xdotool search --name "^Cuecraft" >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 1.5
shot="$ROOT/build/screenshot.png"
import -window root "$shot"
echo "No display: ran on a virtual one; screenshot saved to $shot"
