// Where the output window goes: monitor 0 in single-screen mode, the
// talent monitor (monitor 1) in dual-screen mode, with the alignment and
// size checks that keep the line image fitting the screen it scrolls on.
#include <exception>
#include <stdexcept>
#include <string>

#include "app/Program.h"
#include "editor/mainformVantel.h"
#include "monitors/Placement.h"
#include "msgbank/ShowMsgBox.h"
#include "playback/BlackScrollvantel.h"
#include "win/Display.h"

bool TForm4::DualScreenActive() const {
    // The playback asks this for every line; listing the monitors costs a
    // round trip to the display server, so only the dual switch pays for it.
    const bool dualSwitch = form1_.State().Dual_Monitor();
    return dualSwitch && ::DualScreenActive(dualSwitch, MonitorCount());
}

std::size_t TForm4::MonitorCount() const {
    // While a script plays the count is listed once and kept until the
    // system announces a display change, which the loop's message pump
    // delivers within a line.
    if (Playing && playMonitorCount_)
        return *playMonitorCount_;
    const std::size_t count = app_.services().display.Monitors().size();
    if (Playing)
        playMonitorCount_ = count;
    return count;
}

Rect32 TForm4::MonitorBounds(int index) const {
    const auto monitors = app_.services().display.Monitors();
    if (index < 0 || static_cast<std::size_t>(index) >= monitors.size())
        throw std::out_of_range("Monitor " + std::to_string(index) + " is not present");
    return monitors[index];
}

void TForm4::SetBoundsIfDifferent(const Rect32& bounds) {
    RECT now{};
    GetWindowRect(hwnd(), &now);
    if (now.left == bounds.left && now.top == bounds.top && now.right == bounds.right &&
        now.bottom == bounds.bottom)
        return;
    SetWindowPos(hwnd(), nullptr, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TForm4::PlaceOutputWindow(int index) {
    SetColor(form1_.State().editorColor);
    IDisplay& display = app_.services().display;
    const Rect32 monitor = MonitorBounds(index);
    const PlacementCheck check =
        CheckPlacement(index, monitor, display.ScreenWidth(), display.ScreenHeight());
    if (check != PlacementCheck::Ok) {
        ShowMsgBox(app_.services().ui, PlacementText(check), kProductTitle, 3);
        return false;
    }
    // The window is borderless and sized to the monitor; the state is kept
    // for what the window reports, not handed to the window manager, which
    // would shrink a maximised window to the work area.
    SetWindowPos(hwnd(), nullptr, monitor.left, monitor.top, monitor.Width(), monitor.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    windowState_ = index == 0 ? WindowState::Maximized : WindowState::Normal;
    app_.mainupdate();
    return true;
}

void TForm4::SetOutputVisible(bool show) {
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

void TForm4::ShowOnTalentMonitor() {
    try {
        if (IsVisible())
            SetOutputVisible(false);
        if (GetColor() != form1_.State().editorColor)
            SetColor(form1_.State().editorColor);
        SetOutputVisible(true);
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const Rect32 talent = MonitorBounds(1);
        RECT now{};
        GetWindowRect(hwnd(), &now);
        if (now.left != talent.left || now.top != talent.top)
            SetWindowPos(hwnd(), nullptr, talent.left, talent.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } catch (const std::exception& e) {
        ShowMsgBox(app_.services().ui, std::string(e.what()) + ", Second video board not found.",
                   kProgramName, 1);
    }
}

void TForm4::TestTalentMonitor() {
    if (app_.services().display.Monitors().size() < 2)
        return;
    SetBoundsIfDifferent(MonitorBounds(1));
    if (!IsVisible())
        ShowOnTalentMonitor();
    else
        SetOutputVisible(false);
}

void TForm4::SwitchScreenMode(bool dual) {
    if (IsVisible())
        SetOutputVisible(false);
    ApplyScreenMode(dual);
}

void TForm4::ApplyScreenMode(bool dualSwitch) {
    if (!dualSwitch) {
        PlaceOutputWindow(0);
        defaultMonitor_ = DefaultMonitor::MainForm;
        SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (!DualScreenActive()) {
        defaultMonitor_ = DefaultMonitor::MainForm;
        return;
    }
    try {
        defaultMonitor_ = DefaultMonitor::Desktop;
        PlaceOutputWindow(1);
    } catch (const std::exception& e) {
        ShowMsgBox(app_.services().ui,
                   std::string(e.what()) + ", You do not have a second separate video card.",
                   kProgramName, 3);
    }
}

void TForm4::ReturnToEditor() {
    app_.mainupdate();
    RedrawWindow(form1_.hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    app_.mainupdate();
    ShowWindow(form1_.hwnd(), SW_SHOW);
    SetOutputVisible(false);
}
