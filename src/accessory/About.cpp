#include "accessory/About.h"

#include <cstring>
#include <vector>

#include "accessory/AboutTexts.h"
#include "accessory/DialogTemplate.h"
#include "render/Fonts.h"
#include "win/Wide.h"
#include "win/Dpi.h"
#include "win/Window.h"

namespace {
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);

int ScreenPointsToPixels(int points) {
    ScopedGetDC screen(nullptr);
    return MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
}
} // namespace

TAboutForm::TAboutForm(const Rect32& outputRect, const std::string& version)
    : label1_(AboutOutputSize(outputRect)), statictext1_(AboutTitle(version)),
      titleFont_(CreatePixelFont("MS Sans Serif", -ScaleForDpi(24, WindowDpi(nullptr)), true)),
      noticeFont_(CreatePixelFont("MS Sans Serif", -ScreenPointsToPixels(8), false)),
      silver_(CreateSolidBrush(kSilver)) {}

void TAboutForm::ShowModal(HWND owner) {
    // Verdana 8 pt bold is the box's window font.
    const std::vector<WORD> dialog = EmptyDialogTemplate(
        kAboutCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, "Verdana", 8, FW_BOLD);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner, DialogProc,
                            reinterpret_cast<LPARAM>(this));
    dlg_ = nullptr;
}

INT_PTR CALLBACK TAboutForm::DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    return Window::Trapped([&] { return DialogMessage(dlg, msg, wp, lp); }, INT_PTR{FALSE});
}

INT_PTR TAboutForm::DialogMessage(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TAboutForm*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        self = reinterpret_cast<TAboutForm*>(lp);
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        self->OnInitDialog(dlg);
        return FALSE; // focus set on OkBtn already
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return self ? self->OnCtlColor(reinterpret_cast<HDC>(wp)) : FALSE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dlg, LOWORD(wp));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

void TAboutForm::OnInitDialog(HWND dlg) {
    dlg_ = dlg;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // The program's shared icon; the system owns it, nothing to free.
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    SendMessageW(dlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    const auto windowFont = reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0));
    SIZE label{};
    {
        ScopedGetDC dc(dlg);
        ScopedSelect font(dc.get(), windowFont);
        const std::wstring text = Widen(label1_);
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &label);
    }
    // Designed at 96 DPI; the fonts grow with the scaling, so do the places.
    const int dpi = WindowDpi(dlg);
    const auto px = [dpi](int at96) { return ScaleForDpi(at96, dpi); };
    AddControl("STATIC", label1_, SS_LEFT | SS_NOPREFIX, kLabel1Id, px(13), px(80), label.cx,
               label.cy, windowFont);
    // Docked at the bottom: the notice lowest, the product line above it.
    const int width = px(kClientWidth), height = px(kClientHeight);
    const int noticeHeight = px(13), titleHeight = px(29);
    AddControl("STATIC", statictext1_, SS_CENTER | SS_NOPREFIX, kStatictext1Id, 0,
               height - noticeHeight - titleHeight, width, titleHeight, titleFont_.get());
    AddControl("STATIC", kOwnershipNotice, SS_CENTER | SS_NOPREFIX, kNoticeId, 0,
               height - noticeHeight, width, noticeHeight, noticeFont_.get());
    HWND ok = AddControl("BUTTON", "&OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kOkBtnId, px(144), px(96),
                         px(65), px(23), windowFont);
    SendMessageW(dlg, DM_SETDEFID, IDOK, 0);
    SetFocus(ok);

    // Client area of 362 x 169 at 96 DPI, centred on the screen.
    CenterDialog(dlg, width, height);
}

HWND TAboutForm::AddControl(const char* cls, const std::string& text, DWORD style, int id, int x,
                            int y, int width, int height, HFONT font) {
    return AddDialogControl(dlg_, cls, text, style, id, x, y, width, height, font);
}

// Silver background; the labels are transparent over it, in black.
INT_PTR TAboutForm::OnCtlColor(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, kSilver);
    SetTextColor(dc, RGB(0, 0, 0));
    return reinterpret_cast<INT_PTR>(silver_.get());
}
