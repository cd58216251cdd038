#include "app/StartupChecks.h"

#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "sysinfo/ComctlVersion.h"
#include "win/Display.h"
#include "win/PerfCounter.h"

namespace {
constexpr int kMinScreenWidth = 640;

bool Fail(IModalUi& ui, const std::string& text, int kind) {
    ShowMsgBox(ui, text, kProductTitle, kind);
    return false;
}
} // namespace

bool CommonControlsAtLeast(const EnvironmentProbe& probe, std::uint8_t major, std::uint8_t minor) {
    return VersionAtLeast(probe.commonControlsVersionMS(), major, minor);
}

bool CheckEnvironment(IModalUi& ui, const EnvironmentProbe& probe, const std::string& programDir) {
    if (probe.counter.Now() == 0)
        return Fail(ui, GetMsgText(75), 2);
    // Fixed text: the catalogue lives in the very library that is missing.
    if (!probe.fileExists(programDir + "msgbank.dll"))
        return Fail(ui, "msgbank.dll is missing", 2);
    if (!CommonControlsAtLeast(probe, 4, 70))
        return Fail(ui, GetMsgText(440), 2);
    if (probe.display.ScreenWidth() < kMinScreenWidth)
        return Fail(ui, "Cuecraft " + GetMsgText(442), 0);
    return true;
}

