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

# Starts Xorg with the dummy driver: two outputs of the given size (1024x768
# or 1920x1080) side by side, the first primary, and openbox. Files go to
# folder $2. Sets DISPLAY, XORG_PID and WM_PID; returns 1, saying why, when
# Xorg cannot run here.
start_two_monitors() {
    local size="$1" work="$2" n i modeline
    command -v Xorg >/dev/null || { echo "Xorg is not installed"; return 1; }
    [ -f /usr/lib/xorg/modules/drivers/dummy_drv.so ] || { echo "no Xorg dummy driver"; return 1; }
    [ "$(id -u)" = 0 ] || { echo "Xorg with the dummy driver needs root"; return 1; }
    case "$size" in
    1920x1080) modeline='"1920x1080" 148.50 1920 2008 2052 2200 1080 1084 1089 1125 +hsync +vsync' ;;
    *) size=1024x768 modeline='"1024x768" 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync' ;;
    esac
    cat >"$work/dummy.conf" <<CONF
Section "Monitor"
    Identifier "Monitor0"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline $modeline
EndSection
Section "Device"
    Identifier "Card0"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Screen"
    Identifier "Screen0"
    Device "Card0"
    Monitor "Monitor0"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3840 1200
    EndSubSection
EndSection
CONF
    for n in $(seq 150 190); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xorg ":$n" -config "$work/dummy.conf" -noreset -nolisten tcp -logfile "$work/xorg.log" \
        >/dev/null 2>&1 &
    XORG_PID=$!
    export DISPLAY=":$n"
    for i in $(seq 1 100); do
        xrandr >/dev/null 2>&1 && break
        kill -0 "$XORG_PID" 2>/dev/null || break
        sleep 0.1
    done
    if ! xrandr >/dev/null 2>&1; then
        echo "Xorg with the dummy driver did not start here:"
        tail -5 "$work/xorg.log" 2>/dev/null
        return 1
    fi
    xrandr --output DUMMY0 --mode "$size" --primary --pos 0x0 &&
        xrandr --addmode DUMMY1 "$size" &&
        xrandr --output DUMMY1 --mode "$size" --right-of DUMMY0 ||
        { echo "the dummy driver offers no second output"; return 1; }
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    sleep 0.3
}
