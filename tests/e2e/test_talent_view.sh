#!/usr/bin/env bash
# The talent view from outside: the program starts with the remote on for
# this computer only and its text centred; talent_view.py opens /prompter in
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

"$PY" "$(dirname "$0")/talent_view.py" --port "$PORT" --key "$KEY" --script "$E2E_TMP/long.txt" \
    --align center ${SHOTS_DIR:+--shots "$SHOTS_DIR"} || fail "the talent view's journey"
quit_app
echo "PASS"
