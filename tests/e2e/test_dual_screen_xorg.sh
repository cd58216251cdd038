#!/usr/bin/env bash
# Two real monitors: starts its own Xorg with the dummy driver, two
# 1024x768 outputs side by side, and runs the in-process dual-screen test
# against them in a private copy of the Wine prefix. Then the operator's
# journey: the shipped settings with dual-screen mode on, the sample script,
# Play from the keyboard; the status line stays readable above the preview,
# a right click in the editor leaves the text moving on the talent monitor,
# Exit stops, Alt+P plays again and, from the editor, stops.
# Exits 77 (skipped) when Xorg cannot run here.
set -uo pipefail
DIST="$1"
BIN="$(cd "$DIST/../bin" && pwd)"
SKIP=77
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

source "$(dirname "$0")/../../scripts/xwine.sh"
start_two_monitors 1024x768 "$WORK" || { echo "SKIP: Xorg cannot run here"; exit $SKIP; }
xrandr --listmonitors

# One wineserver per display: work in a private copy of the ready prefix.
SOURCE_PREFIX="${WINEPREFIX:-$BIN/../../wineprefix}"
PRIVATE_PREFIX="$WORK/prefix"
cp -a "$SOURCE_PREFIX" "$PRIVATE_PREFIX" || { echo "no Wine prefix at $SOURCE_PREFIX"; exit 1; }
export WINEPREFIX="$PRIVATE_PREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
/usr/lib/wine/wine64 wineboot </dev/null >/dev/null 2>&1
xrandr >/dev/null # a full query makes Wine see both outputs

(cd "$BIN" && CUECRAFT_REQUIRE_TWO_MONITORS=1 /usr/lib/wine/wine64 ./win_tests.exe \
    --gtest_filter='RealDualScreen.*' </dev/null 2>&1) | tee "$WORK/out.txt"
grep -q "\[  PASSED  \] 1 test" "$WORK/out.txt" && ! grep -q SKIPPED "$WORK/out.txt" || exit 1

source "$(dirname "$0")/lib.sh"
trap 'cleanup_e2e; cleanup' EXIT
STATUSTEXT="$BIN/statustext.exe"
cp -r "$DIST" "$E2E_TMP/app"
export EXE="$E2E_TMP/app/rollscript.exe"
sed -i 's/^Dual_Monitor=0/Dual_Monitor=1/' "$E2E_TMP/app/settings/rollscript.mes"

TALENT="1024x768+1024+0"

# Waits up to 5 s until panel 1 tells a line being prompted (yes) or not (no).
await_prompting() {
    local want="$1" now
    for _ in $(seq 1 50); do
        now=no
        [[ "$(status_panel 1)" =~ ^Line\ \  ]] && now=yes
        [ "$now" = "$want" ] && return 0
        sleep 0.1
    done
    return 1
}

start_app
focus_main
[ "$(status_panel 3)" = "Dual Monitor" ] || fail "panel 3 reads '$(status_panel 3)' with two monitors"
send_keys ctrl+Home alt+p
line=""
for _ in $(seq 1 50); do
    line="$(status_panel 1)"
    [[ "$line" =~ ^Line\ \ [0-9]+\ of\ [0-9]+$ ]] && break
    sleep 0.1
done
[[ "$line" =~ ^Line\ \ [0-9]+\ of\ [0-9]+$ ]] || fail "panel 1 reads '$line' while prompting"

# Panel 1 on the screen: the status bar's grey with dark text, not the
# black preview.
sleep 1
screenshot >"$E2E_TMP/dual.png"
window_geometry "$MAIN"
[ -n "${E2E_SHOT:-}" ] && cp "$E2E_TMP/dual.png" "$E2E_SHOT"
panel="120x14+$((X + 2))+$((Y + 2))"
# Text drawn smoothed in a thin face is grey more than black: count what is
# nearer black than the panel's grey.
dark=$(convert "$E2E_TMP/dual.png" -crop "$panel" +repage -fill white -fuzz 50% +opaque black \
    -format '%[fx:int(w*h*(1-mean))]' info:)
[ "$dark" -gt 10 ] && [ "$dark" -lt $((120 * 14 / 2)) ] ||
    fail "panel 1 is not readable on the screen ($dark dark pixels in $panel)"

# A right click in the editor steers; no menu holds the scroll.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * 3 / 4)) click 3
sleep 0.5
screenshot >"$E2E_TMP/t1.png"
sleep 0.6
screenshot >"$E2E_TMP/t2.png"
moved=$(region_diff "$E2E_TMP/t1.png" "$TALENT" "$E2E_TMP/t2.png" "$TALENT")
[ "$moved" != 0 ] || fail "the text stood still on the talent monitor after a right click"

# Exit stops the scrolling first.
send_keys alt+x
await_prompting no || fail "Exit did not stop the scrolling"

# Alt+P plays again; once a click has given the editor the keyboard, Alt+P,
# the item reading "Sto&p", stops it.
send_keys alt+p
await_prompting yes || fail "Alt+P did not play a second time"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT * 3 / 4)) click 1
send_keys alt+p
await_prompting no || fail "Alt+P did not stop the scrolling"

# A second Exit ends the program.
send_keys alt+x
wait_exit 20 >/dev/null || fail "Exit did not end the program"
echo "PASS (panel 1 '$line', $dark dark pixels there; $moved pixels moved after the right click)"
