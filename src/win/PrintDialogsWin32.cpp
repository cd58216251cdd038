#include "win/ModalUi.h"

#include <cstring>

#include <windows.h>
#include <commdlg.h>

#include "win/UniqueHandle.h"
#include "win/Wide.h"
#include "win/Win32Error.h"

namespace {
struct GlobalFreeClose {
    void operator()(HGLOBAL h) const { GlobalFree(h); }
};
using UniqueHglobal = UniqueHandle<HGLOBAL, GlobalFreeClose>;

// A locked global block, unlocked on scope exit.
class GlobalView {
  public:
    explicit GlobalView(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {
        if (!data_)
            throw Win32Error(GetLastError());
    }
    ~GlobalView() { GlobalUnlock(block_); }
    GlobalView(const GlobalView&) = delete;
    GlobalView& operator=(const GlobalView&) = delete;
    void* data() const { return data_; }
    std::size_t size() const { return GlobalSize(block_); }

  private:
    HGLOBAL block_;
    void* data_;
};

UniqueHglobal GlobalCopy(const void* data, std::size_t size) {
    UniqueHglobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!block)
        throw Win32Error(GetLastError());
    std::memcpy(GlobalView(block.get()).data(), data, size);
    return block;
}

// DEVNAMES naming only the device; driver and port are looked up by name.
// Its offsets count wide characters from the block's start.
UniqueHglobal DevNamesFor(const std::string& device) {
    const std::wstring name = Widen(device);
    constexpr std::size_t kHeader = sizeof(DEVNAMES) / sizeof(wchar_t);
    std::vector<wchar_t> block(kHeader + name.size() + 2, L'\0');
    auto* names = reinterpret_cast<DEVNAMES*>(block.data());
    names->wDeviceOffset = static_cast<WORD>(kHeader);
    names->wDriverOffset = static_cast<WORD>(kHeader + name.size());
    names->wOutputOffset = names->wDriverOffset;
    name.copy(block.data() + kHeader, name.size());
    return GlobalCopy(block.data(), block.size() * sizeof(wchar_t));
}

void TakeChoice(const PRINTDLGW& pd, PrinterChoice& printer) {
    if (pd.hDevNames) {
        GlobalView names(pd.hDevNames);
        printer.deviceName = Narrow(static_cast<const wchar_t*>(names.data()) +
                                    static_cast<const DEVNAMES*>(names.data())->wDeviceOffset);
    }
    if (pd.hDevMode) {
        GlobalView mode(pd.hDevMode);
        const auto* bytes = static_cast<const unsigned char*>(mode.data());
        printer.devMode.assign(bytes, bytes + mode.size());
    }
}

bool RunPrinterDialog(PrinterChoice& printer, DWORD flags) {
    UniqueHglobal devMode, devNames;
    if (!printer.devMode.empty())
        devMode = GlobalCopy(printer.devMode.data(), printer.devMode.size());
    if (!printer.deviceName.empty())
        devNames = DevNamesFor(printer.deviceName);
    PRINTDLGW pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = GetActiveWindow();
    pd.hDevMode = devMode.release();
    pd.hDevNames = devNames.release();
    pd.Flags = flags;
    pd.nCopies = 1;
    const bool confirmed = PrintDlgW(&pd) != FALSE;
    // The dialog may have replaced the blocks; own whatever it left.
    devMode.reset(pd.hDevMode);
    devNames.reset(pd.hDevNames);
    if (confirmed)
        TakeChoice(pd, printer);
    return confirmed;
}
} // namespace

bool Win32ModalUi::RunPrintDialog(PrinterChoice& printer) {
    return RunPrinterDialog(printer,
                            PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE |
                                         PD_HIDEPRINTTOFILE);
}

bool Win32ModalUi::RunPrintSetupDialog(PrinterChoice& printer) {
    return RunPrinterDialog(printer, PD_PRINTSETUP);
}
