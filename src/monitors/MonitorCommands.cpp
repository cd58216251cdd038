// The Monitors menu of the main window. The menu is hidden in the layout;
// these are what its items do when chosen. None acts while a script scrolls.
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "win/Display.h"

void TForm1::UseSecondMonitorforScrolling1Click() {
    state_.menu.Toggle(MenuId::UseSecondMonitorforScrolling1);
    TForm4* output = app_.Form4();
    if (output) {
        if (output->IsVisible())
            output->SetOutputVisible(false);
        output->ApplyScreenMode(state_.Dual_Monitor());
    }
    ShowStatseX();
}

void TForm1::TestSecondMonitor1Click() {
    TForm4* output = app_.Form4();
    if (!output || output->Playing)
        return;
    output->TestTalentMonitor();
    if (GetActiveWindow() != hwnd())
        SetForegroundWindow(hwnd());
}

void TForm1::Monitors1Click() {
    TForm4* output = app_.Form4();
    if (output && output->Playing)
        return;
    const bool several = app_.services().display.Monitors().size() > 1;
    state_.menu.SetEnabled(MenuId::UseSecondMonitorforScrolling1, several);
    state_.menu.SetEnabled(MenuId::TestSecondMonitor1, several);
}
