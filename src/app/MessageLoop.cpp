#include "app/MessageLoop.h"

#include <windows.h>

void MessageLoop::Run() {
    MSG msg;
    while (!terminated_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0)
            break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

namespace {
// Run from inside a modal dialog's loop, the dialog must still get its
// keys (Enter, Esc, Tab) the way its own loop would give them.
bool HandledByActiveDialog(MSG& msg) {
    HWND active = GetActiveWindow();
    wchar_t cls[8] = {0};
    return active && GetClassNameW(active, cls, 8) && lstrcmpW(cls, L"#32770") == 0 &&
           IsDialogMessageW(active, &msg);
}
} // namespace

void MessageLoop::mainupdate() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        if (HandledByActiveDialog(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void MessageLoop::Terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}
