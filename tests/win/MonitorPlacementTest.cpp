// Output-window placement through the monitor seam.
#include <windows.h>

#include "OutputFixture.h"
#include "monitors/Placement.h"

namespace {

class Monitors : public OutputFixture {
  protected:
    void TwoMonitors(Rect32 talent) { platform.display.monitors = {{0, 0, 1024, 768}, talent}; }
    void DualOn() { state().menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true); }
    RECT Bounds() {
        RECT r{};
        GetWindowRect(out().hwnd(), &r);
        return r;
    }
};

TEST_F(Monitors, TalentMonitorBesideThePrimaryTakesTheWindow) {
    TwoMonitors({1024, 0, 2048, 768});
    DualOn();
    ASSERT_TRUE(out().DualScreenActive());
    EXPECT_TRUE(out().PlaceOutputWindow(1));
    const RECT r = Bounds();
    EXPECT_EQ(r.left, 1024);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 1024);
    EXPECT_EQ(r.bottom - r.top, 768);
    EXPECT_EQ(out().GetWindowState(), TForm4::WindowState::Normal);
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Monitors, TalentMonitorLeftOfThePrimaryPasses) {
    TwoMonitors({-1024, 0, 0, 768});
    EXPECT_TRUE(out().PlaceOutputWindow(1));
    EXPECT_EQ(Bounds().left, -1024);
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Monitors, FailedChecksShowTheirTextAndLeaveTheWindowAlone) {
    struct Case {
        Rect32 talent;
        std::string_view text;
    } cases[] = {{{0, 768, 1024, 1536}, kMisalignedText},
                 {{1024, 0, 2304, 1024}, kSizeMismatchText}};
    for (const Case& c : cases) {
        platform.ui.boxes.clear();
        TwoMonitors(c.talent);
        const RECT before = Bounds();
        EXPECT_FALSE(out().PlaceOutputWindow(1));
        ASSERT_EQ(platform.ui.boxes.size(), 1u);
        EXPECT_EQ(platform.ui.boxes[0].text, c.text);
        EXPECT_EQ(platform.ui.boxes[0].caption, "Cuecraft");
        EXPECT_EQ(platform.ui.boxes[0].style, 0x20u) << "kind 3";
        const RECT after = Bounds();
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
    }
}

TEST_F(Monitors, MonitorZeroIsCheckedForAlignmentToo) {
    platform.display.monitors = {{0, 10, 1024, 778}};
    EXPECT_FALSE(out().PlaceOutputWindow(0));
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, kMisalignedText);
    platform.display.monitors = {{0, 0, 1024, 768}};
    EXPECT_TRUE(out().PlaceOutputWindow(0));
    EXPECT_EQ(out().GetWindowState(), TForm4::WindowState::Maximized);
    EXPECT_EQ(out().GetColor(), state().editorColor);
}

TEST_F(Monitors, TestTalentMonitorShowsThenHides) {
    TwoMonitors({1024, 0, 2048, 768});
    // The colour commands keep the two equal; showing the window takes FormColor.
    state().editorColor = 0x336699;
    state().FormColor = 0x336699;
    form1().TestSecondMonitor1Click();
    EXPECT_TRUE(out().IsVisible());
    EXPECT_EQ(Bounds().left, 1024);
    EXPECT_EQ(out().GetColor(), 0x336699u);
    app->mainupdate();
    const PixelBlock shown = GrabWindow(out().hwnd(), 0, 0, 1024, 768);
    EXPECT_EQ(shown.At(0, 0), 0x996633u) << "an empty window in the editor's colour";
    EXPECT_EQ(shown.At(1023, 767), 0x996633u);
    form1().TestSecondMonitor1Click();
    EXPECT_FALSE(out().IsVisible());
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Monitors, TestTalentMonitorDoesNothingOnOneMonitorOrWhilePlaying) {
    const RECT before = Bounds();
    form1().TestSecondMonitor1Click();
    EXPECT_FALSE(out().IsVisible());
    TwoMonitors({1024, 0, 2048, 768});
    out().Playing = true;
    form1().TestSecondMonitor1Click();
    EXPECT_FALSE(out().IsVisible());
    EXPECT_EQ(Bounds().left, before.left);
}

TEST_F(Monitors, DualScreenSwitchPlacesTheWindowAndBack) {
    TwoMonitors({1024, 0, 2048, 768});
    form1().UseSecondMonitorforScrolling1Click();
    EXPECT_TRUE(state().Dual_Monitor());
    EXPECT_EQ(Bounds().left, 1024);
    EXPECT_EQ(out().GetDefaultMonitor(), TForm4::DefaultMonitor::Desktop);
    EXPECT_EQ(form1().StatusBar1().Text(3), "Dual Monitor");
    form1().UseSecondMonitorforScrolling1Click();
    EXPECT_FALSE(state().Dual_Monitor());
    EXPECT_EQ(Bounds().left, 0);
    EXPECT_EQ(Bounds().top, 0);
    EXPECT_EQ(out().GetDefaultMonitor(), TForm4::DefaultMonitor::MainForm);
}

TEST_F(Monitors, DualScreenSwitchWithOneMonitorIsNotActive) {
    form1().UseSecondMonitorforScrolling1Click();
    EXPECT_TRUE(state().Dual_Monitor());
    EXPECT_FALSE(out().DualScreenActive());
    EXPECT_EQ(out().GetDefaultMonitor(), TForm4::DefaultMonitor::MainForm);
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Monitors, MonitorsMenuEnablesItsItemsOnlyWithTwoMonitors) {
    form1().Monitors1Click();
    EXPECT_FALSE(state().menu.Enabled(MenuId::UseSecondMonitorforScrolling1));
    EXPECT_FALSE(state().menu.Enabled(MenuId::TestSecondMonitor1));
    TwoMonitors({1024, 0, 2048, 768});
    out().Playing = true;
    form1().Monitors1Click();
    EXPECT_FALSE(state().menu.Enabled(MenuId::TestSecondMonitor1)) << "not while playing";
    out().Playing = false;
    form1().Monitors1Click();
    EXPECT_TRUE(state().menu.Enabled(MenuId::UseSecondMonitorforScrolling1));
    EXPECT_TRUE(state().menu.Enabled(MenuId::TestSecondMonitor1));
}

// The menu is hidden in the layout; were it shown, opening it runs its handler.
TEST_F(Monitors, OpeningTheMonitorsMenuEnablesItsItems) {
    HMENU monitors = CreatePopupMenu();
    AppendMenuA(monitors, MF_STRING, static_cast<UINT>(MenuId::UseSecondMonitorforScrolling1),
                "Use Dual Screen Mode");
    AppendMenuA(monitors, MF_STRING, static_cast<UINT>(MenuId::TestSecondMonitor1),
                "Test Talent Monitor");
    auto open = [&](HMENU popup) {
        SendMessageA(form1().hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                     MAKELPARAM(0, FALSE));
    };
    state().menu.SetEnabled(MenuId::TestSecondMonitor1, false);
    TwoMonitors({1024, 0, 2048, 768});
    open(GetSubMenu(GetMenu(form1().hwnd()), 0)); // the File menu
    EXPECT_FALSE(state().menu.Enabled(MenuId::TestSecondMonitor1)) << "another menu opened";
    open(monitors);
    EXPECT_TRUE(state().menu.Enabled(MenuId::UseSecondMonitorforScrolling1));
    EXPECT_TRUE(state().menu.Enabled(MenuId::TestSecondMonitor1));
    platform.display.monitors.pop_back();
    open(monitors);
    EXPECT_FALSE(state().menu.Enabled(MenuId::UseSecondMonitorforScrolling1));
    EXPECT_FALSE(state().menu.Enabled(MenuId::TestSecondMonitor1));
    DestroyMenu(monitors);
}

TEST_F(Monitors, ReturnToEditorShowsTheEditorAndHidesTheOutput) {
    out().SetOutputVisible(true);
    EXPECT_TRUE(out().IsVisible());
    out().ReturnToEditor();
    EXPECT_TRUE(form1().IsVisible());
    EXPECT_FALSE(out().IsVisible());
}

} // namespace
