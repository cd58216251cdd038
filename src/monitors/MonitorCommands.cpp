#include "monitors/MonitorCommands.h"

#include "app/model/PlaybackControl.h"
#include "app/model/Program.h"
#include "app/model/PrompterState.h"
#include "win/Display.h"

void MonitorCommands::UseSecondMonitorforScrolling1Click(PlaybackControl& playback) {
    state_.menu.Toggle(MenuId::UseSecondMonitorforScrolling1);
    playback.SwitchScreenMode(state_.Dual_Monitor());
}

void MonitorCommands::TestSecondMonitor1Click(PlaybackControl& playback, HWND editor) {
    if (playback.IsPlaying())
        return;
    playback.TestTalentMonitor();
    if (GetActiveWindow() != editor)
        SetForegroundWindow(editor);
}

void MonitorCommands::Monitors1Click(const PlaybackControl& playback) {
    if (playback.IsPlaying())
        return;
    const bool several = program_.services().display.Monitors().size() > 1;
    state_.menu.SetEnabled(MenuId::UseSecondMonitorforScrolling1, several);
    state_.menu.SetEnabled(MenuId::TestSecondMonitor1, several);
}
