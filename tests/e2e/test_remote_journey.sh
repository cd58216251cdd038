#!/usr/bin/env bash
# The remote control from outside: the program starts with the remote on for
# this computer only, as its settings file says; curl, on 127.0.0.1 only,
# plays, slows, speeds up, pauses, resumes, runs back and forth, stops and
# toggles a long script, and the answers, the output window and the status
# bar show it. Exit closes the port. Started again while another program holds the port, it says so in the
# status bar and works on without the remote.
source "$(dirname "$0")/lib.sh"

setup_remote
state() { curl -s -m 10 -H "Authorization: Bearer $KEY" "$URL/api/state"; }
post() { curl -s -m 10 -H "Authorization: Bearer $KEY" -X POST "$URL/api/$1"; }
field() { jq -r ".$1"; }

start_app "$LONG_SCRIPT"
focus_main

# The status bar says the remote is on, and where.
wait_panel3 "Single Monitor, Remote :$PORT"

code=$(curl -s -o /dev/null -w '%{http_code}' -m 10 -X POST "$URL/api/play")
[ "$code" = 401 ] || fail "a play without the key answered $code"
[ "$(state | field playing)" = false ] || fail "playing before Play: $(state)"

# Play: answered once the output window is up.
answer=$(post play)
[ "$(field playing <<<"$answer")" = true ] || fail "Play answered $answer"
[ "$(field result <<<"$answer")" = applied ] || fail "Play answered $answer"
xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' >/dev/null 2>&1 &&
    fail "the editor stayed visible while playing"

answer=$(post delay/10)
[ "$(field delay <<<"$answer")" = 10 ] || fail "delay/10 answered $answer"
answer=$(post faster)
[ "$(field delay <<<"$answer")" = 9 ] || fail "Faster (as Up) answered $answer"
answer=$(post slower4)
[ "$(field delay <<<"$answer")" = 13 ] || fail "Slower4 (as Page Down) answered $answer"

answer=$(post pause)
[ "$(field paused <<<"$answer")" = true ] || fail "Pause answered $answer"
rows=$(field rows <<<"$answer")
sleep 0.5
answer=$(post pause)
[ "$(field result <<<"$answer")" = "not applicable" ] || fail "a second Pause answered $answer"
[ "$(field rows <<<"$answer")" = "$rows" ] || fail "the text moved while paused"

answer=$(post resume)
[ "$(field paused <<<"$answer")" = false ] || fail "Resume answered $answer"
sleep 0.5
[ "$(state | field rows)" -gt "$rows" ] || fail "no rows moved after Resume: $(state)"

answer=$(post slower)
[ "$(field delay <<<"$answer")" = 14 ] || fail "Slower (as Down) answered $answer"
answer=$(post faster4)
[ "$(field delay <<<"$answer")" = 10 ] || fail "Faster4 (as Page Up) answered $answer"

# Backward (as Left held) once the text fills the screen, Forward (as Right).
post delay/1 >/dev/null
height=$(xdotool getdisplaygeometry | cut -d' ' -f2)
for _ in $(seq 1 50); do
    [ "$(state | field rows)" -gt "$height" ] && break
    sleep 0.1
done
answer=$(post backward)
[ "$(field direction <<<"$answer")" = backward ] || fail "Backward answered $answer"
rows=$(state | field rows)
sleep 0.3
[ "$(state | field rows)" -lt "$rows" ] || fail "Backward did not run the text back: $(state)"
answer=$(post forward)
[ "$(field direction <<<"$answer")" = forward ] || fail "Forward answered $answer"
rows=$(state | field rows)
sleep 0.3
[ "$(state | field rows)" -gt "$rows" ] || fail "Forward did not run the text on: $(state)"

answer=$(post stop)
[ "$(field playing <<<"$answer")" = false ] || fail "Stop answered $answer"
wait_window '^Cuecraft 1\.3\.2\.44$' 10 >/dev/null || fail "the editor did not come back"
[ "$(status_panel 3)" = "Single Monitor, Remote :$PORT" ] || fail "panel 3 lost the remote"

# Toggle plays, and stops what plays, as the Play menu does.
answer=$(post toggle)
[ "$(field playing <<<"$answer")" = true ] || fail "Toggle while stopped answered $answer"
answer=$(post toggle)
[ "$(field playing <<<"$answer")" = false ] || fail "Toggle while playing answered $answer"
wait_window '^Cuecraft 1\.3\.2\.44$' 10 >/dev/null || fail "the editor did not come back after Toggle"

# Exit stops the server: the port is closed once the program has ended.
quit_app
if (exec 3<>"/dev/tcp/127.0.0.1/$PORT") 2>/dev/null; then
    fail "port $PORT still open after Exit"
fi

python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(1); time.sleep(60)' "$PORT" &
HOLDER=$!
trap 'kill $HOLDER 2>/dev/null; cleanup_e2e' EXIT
sleep 0.5
start_app
focus_main
wait_panel3 "Single Monitor, Remote off: Port $PORT is in use by another program"
quit_app
echo "PASS"
