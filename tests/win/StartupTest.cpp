// Start-up of the two windows through the real Application with scripted seams.
#include <fstream>

#include <gtest/gtest.h>

#include "TestServices.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"

namespace {

std::string Caption(HWND hwnd) {
    char text[256] = {0};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

class Startup : public ::testing::Test {
  protected:
    bool StartWith(std::vector<std::string> args = {}) {
        app = std::make_unique<Application>(platform.services());
        return app->Start(args);
    }
    TestPlatform platform;
    std::unique_ptr<Application> app;
};

TEST_F(Startup, HealthyMachineCreatesBothWindowsHidden) {
    ASSERT_TRUE(StartWith());
    EXPECT_TRUE(platform.ui.boxes.empty());
    TForm1& form1 = app->Form1();
    ASSERT_NE(app->Form4(), nullptr);
    EXPECT_EQ(Caption(form1.hwnd()), "Cuecraft 1.3.2.44");
    EXPECT_FALSE(form1.IsVisible()) << "the message loop shows it";
    EXPECT_FALSE(app->Form4()->IsVisible());
    EXPECT_EQ(app->Title(), "rollscript");
    EXPECT_EQ(app->HelpFile(), "rollscript.hlp");
    const PrompterState& s = form1.State();
    EXPECT_EQ(s.Ver, "1.3.2.44");
    EXPECT_EQ(s.TicksPerMs, 10000);
    EXPECT_TRUE(s.StartupDone);
    EXPECT_EQ(s.TextColor, 0xFFFFFFu);
    EXPECT_EQ(s.Delay, 0);
    EXPECT_EQ(s.Sc_Tr, (Rect32{0, 0, 1024, 768}));
    EXPECT_EQ(s.editorFont.sizePt, 28);
    EXPECT_EQ(s.wState, 2);
    EXPECT_FALSE(s.CmdLineFileGiven);
    EXPECT_EQ(s.ProgramDir.back(), '\\');
    EXPECT_EQ(app->Form4()->Playing, false);
    EXPECT_EQ(app->Form4()->getkill(), false);
}

TEST_F(Startup, OutputWindowCoversThePrimaryScreen) {
    platform.display.width = 1280;
    platform.display.height = 1024;
    platform.display.monitors = {{0, 0, 1280, 1024}, {1280, 0, 2304, 768}};
    ASSERT_TRUE(StartWith());
    RECT r{};
    GetWindowRect(app->Form4()->hwnd(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 1280);
    EXPECT_EQ(r.bottom - r.top, 1024);
    const LONG style = GetWindowLongA(app->Form4()->hwnd(), GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
}

struct FailingCheck {
    const char* name;
    void (*breakIt)(TestPlatform&);
    std::string text;
    std::uint32_t style;
};

TEST_F(Startup, EachFailedCheckShowsItsBoxAndEndsTheStart) {
    const FailingCheck checks[] = {
        {"no counter", [](TestPlatform& p) { p.counter.absent = true; },
         "You must have a hardware Hi-Resolution timer to use this program.", 0x30},
        {"no msgbank", [](TestPlatform& p) { p.msgbankPresent = false; }, "msgbank.dll is missing",
         0x30},
        {"old comctl", [](TestPlatform& p) { p.comctlVersion = 4u << 16 | 69; },
         "Wrong Version of ComCtrls.dll(4.70), please upgrade to 4.70 or greater for improved "
         "interface.",
         0x30},
        {"no version record", [](TestPlatform& p) { p.comctlVersion = 0; },
         "Wrong Version of ComCtrls.dll(4.70), please upgrade to 4.70 or greater for improved "
         "interface.",
         0x30},
        {"narrow screen", [](TestPlatform& p) { p.display.width = 639; },
         "Cuecraft does support your current screen resolution.", 0x23},
        {"slow counter", [](TestPlatform& p) { p.counter.frequency = 500; },
         "You must have a hardware Hi-Resolution timer to use this program.", 0x23},
        {"slower counter", [](TestPlatform& p) { p.counter.frequency = 499; },
         "You must have a hardware Hi-Resolution timer to use this program.", 0x23},
    };
    for (const FailingCheck& check : checks) {
        platform = TestPlatform{};
        check.breakIt(platform);
        EXPECT_FALSE(StartWith()) << check.name;
        ASSERT_EQ(platform.ui.boxes.size(), 1u) << check.name;
        const ShownBox& box = platform.ui.boxes[0];
        EXPECT_EQ(box.text, check.text) << check.name;
        EXPECT_EQ(box.style, check.style) << check.name;
        EXPECT_EQ(box.caption, "Cuecraft") << check.name;
        EXPECT_EQ(app->Form4(), nullptr) << check.name;
        EXPECT_FALSE(app->Form1().IsVisible()) << check.name;
    }
}

TEST_F(Startup, CommonControlsBoundariesAndScreenWidth640Start) {
    for (std::uint32_t version : {4u << 16 | 70, 5u << 16}) {
        platform = TestPlatform{};
        platform.comctlVersion = version;
        platform.display.width = 640;
        EXPECT_TRUE(StartWith());
        EXPECT_TRUE(platform.ui.boxes.empty());
    }
}

TEST_F(Startup, CounterFrequenciesGiveRoundedTicksPerMs) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {1193182, 1193}, {3579545, 3580}, {1500, 2}};
    for (auto [frequency, ticks] : cases) {
        platform = TestPlatform{};
        platform.counter.frequency = frequency;
        ASSERT_TRUE(StartWith());
        EXPECT_EQ(app->Form1().State().TicksPerMs, ticks);
    }
}

TEST_F(Startup, AnExistingCommandLineFileIsNoted) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "cuecraft-cmdline.txt";
    std::ofstream(path) << "Hello\r\n";
    ASSERT_TRUE(StartWith({path, "ignored.txt"}));
    EXPECT_TRUE(app->Form1().State().CmdLineFileGiven);
    EXPECT_EQ(app->Form1().State().CmdLineFile, path);
    DeleteFileA(path.c_str());
}

// Named in panel 4 as a settings load names its missing script, no box.
TEST_F(Startup, AMissingCommandLineFileIsNamedOnceTheWindowShows) {
    ASSERT_TRUE(StartWith({"C:\\no\\such\\script.txt"}));
    EXPECT_FALSE(app->Form1().State().CmdLineFileGiven);
    EXPECT_EQ(app->Form1().State().CmdLineFile, "");
    app->Form1().State().wState = 0;
    app->Form1().ShowAtStart();
    EXPECT_EQ(app->Form1().StatusBar1().Text(4), "Could not find: : C:\\no\\such\\script.txt");
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Startup, MenuBarHoldsExitInFileAndOnTheBar) {
    ASSERT_TRUE(StartWith());
    HMENU bar = GetMenu(app->Form1().hwnd());
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> top;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        char text[64] = {0};
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        top.push_back(text);
    }
    EXPECT_EQ(top, (std::vector<std::string>{"&File", "&Edit", "F&ont", "&Play", "&Remote...",
                                             "&Help", "E&xit"}));
    char text[64] = {0};
    GetMenuStringA(bar, static_cast<UINT>(MenuId::Exit1), text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "E&xit");
}

TEST_F(Startup, CheckMarksFollowTheModel) {
    ASSERT_TRUE(StartWith());
    HMENU bar = GetMenu(app->Form1().hwnd());
    auto checked = [&](MenuId id) {
        return (GetMenuState(bar, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(checked(MenuId::CenterText1)) << "factory defaults";
    app->Form1().State().menu.SetChecked(MenuId::Bold, true);
    EXPECT_TRUE(checked(MenuId::Bold));
    EXPECT_FALSE(checked(MenuId::CenterText1));
}

TEST_F(Startup, ErrorEscapingAHandlerShowsTheStandardBox) {
    ASSERT_TRUE(StartWith());
    Window::ReportError("Disk not ready");
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Disk not ready");
    EXPECT_EQ(platform.ui.boxes[0].caption, "rollscript");
}

} // namespace
