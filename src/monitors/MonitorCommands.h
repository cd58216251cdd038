#pragma once
#include <windows.h>

class Program;
class PlaybackControl;
struct PrompterState;

// The Monitors menu of the main window. The menu is hidden in the layout;
// these are what its items do when chosen. None acts while a script scrolls.
class MonitorCommands {
  public:
    MonitorCommands(Program& program, PrompterState& state) : program_(program), state_(state) {}

    void UseSecondMonitorforScrolling1Click(PlaybackControl& playback);
    void TestSecondMonitor1Click(PlaybackControl& playback, HWND editor);
    void Monitors1Click(const PlaybackControl& playback);

  private:
    Program& program_;
    PrompterState& state_;
};
