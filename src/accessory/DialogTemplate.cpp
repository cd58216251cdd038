#include "accessory/DialogTemplate.h"

#include "win/Wide.h"

namespace {
void PutWide(std::vector<WORD>& words, const char* text) {
    for (; *text; ++text)
        words.push_back(static_cast<unsigned char>(*text));
    words.push_back(0);
}

void PutDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}
} // namespace

std::vector<WORD> EmptyDialogTemplate(const char* caption, DWORD style, const char* font,
                                      WORD points, WORD weight) {
    std::vector<WORD> t;
    t.push_back(1);      // dlgVer
    t.push_back(0xFFFF); // signature: extended template
    PutDword(t, 0);      // helpID
    PutDword(t, 0);      // exStyle
    PutDword(t, style | DS_SETFONT);
    t.push_back(0); // no items
    for (int i = 0; i < 4; ++i)
        t.push_back(0); // x, y, cx, cy: set in pixels later
    t.push_back(0);     // no menu
    t.push_back(0);     // the standard dialog class
    PutWide(t, caption);
    t.push_back(points);
    t.push_back(weight);
    t.push_back(MAKEWORD(FALSE, DEFAULT_CHARSET));
    PutWide(t, font);
    return t;
}

HWND AddDialogControl(HWND dlg, const char* cls, const std::string& text, DWORD style, int id,
                      int x, int y, int width, int height, HFONT font) {
    HWND control =
        CreateWindowExW(0, Widen(cls).c_str(), Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                        x, y, width, height, dlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void CenterDialog(HWND dlg, int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, GetWindowLongW(dlg, GWL_STYLE), FALSE,
                       GetWindowLongW(dlg, GWL_EXSTYLE));
    const int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
    SetWindowPos(dlg, nullptr, (GetSystemMetrics(SM_CXSCREEN) - frameWidth) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - frameHeight) / 2, frameWidth, frameHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
