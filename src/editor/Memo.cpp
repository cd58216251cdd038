#include "editor/Memo.h"

#include <algorithm>
#include <vector>

#include "editor/LineCount.h"

UniqueHfont CreateFontFor(const FontSpec& font, int pixelsPerInch) {
    const int height = -MulDiv(font.sizePt, pixelsPerInch, 72);
    return UniqueHfont(CreateFontA(
        height, 0, 0, 0, font.Has(kStyleBold) ? FW_BOLD : FW_NORMAL, font.Has(kStyleItalic),
        font.Has(kStyleUnderline), font.Has(kStyleStrikeOut), DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.name.c_str()));
}

bool Memo::Create(HWND parent) {
    hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN |
                                ES_NOHIDESEL | ES_LEFT,
                            0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return false;
    // The default limit is about 30,000 characters; scripts may be longer.
    SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);
    return true;
}

void Memo::ApplyLook(const FontSpec& font, Color background, int pixelsPerInch) {
    const bool fontChanged = !font_ || font.name != fontSpec_.name ||
                             font.sizePt != fontSpec_.sizePt || font.style != fontSpec_.style ||
                             pixelsPerInch != fontPpi_;
    if (fontChanged) {
        UniqueHfont next = CreateFontFor(font, pixelsPerInch);
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), TRUE);
        font_ = std::move(next);
        fontPpi_ = pixelsPerInch;
    }
    fontSpec_ = font;
    const bool colourChanged = font.color != textColor_ || background != background_;
    if (background != background_) brush_.reset(CreateSolidBrush(background));
    textColor_ = font.color;
    background_ = background;
    if (colourChanged) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Memo::SetBounds(int x, int y, int width, int height) {
    MoveWindow(hwnd_, x, y, width, height, TRUE);
}

std::string Memo::Text() const {
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(length + 1, '\0');
    GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(length);
    return text;
}

bool Memo::SetText(const std::string& text) {
    return SetWindowTextA(hwnd_, text.c_str()) != FALSE;
}

int Memo::ControlLineCount() const {
    return static_cast<int>(SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0));
}

int Memo::LineCount() const {
    const int lines = ControlLineCount();
    const int lastLength =
        static_cast<int>(SendMessageA(hwnd_, EM_LINELENGTH, LineIndex(lines - 1), 0));
    return DisplayedLineCount(lines, lastLength);
}

std::string Memo::LineText(int line) const {
    if (line < 0 || line >= ControlLineCount()) return {};
    const int length = static_cast<int>(SendMessageA(hwnd_, EM_LINELENGTH, LineIndex(line), 0));
    // EM_GETLINE takes the buffer size in the first WORD and adds no terminator.
    std::string text(std::max(length, 1) + 1, '\0');
    *reinterpret_cast<WORD*>(text.data()) = static_cast<WORD>(std::min(length + 1, 0xFFFF));
    const int copied = static_cast<int>(
        SendMessageA(hwnd_, EM_GETLINE, line, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

int Memo::LineIndex(int line) const {
    return static_cast<int>(SendMessageA(hwnd_, EM_LINEINDEX, line, 0));
}

int Memo::LineFromChar(int charIndex) const {
    return static_cast<int>(SendMessageA(hwnd_, EM_LINEFROMCHAR, charIndex, 0));
}

int Memo::SelStart() const {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

int Memo::SelLength() const {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void Memo::SetSelection(int start, int length) {
    SendMessageA(hwnd_, EM_SETSEL, start, start + length);
}

void Memo::ScrollCaret() {
    SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
}

bool Memo::Modified() const {
    return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0;
}

void Memo::SetModified(bool modified) {
    if (Modified() != modified) SendMessageA(hwnd_, EM_SETMODIFY, modified, 0);
}
