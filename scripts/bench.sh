#!/usr/bin/env bash
# Builds the program and runs the benchmarks under Wine, printing Markdown
# tables: the scroll loop on virtual screens of each size, single-screen and
# on two monitors (Xorg's dummy driver), with a short and a long script; what
# reaches the screen, counted from outside with X damage reports; how late
# the system's timers wake a sleep; and loading scripts of three sizes. Not
# part of the tests: nothing here passes or fails on a time. Works in its own
# copy of the Wine prefix, which remembers the screen sizes it has seen.
# The scroll rows and the screen updates also give the program's CPU time
# per second of scrolling, read from /proc from outside the process.
# The remote control's part (bench/remote-bench.sh) plays with the remote
# off, on, and with live clients, times a command against its key, and
# counts what connections leave behind.
# Usage: [BENCH_TRIES=n] [BENCH_PARTS="single dual screen timers load remote"] scripts/bench.sh
# (each case played n = 3 times, the fastest run shown; BENCH_PARTS picks
# the tables, all by default)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xwine.sh

bash scripts/install-deps.sh
build_windows >/dev/null
mkdir -p build/tools
gcc -O2 -o build/tools/damagecount bench/tools/damagecount.c -lXdamage -lX11

BIN="$ROOT/build/windows/bin"
TRIES="${BENCH_TRIES:-3}"
PARTS=" ${BENCH_PARTS:-single dual screen timers load remote} "
want() { [[ "$PARTS" == *" $1 "* ]]; }
WORK="$(mktemp -d)"
# A copy of the ready prefix (made first if need be) for each screen set-up.
fresh_prefix() {
    [ -f "$ROOT/build/wineprefix/.cuecraft-ready" ] || (WINEPREFIX="$ROOT/build/wineprefix" prepare_prefix)
    export WINEPREFIX="$WORK/prefix"
    rm -rf "$WINEPREFIX"
    cp -a "$ROOT/build/wineprefix" "$WINEPREFIX"
}
XORG_PID=""
finish() {
    stop_wine
    stop_virtual_x
    [ -n "$XORG_PID" ] && kill "$XORG_PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap finish EXIT

# The CPU time (user and system, all threads) a process has used, in clock ticks.
HZ="$(getconf CLK_TCK)"
cpu_ticks() {
    local -a stat
    read -ra stat <"/proc/$1/stat" || return 0
    echo $((stat[13] + stat[14]))
}
# Percent of one core: ticks used over the wall-clock seconds between two stamps.
cpu_percent() { awk -v c="$1" -v hz="$HZ" -v t0="$2" -v t1="$3" 'BEGIN { printf "%.1f", 100 * c / hz / (t1 - t0) }'; }

# Runs the scroll bench and adds the program's CPU time per second of
# scrolling to each row, read from outside the process when the bench says a
# try has reached its first and its last step (the try the row shows). It
# runs in BENCH_DIR, the build's own by default.
bench() {
    local out="$WORK/bench.out" pid line try=-1 picked=0 c0=0 t0=0
    local -a cpu=()
    rm -f "$out"
    mkfifo "$out"
    (cd "${BENCH_DIR:-$BIN}" && exec "$WINE64" ./scroll_bench.exe "$@" </dev/null >"$out") &
    pid=$!
    while IFS= read -r line; do
        line="${line%$'\r'}" # the console's line ends
        case "$line" in
        "#cpu begin")
            try=$((try + 1))
            c0=$(cpu_ticks "$pid")
            t0=$EPOCHREALTIME
            ;;
        "#cpu end") cpu[$try]=$(cpu_percent $(($(cpu_ticks "$pid") - c0)) "$t0" "$EPOCHREALTIME") ;;
        "#cpu pick "*) picked="${line#"#cpu pick "}" ;;
        "|"*)
            echo "$line ${cpu[$picked]:-} |"
            cpu=()
            try=-1
            ;;
        *) echo "$line" ;;
        esac
    done <"$out"
    wait "$pid" || true
}

want single || want dual && {
echo "## Scroll loop"
echo
echo "| Output | Mode | Script lines | Start line | Delay | Band | Steps | Nominal px/s | Achieved px/s | Achieved | Cost median ms | Cost p99 ms | memmove ms | Cost / memmove | Line-entry cost ms | Wait mean ms | Period median ms | Jitter p99-median ms | Period SD ms | Period max ms | Play to first row ms | Spin margin ms | CPU % of a core |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
}
want single && for size in 1024x768 1920x1080 3840x2160; do
    start_virtual_x "$size"
    fresh_prefix
    warm_wine
    if [ "$size" = 3840x2160 ]; then
        bench "$TRIES" single 600 0 1
    else
        bench "$TRIES" single 600 0 0,1,10,15,30
        bench "$TRIES" single 20000 19000 0,1,10,15,30
    fi
    stop_wine
    stop_virtual_x
done
want dual && for size in 1024x768 1920x1080; do
    if start_two_monitors "$size" "$WORK" >"$WORK/xorg.txt"; then
        fresh_prefix
        "$WINE64" wineboot </dev/null >/dev/null 2>&1 || true
        xrandr >/dev/null # a full query makes Wine see both outputs
        bench "$TRIES" dual 600 0 1,10,15
        bench "$TRIES" dual 20000 19000 1,10,15
        stop_wine
        kill "$WM_PID" "$XORG_PID" 2>/dev/null || true
        wait "$XORG_PID" 2>/dev/null || true
        XORG_PID=""
    else
        echo "| ${size} x 2 | dual | (no two-monitor server here: $(tr '\n' ' ' <"$WORK/xorg.txt")) |"
    fi
done

# Starts the program as the README does, from a copy of the distributed
# folder with the given delay in its settings file (and the lines $2 added to
# it) and a script of $3 lines (600 by default); sets APP_PID and MAIN_WIN.
start_program() {
    local app="$WORK/app"
    rm -rf "$app"
    cp -r "$ROOT/build/windows/dist" "$app"
    sed -i "s/^AlteDelay=.*/AlteDelay=$1/" "$app/settings/rollscript.mes"
    [ -z "${2:-}" ] || printf '%s\r\n' "$2" >>"$app/settings/rollscript.mes"
    awk -v n="${3:-600}" 'BEGIN { for (i = 0; i < n; i++) printf "line %d of the audience test script\r\n", i }' \
        >"$app/long.txt"
    "$WINE64" "$app/rollscript.exe" "$(winepath -w "$app/long.txt")" </dev/null >/dev/null 2>&1 &
    APP_PID=$!
    MAIN_WIN=""
    for _ in $(seq 1 100); do
        MAIN_WIN=$(xdotool search --onlyvisible --name '^Cuecraft 1' 2>/dev/null | head -n 1 || true)
        [ -n "$MAIN_WIN" ] && break
        sleep 0.1
    done
    sleep 1.5
}

# Plays from the top, from the keyboard.
play_program() {
    xdotool windowactivate --sync "$MAIN_WIN" 2>/dev/null || true
    sleep 0.3
    xdotool key ctrl+Home alt+p
}

quit_program() {
    xdotool key Escape
    sleep 0.5
    xdotool key alt+x
    sleep 1
    kill "$APP_PID" 2>/dev/null || true
    wait "$APP_PID" 2>/dev/null || true
}

# The program playing at the given delay; the screen's updates counted for
# 3 s after the first second.
screen_updates() {
    local delay="$1"
    start_program "$delay"
    play_program
    local updates cpu c0 t0 c1 t1 pid=$APP_PID
    # The program's CPU time over the same 3 s, read from outside.
    (
        sleep 1
        echo "$(cpu_ticks "$pid") $EPOCHREALTIME" >"$WORK/cpu0"
        sleep 3
        echo "$(cpu_ticks "$pid") $EPOCHREALTIME" >"$WORK/cpu1"
    ) &
    local reader=$!
    updates=$("$ROOT/build/tools/damagecount" 3 1 | awk '{ print $2 }')
    wait "$reader"
    read -r c0 t0 <"$WORK/cpu0"
    read -r c1 t1 <"$WORK/cpu1"
    cpu=$(cpu_percent $((c1 - c0)) "$t0" "$t1")
    quit_program
    local steps=$((1000 / (delay < 1 ? 1 : delay)))
    local bound=$((steps < 60 ? steps : 60))
    echo "| $2 | $delay | $steps | $bound | $updates | $cpu |"
}

want screen && {
echo
echo "## What reaches the screen"
echo
echo "| Output | Delay | Steps per second | min(steps, refresh 60 Hz) | Screen updates per second | CPU % of a core |"
echo "|---|---|---|---|---|---|"
for size in 1024x768 1920x1080; do
    start_virtual_x "$size"
    fresh_prefix
    warm_wine
    for delay in 20 5; do
        screen_updates "$delay" "$size"
    done
    stop_wine
    stop_virtual_x
done
}

want timers && {
echo
echo "## What the timers give a sleep (1920x1080)"
echo
start_virtual_x 1920x1080
fresh_prefix
warm_wine
(cd "$BIN" && "$WINE64" ./scroll_bench.exe timers </dev/null) || true
stop_wine
stop_virtual_x
}

want load && {
echo
echo "## Loading scripts (1920x1080, the least of 5 tries)"
echo
start_virtual_x 1920x1080
fresh_prefix
warm_wine
(cd "$BIN" && "$WINE64" ./scroll_bench.exe load </dev/null) || true
stop_wine
stop_virtual_x
}

want remote && {
BENCH_SOURCED=1 source bench/remote-bench.sh
remote_bench
}

# Other work on the machine shows in the waits: say how busy it was.
echo
echo "Load average after the run: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
