# Shared helpers for the run and test scripts: a virtual X server with a
# window manager, and a warm Wine prefix in the build tree. Source it.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WINE64=/usr/lib/wine/wine64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

build_windows() {
    cmake --preset windows >/dev/null
    cmake --build --preset windows
}

# Starts Xvfb of the given size on the first free display from `first`, with
# openbox; sets DISPLAY, XVFB_PID and WM_PID.
launch_x() {
    local size="$1" first="$2" n
    for n in $(seq "$first" $((first + 50))); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.05
    done
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
}

# Starts Xvfb on a free display with the given screen size and openbox.
# Sets DISPLAY and remembers the processes to stop.
start_virtual_x() {
    launch_x "${1:-1920x1080}" 90
    sleep 0.3
}

stop_virtual_x() {
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}

# Prepares the Wine prefix once; later runs reuse it.
prepare_prefix() {
    export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
    if [ ! -f "$WINEPREFIX/.cuecraft-ready" ]; then
        rm -rf "$WINEPREFIX"
        "$WINE64" wineboot -i </dev/null >/dev/null 2>&1 || true
        /usr/lib/wine/wineserver -w
        touch "$WINEPREFIX/.cuecraft-ready"
    fi
}

# Keeps Wine's services and desktop process up so every later start is fast.
warm_wine() {
    prepare_prefix
    /usr/lib/wine/wineserver -p
    "$WINE64" wineboot </dev/null >/dev/null 2>&1 || true
    setsid "$WINE64" "$ROOT/build/windows/bin/keepwarm.exe" </dev/null >/dev/null 2>&1 &
    KEEPWARM_PID=$!
}

stop_wine() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
}
