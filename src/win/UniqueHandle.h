#pragma once
#include <utility>

#include <windows.h>

// The value that means "no handle": Close says so with a static Invalid()
// where it is not the null handle (file handles).
template <typename T, typename Close> constexpr T InvalidHandleOf() {
    if constexpr (requires { Close::Invalid(); })
        return Close::Invalid();
    else
        return T{};
}

// Move-only owner of a Win32 handle; Close is a functor that frees it.
template <typename T, typename Close> class UniqueHandle {
    static T Invalid() { return InvalidHandleOf<T, Close>(); }

  public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid(); }
    T release() { return std::exchange(handle_, Invalid()); }
    void reset() { reset(Invalid()); }
    void reset(T handle) {
        if (handle_ != Invalid())
            Close{}(handle_);
        handle_ = handle;
    }

  private:
    T handle_ = Invalid();
};

struct GdiObjectClose {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct MemoryDcClose {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct KernelHandleClose {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
// File handles mean "none" by INVALID_HANDLE_VALUE, not by null.
struct FileClose {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    void operator()(HANDLE h) const { CloseHandle(h); }
};
struct WindowClose {
    void operator()(HWND h) const { DestroyWindow(h); }
};
struct MenuClose {
    void operator()(HMENU h) const { DestroyMenu(h); }
};

using UniqueHfont = UniqueHandle<HFONT, GdiObjectClose>;
using UniqueHbitmap = UniqueHandle<HBITMAP, GdiObjectClose>;
using UniqueHbrush = UniqueHandle<HBRUSH, GdiObjectClose>;
using UniqueHdc = UniqueHandle<HDC, MemoryDcClose>;
using UniqueEvent = UniqueHandle<HANDLE, KernelHandleClose>;
using UniqueFile = UniqueHandle<HANDLE, FileClose>;
using UniqueHwnd = UniqueHandle<HWND, WindowClose>;
using UniqueHmenu = UniqueHandle<HMENU, MenuClose>;

// A window's drawing context, released to the window it came from. Movable,
// so it can be a member that is taken and given back (empty: no context).
class ScopedGetDC {
  public:
    ScopedGetDC() = default;
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    ScopedGetDC(ScopedGetDC&& other) noexcept
        : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
    ScopedGetDC& operator=(ScopedGetDC&& other) noexcept {
        if (this != &other) {
            Release();
            hwnd_ = other.hwnd_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~ScopedGetDC() { Release(); }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Release() {
        if (dc_)
            ReleaseDC(hwnd_, std::exchange(dc_, nullptr));
    }

  private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a DC and puts the previous one back on scope exit.
// Movable (empty: nothing to put back).
class ScopedSelect {
  public:
    ScopedSelect() = default;
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ScopedSelect(ScopedSelect&& other) noexcept
        : dc_(other.dc_), old_(std::exchange(other.old_, nullptr)) {}
    ScopedSelect& operator=(ScopedSelect&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = other.dc_;
            old_ = std::exchange(other.old_, nullptr);
        }
        return *this;
    }
    ~ScopedSelect() { Restore(); }
    void Restore() {
        if (old_)
            SelectObject(dc_, std::exchange(old_, nullptr));
    }

  private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// One WM_PAINT's drawing context: BeginPaint on entry, EndPaint on exit.
class PaintScope {
  public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    HDC get() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// Runs a one-off restore when the scope ends, however it ends.
template <class Restore> class ScopeExit {
  public:
    explicit ScopeExit(Restore restore) : restore_(std::move(restore)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { restore_(); }

  private:
    Restore restore_;
};
