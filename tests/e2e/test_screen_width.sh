#!/usr/bin/env bash
# A screen 639 pixels wide ends the program after its message; 640 starts.
source "$(dirname "$0")/lib.sh"
width="${SCREEN_WIDTH_CASE:-}"

run_case() {
    local size="$1" expect="$2"
    (
        use_own_display "$size"
        WINEDEBUG=-all,+msgbox start_app
        if [ "$expect" = refuse ]; then
            box=$(wait_window '^Cuecraft$' 30) || fail "$size: no message box"
            if xdotool search --onlyvisible --name '^Cuecraft 1\.3\.2\.44$' >/dev/null 2>&1; then
                fail "$size: the main window was shown"
            fi
            box_text_shown "Cuecraft does support your current screen resolution." ||
                fail "$size: the box does not say why"
            send_keys Return
            code=$(wait_exit 20) || fail "$size: program did not end after the message"
            [ "$code" = 0 ] || fail "$size: exit code $code"
        else
            focus_main 30
            send_keys alt+x
            wait_exit 20 >/dev/null || fail "$size: Exit did not end the program"
        fi
    )
}

run_case 639x480 refuse
run_case 640x480 start
echo "PASS"
