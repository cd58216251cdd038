# The Wine prefix and system code page for the tests of other languages.
# Source it after xwine.sh; nothing here touches the default test prefix or
# a user's Wine.

# The locale whose ANSI code page Wine takes: 1252 (Western), 1251 (Cyrillic),
# 932 (Japanese, double-byte).
codepage_locale() {
    case "$1" in
    1252) echo en_US.UTF-8 ;;
    1251) echo ru_RU.UTF-8 ;;
    932) echo ja_JP.UTF-8 ;;
    *) return 1 ;;
    esac
}

# Makes the locale with localedef when the system lacks it (needs root).
ensure_locale() {
    local name="$1" lower
    lower=$(tr 'A-Z' 'a-z' <<<"${name/UTF-8/utf8}")
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$lower" && return 0
    local sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd localedef -i "${name%%.*}" -f UTF-8 "$name" 2>/dev/null
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$lower"
}

# A REG_MULTI_SZ value in the .reg notation of an ANSI file: hex(7): the
# bytes of each string, each ended by a zero, and a final zero.
reg_multi_sz() {
    local s
    for s in "$@"; do printf '%s\n' "$s"; done | tr '\n' '\0' | od -An -v -tx1 |
        tr -s ' \n' ',' | sed 's/^,//; s/,$/,00/'
}

# "file,face" of the regular style of a font family, as Wine's font linking
# names a linked font.
font_link_entry() {
    local file
    file=$(fc-list -f '%{file}\n' ":family=$1:weight=80:slant=0:width=100" | head -n 1)
    [ -n "$file" ] && echo "$(basename "$file"),$1"
}

# Prepares, once, build/wineprefix-unicode: Arial resolves to WenQuanYi Micro
# Hei (Latin, Cyrillic, Chinese, Japanese) and links the faces that hold
# Greek, Arabic, Hebrew and Devanagari; Microsoft Sans Serif (the dialogs) and
# Mangal (Windows' Devanagari face) get a face that exists. Exports
# WINEPREFIX. Returns 1, saying why, when the fonts are not installed.
prepare_unicode_prefix() {
    export WINEPREFIX="$ROOT/build/wineprefix-unicode"
    [ -f "$WINEPREFIX/.cuecraft-unicode-ready" ] && return 0
    local family links=()
    for family in "WenQuanYi Micro Hei" "DejaVu Sans" "Noto Sans Arabic" "Noto Sans Hebrew" \
        "Noto Sans Devanagari"; do
        fc-list ":family=$family" family | grep -q . ||
            { echo "font '$family' is missing (scripts/install-deps.sh)"; return 1; }
        [ "$family" = "WenQuanYi Micro Hei" ] || links+=("$(font_link_entry "$family")")
    done
    rm -rf "$WINEPREFIX"
    "$WINE64" wineboot -i </dev/null >/dev/null 2>&1 || true
    local reg="$WINEPREFIX/unicode-fonts.reg"
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"Arial"="WenQuanYi Micro Hei"\r\n'
        printf '"Microsoft Sans Serif"="DejaVu Sans"\r\n'
        printf '"Mangal"="Noto Sans Devanagari"\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
        printf '"WenQuanYi Micro Hei"=hex(7):%s\r\n' "$(reg_multi_sz "${links[@]}")"
    } >"$reg"
    "$WINE64" regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
    touch "$WINEPREFIX/.cuecraft-unicode-ready"
}

# Runs the rest of a test at the given ANSI code page in the prepared prefix:
# sets LANG and LC_ALL for Wine. Returns 1, saying why, when the locale cannot
# be made.
use_codepage() {
    local locale_name
    locale_name=$(codepage_locale "$1") || { echo "no locale known for code page $1"; return 1; }
    ensure_locale "$locale_name" || { echo "locale $locale_name is missing and localedef failed"; return 1; }
    export LANG="$locale_name" LC_ALL="$locale_name"
}
