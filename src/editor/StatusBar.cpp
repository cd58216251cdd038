#include "editor/StatusBar.h"

#include <algorithm>

#include <commctrl.h>

#include "win/Dpi.h"
#include "win/UniqueHandle.h"
#include "win/Wide.h"

namespace {
constexpr int kPanelWidths[] = {100, 80, 80, 100, 100, 50};
constexpr int kBarHeight = 18;
// The bar's borders and the text's inset within a panel, at 96 DPI.
constexpr int kPanelInset = 10;
constexpr int kBarInset = 6;
} // namespace

bool StatusBar::Create(HWND parent) {
    dpi_ = WindowDpi(parent);
    hwnd_ = CreateWindowExW(
        0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER, 0,
        0, 0, ScaleForDpi(kBarHeight, dpi_), parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        return false;
    hook_.Install(hwnd_, [this](UINT msg, WPARAM wp, LPARAM lp) { return OnMessage(msg, wp, lp); },
                  [this] {
                      EndLivePanel();
                      hwnd_ = nullptr;
                  });
    measure_.reset(CreateCompatibleDC(nullptr));
    LayOut();
    return true;
}

LRESULT StatusBar::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case SB_GETTEXTA:
    case SB_GETTEXTW:
    case SB_GETTEXTLENGTHA:
    case SB_GETTEXTLENGTHW:
        // Whoever reads the panel, in this process or another, reads the live text.
        if (livePanel_ == static_cast<int>(LOWORD(wp)) + 1)
            HandLiveTextOver();
        break;
    case WM_PAINT: {
        // The control paints the panel empty; the live text goes on it.
        const LRESULT result = hook_.Next(msg, wp, lp);
        DrawLiveText();
        return result;
    }
    case WM_SETFONT:
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
        HandLiveTextOver(); // the kept empty panel no longer looks like one
        break;
    }
    return hook_.Next(msg, wp, lp);
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
    SendMessageW(hwnd_, WM_SETFONT, 0, FALSE);
    LayOut();
    Resize();
}

HFONT StatusBar::Font() const {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int StatusBar::TextNeed(const std::string& text) const {
    if (text.empty() || !measure_)
        return 0;
    // A memory context of its own: panel 1 changes at every line of a
    // dual-screen playback, and a window's context can cost a server trip.
    ScopedSelect select(measure_.get(), Font());
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(measure_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx + ScaleForDpi(kPanelInset, dpi_);
}

void StatusBar::LayOut() {
    HandLiveTextOver(); // panels may change size
    TEXTMETRICW metrics{};
    if (measure_) {
        ScopedSelect select(measure_.get(), Font());
        GetTextMetricsW(measure_.get(), &metrics);
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
    SendMessageW(hwnd_, SB_SETPARTS, 6, reinterpret_cast<LPARAM>(edges));
}

void StatusBar::SetText(int panel, const std::string& text) {
    if (panel == livePanel_)
        EndLivePanel();
    SendMessageW(hwnd_, SB_SETTEXTW, panel - 1, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    if (panel < 6 && TextNeed(text) > widths_[panel - 1])
        LayOut();
}

void StatusBar::SetTextLive(int panel, const std::string& text) {
    // A text that needs a wider panel goes the control's way, which lays
    // the bar out again.
    if (panel < 1 || panel >= 6 || TextNeed(text) > widths_[panel - 1]) {
        SetText(panel, text);
        return;
    }
    if (livePanel_ != panel && !StartLivePanel(panel)) {
        SetText(panel, text);
        return;
    }
    liveText_ = text;
    DrawLiveText();
}

// The control paints the panel empty once; its picture is kept to draw
// each live text on, as the control draws a text.
bool StatusBar::StartLivePanel(int panel) {
    HandLiveTextOver(); // one live panel at a time
    SetText(panel, "");
    // All of the bar: a neighbour's edge may reach into the panel.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT part = PanelRect(panel);
    const int width = part.right - part.left, height = part.bottom - part.top;
    ScopedGetDC dc(hwnd_);
    UniqueHdc picture(CreateCompatibleDC(dc.get()));
    UniqueHbitmap bitmap(CreateCompatibleBitmap(dc.get(), width, height));
    if (!dc || !picture || !bitmap)
        return false;
    emptyPanel_ = ScopedSelect(); // the old bitmap out of the old context first
    emptyPanelDc_ = std::move(picture);
    emptyPanelBitmap_ = std::move(bitmap);
    emptyPanel_ = ScopedSelect(emptyPanelDc_.get(), emptyPanelBitmap_.get());
    BitBlt(emptyPanelDc_.get(), 0, 0, width, height, dc.get(), part.left, part.top, SRCCOPY);
    liveDc_ = std::move(dc);
    livePanel_ = panel;
    return true;
}

void StatusBar::EndLivePanel() {
    livePanel_ = 0;
    liveDc_.Release();
    emptyPanel_ = ScopedSelect();
    emptyPanelBitmap_.reset();
    emptyPanelDc_.reset();
}

void StatusBar::DrawLiveText() {
    HDC dc = liveDc_.get();
    if (!dc || livePanel_ == 0)
        return;
    const RECT part = PanelRect(livePanel_);
    BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
           emptyPanelDc_.get(), 0, 0, SRCCOPY);
    // The text only: the edge the drawing also makes would cover the
    // panel's own.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, part.left + 2, part.top + 2, part.right - 2, part.bottom - 2);
    SelectObject(dc, Font());
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text = part;
    DrawStatusTextW(dc, &text, Widen(liveText_).c_str(), SBT_NOBORDERS);
    RestoreDC(dc, saved);
}

void StatusBar::HandLiveTextOver() {
    if (livePanel_ != 0)
        SetText(livePanel_, liveText_);
}

RECT StatusBar::PanelRect(int panel) const {
    RECT part{};
    SendMessageW(hwnd_, SB_GETRECT, panel - 1, reinterpret_cast<LPARAM>(&part));
    return part;
}

std::string StatusBar::Text(int panel) const {
    const LRESULT info = SendMessageW(hwnd_, SB_GETTEXTLENGTHW, panel - 1, 0);
    std::wstring text(LOWORD(info) + 1, L'\0');
    SendMessageW(hwnd_, SB_GETTEXTW, panel - 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(info));
    return Narrow(text);
}
