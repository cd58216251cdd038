#!/usr/bin/env bash
# The talent view from outside: the program starts with the remote on for
# this computer only and its text centred. A camera's part is played by
# zbarimg: it reads the two QR codes of the "Remote Control" dialog, and the
# talent screen's code is the address the browser opens. talent_view.py opens it in
# Debian's headless Chromium on 127.0.0.1 and checks its lines, alignment and
# mirroring against the program's and its position against /api/state over
# a playback with a pause, a speed change, a backward run and a stop.
# SHOTS_DIR, when set, receives the page's screenshots at a tablet's and a
# phone's size, plain and mirrored.
source "$(dirname "$0")/lib.sh"

need_browser

setup_remote
MES="$E2E_TMP/app/settings/rollscript.mes"
sed -i 's/^Centering=.*\r$/Centering=1\r/; s/^LJustify=.*\r$/LJustify=0\r/' "$MES"
start_app "$LONG_SCRIPT"
focus_main
wait_panel3 "Single Monitor, Remote :$PORT"

# Pairing: the dialog's codes, as a phone's camera reads them off the screen.
send_keys alt+r
DIALOG=$(wait_window '^Remote Control$' 10) || fail "Remote... opened no dialog"
wait_settled "$DIALOG"
window_geometry "$DIALOG"
steady_screenshot "$E2E_TMP/shot.png" "${WIDTH}x${HEIGHT}+$X+$Y"
convert "$E2E_TMP/shot.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$E2E_TMP/dialog.png"
codes=$(zbarimg --quiet --raw "$E2E_TMP/dialog.png" | tr -d '\r' | LC_ALL=C sort)
[ "$codes" = "$URL/?key=$KEY"$'\n'"$URL/prompter?key=$KEY" ] ||
    fail "the dialog's codes read: $codes"
send_keys Escape
wait_gone '^Remote Control$' 10 || fail "Escape left the dialog open"

"$PY" "$(dirname "$0")/talent_view.py" --address "$(grep /prompter <<<"$codes")" --port "$PORT" \
    --key "$KEY" --script "$E2E_TMP/long.txt" \
    --align center ${SHOTS_DIR:+--shots "$SHOTS_DIR"} || fail "the talent view's journey"
quit_app
echo "PASS"
