#include "win/ControlHook.h"

#include <utility>

#include "win/Window.h"

void ControlHook::Install(HWND control, Handler handler, std::function<void()> gone) {
    Remove();
    hwnd_ = control;
    handler_ = std::move(handler);
    gone_ = std::move(gone);
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    next_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
}

void ControlHook::Remove() {
    if (!hwnd_)
        return;
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next_));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT ControlHook::Next(UINT msg, WPARAM wp, LPARAM lp) const {
    return CallWindowProcW(next_, hwnd_, msg, wp, lp);
}

LRESULT CALLBACK ControlHook::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ControlHook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || hwnd != self->hwnd_)
        return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        // Destroyed with its parent: nothing to remove later.
        const WNDPROC next = self->next_;
        self->Remove();
        if (self->gone_)
            self->gone_();
        return CallWindowProcW(next, hwnd, msg, wp, lp);
    }
    // Outside the window base class: errors raised here go to the same
    // standard error box.
    return Window::Trapped([&] { return self->handler_(msg, wp, lp); }, LRESULT{0});
}
