#pragma once
#include <string>
#include <vector>

#include <windows.h>

#include "remote/QrCode.h"
#include "remote/RemoteServer.h"
#include "win/UniqueHandle.h"

class IModalUi;

// The remote control as its dialog sees it; the application answers.
class RemoteSwitch {
  public:
    virtual const RemoteSettings& Settings() const = 0;
    // Switches the server as the choices say (on, off, or again on another
    // port or reach) and keeps them in the default settings file. Throws
    // when the file could not be written; the server is switched anyway.
    virtual void Apply(const RemoteSettings& choices) = 0;
    virtual bool Running() const = 0;
    // Why the server is off though switched on ("Port 8765 is in use by
    // another program"); empty otherwise.
    virtual const std::string& Error() const = 0;
    // What a phone opens, one per address the server listens on.
    virtual std::vector<std::string> PhoneAddresses() const = 0;
    virtual int ConnectedDevices() const = 0;
    virtual std::string NewKey() const = 0;

  protected:
    ~RemoteSwitch() = default;
};

// "Remote Control": the switch, the reach, the port, the addresses to open on
// a phone with a QR code of the first (and one that opens it as a talent
// screen), a new access key and the devices connected. OK applies and keeps the choices, Cancel changes nothing. One
// fresh box per use, shown modally; the program counts it as a modal
// dialog while it is open.
class TRemoteForm {
  public:
    static constexpr int kEnabledId = 301;
    static constexpr int kLocalId = 302;
    static constexpr int kNetworkId = 303;
    static constexpr int kPortId = 304;
    static constexpr int kAddressesId = 305;
    static constexpr int kQrId = 306;
    static constexpr int kNewKeyId = 307;
    static constexpr int kDevicesId = 308;
    static constexpr int kErrorId = 309;
    static constexpr int kTalentQrId = 310;
    static constexpr int kClientWidth = 620;
    static constexpr int kClientHeight = 430;

    TRemoteForm(RemoteSwitch& remote, IModalUi& ui);
    TRemoteForm(const TRemoteForm&) = delete;
    TRemoteForm& operator=(const TRemoteForm&) = delete;

    // True when it closed with OK.
    bool ShowModal(HWND owner);

    // The address a phone opens, with the key that pairs it.
    static std::string PairingAddress(const std::string& address, const std::string& key);
    // The same for a screen the talent reads from.
    static std::string TalentAddress(const std::string& address, const std::string& key);

  private:
    static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR DialogMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnInitDialog(HWND dlg);
    HWND AddControl(const char* cls, const std::string& text, DWORD style, int id, int x, int y,
                    int width, int height);
    void OnCommand(int id);
    bool OnOk();
    void ShowAddresses();
    void ShowLiveState();
    static void DrawQr(const DRAWITEMSTRUCT& item, const QrModules& qr);
    HWND Item(int id) const { return GetDlgItem(dlg_, id); }

    RemoteSwitch& remote_;
    IModalUi& ui_;
    RemoteSettings choices_;
    QrModules qr_;
    QrModules talentQr_;
    HWND dlg_ = nullptr;
    HFONT font_ = nullptr; // the dialog's, owned by it
    bool ok_ = false;
};
