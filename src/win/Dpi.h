#pragma once
#include <windows.h>

// The layout is designed at 96 dots per inch; at other scalings every fixed
// pixel size grows with the window's DPI, as a designed form does.
int WindowDpi(HWND window);

inline int ScaleForDpi(int pixelsAt96, int dpi) {
    return MulDiv(pixelsAt96, dpi, 96);
}

// Per-monitor awareness for the process when the system offers it (the
// manifest asks for it too; this covers starts without the manifest).
void BecomePerMonitorDpiAware();
