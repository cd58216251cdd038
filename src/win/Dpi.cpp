#include "win/Dpi.h"

#include "win/UniqueHandle.h"

namespace {
// Looked up at run time: older systems lack these calls.
template <typename Function> Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}
} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    ScopedGetDC screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

void BecomePerMonitorDpiAware() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    if (const auto set = User32Function<SetContextFn>("SetProcessDpiAwarenessContext"))
        set(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4))); // per monitor, version 2
}
