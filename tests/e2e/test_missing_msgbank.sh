#!/usr/bin/env bash
# With no msgbank.dll beside the program (the loader finds a copy elsewhere
# on the path), start-up says so by name and ends with exit code 0.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_TMP/app" "$E2E_TMP/elsewhere"
cp "$DIST/rollscript.exe" "$E2E_TMP/app/"
cp "$DIST/msgbank.dll" "$E2E_TMP/elsewhere/"
export WINEPATH="$(winepath -w "$E2E_TMP/elsewhere" 2>/dev/null || echo "Z:${E2E_TMP//\//\\}\\elsewhere")"
EXE="$E2E_TMP/app/rollscript.exe" WINEDEBUG=-all,+msgbox start_app
box=$(wait_window '^Cuecraft$' 30) || fail "no message box"
if xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' >/dev/null 2>&1; then
    fail "the main window was shown"
fi
box_text_shown "msgbank.dll is missing" || fail "the box does not name the library"
send_keys Return
code=$(wait_exit 20) || fail "program did not end after the message"
[ "$code" = 0 ] || fail "exit code $code"
echo "PASS"
