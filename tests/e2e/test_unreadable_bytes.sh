#!/usr/bin/env bash
# A script in the system's code page with bytes that code page cannot read,
# on a Japanese system (code page 932, double-byte): the load says so in
# panel 4, a save of the unedited script gives the file back byte for byte,
# and after an edit the save asks before writing the stand-in characters;
# No leaves the file as it is.
source "$(dirname "$0")/lib.sh"
source "$ROOT/scripts/unicode-prefix.sh"

use_codepage 932 || fail "no locale for code page 932"
prepare_unicode_prefix || fail "the prefix for other languages cannot be made"
cp -r "$DIST" "$E2E_TMP/app"
export EXE="$E2E_TMP/app/rollscript.exe"
QUESTION="some bytes of the file could not be read in code page 932"

(
    use_own_display 1920x1080
    [ "$("$WINE64" "$DIST/../bin/unitext.exe" acp </dev/null 2>/dev/null | tr -d '\r')" = 932 ] ||
        fail "Wine's code page is not 932"
    script="$E2E_TMP/shiftjis.txt"
    # "Konnichiwa" in Shift-JIS, then a lead byte whose trail is a blank.
    printf '\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\r\nab\x81 cd\r\n' >"$script"
    cp "$script" "$E2E_TMP/original"

    WINEDEBUG=-all,+msgbox start_app "$(win_path "$script")"
    focus_main
    panel=$(status_panel 4)
    [ "$panel" = "Some bytes could not be read in code page 932; they show as stand-in characters" ] ||
        fail "panel 4 reads '$panel'"

    # File > "Save Text File", unedited: the file's own bytes.
    touch -d '2001-01-01' "$script"
    send_keys alt+f s
    for _ in $(seq 1 30); do
        [ "$(stat -c %Y "$script")" != "$(date -d 2001-01-01 +%s)" ] && break
        sleep 0.2
    done
    [ "$(stat -c %Y "$script")" != "$(date -d 2001-01-01 +%s)" ] || fail "the unedited save wrote nothing"
    expect_bytes "$script" "$E2E_TMP/original" "saved unedited"
    box_text_shown "shiftjis.txt: $QUESTION" && fail "an unedited save asked"

    # Edited, the save asks; No keeps the file.
    send_keys ctrl+End
    xdotool type --delay 60 "x"
    send_keys alt+f s
    for _ in $(seq 1 50); do
        grep -qF "$QUESTION" "$E2E_TMP/app.log" && break
        sleep 0.2
    done
    grep -qF "$QUESTION" "$E2E_TMP/app.log" || fail "the save did not ask before writing stand-ins"
    send_keys n
    sleep 1
    expect_bytes "$script" "$E2E_TMP/original" "after No"

    # Yes writes the text as it shows, stand-ins and all.
    send_keys alt+f s
    sleep 1
    send_keys y
    for _ in $(seq 1 30); do
        cmp -s "$script" "$E2E_TMP/original" || break
        sleep 0.2
    done
    cmp -s "$script" "$E2E_TMP/original" && fail "Yes did not save"
    tail -c 1 "$script" | grep -q x || fail "the saved file lacks the typed x"
    quit_app
    echo "PASS"
)
