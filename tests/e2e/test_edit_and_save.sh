#!/usr/bin/env bash
# Start with a CR-only script on the command line, add a line, save it with
# the keyboard through the File menu, and check the bytes on disk.
source "$(dirname "$0")/lib.sh"

script="$E2E_TMP/cr-only.txt"
printf 'Alpha\rBeta\r' >"$script"
start_app "$(winepath -w "$script" 2>/dev/null)"
focus_main
send_keys ctrl+End
xdotool type --delay 40 "Gamma"
sleep 0.3
send_keys alt+f s
sleep 1
expected=$(printf 'Alpha\r\nBeta\r\nGamma' | od -An -tx1)
actual=$(od -An -tx1 <"$script")
[ "$actual" = "$expected" ] || fail "saved bytes differ: $actual"
send_keys alt+x
wait_exit 20 >/dev/null || fail "Exit did not end the program"
echo "PASS"
