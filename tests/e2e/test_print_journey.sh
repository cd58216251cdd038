#!/usr/bin/env bash
# The print journey from outside: a short script on the command line, File >
# Print... by keyboard, the print dialog confirmed with Return, and the job
# read back from the printer's file with ghostscript: the script's lines and
# the trailer, and dark ink on the page although the script is shown white
# on black.
source "$(dirname "$0")/lib.sh"

# The printer whose port is a file, as the in-process printing tests add it
# to the same prefix; the helper is built beside the program's tests.
HELPER="${TESTPRINTER:-$DIST/../bin/testprinter.exe}"
[ -f "$HELPER" ] || { echo "SKIP: no printer helper at $HELPER"; exit 77; }
job=$("$WINE64" "$HELPER" </dev/null 2>"$E2E_TMP/helper.log" | tr -d '\r') ||
    fail "the test printer could not be added: $(cat "$E2E_TMP/helper.log")"
job=$(winepath -u "$job" 2>/dev/null)
[ -n "$job" ] && [ ! -e "$job" ] || fail "no fresh output file for the printer ($job)"

script="$E2E_TMP/short.txt"
printf 'Good evening\r\nand welcome\r\n' >"$script"
script_arg=$(winepath -w "$script" 2>/dev/null)
start_app "$script_arg"
focus_main

send_keys alt+f p
dialog=$(wait_window '^Print$' 10) || fail "File > Print did not open the print dialog"
send_keys Return
wait_gone '^Print$' 10 || fail "the print dialog did not close on Return"
for _ in $(seq 1 100); do
    [ -f "$job" ] && tail -n 1 "$job" | grep -q '^%%EOF' && break
    sleep 0.1
done
tail -n 1 "$job" 2>/dev/null | grep -q '^%%EOF' || fail "no complete print job in $job"

# The script's lines, two single blanks, the count, the command-line script
# after a blank and a last single blank, on one page.
text=$(gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile=- "$job" | tr -d '\r')
expected=$(printf '%s\n' "Good evening" "and welcome" " " " " " 2 Lines" " $script_arg" " ")
[ "$text" = "$expected" ] || fail "printed text differs:$(printf '\n%s' "$text")"
[ "$(grep -c '^%%Page: ' "$job")" = 1 ] || fail "the job is not one page"

# The darkest pixel of the page: white text would leave it blank.
darkest=$(gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=pgmraw -r36 -sOutputFile=- "$job" |
    convert pgm:- -format '%[fx:int(255*minima)]' info:)
[ "$darkest" -lt 128 ] || fail "the page is blank (darkest grey $darkest)"

send_keys alt+x
wait_exit 20 >/dev/null || fail "Exit did not end the program"
echo "PASS"
