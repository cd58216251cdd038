#include "win/ModalUi.h"

#include <windows.h>
#include <commdlg.h>

#include "win/UniqueHandle.h"
#include "win/Wide.h"

int Win32ModalUi::ShowMessageBox(const std::string& text, const std::string& caption,
                                 std::uint32_t style) {
    return ::MessageBoxExW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), style, 0);
}

namespace {
// "A|*.a|B|*.b" to the double-NUL-terminated list the dialogs take.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring list = Widen(filter);
    for (wchar_t& c : list)
        if (c == L'|')
            c = L'\0';
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

// Null for an empty text: the dialog's own default.
const wchar_t* OrDefault(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

using FileDialogFn = BOOL(WINAPI*)(LPOPENFILENAMEW);

// Room for a path up to the system's limit.
constexpr std::size_t kPathRoom = 32768;

bool RunFileDialog(FileDialogSpec& dialog, FileDialogFn run) {
    std::wstring file = Widen(dialog.fileName);
    file.resize(kPathRoom, L'\0');
    file.back() = L'\0';
    const std::wstring filter = DialogFilter(dialog.filter);
    const std::wstring initialDir = Widen(dialog.initialDir);
    const std::wstring title = Widen(dialog.title);
    const std::wstring defaultExt = Widen(dialog.defaultExt);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = OrDefault(initialDir);
    ofn.lpstrTitle = OrDefault(title);
    ofn.lpstrDefExt = OrDefault(defaultExt);
    ofn.Flags = dialog.options | OFN_EXPLORER;
    if (!run(&ofn))
        return false;
    dialog.fileName = Narrow(file.c_str());
    return true;
}

struct FontDialogContext {
    const std::function<void(const FontSpec&)>* onApply;
    FontSpec* font;
    int ppi;
};

FontSpec FromLogFont(const LOGFONTW& lf, const FontSpec& base, int ppi) {
    FontSpec font = base;
    font.name = Narrow(lf.lfFaceName);
    font.sizePt = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, ppi);
    font.Set(kStyleBold, lf.lfWeight >= FW_BOLD);
    font.Set(kStyleItalic, lf.lfItalic != 0);
    return font;
}

UINT_PTR CALLBACK FontHook(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* cf = reinterpret_cast<CHOOSEFONTW*>(lp);
        SetWindowLongPtrW(dialog, DWLP_USER, cf->lCustData);
        return TRUE;
    }
    constexpr WORD kApplyButton = 0x0402; // psh3
    if (msg == WM_COMMAND && LOWORD(wp) == kApplyButton) {
        auto* context = reinterpret_cast<FontDialogContext*>(GetWindowLongPtrW(dialog, DWLP_USER));
        LOGFONTW lf{};
        SendMessageW(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&lf));
        *context->font = FromLogFont(lf, *context->font, context->ppi);
        if (*context->onApply)
            (*context->onApply)(*context->font);
        return TRUE;
    }
    return FALSE;
}

int ScreenPpi() {
    ScopedGetDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}
} // namespace

bool Win32ModalUi::RunOpenDialog(FileDialogSpec& dialog) {
    return RunFileDialog(dialog, GetOpenFileNameW);
}

bool Win32ModalUi::RunSaveDialog(FileDialogSpec& dialog) {
    return RunFileDialog(dialog, GetSaveFileNameW);
}

bool Win32ModalUi::RunFontDialog(FontSpec& font,
                                 const std::function<void(const FontSpec&)>& onApply) {
    const int ppi = ScreenPpi();
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(font.sizePt, ppi, 72);
    lf.lfWeight = font.Has(kStyleBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Has(kStyleItalic);
    lf.lfUnderline = font.Has(kStyleUnderline);
    lf.lfStrikeOut = font.Has(kStyleStrikeOut);
    lf.lfCharSet = DEFAULT_CHARSET;
    Widen(CutToUnits(font.name, LF_FACESIZE - 1)).copy(lf.lfFaceName, LF_FACESIZE - 1);
    FontDialogContext context{&onApply, &font, ppi};
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = GetActiveWindow();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_APPLY | CF_ENABLEHOOK;
    cf.lpfnHook = FontHook;
    cf.lCustData = reinterpret_cast<LPARAM>(&context);
    if (!ChooseFontW(&cf))
        return false;
    font = FromLogFont(lf, font, ppi);
    if (cf.iPointSize > 0)
        font.sizePt = (cf.iPointSize + 5) / 10;
    return true;
}
