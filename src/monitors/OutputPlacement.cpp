#include "monitors/OutputPlacement.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "app/model/EditorView.h"
#include "app/model/Program.h"
#include "app/model/PrompterState.h"
#include "monitors/Placement.h"
#include "msgbank/ShowMsgBox.h"
#include "win/Display.h"

bool OutputPlacement::DualScreen(bool playing) const {
    // The playback asks this for every line; listing the monitors costs a
    // round trip to the display server, so only the dual switch pays for it.
    const bool dualSwitch = state_.Dual_Monitor();
    return dualSwitch && DualScreenOn(dualSwitch, CountMonitors(playing));
}

std::size_t OutputPlacement::CountMonitors(bool playing) const {
    // While a script plays the count is listed once and kept until the
    // system announces a display change, which the loop's message pump
    // delivers within a line.
    if (playing && playMonitorCount_)
        return *playMonitorCount_;
    const std::size_t count = program_.services().display.Monitors().size();
    if (playing)
        playMonitorCount_ = count;
    return count;
}

Rect32 OutputPlacement::MonitorBounds(int index) const {
    const auto monitors = program_.services().display.Monitors();
    if (index < 0 || static_cast<std::size_t>(index) >= monitors.size())
        throw std::out_of_range("Monitor " + std::to_string(index) + " is not present");
    return monitors[index];
}

void OutputPlacement::SetBoundsIfDifferent(const Rect32& bounds) {
    RECT now{};
    GetWindowRect(hwnd(), &now);
    if (now.left == bounds.left && now.top == bounds.top && now.right == bounds.right &&
        now.bottom == bounds.bottom)
        return;
    SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool OutputPlacement::MoveToMonitor(int index) {
    IDisplay& display = program_.services().display;
    const Rect32 monitor = MonitorBounds(index);
    const PlacementCheck check =
        CheckPlacement(index, monitor, display.ScreenWidth(), display.ScreenHeight());
    if (check != PlacementCheck::Ok) {
        ShowMsgBox(program_.services().ui, PlacementText(check), kProductTitle, 3);
        return false;
    }
    // The window is borderless and sized to the monitor; the state is kept
    // for what the window reports, not handed to the window manager, which
    // would shrink a maximised window to the work area.
    SetWindowPos(hwnd(), nullptr, monitor.left, monitor.top, monitor.Width(), monitor.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    windowState_ = index == 0 ? WindowState::Maximized : WindowState::Normal;
    program_.mainupdate();
    return true;
}

void OutputPlacement::Show(bool show) {
    if (!show) {
        if (IsVisible())
            ShowWindow(hwnd(), SW_HIDE);
        return;
    }
    if (!IsVisible())
        ShowWindow(hwnd(), SW_SHOW);
    if (GetActiveWindow() != hwnd()) {
        SetForegroundWindow(hwnd());
        SetFocus(hwnd());
    }
}

void OutputPlacement::ShowOnTalentMonitor() {
    try {
        if (IsVisible())
            Show(false);
        Show(true);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const Rect32 talent = MonitorBounds(1);
        RECT now{};
        GetWindowRect(hwnd(), &now);
        if (now.left != talent.left || now.top != talent.top)
            SetWindowPos(hwnd(), nullptr, talent.left, talent.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } catch (const std::exception& e) {
        ShowMsgBox(program_.services().ui,
                   std::string(e.what()) + ", Second video board not found.", kProgramName, 1);
    }
}

void OutputPlacement::ToggleTalentTest() {
    if (program_.services().display.Monitors().size() < 2)
        return;
    SetBoundsIfDifferent(MonitorBounds(1));
    if (!IsVisible())
        ShowOnTalentMonitor();
    else
        Show(false);
}

void OutputPlacement::SwitchMode(bool dual, bool playing) {
    if (IsVisible())
        Show(false);
    ApplyScreenMode(dual, playing);
}

void OutputPlacement::ApplyScreenMode(bool dualSwitch, bool playing) {
    if (!dualSwitch) {
        MoveToMonitor(0);
        defaultMonitor_ = DefaultMonitor::MainForm;
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!DualScreen(playing)) {
        defaultMonitor_ = DefaultMonitor::MainForm;
        return;
    }
    try {
        defaultMonitor_ = DefaultMonitor::Desktop;
        MoveToMonitor(1);
    } catch (const std::exception& e) {
        ShowMsgBox(program_.services().ui,
                   std::string(e.what()) + ", You do not have a second separate video card.",
                   kProgramName, 3);
    }
}

void OutputPlacement::BackToEditor() {
    program_.mainupdate();
    RedrawWindow(editor_.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    program_.mainupdate();
    ShowWindow(editor_.Window(), SW_SHOW);
    Show(false);
}
