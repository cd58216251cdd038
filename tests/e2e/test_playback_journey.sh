#!/usr/bin/env bash
# The playback journey from outside: the sample script played from its top
# with Alt+P; the output window covers the screen without a border while the
# editor is hidden, and the text scrolls up; Page Up, Space (the picture
# stands still), Space (it moves again) and Esc; the editor comes back with
# its caption and the Play item as it was, so Alt+P plays a second time.
source "$(dirname "$0")/lib.sh"

read -r SCREEN_W SCREEN_H < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')

# "top bottom" of everything not black on the screen shot $1, or nothing.
ink_rows() {
    convert "$1" -fill white -fuzz 20% +opaque black -trim -format '%Y %h' info: 2>/dev/null |
        awk '{ sub(/^\+/, "", $1); if ($2 > 1) print $1, $1 + $2 - 1 }'
}

# The menu bar of the main window: from its top, as high as a menu bar.
menu_bar_region() {
    local top
    top=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $4 }')
    echo "$((SCREEN_W / 4))x18+0+$top"
}

visible_main() {
    xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' 2>/dev/null | head -n 1
}

# The program's visible window that covers the whole screen from 0,0.
output_window() {
    local id
    for id in $(xdotool search --onlyvisible --class '^rollscript\.exe$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$X,$Y,$WIDTH,$HEIGHT" = "0,0,$SCREEN_W,$SCREEN_H" ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Waits up to 10 s for the output window with the editor hidden; prints its id.
playing_output() {
    local id=""
    for _ in $(seq 1 100); do
        id=$(output_window || true)
        [ -n "$id" ] && [ -z "$(visible_main)" ] && break
        sleep 0.1
    done
    echo "$id"
}

start_app "$(winepath -w "$DIST/sample-script.txt" 2>/dev/null)"
focus_main
main=$MAIN
bar=$(menu_bar_region "$main")
before_bar="$E2E_TMP/before.png"
steady_screenshot "$before_bar" "$bar"

# 1. Play from the top: the output window is up and the editor hidden.
send_keys ctrl+Home alt+p
out=$(playing_output)
[ -n "$out" ] || fail "no borderless full-screen output window after Play"
[ -z "$(visible_main)" ] || fail "the main window stayed visible during playback"
xprop -id "$out" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
    fail "the output window is not full-screen"

# 2. Text appears and moves up: the rows of the first shot turn up higher in
#    the second, unchanged.
shot1="$E2E_TMP/shot1.png" shot2="$E2E_TMP/shot2.png"
top1="" bottom1=""
for _ in $(seq 1 50); do
    screenshot >"$shot1"
    read -r top1 bottom1 < <(ink_rows "$shot1") || true
    [ -n "$top1" ] && [ $((bottom1 - top1)) -ge 20 ] && break
    sleep 0.1
done
[ -n "$top1" ] || fail "no text on the output window"
sleep 0.6
screenshot >"$shot2"
read -r top2 _ < <(ink_rows "$shot2") || fail "the text vanished"
[ "$top2" -lt "$top1" ] || fail "the text did not move up ($top1 then $top2)"
height=$((bottom1 - top1 + 1))
moved=$(region_diff "$shot1" "${SCREEN_W}x$height+0+$top1" "$shot2" "${SCREEN_W}x$height+0+$top2")
[ "$moved" -le $((SCREEN_W * height / 100)) ] ||
    fail "the text changed while it moved up $((top1 - top2)) rows ($moved pixels differ)"

# 3. Page Up (faster), Space (pause: the picture stands still), Space (on).
send_keys Prior space
sleep 0.4
paused1="$E2E_TMP/paused1.png" paused2="$E2E_TMP/paused2.png" resumed="$E2E_TMP/resumed.png"
full="${SCREEN_W}x${SCREEN_H}+0+0"
# A busy machine may show the last steps a moment late; scrolling text never
# gives two equal pictures half a second apart.
still=""
for _ in 1 2 3; do
    screenshot >"$paused1"
    sleep 0.5
    screenshot >"$paused2"
    [ "$(region_diff "$paused1" "$full" "$paused2" "$full")" = 0 ] && still=yes && break
done
[ -n "$still" ] || fail "Space did not pause"
send_keys space
sleep 0.5
screenshot >"$resumed"
[ "$(region_diff "$paused2" "$full" "$resumed" "$full")" != 0 ] || fail "Space did not resume"

# 4. Esc: the editor is back with its caption, the output window gone, and
#    the Play item reads as before, its access key underlined.
send_keys Escape
main=$(wait_window '^Cuecraft 1\.3\.2\.44$' 10) || fail "the main window did not come back after Esc"
for _ in $(seq 1 30); do
    output_window >/dev/null || break
    sleep 0.1
done
output_window >/dev/null && fail "the output window stayed up after Esc"
wait_settled "$main"
bar=$(menu_bar_region "$main")
after_bar="$E2E_TMP/after.png"
steady_screenshot "$after_bar" "$bar"
[ -n "${E2E_SHOT:-}" ] && cp "$after_bar" "$E2E_SHOT"
changed=$(region_diff "$before_bar" "$bar" "$after_bar" "$bar")
[ "$changed" = 0 ] || fail "the menu bar reads differently after playback ($changed pixels differ)"

# 5. Alt+P again plays again; Esc brings the editor back once more.
send_keys alt+p
out=$(playing_output)
[ -n "$out" ] || fail "Alt+P did not play a second time"
send_keys Escape
main=$(wait_window '^Cuecraft 1\.3\.2\.44$' 10) || fail "the main window did not come back the second time"
wait_settled "$main"

send_keys alt+x
wait_exit 20 >/dev/null || fail "Exit did not end the program"
echo "PASS (moved $((top1 - top2)) rows in 0.6 s, $moved pixels off; menu bar $changed pixels apart)"
