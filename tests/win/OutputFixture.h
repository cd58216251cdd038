#pragma once
// An application started in-process with a 1024 x 768 monitor 0, white
// regular Arial on black in the editor, and helpers to play lines by hand
// the way the scroll loop does.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "Pixels.h"
#include "TestServices.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"

class OutputFixture : public ::testing::Test {
  protected:
    static constexpr Color kBackground = 0x000000;
    static constexpr Color kText = 0xFFFFFF;

    void SetUp() override { Start(); }

    void Start(IDisplay* realDisplay = nullptr) {
        app = std::make_unique<Application>(platform.services(realDisplay));
        ASSERT_TRUE(app->Start({}));
        FontSpec font;
        font.name = "Arial";
        font.sizePt = 28;
        font.style = 0;
        font.color = kText;
        UseLook(font, kBackground);
    }

    TForm1& form1() { return app->Form1(); }
    TForm4& out() { return *app->Form4(); }
    PrompterState& state() { return app->Form1().State(); }

    void UseLook(const FontSpec& font, Color background) {
        state().editorFont = font;
        state().editorColor = background;
        form1().ApplyEditorLook();
    }
    void SetMirror(bool on) { state().menu.SetChecked(MenuId::ReversMirrorText1, on); }

    // The set-up steps of a playback on monitor 0.
    void BeginPlayback() {
        out().PlaceOutputWindow(0);
        out().SetOutputVisible(true);
        app->mainupdate();
        ASSERT_TRUE(out().AcquireOutputContext());
        out().ClearOutputWindow();
        ASSERT_TRUE(out().PrepareForPlay());
        out().ResetScroll();
    }
    void TearDown() override {
        if (app && app->Form4())
            out().ReleaseOutputContext();
    }

    // Draws a line into the line image; returns the image as drawn.
    PixelBlock DrawLine(const std::string& text) {
        out().ClearLineImages(state().editorColor);
        out().DrawLineText(text);
        return Grab(out().LineImage->dc(), 0, 0, out().LineWidth, out().LineHeight);
    }
    void StepLine(bool backward, bool mirror) {
        for (int j = 1; j <= out().LineHeight - 1; ++j)
            out().StepRow(j, backward, mirror);
    }
    PixelBlock Screen() { return GrabWindow(out().hwnd(), 0, 0, 1024, 768); }
    // One output row inside the band's columns.
    std::vector<std::uint32_t> BandRow(const PixelBlock& screen, int y) {
        const Rect32& b = out().ScrollBand;
        std::vector<std::uint32_t> row = screen.Row(y);
        return {row.begin() + b.left, row.begin() + b.right};
    }

    TestPlatform platform;
    std::unique_ptr<Application> app;
};
