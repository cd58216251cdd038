#!/usr/bin/env bash
# The settings journey from outside, on a copy of the ready-to-run folder so
# the shipped file stays as it is: a first start in the shipped look (white on
# black, no box); "Black on White" and a new size in "Type and Size..." from
# the Font menu by keyboard; "Save Default Settings" from the File menu; exit;
# and a restart that brings the editor back in those colours at that size.
source "$(dirname "$0")/lib.sh"

cp -r "$DIST" "$E2E_TMP/app"
export EXE="$E2E_TMP/app/rollscript.exe" # what start_app runs
MES="$E2E_TMP/app/settings/rollscript.mes"
SIZE=40
# One short line leaves most of the editor blank for the colour probes.
printf 'HH' >"$E2E_TMP/app/short.txt"

start_main() {
    start_app "$(winepath -w "$E2E_TMP/app/short.txt" 2>/dev/null)"
    focus_main
    sleep 0.5 # let it paint
}

no_message_box() {
    ! xdotool search --onlyvisible --name '^Cuecraft$' >/dev/null 2>&1
}

# The colour of a point in the editor below its one line, clear of the
# status bar and the scroll bar.
editor_colour() {
    window_geometry "$MAIN"
    screen_pixel $((X + WIDTH / 3)) $((Y + HEIGHT * 3 / 4))
}

# Height in pixels of the ink of colour $1 in a narrow strip down the middle
# of the editor's upper half: the centred text of the one line crosses it,
# the caret after the text and the menu texts on the left do not.
ink_height() {
    window_geometry "$MAIN"
    screenshot | convert png:- -crop "80x$((HEIGHT / 2))+$((X + WIDTH / 2 - 40))+$((Y + 20))" +repage \
        -fill white -fuzz 15% +opaque "$1" -trim -format '%h' info:
}

# A hand-written key, and a section of the operator's own, in the file the
# program was shipped with.
sed -i 's/^ShowHints=0/ShowHints=0\r\nHandwritten=1/' "$MES"
printf '[Studio]\r\nCamera=3\r\n' >>"$MES"

# 1. First start: white text on black, no box.
start_main
no_message_box || fail "a first start showed a message box"
[ "$(editor_colour)" = "#000000" ] || fail "first start: the editor is not black ($(editor_colour))"

# 2. Font > "Black on White" (the first item), then Font > "Type and Size..."
#    (the second) and the size typed into the font dialog's size field.
send_keys alt+o Return
sleep 0.3
[ "$(editor_colour)" = "#FFFFFF" ] || fail "Black on White: the editor is not white ($(editor_colour))"
send_keys alt+o Down Return
dialog=$(wait_window '^Font$' 10) || fail "Type and Size did not open the font dialog"
send_keys alt+s Home shift+End
xdotool type --delay 40 "$SIZE"
xdotool key Return
wait_gone '^Font$' 10 || fail "the font dialog did not close on Return"

# 3. File > "Save Default Settings".
save_default_settings "$MES"
no_message_box || fail "the save showed a box"
quit_app

saved="$(tr -d '\r' <"$MES")"
grep -qx 'AlteBcolor=16777215' <<<"$saved" || fail "saved background: $(grep AlteBcolor <<<"$saved")"
grep -qx 'AlteFcolor=0' <<<"$saved" || fail "saved text colour: $(grep AlteFcolor <<<"$saved")"
grep -qx "AlteSize=$SIZE" <<<"$saved" || fail "saved size: $(grep AlteSize <<<"$saved")"
grep -qx 'AlteDelay=15' <<<"$saved" || fail "saved delay"
grep -qx 'Camera=3' <<<"$saved" || fail "a foreign section was lost"
grep -q 'Handwritten' <<<"$saved" && fail "a hand-written key survived the save"
grep -q '^ConfigDate=.\+-.\+' <<<"$saved" || fail "no save date"
# The erased sections are written again at the end, in save order; "Control"
# is never erased, so it keeps its place like the operator's own section.
order="$(grep -o '^\[[A-Za-z]*\]' <<<"$saved" | tr -d '\n')"
[ "$order" = "[Control][Studio][OptionWindows][Options][Stuff][Alternate]" ] ||
    fail "sections out of order: $order"
leftover=$(find "$E2E_TMP/app/settings" -iname '*tmp*')
[ -z "$leftover" ] || fail "a temporary copy was left behind: $leftover"

# 4. Restart: the editor comes back white, its text black and $SIZE points high.
start_main
no_message_box || fail "the restart showed a message box"
[ "$(editor_colour)" = "#FFFFFF" ] || fail "after restart: the editor is not white ($(editor_colour))"
window_geometry "$MAIN"
xdotool mousemove $((X + WIDTH / 3)) $((Y + HEIGHT * 3 / 4)) click 1
sleep 0.3
xdotool type --delay 20 "HHHHHHHH"
sleep 0.5
height="$(ink_height '#000000')"
[ -n "${E2E_SHOT:-}" ] && screenshot >"$E2E_SHOT"
# Capitals are about 0.72 em: 38 pixels at 40 points, 25 at the shipped 26.
[ "$height" -ge 32 ] && [ "$height" -le 44 ] || fail "text height $height is not $SIZE points"
quit_app
echo "PASS (text height $height pixels)"
