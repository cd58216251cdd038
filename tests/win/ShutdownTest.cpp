// The ways out: Exit quits without asking, closing asks, neither quits while
// a script scrolls.
#include <gtest/gtest.h>

#include "TestServices.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"

namespace {

class Shutdown : public ::testing::Test {
  protected:
    void SetUp() override {
        app = std::make_unique<Application>(platform.services());
        ASSERT_TRUE(app->Start({}));
        ShowWindow(form1().hwnd(), SW_SHOW);
    }
    TForm1& form1() { return app->Form1(); }
    TForm4& form4() { return *app->Form4(); }
    void Command(MenuId id) {
        SendMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    TestPlatform platform;
    std::unique_ptr<Application> app;
};

TEST_F(Shutdown, ExitWhilePlayingOnlyStopsTheScrolling) {
    form4().Playing = true;
    Command(MenuId::Exit1);
    EXPECT_TRUE(form4().getkill());
    EXPECT_FALSE(app->Terminated());
    EXPECT_TRUE(form1().IsVisible());
    form4().Playing = false; // the loop has ended the playback
    Command(MenuId::Exit2);
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(form1().IsVisible());
    EXPECT_TRUE(platform.ui.boxes.empty()) << "Exit never asks";
}

TEST_F(Shutdown, ExitClearsThePause) {
    form4().Paused = true;
    Command(MenuId::Exit2);
    EXPECT_FALSE(form4().Paused);
    EXPECT_TRUE(app->Terminated());
}

TEST_F(Shutdown, CloseWhilePlayingStopsAndKeepsTheWindow) {
    form4().Playing = true;
    SendMessageA(form1().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form4().getkill());
    EXPECT_TRUE(IsWindow(form1().hwnd()));
    EXPECT_FALSE(app->Terminated());
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Shutdown, CloseAsksAndStaysOnNo) {
    platform.ui.answers = {IDNO};
    SendMessageA(form1().hwnd(), WM_CLOSE, 0, 0);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Quit Cuecraft Now?");
    EXPECT_EQ(platform.ui.boxes[0].caption, "Cuecraft");
    EXPECT_EQ(platform.ui.boxes[0].style, 0x2024u);
    EXPECT_TRUE(IsWindow(form1().hwnd()));
    EXPECT_FALSE(app->Terminated());
    EXPECT_TRUE(form4().getkill()) << "the question itself sets the stop request";
}

TEST_F(Shutdown, CloseQuitsOnYes) {
    platform.ui.answers = {IDYES};
    HWND hwnd = form1().hwnd();
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(app->Terminated());
}

TEST_F(Shutdown, MainupdateRunsPendingMessages) {
    PostMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::Exit1), 0);
    app->mainupdate();
    EXPECT_TRUE(app->Terminated());
}

} // namespace
