#!/usr/bin/env bash
# Help > About by keyboard shows the About box over the editor; Esc closes it
# and leaves the program running.
source "$(dirname "$0")/lib.sh"

start_app
focus_main
# "About" is the item after "Help " in the Help menu.
send_keys alt+h Down Return
about=$(wait_window '^About Cuecraft$' 10) || fail "Help > About showed no window 'About Cuecraft'"
send_keys Escape
wait_gone '^About Cuecraft$' 10 || fail "Esc did not close the About box"
kill -0 "$APP_PID" 2>/dev/null || fail "closing the About box ended the program"
xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' >/dev/null || fail "the main window went away"
send_keys alt+x
wait_exit 20 >/dev/null || fail "Exit did not end the program"
echo "PASS"
