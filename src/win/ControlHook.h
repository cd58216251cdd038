#pragma once
#include <functional>

#include <windows.h>

// A control's window procedure replaced by one of ours; the control's own is
// kept to pass messages on. Not chained through the common controls'
// subclass list: that list lives in window properties, which some window
// systems keep out of process, a round trip for every message.
class ControlHook {
  public:
    using Handler = std::function<LRESULT(UINT, WPARAM, LPARAM)>;
    ControlHook() = default;
    ControlHook(const ControlHook&) = delete;
    ControlHook& operator=(const ControlHook&) = delete;
    ~ControlHook() { Remove(); }

    // Every message to `control` goes to `handler` (under the window error
    // trap) until Remove or the control's destruction, which calls `gone`.
    void Install(HWND control, Handler handler, std::function<void()> gone = {});
    void Remove();
    // The control's own procedure.
    LRESULT Next(UINT msg, WPARAM wp, LPARAM lp) const;

  private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
    WNDPROC next_ = nullptr;
    Handler handler_;
    std::function<void()> gone_;
};
