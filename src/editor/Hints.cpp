#include "editor/Hints.h"

#include <commctrl.h>

bool Hints::Create(HWND mainWindow, HWND statusBar) {
    tip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               mainWindow, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!tip_)
        return false;
    Add(mainWindow, "Start by Opening  a File");
    Add(statusBar, "  ");
    SetActive(false);
    return true;
}

void Hints::Add(HWND tool, const char* text) {
    TTTOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(tip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Hints::SetActive(bool on) {
    if (on == active_)
        return;
    active_ = on;
    SendMessageA(tip_.get(), TTM_ACTIVATE, on, 0);
}
