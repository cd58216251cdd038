#include "editor/StatusBar.h"

#include <algorithm>

#include <commctrl.h>

#include "win/Dpi.h"
#include "win/UniqueHandle.h"

namespace {
constexpr int kPanelWidths[] = {100, 80, 80, 100, 100, 50};
constexpr int kBarHeight = 18;
// The bar's borders and the text's inset within a panel, at 96 DPI.
constexpr int kPanelInset = 10;
constexpr int kBarInset = 6;
} // namespace

bool StatusBar::Create(HWND parent) {
    dpi_ = WindowDpi(parent);
    hwnd_ = CreateWindowExA(
        0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER, 0,
        0, 0, ScaleForDpi(kBarHeight, dpi_), parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        return false;
    measure_.reset(CreateCompatibleDC(nullptr));
    LayOut();
    return true;
}

int StatusBar::Height() const {
    return hwnd_ ? height_ : 0;
}

void StatusBar::Resize() {
    RECT client{};
    GetClientRect(GetParent(hwnd_), &client);
    MoveWindow(hwnd_, 0, 0, client.right, height_, TRUE);
}

void StatusBar::SetDpi(int dpi) {
    dpi_ = dpi;
    // The bar picks its font for the new scaling from the system.
    SendMessageA(hwnd_, WM_SETFONT, 0, FALSE);
    LayOut();
    Resize();
}

HFONT StatusBar::Font() const {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int StatusBar::TextNeed(const std::string& text) const {
    if (text.empty() || !measure_)
        return 0;
    // A memory context of its own: panel 1 changes at every line of a
    // dual-screen playback, and a window's context can cost a server trip.
    ScopedSelect select(measure_.get(), Font());
    SIZE size{};
    GetTextExtentPoint32A(measure_.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx + ScaleForDpi(kPanelInset, dpi_);
}

void StatusBar::LayOut() {
    TEXTMETRICA metrics{};
    if (measure_) {
        ScopedSelect select(measure_.get(), Font());
        GetTextMetricsA(measure_.get(), &metrics);
    }
    height_ = std::max<int>(ScaleForDpi(kBarHeight, dpi_),
                            metrics.tmHeight + ScaleForDpi(kBarInset, dpi_));
    int edges[6];
    int right = 0;
    for (int i = 0; i < 5; ++i) {
        widths_[i] = std::max(ScaleForDpi(kPanelWidths[i], dpi_), TextNeed(Text(i + 1)));
        edges[i] = right += widths_[i];
    }
    widths_[5] = -1;
    edges[5] = -1; // the last panel takes the rest of the bar
    SendMessageA(hwnd_, SB_SETPARTS, 6, reinterpret_cast<LPARAM>(edges));
}

void StatusBar::SetText(int panel, const std::string& text) {
    SendMessageA(hwnd_, SB_SETTEXTA, panel - 1, reinterpret_cast<LPARAM>(text.c_str()));
    if (panel < 6 && TextNeed(text) > widths_[panel - 1])
        LayOut();
}

std::string StatusBar::Text(int panel) const {
    const LRESULT info = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, panel - 1, 0);
    std::string text(LOWORD(info) + 1, '\0');
    SendMessageA(hwnd_, SB_GETTEXTA, panel - 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return text;
}
