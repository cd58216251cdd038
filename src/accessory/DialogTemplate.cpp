#include "accessory/DialogTemplate.h"

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
