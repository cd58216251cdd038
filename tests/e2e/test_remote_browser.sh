#!/usr/bin/env bash
# The remote page in a real browser: Debian's headless Chromium, driven by
# remote_page.py, opens the page the program serves on 127.0.0.1, first as a
# phone (390x844, touch) and then as a desktop browser (1280x800). Each pairs
# through /?key=, presses Play, Pause, Resume, Faster, holds Back and lets go,
# and presses Stop, and after each press the page and the program's status bar
# and windows agree. A page of another site (another local port) then tries
# to steer it with the paired browser's cookie, in vain. Then the program
# quits under the desktop page, which says it is not connected. SHOTS_DIR, when set, receives the page's screenshots.
source "$(dirname "$0")/lib.sh"

need_browser

setup_remote
start_app "$LONG_SCRIPT"
focus_main
wait_panel3 "Single Monitor, Remote :$PORT"

SHOTS="${SHOTS_DIR:-$E2E_TMP}"
page() {
    "$PY" "$(dirname "$0")/remote_page.py" --port "$PORT" --key "$KEY" \
        --status-cmd "$WINE64 '${STATUSTEXT:-$DIST/../bin/statustext.exe}'" "$@"
}
page --size phone --shot-stopped "$SHOTS/remote-phone-stopped.png" \
    --shot-playing "$SHOTS/remote-phone.png" || fail "the phone's journey"
page --size desktop --shot-playing "$SHOTS/remote-desktop.png" \
    --shot-offline "$SHOTS/remote-offline.png" --other-site --quit || fail "the desktop's journey"
wait_exit 20 >/dev/null || fail "Exit did not end the program"
echo "PASS"
