#!/usr/bin/env bash
# The settings journey from outside: a first start from the ready-to-run
# folder (white on black, no box), colours and size changed in the default
# settings file, "Save Default Settings" from the File menu by keyboard,
# and a restart that brings the editor back as it was saved.
# $1 is the ready-to-run folder; DISPLAY and WINEPREFIX are set by the caller.
set -euo pipefail
DIST="$1"
WINE64=/usr/lib/wine/wine64
export WINEDEBUG=-all
WORK="$(mktemp -d)"
APP_PID=""
cleanup() {
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill "$APP_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
}
trap cleanup EXIT
cp -r "$DIST" "$WORK/app"
MES="$WORK/app/settings/rollscript.mes"

fail() { echo "FAIL: $*" >&2; exit 1; }

start_app() {
    (cd "$WORK/app" && exec "$WINE64" rollscript.exe </dev/null >/dev/null 2>&1) &
    APP_PID=$!
    local i
    for i in $(seq 1 200); do
        WID="$(xdotool search --onlyvisible --name '^Cuecraft [0-9]' 2>/dev/null | head -1 || true)"
        [ -n "$WID" ] && break
        sleep 0.1
    done
    [ -n "$WID" ] || fail "the main window did not appear"
    sleep 1.5 # let it paint
}

# Alt plus a key, held long enough for the menu bar to see it.
alt_key() {
    xdotool windowactivate --sync "$WID" >/dev/null 2>&1 || true
    xdotool keydown alt
    sleep 0.1
    xdotool key "$1"
    sleep 0.1
    xdotool keyup alt
}

quit_app() {
    alt_key x
    local i
    for i in $(seq 1 100); do
        kill -0 "$APP_PID" 2>/dev/null || { APP_PID=""; return; }
        sleep 0.1
    done
    fail "Exit did not end the program"
}

# "#RRGGBB" of one screen pixel.
pixel() {
    import -window root png:- | convert png:- -crop "1x1+$1+$2" -depth 8 txt:- |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -1 | tr 'a-f' 'A-F'
}

# A point in the editor, clear of the status bar, the scroll bar and the text.
editor_point() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    EX=$((X + WIDTH / 3))
    EY=$((Y + HEIGHT * 3 / 4))
}

# Height in pixels of everything drawn in colour $1 inside the editor.
ink_height() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    import -window root png:- |
        convert png:- -crop "$((WIDTH - 40))x$((HEIGHT - 40))+$((X + 10))+$((Y + 20))" +repage \
            -fill white -fuzz 15% +opaque "$1" -trim -format '%h' info:
}

no_message_box() {
    ! xdotool search --onlyvisible --name '^Cuecraft$' >/dev/null 2>&1
}

# 1. First start from the distributed settings: white text on black, no box.
start_app
no_message_box || fail "a first start showed a message box"
editor_point
[ "$(pixel "$EX" "$EY")" = "#000000" ] || fail "first start: editor is not black ($(pixel "$EX" "$EY"))"
quit_app

# 2. Yellow background, navy text at 40 points; a hand-written key and a
#    section of the operator's own.
sed -i -e 's/^AlteBcolor=.*/AlteBcolor=65535\r/' -e 's/^AlteFcolor=.*/AlteFcolor=8388608\r/' \
    -e 's/^AlteSize=.*/AlteSize=40\r/' -e 's/^ShowHints=0/ShowHints=0\r\nHandwritten=1/' "$MES"
printf '[Studio]\r\nCamera=3\r\n' >>"$MES"
start_app
editor_point
[ "$(pixel "$EX" "$EY")" = "#FFFF00" ] || fail "edited file: editor is not yellow"

# 3. "Save Default Settings": File menu, past New, Open, Save, Save As and
#    Load Settings.
before="$(md5sum <"$MES")"
alt_key f
sleep 0.5
xdotool key Down Down Down Down Down Return
for i in $(seq 1 50); do
    [ "$(md5sum <"$MES")" != "$before" ] && break
    sleep 0.1
done
[ "$(md5sum <"$MES")" != "$before" ] || fail "Save Default Settings did not write the file"
no_message_box || fail "the save showed a box"
quit_app

saved="$(tr -d '\r' <"$MES")"
grep -qx 'AlteBcolor=65535' <<<"$saved" || fail "saved background"
grep -qx 'AlteFcolor=8388608' <<<"$saved" || fail "saved text colour"
grep -qx 'AlteSize=40' <<<"$saved" || fail "saved size"
grep -qx 'AlteDelay=15' <<<"$saved" || fail "saved delay"
grep -qx 'Camera=3' <<<"$saved" || fail "a foreign section was lost"
grep -q 'Handwritten' <<<"$saved" && fail "a hand-written key survived the save"
grep -q '^ConfigDate=.\+-.\+' <<<"$saved" || fail "no save date"
# The erased sections are written again at the end, in save order; "Control"
# is never erased, so it keeps its place like the operator's own section.
order="$(grep -o '^\[[A-Za-z]*\]' <<<"$saved" | tr -d '\n')"
[ "$order" = "[Control][Studio][OptionWindows][Options][Stuff][Alternate]" ] ||
    fail "sections out of order: $order"
ls "$WORK/app/settings" | grep -q tmp && fail "a temporary copy was left behind"

# 4. Restart: the editor comes back yellow, its text navy and 40 points high.
start_app
editor_point
[ "$(pixel "$EX" "$EY")" = "#FFFF00" ] || fail "after restart: editor is not yellow"
xdotool windowactivate --sync "$WID" >/dev/null 2>&1 || true
xdotool mousemove "$EX" "$EY" click 1
sleep 0.3
xdotool type --delay 20 "HHHH"
sleep 0.5
height="$(ink_height '#000080')"
[ -n "${E2E_SHOT:-}" ] && import -window root "$E2E_SHOT"
# A capital H of Arial is about 0.72 em: 38 pixels at 40 points, 25 at 26.
[ "$height" -ge 32 ] && [ "$height" -le 44 ] || fail "text height $height is not 40 points"
quit_app
echo "settings journey passed (text height $height pixels)"
