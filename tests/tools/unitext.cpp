// Helper of the journey in other languages, through the wide functions only:
//   unitext acp                    the system's ANSI code page
//   unitext editor                 the editor's text, UTF-8, as the control holds it
//   unitext rect                   the editor's client area on the screen: X Y W H
//   unitext glyphs FACE PX FILE    characters of each line of a UTF-8 file that
//                                  this prefix draws as the missing glyph
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

#include <windows.h>
#include <shellapi.h>
#include <usp10.h>

namespace {

std::string Utf8(const std::wstring& wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

HWND Editor() {
    HWND main = FindWindowW(L"TForm1", nullptr);
    HWND edit = main ? FindWindowExW(main, nullptr, L"Edit", nullptr) : nullptr;
    if (!edit)
        std::fprintf(stderr, "no editor\n");
    return edit;
}

int EditorRect() {
    HWND edit = Editor();
    RECT client{};
    if (!edit || !GetClientRect(edit, &client))
        return 1;
    POINT origin{0, 0};
    ClientToScreen(edit, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    return 0;
}

int EditorText() {
    HWND edit = Editor();
    if (!edit)
        return 1;
    // The system carries WM_GETTEXT's buffer across the processes.
    const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    const std::string out = Utf8(text);
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

// One text drawn white on black into a bitmap of its own; its pixels.
class Ink {
public:
    Ink(const wchar_t* face, int px) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const DWORD*>(bits);
        font_ = CreateFontW(-px, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
        old_bitmap_ = SelectObject(dc_, bitmap_);
        old_font_ = SelectObject(dc_, font_);
        SetTextColor(dc_, RGB(255, 255, 255));
        SetBkColor(dc_, RGB(0, 0, 0));
    }
    ~Ink() {
        SelectObject(dc_, old_font_);
        SelectObject(dc_, old_bitmap_);
        DeleteObject(font_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Ink(const Ink&) = delete;
    Ink& operator=(const Ink&) = delete;

    // Drawn as the edit control draws: Uniscribe with font linking and fallback.
    std::vector<DWORD> Of(const std::wstring& text) {
        RECT all{0, 0, kSide, kSide};
        ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &all, L"", 0, nullptr);
        const int length = static_cast<int>(text.size());
        SCRIPT_STRING_ANALYSIS analysis = nullptr;
        if (SUCCEEDED(ScriptStringAnalyse(dc_, text.data(), length, length * 3 / 2 + 16, -1,
                                          SSA_GLYPHS | SSA_FALLBACK | SSA_LINK, 0, nullptr,
                                          nullptr, nullptr, nullptr, nullptr, &analysis))) {
            ScriptStringOut(analysis, 8, 8, 0, nullptr, 0, 0, FALSE);
            ScriptStringFree(&analysis);
        }
        GdiFlush();
        return std::vector<DWORD>(bits_, bits_ + kSide * kSide);
    }

private:
    static constexpr int kSide = 160;
    HDC dc_{};
    HBITMAP bitmap_{};
    HFONT font_{};
    HGDIOBJ old_bitmap_{}, old_font_{};
    const DWORD* bits_{};
};

// The characters drawn as an unassigned code point is (the picture a font,
// its replacements and links give for a character none of them holds), or
// drawn as nothing.
int MissingGlyphs(const wchar_t* face, int px, const wchar_t* path) {
    FILE* file = _wfopen(path, L"rb");
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", Utf8(path).c_str());
        return 2;
    }
    Ink ink(face, px);
    const std::vector<DWORD> missing = ink.Of(L"\x0378");
    const std::vector<DWORD> blank = ink.Of(L" ");
    char line[4096];
    int number = 0, bad = 0;
    while (std::fgets(line, sizeof line, file)) {
        ++number;
        const std::wstring text = Wide(line);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::size_t n = IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() ? 2 : 1;
            const std::wstring one = text.substr(i, n);
            i += n - 1;
            if (one[0] <= L' ' || one[0] == 0xFEFF)
                continue;
            const std::vector<DWORD> drawn = ink.Of(one);
            if (drawn != missing && drawn != blank)
                continue;
            std::printf("line %d: U+%04X draws as the missing glyph\n", number,
                        n == 2 ? 0x10000 + ((one[0] - 0xD800) << 10) + (one[1] - 0xDC00) : one[0]);
            ++bad;
        }
    }
    std::fclose(file);
    return bad ? 1 : 0;
}

} // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"acp") {
        std::printf("%u\n", GetACP());
        return 0;
    }
    if (command == L"editor")
        return EditorText();
    if (command == L"rect")
        return EditorRect();
    if (command == L"glyphs" && argc == 5)
        return MissingGlyphs(argv[2], _wtoi(argv[3]), argv[4]);
    std::fprintf(stderr, "usage: unitext acp | editor | rect | glyphs FACE PX FILE\n");
    return 2;
}
