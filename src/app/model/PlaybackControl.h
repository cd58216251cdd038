#pragma once
#include <cstdint>

// What the editor may ask of the playback. The output window answers.
class PlaybackControl {
  public:
    // The Play/Stop command.
    virtual void StartThePrompter() = 0;
    virtual bool IsPlaying() const = 0;
    // A stop request: the running loop ends the playback at its next test.
    virtual void RequestStop() = 0;
    // The ways out of the program: no pause may hold, and optionally no
    // playback may start another line.
    virtual void ReleaseForExit(bool stop) = 0;
    // Mouse steering in the editor.
    virtual void SetDirection(bool backward) = 0;
    // The output's drawing font follows the editor's.
    virtual void SetFontSize(std::int32_t points) = 0;
    virtual bool UpdateOutputRect() = 0;
    virtual void FreeLineImages() = 0;
    // Monitors menu: hides the output and applies single or dual screen.
    virtual void SwitchScreenMode(bool dual) = 0;
    virtual void TestTalentMonitor() = 0;

  protected:
    ~PlaybackControl() = default;
};

// The playback before the output window exists and after it is gone:
// nothing plays, every request is let go.
class NoPlayback final : public PlaybackControl {
  public:
    void StartThePrompter() override {}
    bool IsPlaying() const override { return false; }
    void RequestStop() override {}
    void ReleaseForExit(bool) override {}
    void SetDirection(bool) override {}
    void SetFontSize(std::int32_t) override {}
    bool UpdateOutputRect() override { return false; }
    void FreeLineImages() override {}
    void SwitchScreenMode(bool) override {}
    void TestTalentMonitor() override {}
};
