#include "MsgBoxHook.h"

#include <utility>

namespace {
thread_local int answerButton = 0;
thread_local std::vector<SeenBox>* sink = nullptr;
thread_local HWND pendingBox = nullptr;

std::string WindowText(HWND hwnd) {
    char buffer[1024] = {0};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<SeenBox*>(param);
    char cls[64] = {0};
    GetClassNameA(child, cls, sizeof cls);
    const int id = GetDlgCtrlID(child);
    if (lstrcmpiA(cls, "Button") == 0 && IsWindowVisible(child))
        box->buttons.push_back(id);
    else if (lstrcmpiA(cls, "Static") == 0 && id == 0xFFFF)
        box->text = WindowText(child);
    return TRUE;
}

// Runs from the box's own modal loop, after the box has finished its set-up
// (some styles activate the box before it has hidden its unused buttons).
void CALLBACK ReadAndAnswer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND hwnd = std::exchange(pendingBox, nullptr);
    if (!hwnd || !sink)
        return;
    SeenBox box;
    box.caption = WindowText(hwnd);
    EnumChildWindows(hwnd, CollectChild, reinterpret_cast<LPARAM>(&box));
    sink->push_back(box);
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(answerButton, BN_CLICKED), 0);
}
} // namespace

MsgBoxAnswerer::MsgBoxAnswerer(int button) {
    answerButton = button;
    sink = &seen_;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

MsgBoxAnswerer::~MsgBoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    sink = nullptr;
    pendingBox = nullptr;
}

LRESULT CALLBACK MsgBoxAnswerer::Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && sink && !pendingBox) {
        HWND hwnd = reinterpret_cast<HWND>(wp);
        char cls[16] = {0};
        GetClassNameA(hwnd, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0) {
            pendingBox = hwnd;
            SetTimer(nullptr, 0, 10, ReadAndAnswer);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}
