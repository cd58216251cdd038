#include "win/ModalUi.h"

#include <algorithm>
#include <string>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include "win/RunsOnWine.h"
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

BOOL CALLBACK FindEdit(HWND child, LPARAM found) {
    wchar_t cls[8] = {};
    GetClassNameW(child, cls, 8);
    if (lstrcmpiW(cls, L"Edit") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

// The edit part of the name box: the box itself, or inside a box with a list,
// plain or extended.
HWND FileNameEdit(HWND dialog) {
    HWND box = GetDlgItem(dialog, cmb13);
    if (!box)
        return GetDlgItem(dialog, edt1);
    HWND edit = nullptr;
    EnumChildWindows(box, FindEdit, reinterpret_cast<LPARAM>(&edit));
    return edit;
}

// Wine's file dialog puts the folder and the typed name together in a buffer
// of MAX_PATH characters without a check: a longer name overruns its stack
// and ends the program, unsaved script and all. So the name box takes no
// more than fits beside the folder shown, and loses what no longer fits
// when the folder changes.
UINT_PTR CALLBACK FileNameLimitHook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg != WM_NOTIFY)
        return 0;
    const UINT code = reinterpret_cast<const NMHDR*>(lp)->code;
    if (code != CDN_INITDONE && code != CDN_FOLDERCHANGE)
        return 0;
    const HWND dialog = GetParent(hook);
    wchar_t folder[MAX_PATH * 2] = {};
    const auto size = static_cast<int>(
        SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH * 2, reinterpret_cast<LPARAM>(folder)));
    // The folder, a backslash, the name and the end of the text.
    const int limit = std::max(1, MAX_PATH - 1 - std::max(size, 1));
    const HWND box = FileNameEdit(dialog);
    if (!box)
        return 0;
    SendMessageW(box, EM_LIMITTEXT, limit, 0);
    if (GetWindowTextLengthW(box) > limit) {
        std::wstring name(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
        GetWindowTextW(box, name.data(), static_cast<int>(name.size()));
        name.resize(static_cast<std::size_t>(GetWindowTextLengthW(box)));
        // Cut between whole characters: never half of a surrogate pair.
        SetWindowTextW(box, Widen(CutToUnits(Narrow(name), static_cast<std::size_t>(limit))).c_str());
    }
    return 0;
}

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
    // Elsewhere a hook would cost the system's newer dialog, which needs none.
    if (RunsOnWine()) {
        ofn.Flags |= OFN_ENABLEHOOK | OFN_ENABLESIZING;
        ofn.lpfnHook = FileNameLimitHook;
    }
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
