#pragma once
#include <cstdint>
#include <string>

#include "playback/PlaybackFlags.h"
#include "playback/SpinMargin.h"

// What the scroll loop needs from the windows and the clock. The output
// window implements it with GDI; tests implement it with counters.
class PlaybackHost {
  public:
    virtual ~PlaybackHost() = default;
    virtual void mainupdate() = 0;                        // lets pending window messages run
    virtual std::int64_t Now() = 0;                       // performance counter
    virtual void SleepFor(std::int64_t ticks) = 0;        // about that long; may wake late
    virtual void WaitPauseTick() = 0;                     // one wait of at most 100 ms
    virtual std::string LineText(std::int32_t index) = 0; // "" past the end
    virtual void ClearLineImages() = 0;
    virtual void DrawLineText(const std::string& text) = 0;
    virtual std::int32_t LineHeight() = 0;
    // One step: copy row j into the band's edge and move the band, calling
    // RowDelay at its fixed point.
    virtual void StepRow(std::int32_t j, bool dir, bool mirror) = 0;
    // Hands what the steps drew to the display when a refresh is due; takes
    // and dispatches no message.
    virtual void Present() = 0;
    // Hands it over now, due or not: a pause shows where the text stopped.
    virtual void PresentNow() = 0;
    virtual bool PreviewRunning() = 0;
    virtual void StepPreviewRow(std::int32_t counter, bool dir) = 0;
    virtual void ShowPlayLine(std::int32_t line) = 0;
    virtual void SaveScreenCapture() = 0;
    virtual void SetDelay(std::uint8_t delay) = 0; // through SetSdelaY
    virtual std::uint8_t Delay() = 0;
    // What a watcher of the playback shows may have changed: a line entered,
    // a pause began, a live control took effect. Never called per step.
    virtual void StateChanged() {}
};

// The scroll loop's line walk, its timing and the live controls, over the
// playback flags. Runs on the GUI thread; handlers reached through
// mainupdate only change flags.
class PlaybackEngine {
  public:
    PlaybackEngine(PlaybackFlags& flags, PlaybackHost& host) : f_(flags), host_(host) {}

    void SetTicksPerMs(std::int64_t ticks) {
        ticksPerMs_ = ticks;
        margin_.SetTicksPerMs(ticks);
    }

    // Walks the lines from CurLine until the end or a stop request.
    void RunLines(bool mirror);
    // Waits one step's time, asleep for most of it and spinning on the
    // counter for the rest; a stop request ends the wait at once.
    void RowDelay(std::int32_t delay);
    // The stretch the wait spins at its end, in counter ticks.
    std::int64_t SpinTicks() const { return margin_.Ticks(); }
    // Holds the loop until the pause is lifted (returns at once if paused).
    void EnterPause();
    void PauseWait();

    // Live controls.
    void FormKeyDown(std::uint16_t key, bool shift, bool ctrl, bool alt);
    void FormKeyUp(std::uint16_t key);
    void SetDirection(bool backward);
    void RealignCurLine();

  private:
    void WalkRows(bool dir, bool mirror);
    void SleepMostOf(std::int64_t wait, std::int64_t target);

    PlaybackFlags& f_;
    PlaybackHost& host_;
    std::int64_t ticksPerMs_ = 1;
    SpinMargin margin_;
};

// The output window's keys, as virtual-key codes.
enum OutputKey : std::uint16_t {
    kKeyEsc = 27,
    kKeySpace = 32,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyP = 80,
    kKeyR = 82,
    kKeyS = 83,
};

// The wait of one step in milliseconds: backward runs twice as fast above
// delay 2, and no step waits less than 1 ms.
std::int32_t StepWaitMs(std::int32_t delay, Direction mode);

// The delay after a speed key, or the same delay when the key changes nothing.
std::uint8_t DelayAfterSpeedKey(std::uint16_t key, std::uint8_t delay);
