#!/usr/bin/env bash
# Starts the program with the sample script, finds the main window by its
# caption, closes it and answers the quit question with Yes.
source "$(dirname "$0")/lib.sh"

start_app "$DIST/sample-script.txt"
main=$(wait_window '^Cuecraft 1\.3\.2\.44$') || fail "main window 'Cuecraft 1.3.2.44' did not appear"

send_keys "$main" alt+F4
box=$(wait_window '^Cuecraft$' 10) || fail "no quit question after closing"
send_keys "$box" n
sleep 0.5
kill -0 "$APP_PID" 2>/dev/null || fail "answering No ended the program"
xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' >/dev/null || fail "main window gone after No"

send_keys "$main" alt+F4
box=$(wait_window '^Cuecraft$' 10) || fail "no quit question on the second close"
send_keys "$box" y
code=$(wait_exit 20) || fail "program still running after Yes"
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
