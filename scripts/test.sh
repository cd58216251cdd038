#!/usr/bin/env bash
# Builds everything and runs every test: the host tests under sanitizers,
# the in-process Windows tests under Wine and the e2e tests of the program.
# Starts its own X server and window manager and stops all it started.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xwine.sh

bash scripts/install-deps.sh

echo "== host build and tests (ASan + UBSan)"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host -j2 --no-tests=error

echo "== script file decoder and encoder, remote control routing, under the fuzzer (a few seconds each)"
bash scripts/fuzz.sh 5

echo "== Windows build"
build_windows

trap 'stop_wine; stop_virtual_x' EXIT
start_virtual_x 1920x1080
warm_wine
echo "== Windows tests under Wine (display $DISPLAY)"
ctest --preset windows --no-tests=error --timeout 180 "$@"
