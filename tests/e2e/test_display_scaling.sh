#!/usr/bin/env bash
# The layout at 150 % display scaling: the in-process layout tests (status
# bar, About box, preview panel) run again on their own display, in a copy of
# the Wine prefix set to 144 DPI.
source "$(dirname "$0")/lib.sh"
BIN="$(cd "$DIST/../bin" && pwd)"
export WINEPREFIX="${WINEPREFIX:-$BIN/../../wineprefix}"

(
    use_own_display 1920x1080
    "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f \
        </dev/null >/dev/null 2>&1 || fail "could not set the prefix to 144 DPI"
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    out="$E2E_TMP/scaled.txt"
    (cd "$BIN" && CUECRAFT_EXPECT_DPI=144 "$WINE64" ./win_tests.exe \
        --gtest_filter='Editor.StatusPanelsFit*:AboutAndHelp.AboutBox*:Preview.*' \
        </dev/null 2>&1) >"$out" || true
    cat "$out" | grep -E '^\[ +(OK|FAILED|PASSED) ' || true
    grep -q '^\[  PASSED  \]' "$out" && ! grep -q '^\[  FAILED  \]' "$out" ||
        { grep -B5 -A5 Failure "$out" | head -40; fail "the layout tests fail at 144 DPI"; }
    echo "PASS at 144 DPI"
)
