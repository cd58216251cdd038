// The output window built on its own, against a stand-in for the editor:
// what a playback reads from the editor and what it hands back.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestServices.h"
#include "accessory/CPanel1unit.h"
#include "app/MessageLoop.h"
#include "app/model/PrompterDefaults.h"
#include "playback/BlackScrollvantel.h"
#include "render/OffscreenImage.h"

namespace {

class StandInEditor final : public EditorView {
  public:
    StandInEditor()
        : window_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr)) {}
    HWND Window() const override { return window_.get(); }
    std::int32_t LineCount() override { return static_cast<std::int32_t>(lines.size()); }
    std::string LineText(std::int32_t line) override {
        read.push_back(line);
        return lines.at(line);
    }
    std::int32_t LineStart(std::int32_t line) override { return 100 * line; }
    void HideSelectionWhilePlaying() override {}
    void RestoreAfterPlayback(std::int32_t caret) override { restoredCaret.push_back(caret); }
    void ShowPlayLine(const std::string& text) override { playLines.push_back(text); }
    void ReservePlayLine(const std::string&) override {}
    void CaretReport() override {}
    void ShowStatseX() override {}
    int StatusBarHeight() override { return 20; }
    void SetSdelaY(std::uint8_t) override {}
    void SaveScreenCapture(HWND) override {}
    TCPanel& PreviewPanel() override { return panel_; }
    std::unique_ptr<OffscreenImage>& PreviewImage() override { return preview_; }
    std::uint16_t PreviewFontSize() const override { return 0; }
    void SetPreviewFontSize(std::uint16_t) override {}
    RECT EditorBounds() override { return {0, 0, 200, 100}; }
    void LoadSettings(const std::string&) override {}
    void LoadCommandLineScript() override {}

    std::vector<std::string> lines;
    std::vector<std::int32_t> read, restoredCaret;
    std::vector<std::string> playLines;

  private:
    UniqueHwnd window_;
    TCPanel panel_;
    std::unique_ptr<OffscreenImage> preview_;
};

TEST(StandInEditor, APlaybackReadsEachLineAsItEntersAndHandsTheCaretBack) {
    TestPlatform platform;
    MessageLoop loop(platform.services());
    PrompterState state;
    iNITIATE_ALL_VARIABLES(state);
    ApplyFactoryValues(state, Monitor0(platform.display));
    state.TicksPerMs = 10000;
    state.editorFont.color = 0xFFFFFF;
    state.editorColor = 0x000000;
    StandInEditor editor;
    editor.lines = {"One", "Two", "Three", "Four", "Five", "Six"};
    ShowWindow(editor.Window(), SW_SHOW);

    TForm4 out(loop, editor, state);
    ASSERT_TRUE(out.Create());
    out.FormCreate();
    platform.counter.step = 5000; // every wait ends at once
    int steps = 0;
    bool editorHidden = false;
    out.RowDelay = [&](std::int32_t) {
        editorHidden = editorHidden || !IsWindowVisible(editor.Window());
        // Stop while the third line scrolls in.
        if (++steps == 2 * (out.LineHeight - 1) + 1)
            out.RequestStop();
    };
    out.StartThePrompter();

    EXPECT_TRUE(editorHidden) << "alone on the screen the editor is hidden while it plays";
    EXPECT_TRUE(IsWindowVisible(editor.Window())) << "and shown again";
    EXPECT_EQ(editor.read, (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(editor.restoredCaret, (std::vector<std::int32_t>{300})) << "the next line to enter";
    EXPECT_TRUE(editor.playLines.empty()) << "panel 1 is only told in dual-screen mode";
    EXPECT_FALSE(out.Playing);
    EXPECT_FALSE(out.IsVisible());
}

} // namespace
