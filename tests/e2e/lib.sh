# Helpers for the black-box tests: run the program under Wine and find its
# windows from outside with xdotool. Source it; $1 of the test is the dist folder.
set -euo pipefail
# launch_x: a virtual X server with a window manager.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xwine.sh"
WINE64=/usr/lib/wine/wine64
export WINEDEBUG=-all
DIST="${1:?dist folder}"
E2E_TMP="$(mktemp -d)"
APP_PID=""

cleanup_e2e() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap cleanup_e2e EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts rollscript.exe in the background as the README does, with the
# settings of its folder and a script on the command line: the given one (a
# Windows path), else the sample script; "" starts it with no argument.
start_app() {
    local exe="${EXE:-$DIST/rollscript.exe}" args=()
    if [ $# -eq 0 ]; then
        args=("$(winepath -w "$(dirname "$exe")/sample-script.txt" 2>/dev/null)")
    elif [ -n "$1" ]; then
        args=("$1")
    fi
    "$WINE64" "$exe" "${args[@]}" </dev/null >"$E2E_TMP/app.log" 2>&1 &
    APP_PID=$!
}

# The Windows name of an absolute path, through drive Z: as Wine maps it
# (winepath cuts a name at 260 characters).
win_path() { printf 'Z:%s\n' "${1//\//\\}"; }

# Waits until file $1 holds exactly the bytes of file $2; $3 names the step.
expect_bytes() {
    for _ in $(seq 1 30); do
        cmp -s "$1" "$2" && return 0
        sleep 0.2
    done
    fail "$3: the file holds $(od -An -tx1 "$1" | head -c 600)"
}

# True when the program showed a message box with exactly this text. Needs
# the program started with WINEDEBUG=-all,+msgbox, whose trace names each box.
box_text_shown() {
    grep -qF "MSGBOX_OnInit L\"$1\"" "$E2E_TMP/app.log"
}

# Waits until a visible window whose name matches the regex exists; prints its id.
wait_window() {
    local regex="$1" seconds="${2:-20}" id i
    for i in $(seq 1 $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits until a window has stopped moving and resizing (the main window is
# shown, then maximised, at start), so keys reach it once it is in place.
wait_settled() {
    local id="$1" last="" now i
    for i in $(seq 1 50); do
        now=$(xdotool getwindowgeometry "$id" 2>/dev/null || true)
        [ -n "$now" ] && [ "$now" = "$last" ] && return 0
        last="$now"
        sleep 0.2
    done
    return 0
}

# Waits until no visible window's name matches the regex.
wait_gone() {
    local regex="$1" seconds="${2:-20}"
    for _ in $(seq 1 $((seconds * 10))); do
        xdotool search --onlyvisible --name "$regex" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# Sets X, Y, WIDTH and HEIGHT to a window's place on the screen.
window_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# A screenshot of the whole screen as PNG on stdout.
screenshot() {
    import -window root png:-
}

# "#RRGGBB" of one screen pixel.
screen_pixel() {
    screenshot | convert png:- -crop "1x1+$1+$2" -depth 8 txt:- |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -1 | tr 'a-f' 'A-F'
}

# Number of pixels that differ between region $2 of shot $1 and region $4 of
# shot $3 (regions as WxH+X+Y).
region_diff() {
    convert "$1" -crop "$2" +repage "$E2E_TMP/a.png"
    convert "$3" -crop "$4" +repage "$E2E_TMP/b.png"
    compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 | cut -d' ' -f1 || true
}

# A screenshot into $1 once region $2 has stopped changing (painted).
steady_screenshot() {
    local previous="$E2E_TMP/previous.png"
    screenshot >"$previous"
    for _ in $(seq 1 20); do
        sleep 0.15
        screenshot >"$1"
        [ "$(region_diff "$previous" "$2" "$1" "$2")" = 0 ] && return 0
        cp "$1" "$previous"
    done
}

# Waits for the program to end; prints its exit code.
wait_exit() {
    local seconds="${1:-20}" i
    for i in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            local code=0
            wait "$APP_PID" || code=$?
            APP_PID=""
            echo "$code"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits for the main window, lets it settle and gives it the focus, once at
# the start, as a person clicks into a program they have just started. Sets
# MAIN to its id. The only place a test gives a window the focus; every key
# after it goes wherever the program put the focus.
focus_main() {
    MAIN=$(wait_window '^Cuecraft 1\.3\.2\.44$' "${1:-20}") || fail "the main window did not appear"
    wait_settled "$MAIN"
    xdotool windowactivate --sync "$MAIN" 2>/dev/null || xdotool windowfocus --sync "$MAIN"
}

# Types keys into whatever window has the keyboard focus now, as a person's
# keyboard does; no window is activated first.
send_keys() {
    sleep 0.2
    xdotool key --delay 60 "$@"
}

# File > Exit, and the program ends.
quit_app() {
    send_keys alt+x
    wait_exit 20 >/dev/null || fail "Exit did not end the program"
}

# File > "Save Default Settings" (past New, Open, Save, Save As and Load
# Settings), and settings file $1 changes.
save_default_settings() {
    local before
    before="$(md5sum <"$1")"
    send_keys alt+f Down Down Down Down Down Return
    for _ in $(seq 1 50); do
        [ "$(md5sum <"$1")" != "$before" ] && return 0
        sleep 0.1
    done
    fail "Save Default Settings did not write the file"
}

# The texts of the editor's status bar panels, one line each, as the program
# holds them.
status_panels() {
    "$WINE64" "${STATUSTEXT:-$DIST/../bin/statustext.exe}" </dev/null 2>/dev/null | tr -d '\r'
}

# The text of panel $1 (counted from 1).
status_panel() {
    status_panels | sed -n "${1}p"
}

# Runs the rest of the test on its own X server of the given size, with its
# own copy of the Wine prefix (one wineserver serves one display).
use_own_display() {
    launch_x "$1" 150
    local xpid=$XVFB_PID wmpid=$WM_PID
    local prefix="$E2E_TMP/prefix-${DISPLAY#:}"
    cp -a "$WINEPREFIX" "$prefix"
    export WINEPREFIX="$prefix"
    # Meant for a subshell: its exit stops only what this display started.
    trap "set +e; [ -n \"\$APP_PID\" ] && kill \$APP_PID 2>/dev/null; WINEPREFIX='$prefix' /usr/lib/wine/wineserver -k 2>/dev/null; kill $wmpid $xpid 2>/dev/null; rm -rf '$prefix'; true" EXIT
}

# Copies the program into the test's folder (EXE then runs it) and switches
# its remote on for this computer only, on a port nothing listens on, with
# key KEY; sets PORT and URL, and LONG_SCRIPT to a script long enough to
# scroll through a whole test (as a Windows path, for start_app).
KEY=00112233445566778899aabbccddeeff
setup_remote() {
    cp -r "$DIST" "$E2E_TMP/app"
    export EXE="$E2E_TMP/app/rollscript.exe"
    PORT=""
    local p
    for p in $(shuf -i 20000-29999 -n 20); do
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
            PORT=$p
            break
        fi
    done
    [ -n "$PORT" ] || fail "no free port found"
    printf '\r\n[Remote]\r\nEnabled=1\r\nNetwork=0\r\nPort=%s\r\nAccessKey=%s\r\n' "$PORT" "$KEY" \
        >>"$E2E_TMP/app/settings/rollscript.mes"
    URL="http://127.0.0.1:$PORT"
    seq -f 'Line %g of a script that scrolls for a good while.' 400 | sed 's/$/\r/' \
        >"$E2E_TMP/long.txt"
    LONG_SCRIPT=$(winepath -w "$E2E_TMP/long.txt" 2>/dev/null)
}

# Waits until panel 3 reads $1.
wait_panel3() {
    local panel=""
    for _ in $(seq 1 50); do
        panel=$(status_panel 3)
        [ "$panel" = "$1" ] && return 0
        sleep 0.1
    done
    fail "panel 3 reads '$panel', not '$1'"
}

# The browser tests' tools: Debian's headless Chromium, its driver and
# python3-selenium. Sets PY; without them the test is skipped (77).
need_browser() {
    PY=/usr/bin/python3
    if [ ! -x /usr/bin/chromium ] || [ ! -x /usr/bin/chromedriver ] ||
        ! "$PY" -c 'import selenium' 2>/dev/null; then
        echo "SKIP: chromium, chromium-driver or python3-selenium not installed (scripts/install-deps.sh)"
        exit 77
    fi
}
