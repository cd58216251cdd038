#!/usr/bin/env bash
# The top-level Exit command quits at once, without a question.
source "$(dirname "$0")/lib.sh"

start_app
main=$(wait_window '^Cuecraft 1\.3\.2\.44$') || fail "main window did not appear"
send_keys "$main" alt+x
code=$(wait_exit 20) || fail "Exit did not end the program"
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
