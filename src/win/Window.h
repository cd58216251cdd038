#pragma once
#include <exception>
#include <functional>
#include <string>

#include <windows.h>

// Base of every top-level window: one static window procedure keeps `this`
// and forwards to HandleMessage; an exception escaping a handler is reported
// through the error trap and the message loop goes on.
class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    bool IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

    // Reports an error that escaped a handler (the standard error box).
    using ErrorTrap = std::function<void(const std::string&)>;
    static void SetErrorTrap(ErrorTrap trap);
    static void ReportError(const std::string& text);
    // The one way a message reaches a handler, for windows, hooked controls
    // and dialogs alike: what the handler raises is reported and `fallback`
    // answers the message instead.
    template <class Handler, class Result>
    static Result Trapped(Handler&& handler, Result fallback) {
        try {
            return handler();
        } catch (const std::exception& e) {
            ReportError(e.what());
        } catch (...) {
            ReportError("Unknown error");
        }
        return fallback;
    }

  protected:
    bool CreateTopLevel(const char* className, const char* caption, DWORD style, DWORD exStyle,
                        HMENU menu, HBRUSH background);
    bool CreateChild(const char* className, HWND parent, DWORD style, int x, int y, int width,
                     int height);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }
    // A top-level window's owner; set while the window is hidden, it counts
    // from the next show.
    void SetOwner(HWND owner) {
        SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }

  private:
    static bool Register(const char* className, HBRUSH background);
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};
