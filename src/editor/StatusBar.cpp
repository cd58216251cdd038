#include "editor/StatusBar.h"

#include <commctrl.h>

namespace {
constexpr int kPanelWidths[] = {100, 80, 80, 100, 100, 50};
constexpr int kBarHeight = 18;
} // namespace

bool StatusBar::Create(HWND parent) {
    hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "",
                            WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER, 0, 0, 0,
                            kBarHeight, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        return false;
    int edges[6];
    int right = 0;
    for (int i = 0; i < 6; ++i)
        edges[i] = right += kPanelWidths[i];
    edges[5] = -1; // the last panel takes the rest of the bar
    SendMessageA(hwnd_, SB_SETPARTS, 6, reinterpret_cast<LPARAM>(edges));
    return true;
}

int StatusBar::Height() const {
    return hwnd_ ? kBarHeight : 0;
}

void StatusBar::Resize() {
    RECT client{};
    GetClientRect(GetParent(hwnd_), &client);
    MoveWindow(hwnd_, 0, 0, client.right, kBarHeight, TRUE);
}

void StatusBar::SetText(int panel, const std::string& text) {
    SendMessageA(hwnd_, SB_SETTEXTA, panel - 1, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Text(int panel) const {
    const LRESULT info = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, panel - 1, 0);
    std::string text(LOWORD(info) + 1, '\0');
    SendMessageA(hwnd_, SB_GETTEXTA, panel - 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}
