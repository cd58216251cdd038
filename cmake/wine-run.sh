#!/bin/sh
# Runs a Windows executable under Wine with the build's test prefix.
# The test script sets WINEPREFIX and DISPLAY; defaults keep ad-hoc runs working.
: "${WINEPREFIX:=$(dirname "$0")/../build/wineprefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
exec /usr/lib/wine/wine64 "$@"
