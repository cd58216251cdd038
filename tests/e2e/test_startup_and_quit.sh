#!/usr/bin/env bash
# Starts the program as the README does (shipped settings, maximised) with a
# thirty-line script, reads the start-up status panels, closes the window and
# answers the quit question with No, then again with Yes.
source "$(dirname "$0")/lib.sh"

# Thirty short lines, none wrapping, no line end after the last.
script="$E2E_TMP/thirty.txt"
for i in $(seq 1 29); do printf 'Line %d\r\n' "$i"; done >"$script"
printf 'Line 30' >>"$script"
script_arg=$(winepath -w "$script" 2>/dev/null)
start_app "$script_arg"
focus_main
xprop -id "$MAIN" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT ||
    fail "the shipped settings did not maximise the main window"

# The panels a person reads once the window is up.
panels=""
for _ in $(seq 1 50); do
    panels=$(status_panels)
    [ "$(sed -n 5p <<<"$panels")" = "Lines 30" ] && break
    sleep 0.1
done
[ "$(sed -n 4p <<<"$panels")" = "26 Arial" ] || fail "panel 4 reads '$(sed -n 4p <<<"$panels")'"
[ "$(sed -n 5p <<<"$panels")" = "Lines 30" ] || fail "panel 5 reads '$(sed -n 5p <<<"$panels")'"
[ "$(sed -n 6p <<<"$panels")" = "$script_arg" ] || fail "panel 6 reads '$(sed -n 6p <<<"$panels")'"
[ "$(sed -n 3p <<<"$panels")" = "Single Monitor" ] || fail "panel 3 reads '$(sed -n 3p <<<"$panels")'"

send_keys alt+F4
wait_window '^Cuecraft$' 10 >/dev/null || fail "no quit question after closing"
send_keys n
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "answering No ended the program"
xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' >/dev/null || fail "main window gone after No"

send_keys alt+F4
wait_window '^Cuecraft$' 10 >/dev/null || fail "no quit question on the second close"
send_keys y
code=$(wait_exit 20) || fail "program still running after Yes"
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
