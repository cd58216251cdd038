#include "editor/Memo.h"

#include <algorithm>
#include <utility>

#include <commctrl.h>
#include <vector>

#include "editor/LineCount.h"
#include "win/Wide.h"
#include "win/Window.h"

void Memo::Hook() {
    hook_.Install(
        hwnd_, [this](UINT msg, WPARAM wp, LPARAM lp) { return OnMessage(msg, wp, lp); },
        [this] { hwnd_ = nullptr; });
}

bool Memo::Create(HWND parent) {
    return CreateControl(parent, RECT{0, 0, 0, 0});
}

DWORD Memo::Style() const {
    // Clips siblings so its repaints never cover the preview panel above it.
    // The selection always shows as far as the control goes; hiding it while
    // the control has no focus is done here (see SetHideSelection), as the
    // control takes that style only at creation.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE |
                  ES_WANTRETURN | ES_NOHIDESEL;
    switch (alignment_) {
    case Alignment::Left:
        style |= ES_LEFT;
        break;
    case Alignment::Right:
        style |= ES_RIGHT;
        break;
    case Alignment::Center:
        style |= ES_CENTER;
        break;
    }
    return style;
}

bool Memo::CreateControl(HWND parent, RECT bounds) {
    lineCount_ = -1;
    const DWORD exStyle = WS_EX_CLIENTEDGE | (rightToLeft_ ? WS_EX_RTLREADING : 0);
    hwnd_ = CreateWindowExW(exStyle, L"EDIT", L"", Style(), bounds.left, bounds.top,
                            bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_)
        return false;
    Hook();
    // The default limit is about 30,000 characters; scripts may be longer.
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
    if (font_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return true;
}

// The one way a creation-time style changes: a new control that carries the
// old one's text, selection, scroll position, font, colours, limit and
// modified flag.
void Memo::Recreate() {
    HWND old = hwnd_;
    HWND parent = GetParent(old);
    RECT bounds{};
    GetWindowRect(old, &bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    const std::string text = Text();
    const auto [selStart, selEnd] = ShownSelection();
    const int firstVisible = static_cast<int>(SendMessageW(old, EM_GETFIRSTVISIBLELINE, 0, 0));
    const LRESULT limit = SendMessageW(old, EM_GETLIMITTEXT, 0, 0);
    const bool modified = Modified();
    const bool focused = GetFocus() == old;
    // The control's own visibility, not its parent's.
    const bool visible = (GetWindowLongW(old, GWL_STYLE) & WS_VISIBLE) != 0;
    hook_.Remove();
    hwnd_ = nullptr;
    if (!CreateControl(parent, bounds)) {
        hwnd_ = old; // keep the working control rather than lose the script
        Hook();
        return;
    }
    SetWindowPos(hwnd_, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(old);
    SetText(text);
    SendMessageW(hwnd_, EM_SETLIMITTEXT, limit, 0);
    SendMessageW(hwnd_, EM_SETSEL, selStart, selEnd);
    const int nowFirst = static_cast<int>(SendMessageW(hwnd_, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(hwnd_, EM_LINESCROLL, 0, firstVisible - nowFirst);
    SendMessageW(hwnd_, EM_SETMODIFY, modified, 0);
    if (!visible)
        ShowWindow(hwnd_, SW_HIDE);
    if (focused)
        SetFocus(hwnd_);
}

void Memo::SetAlignment(Alignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    Recreate();
}

void Memo::SetRightToLeft(bool rightToLeft) {
    if (rightToLeft == rightToLeft_)
        return;
    rightToLeft_ = rightToLeft;
    Recreate();
}

void Memo::SetHideSelection(bool hide) {
    if (hide == hideSelection_)
        return;
    hideSelection_ = hide;
    if (!hide)
        ShowKeptSelection();
    else if (GetFocus() != hwnd_)
        KeepSelectionHidden();
}

// Without the focus a hidden selection is kept here and the control shows
// none; the selection reads as kept.
void Memo::KeepSelectionHidden() {
    if (kept_)
        return;
    kept_ = ShownSelection();
    SendMessageW(hwnd_, EM_SETSEL, kept_->first, kept_->first);
}

void Memo::ShowKeptSelection() {
    if (!kept_)
        return;
    const auto [start, end] = *kept_;
    kept_.reset();
    SendMessageW(hwnd_, EM_SETSEL, start, end);
}

LRESULT Memo::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (!LeavesLinesAlone(msg))
        lineCount_ = -1;
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Notify(MemoNote::KeyDown, MAKELPARAM(LOWORD(wp), (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                                                             (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                                                             (GetKeyState(VK_MENU) < 0 ? 4 : 0)));
        break;
    // The second press of a quick pair arrives as a double click.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        leftDown_ = true;
        Notify(MemoNote::MouseDown, 0);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        Notify(MemoNote::MouseDown, 1);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        Notify(MemoNote::MouseDown, 2);
        break;
    case WM_CONTEXTMENU:
        if (!Notify(MemoNote::ContextMenu))
            return 0;
        break;
    case WM_SETFOCUS: {
        ShowKeptSelection();
        const LRESULT result = hook_.Next(msg, wp, lp);
        Notify(MemoNote::Enter);
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = hook_.Next(msg, wp, lp);
        if (hideSelection_)
            KeepSelectionHidden();
        Notify(MemoNote::Exit);
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = hook_.Next(msg, wp, lp);
        if (std::exchange(leftDown_, false))
            Notify(MemoNote::Click);
        return result;
    }
    }
    return hook_.Next(msg, wp, lp);
}

LRESULT Memo::Notify(MemoNote note, LPARAM detail) const {
    return SendMessageW(GetParent(hwnd_), kMemoNotify, static_cast<WPARAM>(note), detail);
}

void Memo::ApplyLook(const FontSpec& font, Color background, int pixelsPerInch) {
    const bool fontChanged = !font_ || font.name != fontSpec_.name ||
                             font.sizePt != fontSpec_.sizePt || font.style != fontSpec_.style ||
                             pixelsPerInch != fontPpi_;
    if (fontChanged) {
        UniqueHfont next = CreateFontFor(font, pixelsPerInch);
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), TRUE);
        font_ = std::move(next);
        fontPpi_ = pixelsPerInch;
    }
    fontSpec_ = font;
    const bool textChanged = font.color != textColor_;
    textColor_ = font.color;
    if (background_.Set(background) || textChanged)
        InvalidateRect(hwnd_, nullptr, TRUE);
}

void Memo::SetBounds(int x, int y, int width, int height) {
    MoveWindow(hwnd_, x, y, width, height, TRUE);
}

std::string Memo::Text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(length + 1, L'\0');
    text.resize(std::max(GetWindowTextW(hwnd_, text.data(), length + 1), 0));
    return Narrow(text);
}

bool Memo::SetText(const std::string& text) {
    if (kept_)
        kept_ = std::pair{0, 0}; // where a new text puts the selection
    return SetWindowTextW(hwnd_, Widen(text).c_str()) != FALSE;
}

int Memo::ControlLineCount() const {
    return static_cast<int>(SendMessageW(hwnd_, EM_GETLINECOUNT, 0, 0));
}

int Memo::LineCount() const {
    // Finding the last line walks all the lines: counted again only after a
    // message that may have changed the text or its wrapping.
    if (lineCount_ < 0) {
        const int lines = ControlLineCount();
        const int lastLength =
            static_cast<int>(SendMessageW(hwnd_, EM_LINELENGTH, LineIndex(lines - 1), 0));
        lineCount_ = DisplayedLineCount(lines, lastLength);
    }
    return lineCount_;
}

// Messages that only read the control or draw it; any other may change the
// text or where it wraps.
bool Memo::LeavesLinesAlone(UINT msg) {
    switch (msg) {
    case EM_GETLINECOUNT:
    case EM_LINEINDEX:
    case EM_LINELENGTH:
    case EM_GETLINE:
    case EM_LINEFROMCHAR:
    case EM_GETSEL:
    case EM_SETSEL:
    case EM_SCROLLCARET:
    case EM_GETFIRSTVISIBLELINE:
    case EM_GETMODIFY:
    case EM_GETLIMITTEXT:
    case EM_POSFROMCHAR:
    case EM_CHARFROMPOS:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_GETFONT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_GETDLGCODE:
        return true;
    default:
        return false;
    }
}

std::string Memo::LineText(int line) const {
    if (line < 0 || line >= ControlLineCount())
        return {};
    // One request for a line that fits the usual buffer: finding a line walks
    // the control's lines, so each request costs more the longer the script.
    constexpr int kUsual = 4096;
    std::wstring text(kUsual, L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(kUsual);
    int copied = static_cast<int>(
        SendMessageW(hwnd_, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data())));
    if (copied < kUsual) {
        text.resize(std::max(copied, 0));
        return Narrow(text);
    }
    // A longer line: measured first, then read whole.
    const int length = static_cast<int>(SendMessageW(hwnd_, EM_LINELENGTH, LineIndex(line), 0));
    text.assign(static_cast<std::size_t>(std::max(length, 1)) + 1, L'\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(std::min(length + 1, 0xFFFF));
    copied = static_cast<int>(
        SendMessageW(hwnd_, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::clamp(copied, 0, length));
    return Narrow(text);
}

int Memo::LineIndex(int line) const {
    return static_cast<int>(SendMessageW(hwnd_, EM_LINEINDEX, line, 0));
}

int Memo::LineFromChar(int charIndex) const {
    return static_cast<int>(SendMessageW(hwnd_, EM_LINEFROMCHAR, charIndex, 0));
}

std::pair<int, int> Memo::ShownSelection() const {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

int Memo::SelStart() const {
    return (kept_ ? *kept_ : ShownSelection()).first;
}

int Memo::SelLength() const {
    const auto [start, end] = kept_ ? *kept_ : ShownSelection();
    return end - start;
}

void Memo::SetSelection(int start, int length) {
    if (kept_) {
        kept_ = {start, start + length};
        SendMessageW(hwnd_, EM_SETSEL, start, start);
        return;
    }
    SendMessageW(hwnd_, EM_SETSEL, start, start + length);
}

void Memo::ScrollCaret() {
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

bool Memo::Modified() const {
    return SendMessageW(hwnd_, EM_GETMODIFY, 0, 0) != 0;
}

void Memo::SetModified(bool modified) {
    if (Modified() != modified)
        SendMessageW(hwnd_, EM_SETMODIFY, modified, 0);
}
