#include "win/Display.h"

#include <windows.h>

int Win32Display::ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}
int Win32Display::ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

namespace {
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
    auto* list = reinterpret_cast<std::vector<std::pair<bool, Rect32>>*>(param);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        list->push_back(
            {(info.dwFlags & MONITORINFOF_PRIMARY) != 0, Rect32{r.left, r.top, r.right, r.bottom}});
    }
    return TRUE;
}
} // namespace

std::vector<Rect32> Win32Display::Monitors() {
    std::vector<std::pair<bool, Rect32>> found;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&found));
    std::vector<Rect32> ordered;
    for (const auto& [primary, rect] : found)
        if (primary)
            ordered.push_back(rect);
    for (const auto& [primary, rect] : found)
        if (!primary)
            ordered.push_back(rect);
    return ordered;
}
