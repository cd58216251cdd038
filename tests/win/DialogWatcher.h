#pragma once
// Calls back for every dialog box (#32770) of this thread as it is activated,
// from inside the box's own modal loop, so a test can read the live box and
// then close it by posting keys or commands.
#include <functional>
#include <utility>

#include <windows.h>

class DialogWatcher {
  public:
    using Callback = std::function<void(HWND)>;
    explicit DialogWatcher(Callback onDialog) {
        callback() = std::move(onDialog);
        hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~DialogWatcher() {
        UnhookWindowsHookEx(hook_);
        callback() = nullptr;
    }
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

  private:
    static Callback& callback() {
        thread_local Callback cb;
        return cb;
    }
    static HWND& pending() {
        thread_local HWND hwnd = nullptr;
        return hwnd;
    }
    // Runs once the box has finished its own set-up.
    static void CALLBACK Fire(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND hwnd = std::exchange(pending(), nullptr);
        if (hwnd && IsWindow(hwnd) && callback())
            callback()(hwnd);
    }
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp) {
        if (code == HCBT_ACTIVATE && !pending()) {
            HWND hwnd = reinterpret_cast<HWND>(wp);
            char cls[16] = {0};
            GetClassNameA(hwnd, cls, sizeof cls);
            if (lstrcmpA(cls, "#32770") == 0) {
                pending() = hwnd;
                SetTimer(nullptr, 0, 1, Fire);
            }
        }
        return CallNextHookEx(nullptr, code, wp, lp);
    }
    HHOOK hook_ = nullptr;
};
