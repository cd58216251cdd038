// Dual-screen prompting on the real monitor list. Needs an X server with two
// 1024 x 768 monitors side by side (tests/e2e/test_dual_screen_xorg.sh starts
// one); elsewhere it is skipped.
#include <cstdlib>

#include <windows.h>

#include "OutputFixture.h"

namespace {

class RealDualScreen : public OutputFixture {
  protected:
    void SetUp() override {
        // Wine learns of a changed monitor layout a little after it starts.
        const bool required = std::getenv("CUECRAFT_REQUIRE_TWO_MONITORS") != nullptr;
        for (int i = 0; i < (required ? 100 : 1) && display.Monitors().size() < 2; ++i)
            Sleep(100);
        if (display.Monitors().size() < 2) {
            if (required)
                FAIL() << "two monitors were promised but not reported";
            GTEST_SKIP() << "needs two monitors (see tests/e2e/test_dual_screen_xorg.sh)";
        }
        Start(&display);
    }
    Win32Display display;
};

TEST_F(RealDualScreen, TalentMonitorShowsTheScrollWhileTheEditorStays) {
    const auto monitors = display.Monitors();
    ASSERT_EQ(monitors[0].left, 0) << "monitor 0 is the primary";
    const Rect32 talent = monitors[1];
    ShowWindow(form1().hwnd(), SW_SHOWNORMAL);

    form1().UseSecondMonitorforScrolling1Click();
    ASSERT_TRUE(out().DualScreenActive());
    ASSERT_TRUE(platform.ui.boxes.empty())
        << (platform.ui.boxes.empty() ? "" : platform.ui.boxes[0].text);
    RECT r{};
    GetWindowRect(out().hwnd(), &r);
    EXPECT_EQ(r.left, talent.left);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, talent.Width());

    // Play in dual-screen mode: show, place on the talent monitor, scroll.
    out().SetOutputVisible(true);
    ASSERT_TRUE(out().PlaceOutputWindow(1));
    app->mainupdate();
    ASSERT_TRUE(out().AcquireOutputContext());
    out().ClearOutputWindow();
    ASSERT_TRUE(out().PrepareForPlay());
    out().ResetScroll();
    const PixelBlock image = DrawLine("Talent monitor Wg");
    for (int j = 1; j < out().LineHeight; ++j)
        out().StepRow(j, false, false);
    app->mainupdate();
    EXPECT_TRUE(form1().IsVisible()) << "the editor stays on the primary monitor";

    // Read back from the whole screen at the talent monitor's place.
    const int h = out().LineHeight, bottom = out().ScrollBand.bottom;
    HDC screen = GetDC(nullptr);
    const PixelBlock shown = Grab(screen, talent.left + out().ScrollBand.left, bottom - h, 1023, h);
    ReleaseDC(nullptr, screen);
    for (int j = 1; j < h; ++j)
        ASSERT_EQ(shown.Row(j - 1), image.Row(j)) << "row " << j;
}

} // namespace
