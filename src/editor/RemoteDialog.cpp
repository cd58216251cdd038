#include "editor/RemoteDialog.h"

#include <algorithm>
#include <exception>

#include "accessory/DialogTemplate.h"
#include "settings/RemoteSettingsFile.h"
#include "win/Dpi.h"
#include "win/ModalUi.h"
#include "win/Wide.h"
#include "win/Window.h"

namespace {
constexpr char kCaption[] = "Remote Control";
constexpr UINT_PTR kLiveTimer = 1;
// Modules of white around the code, as readers expect.
constexpr int kQuietZone = 4;

std::string ControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

bool Checked(HWND control) {
    return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND control, bool on) {
    SendMessageW(control, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
} // namespace

TRemoteForm::TRemoteForm(RemoteSwitch& remote, IModalUi& ui)
    : remote_(remote), ui_(ui), choices_(remote.Settings()) {}

std::string TRemoteForm::PairingAddress(const std::string& address, const std::string& key) {
    return address + "?key=" + key;
}

std::string TRemoteForm::TalentAddress(const std::string& address, const std::string& key) {
    const bool slash = !address.empty() && address.back() == '/';
    return address + (slash ? "" : "/") + "prompter?key=" + key;
}

bool TRemoteForm::ShowModal(HWND owner) {
    const std::vector<WORD> dialog = EmptyDialogTemplate(
        kCaption, WS_POPUP | WS_CAPTION | WS_SYSMENU, "MS Shell Dlg", 8, FW_NORMAL);
    // A remote command must not act behind the dialog.
    const ModalScope open(ui_);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), owner, DialogProc,
                            reinterpret_cast<LPARAM>(this));
    dlg_ = nullptr;
    return ok_;
}

INT_PTR CALLBACK TRemoteForm::DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG)
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
    auto* self = reinterpret_cast<TRemoteForm*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (!self)
        return FALSE;
    if (msg == WM_INITDIALOG)
        self->dlg_ = dlg;
    return Window::Trapped([&] { return self->DialogMessage(msg, wp, lp); }, INT_PTR{FALSE});
}

INT_PTR TRemoteForm::DialogMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(dlg_);
        return FALSE; // the focus is set
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED || LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            OnCommand(LOWORD(wp));
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wp == kLiveTimer) {
            ShowLiveState();
            return TRUE;
        }
        break;
    case WM_DRAWITEM:
        if (wp == kQrId || wp == kTalentQrId) {
            DrawQr(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp), wp == kQrId ? qr_ : talentQr_);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        KillTimer(dlg_, kLiveTimer);
        break;
    }
    return FALSE;
}

void TRemoteForm::OnInitDialog(HWND dlg) {
    font_ = reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0));
    // Designed at 96 DPI; the font grows with the scaling, so do the places.
    const int dpi = WindowDpi(dlg);
    const auto px = [dpi](int at96) { return ScaleForDpi(at96, dpi); };
    const auto add = [&](const char* cls, const std::string& text, DWORD style, int id, int x,
                         int y, int width, int height) {
        return AddControl(cls, text, style, id, px(x), px(y), px(width), px(height));
    };
    HWND enabled = add("BUTTON", "&Let phones and control surfaces steer this prompter",
                       BS_AUTOCHECKBOX | WS_TABSTOP, kEnabledId, 12, 12, 436, 20);
    add("STATIC", "Who may connect:", SS_LEFT, -1, 12, 40, 436, 16);
    add("BUTTON", "This &computer only", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, kLocalId, 24,
        58, 420, 20);
    add("BUTTON", "Computers on the local &network", BS_AUTORADIOBUTTON, kNetworkId, 24, 80, 420,
        20);
    add("STATIC", "&Port:", SS_LEFT | WS_GROUP, -1, 12, 113, 40, 20);
    add("EDIT", std::to_string(choices_.port), ES_LEFT | ES_NUMBER | WS_BORDER | WS_TABSTOP,
        kPortId, 56, 110, 70, 22);
    add("STATIC", "1024 to 65535", SS_LEFT, -1, 134, 113, 200, 20);
    add("STATIC", "Open this address on a phone, or let its camera read the code:", SS_LEFT, -1, 12,
        142, 436, 16);
    // One address a line, whole: a phone's address must not break.
    add("EDIT", "",
        ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP,
        kAddressesId, 12, 160, 596, 56);
    add("STATIC", "Remote control", SS_CENTER, -1, 292, 222, 156, 16);
    add("STATIC", "", SS_OWNERDRAW, kQrId, 292, 240, 156, 140);
    add("STATIC", "Open as a talent screen", SS_CENTER, -1, 456, 222, 156, 16);
    add("STATIC", "", SS_OWNERDRAW, kTalentQrId, 456, 240, 156, 140);
    add("BUTTON", "New Access &Key", BS_PUSHBUTTON | WS_TABSTOP, kNewKeyId, 12, 224, 130, 26);
    add("STATIC", "Every paired device must pair again.", SS_LEFT, -1, 12, 256, 268, 18);
    add("STATIC", "", SS_LEFT | SS_NOPREFIX, kDevicesId, 12, 290, 268, 18);
    add("STATIC", "", SS_LEFT | SS_NOPREFIX, kErrorId, 12, 314, 268, 54);
    add("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, IDOK, 448, 392, 75, 26);
    add("BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, 533, 392, 75, 26);
    SendMessageW(dlg, DM_SETDEFID, IDOK, 0);

    Check(enabled, choices_.enabled);
    Check(Item(choices_.network ? kNetworkId : kLocalId), true);
    SendMessageW(Item(kPortId), EM_LIMITTEXT, 5, 0);
    ShowAddresses();
    ShowLiveState();
    SetTimer(dlg, kLiveTimer, 1000, nullptr);
    SetFocus(enabled);

    CenterDialog(dlg, px(kClientWidth), px(kClientHeight));
}

HWND TRemoteForm::AddControl(const char* cls, const std::string& text, DWORD style, int id, int x,
                             int y, int width, int height) {
    return AddDialogControl(dlg_, cls, text, style, id, x, y, width, height, font_);
}

void TRemoteForm::OnCommand(int id) {
    switch (id) {
    case IDOK:
        if (OnOk())
            EndDialog(dlg_, IDOK);
        break;
    case IDCANCEL:
        EndDialog(dlg_, IDCANCEL);
        break;
    case kNewKeyId:
        choices_.accessKey = remote_.NewKey();
        ShowAddresses();
        break;
    default:
        break;
    }
}

bool TRemoteForm::OnOk() {
    const std::optional<std::uint16_t> port = ParseRemotePort(ControlText(Item(kPortId)));
    if (!port) {
        ui_.ShowMessageBox("The port must be a number from 1024 to 65535.", kCaption,
                           MB_OK | MB_ICONWARNING);
        SetFocus(Item(kPortId));
        SendMessageW(Item(kPortId), EM_SETSEL, 0, -1);
        return false;
    }
    choices_.enabled = Checked(Item(kEnabledId));
    choices_.network = Checked(Item(kNetworkId));
    choices_.port = *port;
    ok_ = true;
    try {
        remote_.Apply(choices_);
    } catch (const std::exception& e) {
        ui_.ShowMessageBox(e.what(), kCaption, MB_OK | MB_ICONERROR);
    }
    return true;
}

void TRemoteForm::ShowAddresses() {
    std::string text;
    qr_ = {};
    talentQr_ = {};
    if (remote_.Running()) {
        const std::vector<std::string> addresses = remote_.PhoneAddresses();
        for (const std::string& address : addresses)
            text += (text.empty() ? "" : "\r\n") + PairingAddress(address, choices_.accessKey);
        // A phone reaches this computer by a network address, not its loopback.
        const auto reachable = std::find_if(addresses.begin(), addresses.end(), [](auto& a) {
            return !a.starts_with("http://127.") && !a.starts_with("http://[::1]");
        });
        if (!addresses.empty()) {
            const std::string& shown = reachable != addresses.end() ? *reachable : addresses.front();
            qr_ = EncodeQr(PairingAddress(shown, choices_.accessKey));
            talentQr_ = EncodeQr(TalentAddress(shown, choices_.accessKey));
        }
    } else {
        text = "The addresses show here once the remote is on.";
    }
    SetWindowTextW(Item(kAddressesId), Widen(text).c_str());
    InvalidateRect(Item(kQrId), nullptr, TRUE);
    InvalidateRect(Item(kTalentQrId), nullptr, TRUE);
}

void TRemoteForm::ShowLiveState() {
    const std::string devices = "Devices connected: " + std::to_string(remote_.ConnectedDevices());
    if (ControlText(Item(kDevicesId)) != devices)
        SetWindowTextW(Item(kDevicesId), Widen(devices).c_str());
    const std::string& error = remote_.Error();
    if (ControlText(Item(kErrorId)) != error)
        SetWindowTextW(Item(kErrorId), Widen(error).c_str());
}

void TRemoteForm::DrawQr(const DRAWITEMSTRUCT& item, const QrModules& qr) {
    const RECT& area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
    const int side = std::min(area.right - area.left, area.bottom - area.top);
    const int span = qr.size + 2 * kQuietZone;
    const int module = qr.size > 0 ? side / span : 0;
    if (module < 1)
        return; // no code, or no room for square modules
    const int left = area.left + (area.right - area.left - module * span) / 2;
    const int top = area.top + (area.bottom - area.top - module * span) / 2;
    const RECT paper{left, top, left + module * span, top + module * span};
    FillRect(item.hDC, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const auto ink = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (int y = 0; y < qr.size; ++y)
        for (int x = 0; x < qr.size; ++x)
            if (qr.Dark(x, y)) {
                const int mx = left + (x + kQuietZone) * module;
                const int my = top + (y + kQuietZone) * module;
                const RECT dot{mx, my, mx + module, my + module};
                FillRect(item.hDC, &dot, ink);
            }
}
