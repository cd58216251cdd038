#include "editor/Hints.h"

#include <commctrl.h>

#include "win/Wide.h"

bool Hints::Create(HWND mainWindow, HWND editor, HWND statusBar) {
    tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               mainWindow, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!tip_)
        return false;
    tools_[0] = editor;
    tools_[1] = statusBar;
    SetActive(false, editor);
    return true;
}

namespace {
const wchar_t* const kTexts[] = {L"Start by Opening  a File", L"  "};
} // namespace

// A tool watches its window through the window's subclass list, which costs
// every message to that window something; so the tools are there only while
// hints show.
void Hints::SetTools(bool present) {
    for (int i = 0; i < 2; ++i) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = tools_[i];
        info.uId = reinterpret_cast<UINT_PTR>(tools_[i]);
        info.lpszText = const_cast<wchar_t*>(kTexts[i]);
        SendMessageW(tip_.get(), present ? TTM_ADDTOOLW : TTM_DELTOOLW, 0,
                     reinterpret_cast<LPARAM>(&info));
    }
}

void Hints::SetActive(bool on, HWND editor) {
    if (on == active_ && editor == tools_[0])
        return;
    if (active_)
        SetTools(false);
    tools_[0] = editor;
    active_ = on;
    if (on)
        SetTools(true);
    SendMessageW(tip_.get(), TTM_ACTIVATE, on, 0);
}
