#!/usr/bin/env bash
# Two real monitors: starts its own Xorg with the dummy driver, two
# 1024x768 outputs side by side, and runs the in-process dual-screen test
# against them in a private copy of the Wine prefix.
# Exits 77 (skipped) when Xorg cannot run here.
set -uo pipefail
DIST="$1"
BIN="$(cd "$DIST/../bin" && pwd)"
SKIP=77
command -v Xorg >/dev/null || { echo "SKIP: Xorg is not installed"; exit $SKIP; }
[ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] ||
    { echo "SKIP: the Xorg dummy driver is not installed"; exit $SKIP; }
[ "$(id -u)" = 0 ] || { echo "SKIP: Xorg with the dummy driver needs root"; exit $SKIP; }

WORK="$(mktemp -d)"
XORG_PID="" WM_PID=""
cleanup() {
    [ -n "${PRIVATE_PREFIX:-}" ] && WINEPREFIX="$PRIVATE_PREFIX" /usr/lib/wine/wineserver -k 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$XORG_PID" ] && kill "$XORG_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

cat >"$WORK/dummy.conf" <<'CONF'
Section "Monitor"
    Identifier "Monitor0"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1024x768" 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
EndSection
Section "Device"
    Identifier "Card0"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Screen"
    Identifier "Screen0"
    Device "Card0"
    Monitor "Monitor0"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 2560 1024
    EndSubSection
EndSection
CONF

for n in $(seq 150 190); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xorg ":$n" -config "$WORK/dummy.conf" -noreset -nolisten tcp -logfile "$WORK/xorg.log" \
    >/dev/null 2>&1 &
XORG_PID=$!
export DISPLAY=":$n"
for i in $(seq 1 100); do
    xrandr >/dev/null 2>&1 && break
    kill -0 "$XORG_PID" 2>/dev/null || break
    sleep 0.1
done
if ! xrandr >/dev/null 2>&1; then
    echo "SKIP: Xorg with the dummy driver did not start here:"
    tail -5 "$WORK/xorg.log" 2>/dev/null
    exit $SKIP
fi
xrandr --output DUMMY0 --mode 1024x768 --primary --pos 0x0 &&
    xrandr --addmode DUMMY1 1024x768 &&
    xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0 ||
    { echo "SKIP: the dummy driver offers no second output"; exit $SKIP; }
xrandr --listmonitors
openbox --sm-disable >/dev/null 2>&1 &
WM_PID=$!
sleep 0.3

# One wineserver per display: work in a private copy of the ready prefix.
SOURCE_PREFIX="${WINEPREFIX:-$BIN/../wineprefix}"
PRIVATE_PREFIX="$WORK/prefix"
cp -a "$SOURCE_PREFIX" "$PRIVATE_PREFIX" || { echo "no Wine prefix at $SOURCE_PREFIX"; exit 1; }
export WINEPREFIX="$PRIVATE_PREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
/usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
xrandr >/dev/null # a full query makes Wine see both outputs

cd "$BIN"
CUECRAFT_REQUIRE_TWO_MONITORS=1 /usr/lib/wine/wine64 ./win_tests.exe \
    --gtest_filter='RealDualScreen.*' </dev/null 2>&1 | tee "$WORK/out.txt"
grep -q "\[  PASSED  \] 1 test" "$WORK/out.txt" && ! grep -q SKIPPED "$WORK/out.txt"
