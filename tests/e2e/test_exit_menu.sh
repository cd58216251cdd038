#!/usr/bin/env bash
# The top-level Exit command quits at once, without a question.
source "$(dirname "$0")/lib.sh"

start_app
focus_main
send_keys alt+x
code=$(wait_exit 20) || fail "Exit did not end the program"
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
