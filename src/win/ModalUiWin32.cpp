#include "win/ModalUi.h"

#include <windows.h>
#include <commdlg.h>

#include "win/UniqueHandle.h"

int Win32ModalUi::ShowMessageBox(const std::string& text, const std::string& caption,
                                 std::uint32_t style) {
    return ::MessageBoxExA(nullptr, text.c_str(), caption.c_str(), style, 0);
}

namespace {
// "A|*.a|B|*.b" to the double-NUL-terminated list the dialogs take.
std::string DialogFilter(const std::string& filter) {
    std::string list = filter;
    for (char& c : list)
        if (c == '|')
            c = '\0';
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

using FileDialogFn = BOOL(WINAPI*)(LPOPENFILENAMEA);

bool RunFileDialog(FileDialogSpec& dialog, FileDialogFn run) {
    char file[MAX_PATH * 4] = {0};
    dialog.fileName.copy(file, sizeof file - 1);
    const std::string filter = DialogFilter(dialog.filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = dialog.initialDir.empty() ? nullptr : dialog.initialDir.c_str();
    ofn.lpstrTitle = dialog.title.empty() ? nullptr : dialog.title.c_str();
    ofn.lpstrDefExt = dialog.defaultExt.empty() ? nullptr : dialog.defaultExt.c_str();
    ofn.Flags = dialog.options | OFN_EXPLORER;
    if (!run(&ofn))
        return false;
    dialog.fileName = file;
    return true;
}

struct FontDialogContext {
    const std::function<void(const FontSpec&)>* onApply;
    FontSpec* font;
    int ppi;
};

FontSpec FromLogFont(const LOGFONTA& lf, const FontSpec& base, int ppi) {
    FontSpec font = base;
    font.name = lf.lfFaceName;
    font.sizePt = MulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 72, ppi);
    font.Set(kStyleBold, lf.lfWeight >= FW_BOLD);
    font.Set(kStyleItalic, lf.lfItalic != 0);
    return font;
}

UINT_PTR CALLBACK FontHook(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* cf = reinterpret_cast<CHOOSEFONTA*>(lp);
        SetWindowLongPtrA(dialog, DWLP_USER, cf->lCustData);
        return TRUE;
    }
    constexpr WORD kApplyButton = 0x0402; // psh3
    if (msg == WM_COMMAND && LOWORD(wp) == kApplyButton) {
        auto* context = reinterpret_cast<FontDialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
        LOGFONTA lf{};
        SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&lf));
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
    return RunFileDialog(dialog, GetOpenFileNameA);
}

bool Win32ModalUi::RunSaveDialog(FileDialogSpec& dialog) {
    return RunFileDialog(dialog, GetSaveFileNameA);
}

bool Win32ModalUi::RunFontDialog(FontSpec& font,
                                 const std::function<void(const FontSpec&)>& onApply) {
    const int ppi = ScreenPpi();
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(font.sizePt, ppi, 72);
    lf.lfWeight = font.Has(kStyleBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.Has(kStyleItalic);
    lf.lfUnderline = font.Has(kStyleUnderline);
    lf.lfStrikeOut = font.Has(kStyleStrikeOut);
    lf.lfCharSet = DEFAULT_CHARSET;
    font.name.copy(lf.lfFaceName, LF_FACESIZE - 1);
    FontDialogContext context{&onApply, &font, ppi};
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = GetActiveWindow();
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_APPLY | CF_ENABLEHOOK;
    cf.lpfnHook = FontHook;
    cf.lCustData = reinterpret_cast<LPARAM>(&context);
    if (!ChooseFontA(&cf))
        return false;
    font = FromLogFont(lf, font, ppi);
    if (cf.iPointSize > 0)
        font.sizePt = (cf.iPointSize + 5) / 10;
    return true;
}
