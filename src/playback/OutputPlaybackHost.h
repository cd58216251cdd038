#pragma once
#include "playback/PlaybackEngine.h"
#include "win/UniqueHandle.h"

class Program;
class EditorView;
struct PrompterState;
class TForm4;

// The scroll loop's view of the real windows: GDI steps on the output window,
// the editor's lines, the performance counter, its sleeps and the message
// queue.
class OutputPlaybackHost final : public PlaybackHost {
  public:
    OutputPlaybackHost(Program& app, EditorView& editor, PrompterState& state, TForm4& form4);

    // The pace of the hand-overs to the display: one refresh of the output
    // monitor (0 and 1 mean the hardware's default, taken as 60 Hz).
    void StartPresenting(int refreshHz);

    void mainupdate() override;
    std::int64_t Now() override;
    void SleepFor(std::int64_t ticks) override;
    void WaitPauseTick() override;
    std::string LineText(std::int32_t index) override;
    void ClearLineImages() override;
    void DrawLineText(const std::string& text) override;
    std::int32_t LineHeight() override;
    void StepRow(std::int32_t j, bool dir, bool mirror) override;
    void Present() override;
    void PresentNow() override;
    bool PreviewRunning() override;
    void StepPreviewRow(std::int32_t counter, bool dir) override;
    void ShowPlayLine(std::int32_t line) override;
    // Before the first line of a dual-screen playback: panel 1 ready for
    // every line's text.
    void ReservePlayLine();
    void SaveScreenCapture() override;
    void SetDelay(std::uint8_t delay) override;
    std::uint8_t Delay() override;
    void StateChanged() override;

  private:
    std::string PlayLineText(std::int32_t line);
    void HandOver();
    Program& app_;
    EditorView& editor_;
    PrompterState& state_;
    TForm4& form4_;
    std::int64_t presentTicks_ = 0; // counter ticks per display refresh
    std::int64_t nextPresent_ = 0;  // when the next refresh is due
    // Never signalled: waiting on it is the pause's 100 ms sleep.
    UniqueEvent pauseEvent_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};
