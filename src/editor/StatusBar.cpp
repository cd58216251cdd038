#include "editor/StatusBar.h"

#include <algorithm>

#include <commctrl.h>

#include "win/Dpi.h"
#include "win/SystemCodePage.h"
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
    case SB_GETTEXTLENGTHW: {
        // Whoever reads the panel, in this process or another, reads the live
        // text, and all of a text shown cut.
        const int panel = static_cast<int>(LOWORD(wp)) + 1;
        if (livePanel_ == panel)
            HandLiveTextOver();
        if (panel >= 1 && panel <= 6 && shown_[panel - 1] != texts_[panel - 1])
            return WholeText(msg, panel, lp);
        break;
    }
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
    LayOut();
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
    SIZE size{};
    const std::wstring wide = Widen(text);
    GetTextExtentPoint32W(measure_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx + ScaleForDpi(kPanelInset, dpi_);
}

void StatusBar::LayOut() {
    TEXTMETRICW metrics{};
    if (measure_) {
        ScopedSelect select(measure_.get(), Font());
        GetTextMetricsW(measure_.get(), &metrics);
    }
    height_ = std::max<int>(ScaleForDpi(kBarHeight, dpi_),
                            metrics.tmHeight + ScaleForDpi(kBarInset, dpi_));
    for (int i = 0; i < 6; ++i)
        needs_[i] = TextNeed(texts_[i]);
    int edges[6];
    Place(needs_, edges);
    const int room = Room();
    for (int i = 0; i < 5; ++i)
        widths_[i] = edges[i] - (i > 0 ? edges[i - 1] : 0);
    widths_[5] = -1;
    if (!std::equal(edges, edges + 6, edges_)) {
        if (livePanel_ != 0) {
            // The live panel's picture is of its old place.
            const int live = livePanel_;
            texts_[live - 1] = liveText_;
            EndLivePanel();
        }
        std::copy(edges, edges + 6, edges_);
        SendMessageW(hwnd_, SB_SETPARTS, 6, reinterpret_cast<LPARAM>(edges));
    }
    for (int i = 0, left = 0; i < 6; left = edges_[i++])
        ShowFitted(i + 1, (i < 5 ? edges_[i] : std::max(room, left)) - left);
}

int StatusBar::Room() const {
    RECT bar{};
    GetClientRect(hwnd_, &bar);
    return bar.right;
}

// Each panel its design width, and wider by what its text needs; short of
// room, each gets a share of what there is in proportion to its need.
void StatusBar::Place(const int (&needs)[6], int (&edges)[6]) const {
    const int room = Room();
    int design[6], extra[6];
    long long extras = 0, spare = room;
    for (int i = 0; i < 6; ++i) {
        design[i] = ScaleForDpi(kPanelWidths[i], dpi_);
        extra[i] = std::max(0, std::max(needs[i], kept_[i]) - design[i]);
        extras += extra[i];
        spare -= design[i];
    }
    spare = std::max(spare, 0LL);
    int right = 0;
    for (int i = 0; i < 5; ++i) {
        const long long grow = extras <= spare ? extra[i] : spare * extra[i] / extras;
        right += design[i] + static_cast<int>(grow);
        edges[i] = std::min(right, room);
    }
    edges[5] = -1; // the last panel takes the rest of the bar
}

void StatusBar::ShowFitted(int panel, int width) {
    if (panel == livePanel_)
        return; // the control holds it empty, its text is drawn over it
    std::string shown = Cut(texts_[panel - 1], width);
    if (shown == shown_[panel - 1])
        return;
    shown_[panel - 1] = std::move(shown);
    SendMessageW(hwnd_, SB_SETTEXTW, panel - 1,
                 reinterpret_cast<LPARAM>(Widen(shown_[panel - 1]).c_str()));
}

// The text as the panel can show it: cut with an ellipsis, a path in its
// middle so that the file name stays.
std::string StatusBar::Cut(const std::string& text, int width) const {
    if (TextNeed(text) <= width)
        return text;
    const int room = width - ScaleForDpi(kPanelInset, dpi_);
    if (room <= 0 || !measure_)
        return {};
    std::u16string wide = Utf8ToUtf16(text);
    const int length = static_cast<int>(wide.size());
    wide.append(5, u'\0'); // room for the ellipsis and an end
    RECT box{0, 0, room, ScaleForDpi(kBarHeight, dpi_)};
    const UINT how = text.find('\\') != std::string::npos ? DT_PATH_ELLIPSIS : DT_END_ELLIPSIS;
    ScopedSelect select(measure_.get(), Font());
    DrawTextW(measure_.get(), reinterpret_cast<LPWSTR>(wide.data()), length, &box,
              DT_SINGLELINE | DT_NOPREFIX | DT_MODIFYSTRING | how);
    wide.resize(wide.find(u'\0'));
    return Utf16ToUtf8(wide);
}

// A panel's whole text, as the control answers a reading; the drawing type
// is the control's.
LRESULT StatusBar::WholeText(UINT msg, int panel, LPARAM buffer) const {
    const std::string& text = texts_[panel - 1];
    const WORD type = HIWORD(hook_.Next(SB_GETTEXTLENGTHW, panel - 1, 0));
    if (msg == SB_GETTEXTW || msg == SB_GETTEXTLENGTHW) {
        const std::u16string wide = Utf8ToUtf16(text);
        if (msg == SB_GETTEXTW && buffer)
            std::copy_n(wide.c_str(), wide.size() + 1, reinterpret_cast<char16_t*>(buffer));
        return MAKELRESULT(wide.size(), type);
    }
    // A single-byte reader gets the text in the system's code page.
    const std::string bytes = SystemCodePage().FromUnicode(Utf8ToUtf16(text)).value_or("");
    if (msg == SB_GETTEXTA && buffer)
        std::copy_n(bytes.c_str(), bytes.size() + 1, reinterpret_cast<char*>(buffer));
    return MAKELRESULT(bytes.size(), type);
}

void StatusBar::SetText(int panel, const std::string& text) {
    if (panel == livePanel_) {
        EndLivePanel();
        const RECT part = PanelRect(panel); // the live text was drawn over it
        InvalidateRect(hwnd_, &part, TRUE);
    }
    texts_[panel - 1] = text;
    LayOut();
}

void StatusBar::SetTextLive(int panel, const std::string& text) {
    // A text that would move the panels' edges or be cut goes the control's
    // way, which lays the bar out again.
    const int need = TextNeed(text);
    if (panel < 1 || panel >= 6 || !KeepsTheLayout(panel, need)) {
        SetText(panel, text);
        return;
    }
    if (livePanel_ != panel && !StartLivePanel(panel)) {
        SetText(panel, text);
        return;
    }
    texts_[panel - 1] = text; // what the bar is laid out for
    needs_[panel - 1] = need;
    liveText_ = text;
    DrawLiveText();
}

void StatusBar::KeepWidthFor(int panel, const std::string& widest) {
    kept_[panel - 1] = TextNeed(widest);
    LayOut();
    if (!widest.empty() && livePanel_ != panel)
        StartLivePanel(panel);
}

bool StatusBar::KeepsTheLayout(int panel, int need) const {
    int needs[6], edges[6];
    std::copy(needs_, needs_ + 6, needs);
    needs[panel - 1] = need;
    Place(needs, edges);
    return std::equal(edges, edges + 6, edges_) && need <= widths_[panel - 1];
}

// The control paints the panel empty once; its picture is kept to draw
// each live text on, as the control draws a text. The panel keeps the width
// laid out for its text.
bool StatusBar::StartLivePanel(int panel) {
    HandLiveTextOver(); // one live panel at a time
    shown_[panel - 1].clear();
    SendMessageW(hwnd_, SB_SETTEXTW, panel - 1, reinterpret_cast<LPARAM>(L""));
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
