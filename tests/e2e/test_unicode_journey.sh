#!/usr/bin/env bash
# The journey in other languages, on a system whose code page is $2 (1252
# unless given; 1251 is a Cyrillic system), in the test prefix that has the
# fonts for them: a script in nine languages in a folder and under a name in
# Cyrillic, Chinese and Hebrew, on the command line. Its text reads back
# whole, panel 6 names it whole, the prompter shows every line as the editor
# does, mirror mode flips the picture, typed Cyrillic is saved as UTF-8, and
# the settings reopen it under its path. A single-byte script stays so until
# a character its code page lacks is typed. Scripts at long paths save in place.
source "$(dirname "$0")/lib.sh"
source "$ROOT/scripts/unicode-prefix.sh"

CODEPAGE="${2:-1252}"
UNITEXT="$DIST/../bin/unitext.exe"
use_codepage "$CODEPAGE" || fail "no locale for code page $CODEPAGE"
prepare_unicode_prefix || fail "the prefix for other languages cannot be made"
cp -r "$DIST" "$E2E_TMP/app"
export EXE="$E2E_TMP/app/rollscript.exe" # what start_app runs
MES="$E2E_TMP/app/settings/rollscript.mes"

LINES=(
    "Добрый вечер, дорогие зрители"
    "Καλησπέρα σας, αγαπητοί θεατές"
    "Dzień dobry, zażółć gęślą jaźń"
    "晚上好，亲爱的观众朋友们"
    "こんばんは、皆さん"
    "مساء الخير أيها المشاهدون"
    "ערב טוב לכל הצופים"
    "नमस्ते, प्रिय दर्शकों"
    "Grüße aus München, Straße"
)

unitext() { "$WINE64" "$UNITEXT" "$@" </dev/null 2>/dev/null; }

# Puts characters the US keyboard lacks ("lower UPPER" keysyms) on the keys
# of the digit row, which the journey never types, before the program
# starts, as a keyboard of that language has them: xdotool then presses
# those keys instead of binding a spare key around each character, which
# Wine may read only once it is undone, or gives no virtual key at all.
add_keys() {
    local keycode=10 pair # the key "1"
    for pair in "$@"; do
        xmodmap -e "keycode $keycode = $pair"
        keycode=$((keycode + 1))
    done
}

# Waits until the editor holds exactly the UTF-8 text of file $1.
expect_editor() {
    for _ in $(seq 1 50); do
        unitext editor >"$E2E_TMP/editor.txt"
        cmp -s "$E2E_TMP/editor.txt" "$1" && return 0
        sleep 0.2
    done
    fail "$2: the editor holds $(od -An -c "$E2E_TMP/editor.txt" | head -c 600)"
}

# Lines stand at a fixed pitch (rows from one line to the next), which may
# differ between the editor and the prompter; the ink of neighbouring lines
# may touch, so a line is a band of the pitch rather than a run of inked rows.

# "X Y W H" of the ink in region $2 (WxH+X+Y) of shot $1, the region's own
# corner 0,0; the ink is what is lighter than the black background.
ink_box() {
    convert "$1" -crop "$2" +repage -colorspace gray -threshold 30% -format '%@' info: |
        tr 'x+' '  ' | awk '{ print $3, $4, $1, $2 }'
}

# "START PITCH" of the text lines in region $2 (WxH+X+Y) of shot $1: the
# pitch from the first line's first inked row to the second's, and the row
# where the first line's band starts, the bands meeting midway in the gap
# between the first two lines (Cyrillic and Greek, whose ink never touches).
line_bands() {
    local rows="${2#*x}" top="${2##*+}"
    convert "$1" -crop "$2" +repage -colorspace gray -threshold 30% -scale "1x${rows%%+*}!" \
        -depth 16 txt:- |
        awk -v top="$top" '
            NR > 1 { split($1, p, /[,:]/); match($0, /\([0-9.]+/)
                     ink = substr($0, RSTART + 1, RLENGTH - 1) > 0
                     if (ink && !was) { runs++; start[runs] = p[2] }
                     if (!ink && was && runs == 1) end1 = p[2] - 1
                     was = ink }
            END { if (runs >= 2) print top + int((end1 + start[2] + 1) / 2) - (start[2] - start[1]),
                                       start[2] - start[1] }'
}

# Line $5 (from 0) of the text whose first band starts at row $3, at pitch
# $4, within columns $2 ("WIDTH+LEFT") of shot $1: its ink, white on black
# and cut to its box, as image $6, flipped left to right when $7 is "flop";
# prints the ink's width.
line_ink() {
    convert "$1" -crop "${2%+*}x$4+${2#*+}+$(($3 + $5 * $4))" +repage -colorspace gray \
        -threshold 30% -trim +repage ${7:+-$7} "$6"
    convert "$6" -format '%w' info:
}

# Pixels that differ between two ink images laid over each other at their
# top left corners.
ink_apart() {
    local size
    size=$(convert "$1" "$2" -format '%w %h\n' info: |
        awk '{ if ($1 > w) w = $1; if ($2 > h) h = $2 } END { print w "x" h }')
    convert "$1" -background black -extent "$size" "$E2E_TMP/a.png"
    convert "$2" -background black -extent "$size" "$E2E_TMP/b.png"
    compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 | cut -d' ' -f1 || true
}

# Sets key $1 of the settings file to $2, in the file's own encoding.
set_setting() {
    local utf16=""
    [ "$(head -c 2 "$MES" | od -An -tx1 | tr -d ' ')" = fffe ] && utf16=yes
    if [ -n "$utf16" ]; then iconv -f UTF-16 -t UTF-8 "$MES"; else cat "$MES"; fi |
        sed "s/^$1=.*\r\$/$1=$2\r/" >"$E2E_TMP/mes"
    if [ -n "$utf16" ]; then
        { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$E2E_TMP/mes"; } >"$MES"
    else
        cp "$E2E_TMP/mes" "$MES"
    fi
}

# A screenshot into $1 once the screen stands still with the whole text on
# it; prints its line bands' "START PITCH".
still_text() {
    local x y w h
    for _ in $(seq 1 30); do
        steady_screenshot "$1" "$FULL"
        read -r x y w h < <(ink_box "$1" "$FULL")
        if [ "${h:-0}" -ge $(((${#LINES[@]} - 1) * PITCH)) ]; then
            line_bands "$1" "$FULL"
            return 0
        fi
    done
    fail "$2: the screen did not come to rest with the whole text on it"
}

# Plays from the top, lets the script scroll in to its end, where the
# prompter pauses, and keeps the screen as $1; sets TOP and PLAYED_PITCH to
# the row its first line's band starts at and the pitch; Esc then stops.
play_to_end() {
    send_keys ctrl+Home alt+p
    sleep 0.5
    send_keys Prior Prior
    read -r TOP PLAYED_PITCH < <(still_text "$1" "$2")
    [ -n "$PLAYED_PITCH" ] || fail "$2: the text did not come to rest on the screen"
    send_keys Escape
    wait_window '^Cuecraft 1\.3\.2\.44$' 10 >/dev/null || fail "$2: Esc did not bring the editor back"
    wait_settled "$MAIN"
}

(
    use_own_display 1920x1080
    read -r SCREEN_W SCREEN_H < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')
    FULL="${SCREEN_W}x$SCREEN_H+0+0"
    add_keys "Cyrillic_pe Cyrillic_PE" "Cyrillic_er Cyrillic_ER" "Cyrillic_i Cyrillic_I" \
        "Cyrillic_ve Cyrillic_VE" "Cyrillic_ie Cyrillic_IE" "Cyrillic_te Cyrillic_TE" \
        "Cyrillic_zhe Cyrillic_ZHE" "eacute Eacute" "Greek_omega Greek_OMEGA"
    [ "$(unitext acp | tr -d '\r')" = "$CODEPAGE" ] || fail "Wine's code page is $(unitext acp), not $CODEPAGE"

    folder="$E2E_TMP/Сценарий 剧本 תסריט"
    mkdir -p "$folder"
    script="$folder/Сценарий.txt"
    printf '%s\r\n' "${LINES[@]}" >"$script"
    cp "$script" "$E2E_TMP/expected.txt"
    # The prefix itself draws every character of the script in the shipped
    # face at its 26 points (else the pictures below would compare boxes
    # with boxes).
    missing=$(unitext glyphs Arial 35 "$(win_path "$script")") ||
        fail "this prefix lacks glyphs: $missing"

    # 1. The script on the command line: its text whole, its path in panel 6.
    start_app "$(win_path "$script")"
    focus_main
    expect_editor "$E2E_TMP/expected.txt" "opened from a Unicode path"
    [ "$(status_panel 6)" = "$(win_path "$script")" ] || fail "panel 6 reads '$(status_panel 6)'"

    # 2. Each line on the prompter as wide as in the editor and of the same
    #    ink; the caret waits on the empty last line, below the text.
    send_keys ctrl+End
    sleep 0.8
    read -r ex ey ew eh < <(unitext rect | tr -d '\r')
    screenshot >"$E2E_TMP/editor.png"
    read -r etop PITCH < <(line_bands "$E2E_TMP/editor.png" "${ew}x$eh+$ex+$ey")
    [ -n "$PITCH" ] || fail "the editor shows no lines of text"
    play_to_end "$E2E_TMP/plain.png" "Play"
    plain_top=$TOP
    report="pitch $PITCH/$PLAYED_PITCH;" faults=""
    for i in "${!LINES[@]}"; do
        e_w=$(line_ink "$E2E_TMP/editor.png" "$ew+$ex" "$etop" "$PITCH" "$i" "$E2E_TMP/edit-$i.png")
        p_w=$(line_ink "$E2E_TMP/plain.png" "$SCREEN_W+0" "$plain_top" "$PLAYED_PITCH" "$i" \
            "$E2E_TMP/play-$i.png")
        apart=$(ink_apart "$E2E_TMP/edit-$i.png" "$E2E_TMP/play-$i.png")
        report+=" $((i + 1)):$e_w/$p_w/$apart"
        [ $((e_w - p_w)) -le 2 ] && [ $((p_w - e_w)) -le 2 ] ||
            faults+="; line $((i + 1)) '${LINES[$i]}' is $e_w pixels wide in the editor, $p_w on the prompter"
        [ "$apart" -le $((e_w * PITCH / 20)) ] ||
            faults+="; line $((i + 1)) '${LINES[$i]}': $apart of its ${e_w}x$PITCH pixels differ from the editor's"
    done
    echo "line pitch and widths in the editor/on the prompter, pixels apart: $report"
    [ -z "$faults" ] || fail "the prompter shows lines otherwise than the editor${faults}"
    quit_app

    # 3. Mirror mode (settings key UseReverse; its menu item is hidden, and
    #    an alignment mark clears it): the prompter shows each line's pixels
    #    flipped left to right.
    set_setting UseReverse 1
    set_setting Centering 0
    start_app "$(win_path "$script")"
    focus_main
    expect_editor "$E2E_TMP/expected.txt" "opened in mirror mode"
    [ "$(status_panel 2)" = "Reverse Mirror" ] || fail "mirror mode is not on: panel 2 reads '$(status_panel 2)'"
    play_to_end "$E2E_TMP/mirrored.png" "Play mirrored"
    faults=""
    for i in "${!LINES[@]}"; do
        p_w=$(line_ink "$E2E_TMP/mirrored.png" "$SCREEN_W+0" "$TOP" "$PLAYED_PITCH" "$i" \
            "$E2E_TMP/flopped-$i.png" flop)
        line_ink "$E2E_TMP/mirrored.png" "$SCREEN_W+0" "$TOP" "$PLAYED_PITCH" "$i" \
            "$E2E_TMP/mirror-$i.png" >/dev/null
        flipped=$(ink_apart "$E2E_TMP/play-$i.png" "$E2E_TMP/flopped-$i.png")
        unflipped=$(ink_apart "$E2E_TMP/play-$i.png" "$E2E_TMP/mirror-$i.png")
        [ "$flipped" -le $((p_w * PITCH / 50)) ] && [ "$unflipped" -gt $((flipped * 4)) ] ||
            faults+="; line $((i + 1)) ($flipped pixels off flipped, $unflipped unflipped)"
    done
    [ -z "$faults" ] || fail "mirrored lines are no flipped pictures of the plain ones${faults}"

    # 4. Cyrillic typed at the end and saved (File > "Save Text File"): UTF-8
    #    without a mark, as the script came.
    send_keys ctrl+End
    xdotool type --delay 60 "Привет"
    printf 'Привет' >>"$E2E_TMP/expected.txt"
    expect_editor "$E2E_TMP/expected.txt" "typed Cyrillic"
    send_keys alt+f s
    expect_bytes "$script" "$E2E_TMP/expected.txt" "saved after typing Cyrillic"

    # 5. File > "Save Default Settings", then a start with no script named:
    #    the script comes back under its path.
    save_default_settings "$MES"
    quit_app
    start_app ""
    focus_main
    expect_editor "$E2E_TMP/expected.txt" "reopened by the settings"
    [ "$(status_panel 6)" = "$(win_path "$script")" ] || fail "reopened: panel 6 reads '$(status_panel 6)'"
    quit_app

    # 6. A single-byte script in the code page's own bytes: read byte for
    #    byte, saved so while it fits, as UTF-8 with a mark once it does not.
    western="$E2E_TMP/western.txt"
    printf 'Gr\xfc\xdfe aus M\xfcnchen\r\n' >"$western"
    fits=$([ "$CODEPAGE" = 1251 ] && echo "ж" || echo "é")
    iconv -f "CP$CODEPAGE" -t UTF-8 "$western" >"$E2E_TMP/expected.txt"
    start_app "$(win_path "$western")"
    focus_main
    expect_editor "$E2E_TMP/expected.txt" "a single-byte script"
    send_keys ctrl+End
    xdotool type --delay 60 "$fits"
    printf '%s' "$fits" >>"$E2E_TMP/expected.txt"
    expect_editor "$E2E_TMP/expected.txt" "typed '$fits'"
    send_keys alt+f s
    iconv -f UTF-8 -t "CP$CODEPAGE" "$E2E_TMP/expected.txt" >"$E2E_TMP/expected-bytes"
    expect_bytes "$western" "$E2E_TMP/expected-bytes" "saved with '$fits'"
    xdotool type --delay 60 "Ω"
    printf 'Ω' >>"$E2E_TMP/expected.txt"
    expect_editor "$E2E_TMP/expected.txt" "typed Omega"
    send_keys alt+f s
    { printf '\xef\xbb\xbf'; cat "$E2E_TMP/expected.txt"; } >"$E2E_TMP/expected-bytes"
    expect_bytes "$western" "$E2E_TMP/expected-bytes" "saved with Omega"
    quit_app

    # 7. Long paths of 259 and 300 characters open and save in place. The
    #    first 255 characters of the 259 one name another file, untouched.
    for length in 259 300; do
        dir="$E2E_TMP/long$length"
        name="a.txt.txt"
        while [ $((${#dir} + 2 + 1 + ${#name} + 101)) -le "$length" ]; do
            dir+="/$(printf 'd%.0s' $(seq 1 100))"
        done
        name="$(printf 'n%.0s' $(seq 1 $((length - ${#dir} - 2 - 1 - ${#name}))))$name"
        mkdir -p "$dir"
        long="$dir/$name"
        [ "${#long}" -eq $((length - 2)) ] || fail "test set-up: a path of ${#long} characters"
        printf 'Long path\r\n' >"$long"
        printf 'Another file\r\n' >"${long%.txt}"
        printf 'Long path\r\n' >"$E2E_TMP/expected.txt"
        start_app "$(win_path "$long")"
        focus_main
        expect_editor "$E2E_TMP/expected.txt" "a path of $length characters"
        [ "$(status_panel 6)" = "$(win_path "$long")" ] ||
            fail "$length characters: panel 6 reads '$(status_panel 6)'"
        send_keys ctrl+End
        xdotool type --delay 60 "Saved"
        printf 'Saved' >>"$E2E_TMP/expected.txt"
        send_keys alt+f s
        expect_bytes "$long" "$E2E_TMP/expected.txt" "saved at a path of $length characters"
        [ "$(cat "${long%.txt}")" = $'Another file\r' ] || fail "the save at $length characters wrote another file"
        quit_app
    done
    echo "PASS at code page $CODEPAGE"
)
