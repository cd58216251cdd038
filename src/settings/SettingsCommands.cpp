// Loading and saving settings files, and the File menu's three settings
// commands.
#include "settings/SettingsCommands.h"

#include <exception>

#include <windows.h>

#include "app/model/Program.h"
#include "app/model/PrompterState.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "settings/ProfileCodec.h"
#include "settings/SettingsApply.h"
#include "settings/SettingsFiles.h"
#include "win/Display.h"
#include "win/FileDialogOptions.h"
#include "win/UniqueHandle.h"

std::optional<std::string> SettingsCommands::ChooseSettingsToLoad(FileDialogSpec& dialog) {
    dialog.initialDir = SettingsFolder(state_.ProgramDir);
    dialog.defaultExt = GetMsgText(174);
    dialog.filter = "Configuration File|*.mes";
    dialog.title = GetMsgText(28) + " " + std::string(kProgramName) + " " + GetMsgText(225);
    dialog.options = kOpenDialogOptions;
    if (!program_.services().ui.RunOpenDialog(dialog))
        return std::nullopt;
    // Only the name counts: the file of that name in the settings folder
    // loads. A name that reduces to nothing loads too, and is found missing.
    state_.ConfigName = BaseConfigName(dialog.fileName);
    return state_.ConfigName;
}

void SettingsCommands::SaveConfiguration1Click() {
    WriteSettingsFile(std::string(kDefaultSettingsName));
}

void SettingsCommands::SaveConfigurationAs1Click(FileDialogSpec& dialog) {
    // The dialog gets back all it had, whichever way the command ends; only
    // the file name is cleared.
    const ScopeExit restore([&dialog, saved = dialog] {
        dialog = saved;
        dialog.fileName.clear();
    });
    dialog.defaultExt = "mes";
    dialog.filter = "Cuecraft Settings |*.mes";
    dialog.title = "Save Configuration AS";
    dialog.fileName = state_.ConfigName;
    dialog.options = kSaveDialogOptions;
    if (program_.services().ui.RunSaveDialog(dialog))
        WriteSettingsFile(BaseConfigName(TrimBlanks(dialog.fileName)));
}

namespace {
int ShowCommandFor(std::int32_t wState) {
    return wState == 2 ? SW_SHOWMAXIMIZED : wState == 1 ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
}
} // namespace

int SettingsCommands::WriteSettingsFile(const std::string& name) {
    if (name.empty() || !window_.hwnd())
        return kSettingsNotSaved;
    std::string path;
    try {
        path = SettingsPath(state_.ProgramDir, name);
    } catch (const std::exception& e) {
        ShowMsgBox(program_.services().ui, std::string(e.what()) + " " + GetMsgText(39),
                   kProductTitle, 3);
        return kSettingsSaved;
    }
    SyncBoundsFromWindow();
    WriteSettingsFileSafely(path, state_, ConfigDate(), opener_);
    return kSettingsSaved;
}

SettingsCommands::LoadResult SettingsCommands::ReadSettings(const std::string& name) {
    Services& services = program_.services();
    std::string path;
    try {
        path = SettingsPath(state_.ProgramDir, name);
    } catch (const std::exception& e) {
        ShowMsgBox(services.ui,
                   std::string(e.what()) + ", " + GetMsgText(35) + " " +
                       SettingsFolder(state_.ProgramDir) + "\\" + name,
                   kProductTitle, 3);
        return LoadResult::Refused;
    }
    if (!services.fileExists(path)) {
        ShowMsgBox(services.ui, GetMsgText(35) + " " + path, kProductTitle, 3);
        return LoadResult::Missing;
    }
    std::unique_ptr<IProfileFile> file = opener_(path);
    state_.ConfigName = BaseConfigName(path);
    SyncBoundsFromWindow();
    const std::size_t monitors = services.display.Monitors().size();
    const SettingsValues values = LoadSettingsState(state_, *file, monitors);
    PlaceMainWindow(LoadedMainWindowBounds(values, state_.wState, monitors,
                                           Monitor0(services.display),
                                           services.display.ScreenWidth()));
    return LoadResult::Read;
}

namespace {
// Window placements count from the work area; the settings count in screen
// pixels. They differ by a taskbar at the left or top.
POINT WorkAreaOffset(HWND hwnd) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &info))
        return {0, 0};
    return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}
} // namespace

void SettingsCommands::SyncBoundsFromWindow() {
    // A hidden window's placement says nothing of how it is to be shown.
    if (!WindowShown())
        return;
    const HWND hwnd = window_.hwnd();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(hwnd, &placement))
        return;
    const RECT& r = placement.rcNormalPosition;
    const POINT offset = WorkAreaOffset(hwnd);
    state_.ML = r.left + offset.x;
    state_.MT = r.top + offset.y;
    state_.MW = r.right - r.left;
    state_.MH = r.bottom - r.top;
    state_.wState = IsZoomed(hwnd) ? 2 : IsIconic(hwnd) ? 1 : 0;
}

void SettingsCommands::PlaceMainWindow(const MainWindowBounds& bounds) {
    const HWND hwnd = window_.hwnd();
    state_.wState = bounds.wState;
    state_.ML = bounds.left;
    state_.MT = bounds.top;
    state_.MW = bounds.width;
    state_.MH = bounds.height;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd, &placement);
    placement.flags = 0;
    const POINT offset = WorkAreaOffset(hwnd);
    placement.rcNormalPosition = {bounds.left - offset.x, bounds.top - offset.y,
                                  bounds.left - offset.x + bounds.width,
                                  bounds.top - offset.y + bounds.height};
    // A load never shows a hidden window: the message loop does at start-up.
    placement.showCmd = WindowShown() ? ShowCommandFor(bounds.wState) : SW_HIDE;
    SetWindowPlacement(hwnd, &placement);
}
