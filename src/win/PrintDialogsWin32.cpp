#include "win/ModalUi.h"

#include <cstring>

#include <windows.h>
#include <commdlg.h>

namespace {
HGLOBAL GlobalCopy(const void* data, std::size_t size) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (block) {
        std::memcpy(GlobalLock(block), data, size);
        GlobalUnlock(block);
    }
    return block;
}

// DEVNAMES naming only the device; driver and port are looked up by name.
HGLOBAL DevNamesFor(const std::string& device) {
    std::vector<char> block(sizeof(DEVNAMES) + device.size() + 2, '\0');
    auto* names = reinterpret_cast<DEVNAMES*>(block.data());
    names->wDeviceOffset = sizeof(DEVNAMES);
    names->wDriverOffset = static_cast<WORD>(sizeof(DEVNAMES) + device.size());
    names->wOutputOffset = names->wDriverOffset;
    device.copy(block.data() + sizeof(DEVNAMES), device.size());
    return GlobalCopy(block.data(), block.size());
}

void TakeChoice(const PRINTDLGA& pd, PrinterChoice& printer) {
    if (pd.hDevNames) {
        auto* names = static_cast<DEVNAMES*>(GlobalLock(pd.hDevNames));
        printer.deviceName = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
        GlobalUnlock(pd.hDevNames);
    }
    if (pd.hDevMode) {
        const auto* mode = static_cast<const unsigned char*>(GlobalLock(pd.hDevMode));
        printer.devMode.assign(mode, mode + GlobalSize(pd.hDevMode));
        GlobalUnlock(pd.hDevMode);
    }
}

bool RunPrinterDialog(PrinterChoice& printer, DWORD flags) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = GetActiveWindow();
    if (!printer.devMode.empty())
        pd.hDevMode = GlobalCopy(printer.devMode.data(), printer.devMode.size());
    if (!printer.deviceName.empty()) pd.hDevNames = DevNamesFor(printer.deviceName);
    pd.Flags = flags;
    pd.nCopies = 1;
    const bool confirmed = PrintDlgA(&pd) != FALSE;
    if (confirmed) TakeChoice(pd, printer);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
    return confirmed;
}
} // namespace

bool Win32ModalUi::RunPrintDialog(PrinterChoice& printer) {
    return RunPrinterDialog(printer,
                            PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE);
}

bool Win32ModalUi::RunPrintSetupDialog(PrinterChoice& printer) {
    return RunPrinterDialog(printer, PD_PRINTSETUP);
}
