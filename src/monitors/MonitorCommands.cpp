// The Monitors menu of the main window. The menu is hidden in the layout;
// these are what its items do when chosen. None acts while a script scrolls.
#include "app/Program.h"
#include "editor/mainformVantel.h"
#include "win/Display.h"

void TForm1::UseSecondMonitorforScrolling1Click() {
    state_.menu.Toggle(MenuId::UseSecondMonitorforScrolling1);
    playback_->SwitchScreenMode(state_.Dual_Monitor());
    ShowStatseX();
}

void TForm1::TestSecondMonitor1Click() {
    if (playback_->IsPlaying())
        return;
    playback_->TestTalentMonitor();
    if (GetActiveWindow() != hwnd())
        SetForegroundWindow(hwnd());
}

void TForm1::Monitors1Click() {
    if (playback_->IsPlaying())
        return;
    const bool several = app_.services().display.Monitors().size() > 1;
    state_.menu.SetEnabled(MenuId::UseSecondMonitorforScrolling1, several);
    state_.menu.SetEnabled(MenuId::TestSecondMonitor1, several);
}
