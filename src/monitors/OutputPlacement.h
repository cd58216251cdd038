#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include <windows.h>

#include "win/Geometry.h"
#include "win/Window.h"

class EditorView;
class Program;
struct PrompterState;

// Where the output window goes: monitor 0 in single-screen mode, the
// talent monitor (monitor 1) in dual-screen mode, with the alignment and
// size checks that keep the line image fitting the screen it scrolls on.
// The output window gives it its colour before it is placed, and says
// whether a script is playing.
class OutputPlacement {
  public:
    OutputPlacement(Program& program, const PrompterState& state, EditorView& editor,
                    const Window& output)
        : program_(program), state_(state), editor_(editor), output_(output) {}

    bool DualScreen(bool playing) const;
    // The monitors present; during a playback, as last announced.
    std::size_t CountMonitors(bool playing) const;
    // The monitors may have changed: the next count lists them again.
    void ForgetMonitorCount() { playMonitorCount_.reset(); }
    // Moves the window onto monitor 0 or 1; false (after its message) when
    // the monitor is misaligned or, for the talent monitor, of another size.
    bool MoveToMonitor(int index);
    void Show(bool show);
    void ShowOnTalentMonitor();
    void ToggleTalentTest();
    // Hides the output and applies single or dual screen.
    void SwitchMode(bool dual, bool playing);
    void ApplyScreenMode(bool dualSwitch, bool playing);
    void BackToEditor();

    // Which monitor the window system would first show the window on.
    enum class DefaultMonitor : std::uint8_t { Primary, MainForm, Desktop };
    DefaultMonitor GetDefaultMonitor() const { return defaultMonitor_; }
    enum class WindowState : std::uint8_t { Normal, Maximized };
    WindowState GetWindowState() const { return windowState_; }

  private:
    HWND hwnd() const { return output_.hwnd(); }
    bool IsVisible() const { return output_.IsVisible(); }
    Rect32 MonitorBounds(int index) const;
    void SetBoundsIfDifferent(const Rect32& bounds);

    Program& program_;
    const PrompterState& state_;
    EditorView& editor_;
    const Window& output_;
    mutable std::optional<std::size_t> playMonitorCount_;
    DefaultMonitor defaultMonitor_ = DefaultMonitor::Primary;
    WindowState windowState_ = WindowState::Normal;
};
