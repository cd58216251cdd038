#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/model/EditorView.h"
#include "app/model/PlaybackControl.h"
#include "app/model/PlaybackObserver.h"
#include "app/model/PrompterState.h"
#include "monitors/OutputPlacement.h"
#include "playback/OutputPlaybackHost.h"
#include "playback/PlaybackEngine.h"
#include "playback/PlaybackFlags.h"
#include "render/OffscreenImage.h"
#include "win/ColorBrush.h"
#include "win/Geometry.h"
#include "win/UniqueHandle.h"
#include "win/Window.h"

class Program;

// The borderless full-screen output window the script scrolls in. Hidden
// except while prompting; owns the playback flags.
class TForm4 : public Window, public PlaybackFlags, public PlaybackControl {
  public:
    TForm4(Program& app, EditorView& editor, PrompterState& state);

    bool Create();
    // Output-window creation steps (start-up part, then geometry).
    void FormCreate();

    // --- Play and stop (PlayStop.cpp) ---
    // The Play/Stop command.
    void StartThePrompter() override;
    bool IsPlaying() const override { return Playing; }
    // A stop request: the running loop ends the playback at its next test.
    void RequestStop() override;
    void ReleaseForExit(bool stop) override;
    // Starts prompting; returns when it has ended.
    void StartPlayback();
    void ShowOutputWindow();
    // Waits, a quarter second at most, for the shown window to be active.
    void AwaitActivation();
    void EndPlayback();
    void ScrollLoop(bool mirror);
    void FormShow();

    // --- Live controls ---
    void FormKeyDown(std::uint16_t key, bool shift, bool ctrl, bool alt);
    void FormKeyUp(std::uint16_t key);
    void SetDirection(bool backward) override { engine_.SetDirection(backward); }
    PlaybackEngine& Engine() { return engine_; }
    // Who hears of every change of the playback's state; none by default.
    void SetObserver(PlaybackObserver* observer) { observer_ = observer; }
    void Changed() {
        if (observer_)
            observer_->PlaybackChanged();
    }

    // Size of the output window's drawing font, in points.
    std::int32_t FontSize = 21;
    void SetFontSize(std::int32_t points) override { FontSize = points; }

    // The window's colour: its background and the brush of its canvas.
    Color GetColor() const { return color_.color(); }
    void SetColor(Color color);

    // --- Line image (LineImagePrep.cpp) ---
    // Recomputes the output rectangle from monitor 0; false without a window.
    bool UpdateOutputRect() override;
    // A 2 x 2 line image and an empty preview image; old ones are freed.
    bool CreateLineImages();
    void FreeLineImages() override;
    bool HasLineImage() const { return LineImage != nullptr; }
    bool HasPreviewImage() const;
    void ApplyEditorFont();
    void ConfigureLineImage();
    // False (after message 31) when the image cannot be made ready.
    bool PrepareLineImage();
    // Once per playback before the first line: false means draw nothing.
    bool PrepareForPlay();
    void SyncPreviewImage();

    std::unique_ptr<OffscreenImage> LineImage;
    std::int32_t LineWidth = 0;
    std::int32_t LineHeight = 0;
    Rect32 TextRect;
    Rect32 PreviewTextRect;
    // The line being drawn; kept whole, however long.
    std::string LineText;

    // --- Drawing (OutputDrawing.cpp) ---
    // The output window's drawing context for one playback.
    bool AcquireOutputContext();
    HDC OutputContext() const { return outputDc_.get(); }
    void ReleaseOutputContext();
    void ClearOutputWindow();
    // Direction state, line count, start line and band, once per playback.
    void ResetScroll();
    void ComputeScrollBand();
    void SetupPreviewPanel();
    void ClearLineImages(Color color);
    void DrawLineText(const std::string& text);
    // One pixel row of the line image onto the band edge and the band moved
    // one pixel; j from 1 to LineHeight - 1, backward = the line's direction.
    void StepRow(std::int32_t j, bool backward, bool mirror);
    void MirrorRowForward(std::int32_t j);
    void MirrorRowBackward(std::int32_t j);
    void ScrollBandUp(HDC dc);
    void ScrollBandDown(HDC dc);
    // One row of the preview image into Panel2; i = j - 1.
    void StepPreviewRow(std::int32_t i, bool backward);
    // The step wait; the scroll loop plugs its timed wait in here. Called
    // with the current delay at the fixed point of every StepRow.
    std::function<void(std::int32_t delay)> RowDelay = [](std::int32_t) {};

    Rect32 ScrollBand;
    std::int32_t AreaWidth = 0;

    // --- Monitors (monitors/OutputPlacement.cpp) ---
    // Where the window goes is the placement's (see OutputPlacement).
    bool DualScreenActive() const { return placement_.DualScreen(Playing); }
    std::size_t MonitorCount() const { return placement_.CountMonitors(Playing); }
    // The window takes the editor's colour before it moves.
    bool PlaceOutputWindow(int index);
    void SetOutputVisible(bool show) { placement_.Show(show); }
    void TestTalentMonitor() override;
    void SwitchScreenMode(bool dual) override;
    void ReturnToEditor() { placement_.BackToEditor(); }
    using DefaultMonitor = OutputPlacement::DefaultMonitor;
    DefaultMonitor GetDefaultMonitor() const { return placement_.GetDefaultMonitor(); }
    using WindowState = OutputPlacement::WindowState;
    WindowState GetWindowState() const { return placement_.GetWindowState(); }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void PlaceAtStart();
    bool EditorShown() const { return IsWindowVisible(editor_.Window()); }
    void RecoverFromError() noexcept;
    void FillWindow(HDC dc);
    // The output monitor's refresh rate as its context reports it.
    int OutputRefreshRate() const {
        return outputDc_ ? GetDeviceCaps(outputDc_.get(), VREFRESH) : 0;
    }

    Program& app_;
    EditorView& editor_;
    PrompterState& state_;
    std::unique_ptr<OutputPlaybackHost> host_;
    PlaybackEngine engine_;
    PlaybackObserver* observer_ = nullptr;
    ColorBrush color_;
    ScopedGetDC outputDc_;
    // The preview panel's context and geometry, fixed for one playback.
    ScopedGetDC previewDc_;
    Rect32 previewGeometry_;
    OutputPlacement placement_{app_, state_, editor_, *this};
};
