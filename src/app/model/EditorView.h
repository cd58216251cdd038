#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include <windows.h>

class OffscreenImage;
class TCPanel;

// The editor as the playback sees it: its window, its displayed lines, its
// status bar and its preview. The main window answers; the colours and the
// font the playback draws with are in the prompter state.
class EditorView {
  public:
    // Shown and hidden around a playback; owns the output window alone on
    // the screen.
    virtual HWND Window() const = 0;

    // The displayed (word-wrapped) lines, read as they are now.
    virtual std::int32_t LineCount() = 0;
    virtual std::string LineText(std::int32_t line) = 0;
    // The character position where a line starts.
    virtual std::int32_t LineStart(std::int32_t line) = 0;
    // While a script plays the editor shows no selection.
    virtual void HideSelectionWhilePlaying() = 0;
    // After a playback: preview hidden, editor shown and enabled, the caret
    // at `caret` (left where it is when negative), panel 1 reporting it.
    virtual void RestoreAfterPlayback(std::int32_t caret) = 0;

    // Status bar: panel 1 tells the line being played; the rest the state.
    virtual void ShowPlayLine(const std::string& text) = 0;
    // Panel 1 laid out for the widest text the playback will show there and
    // made ready for live texts; an empty text gives the width back.
    virtual void ReservePlayLine(const std::string& widest) = 0;
    virtual void CaretReport() = 0;
    virtual void ShowStatseX() = 0;
    virtual int StatusBarHeight() = 0;
    virtual void SetSdelaY(std::uint8_t delay) = 0;
    virtual void SaveScreenCapture(HWND source) = 0;

    // Dual screen: the panel over the editor and the image it copies.
    virtual TCPanel& PreviewPanel() = 0;
    virtual std::unique_ptr<OffscreenImage>& PreviewImage() = 0;
    virtual std::uint16_t PreviewFontSize() const = 0;
    virtual void SetPreviewFontSize(std::uint16_t points) = 0;
    // The editor control's bounds on the screen.
    virtual RECT EditorBounds() = 0;

    // Start-up: the default settings, then the command-line script.
    virtual void LoadSettings(const std::string& name) = 0;
    virtual void LoadCommandLineScript() = 0;

  protected:
    ~EditorView() = default;
};
