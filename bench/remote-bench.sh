#!/usr/bin/env bash
# The remote control against the scroll: part "remote" of scripts/bench.sh,
# which sources this file for its helpers (bench, fresh_prefix, cpu_ticks).
# Run alone it runs that part only. Every request goes to 127.0.0.1, and
# every client and loop here is bounded in count and time.
#  1. The scroll bench at Delay 1 and 15, single screen, 600 lines, with the
#     remote off, on with no client, on with 8 live WebSocket clients that
#     only read, and on with 8 talent views (WebSockets that take what the
#     talent page takes: the lines and every position); rounds of the four,
#     REMOTE_ROUNDS, default 2.
#  2. The program as the README starts it, playing: Space from the keyboard
#     against POST /api/pause, each timed from outside from the command to
#     the screen's last change (bench/tools/settletime.c), REMOTE_SETTLE_TRIES
#     of each (default 15), alternating, at Delay 1 and 5 (REMOTE_SETTLE_DELAYS).
#  3. 1,000 connects and disconnects (GET /api/state and WebSocket opens),
#     twice, with the program's handles, GDI and USER objects and memory
#     before and after each thousand.
# REMOTE_PARTS picks among steps, settle and churn (default all three).
if [ -z "${BENCH_SOURCED:-}" ]; then
    BENCH_PARTS=remote exec bash "$(dirname "$0")/../scripts/bench.sh"
fi

REMOTE_KEY="$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')"
REMOTE_CLIENTS="$ROOT/bench/tools/remote-clients.mjs"
node_js() { node --experimental-websocket --no-warnings "$REMOTE_CLIENTS" "$@"; }

# A loopback port nothing listens on yet.
remote_free_port() {
    local p
    for p in $(shuf -i 20000-29999 -n 20); do
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then
            echo "$p"
            return 0
        fi
    done
    return 1
}

# The settings file's lines that turn the remote on for this computer only.
remote_settings() {
    printf '\r\n[Remote]\r\nEnabled=1\r\nNetwork=0\r\nPort=%s\r\nAccessKey=%s\r\n' \
        "$1" "$REMOTE_KEY"
}

# Waits (10 s at most) until the port takes connections.
remote_await_port() {
    for _ in $(seq 1 100); do
        (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# The bench's rows in folder $on with $1 clients of kind $2 (remote-clients.mjs)
# connected, labelled $3, then what each client got ($4). The clients connect
# once the bench listens; the subshell becomes node, so its id is theirs.
remote_steps_with() {
    local clients
    (remote_await_port "$port" && exec node --experimental-websocket --no-warnings \
        "$REMOTE_CLIENTS" "$2" "$port" "$REMOTE_KEY" "$1" 120) >"$WORK/clients.txt" 2>&1 &
    clients=$!
    BENCH_DIR="$on" bench "$TRIES" single 600 0 1,15 "$1" | sed "s/^|/| on, $3 |/"
    kill -TERM "$clients" 2>/dev/null || true
    wait "$clients" 2>/dev/null || true
    echo "| (round $round: $4: $(grep messages "$WORK/clients.txt" | cut -d' ' -f2- || echo none)) |"
}

# Part 1: the scroll bench's rows, with the remote's case in front.
remote_steps() {
    local port on="$WORK/remote-bin" round
    port=$(remote_free_port)
    rm -rf "$on"
    cp -r "$BIN" "$on"
    remote_settings "$port" >>"$on/settings/rollscript.mes"
    echo "### The scroll loop with the remote control (1920x1080, single screen, 600 lines)"
    echo
    echo "| Remote | Output | Mode | Script lines | Start line | Delay | Band | Steps | Nominal px/s | Achieved px/s | Achieved | Cost median ms | Cost p99 ms | memmove ms | Cost / memmove | Line-entry cost ms | Wait mean ms | Period median ms | Jitter p99-median ms | Period SD ms | Period max ms | Play to first row ms | Spin margin ms | CPU % of a core |"
    echo "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|"
    start_virtual_x 1920x1080
    fresh_prefix
    warm_wine
    for round in $(seq 1 "${REMOTE_ROUNDS:-2}"); do
        BENCH_DIR="$BIN" bench "$TRIES" single 600 0 1,15 | sed 's/^|/| off |/'
        BENCH_DIR="$on" bench "$TRIES" single 600 0 1,15 0 | sed 's/^|/| on, no client |/'
        remote_steps_with 8 live "8 clients" "the clients' state messages"
        remote_steps_with 8 talent "8 talent views" "each talent view's scripts+positions"
    done
    stop_wine
    stop_virtual_x
}

# The program with the remote on and a script long enough for every trial;
# sets REMOTE_PORT too.
remote_start_app() {
    REMOTE_PORT=$(remote_free_port)
    start_program "$1" "$(remote_settings "$REMOTE_PORT")" 3000
    remote_await_port "$REMOTE_PORT"
}

# Median, least and most of the numbers on stdin.
remote_spread() {
    sort -n | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "none | | "; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f | %.1f to %.1f | %d", m, v[1], v[NR], NR }'
}

# Part 2: a command's effect on the screen against its key's.
remote_settle() {
    local delay tries="${REMOTE_SETTLE_TRIES:-15}" settle="$ROOT/build/tools/settletime"
    echo
    echo "### Pause from the keyboard and from the remote, timed from outside (1920x1080)"
    echo
    echo "| Delay | Command | Median ms to the screen's last change | Range ms | Trials | Answer median ms |"
    echo "|---|---|---|---|---|---|"
    start_virtual_x 1920x1080
    fresh_prefix
    warm_wine
    for delay in ${REMOTE_SETTLE_DELAYS:-1 5}; do
        remote_start_app "$delay"
        play_program
        sleep 1.5
        : >"$WORK/key.txt"
        : >"$WORK/post.txt"
        for _ in $(seq 1 "$tries"); do
            "$settle" key space >>"$WORK/key.txt" || true
            xdotool key space # resume
            sleep 0.8
            "$settle" post "$REMOTE_PORT" /api/pause "$REMOTE_KEY" >>"$WORK/post.txt" || true
            curl -s -m 5 -o /dev/null -H "Authorization: Bearer $REMOTE_KEY" -X POST \
                "http://127.0.0.1:$REMOTE_PORT/api/resume" || true
            sleep 0.8
        done
        echo "| $delay | Space (XTest) | $(awk '/settle_ms/ { print $2 }' "$WORK/key.txt" | remote_spread) | |"
        echo "| $delay | POST /api/pause | $(awk '/settle_ms/ { print $2 }' "$WORK/post.txt" | remote_spread) | $(awk '/answer_ms/ { print $4 }' "$WORK/post.txt" | remote_spread | cut -d'|' -f1) |"
        quit_program
    done
    stop_wine
    stop_virtual_x
}

# What the program holds, from outside: Wine's counts through the tool, the
# resident memory from /proc.
remote_holdings() {
    local held rss
    held=$("$WINE64" "$BIN/procres.exe" </dev/null 2>/dev/null | tr -d '\r')
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$APP_PID/status")
    echo "$held" | awk -v rss="$rss" -v when="$1" '{
        printf "| %s | %s | %s | %s | %s | %s | %s |\n", when, $2, $4, $6, $8, $10, rss }'
}

# Part 3: a thousand connections come and go, twice.
remote_churn() {
    echo
    echo "### 1,000 connects and disconnects (the program idle, editor shown)"
    echo
    echo "| When | Handles | Windows | GDI objects | USER objects | Private bytes KB (Wine) | VmRSS KB |"
    echo "|---|---|---|---|---|---|---|"
    start_virtual_x 1920x1080
    fresh_prefix
    warm_wine
    remote_start_app 15
    remote_holdings "before"
    for n in 1000 2000; do
        node_js churn "$REMOTE_PORT" "$REMOTE_KEY" 1000 >"$WORK/churn.txt" 2>&1 || true
        sleep 2
        remote_holdings "after $n ($(grep -o 'churn.*' "$WORK/churn.txt" | head -1))"
    done
    quit_program
    stop_wine
    stop_virtual_x
}

remote_bench() {
    if ! command -v node >/dev/null; then
        echo "(the remote part needs Node.js for its clients: not found)"
        return 0
    fi
    gcc -O2 -o "$ROOT/build/tools/settletime" "$ROOT/bench/tools/settletime.c" -lXdamage -lXtst -lX11
    echo
    echo "## The remote control"
    echo
    echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
    echo
    local part
    for part in ${REMOTE_PARTS:-steps settle churn}; do
        "remote_$part"
    done
}
