// Row steps land on the real output window: read back and compared row by
// row with the line image as drawn.
#include <algorithm>

#include <windows.h>

#include "OutputFixture.h"
#include "win/SleeperWin32.h"

namespace {

class RowSteps : public OutputFixture {
  protected:
    // Asymmetric marks at both outer columns so a missed or shifted column
    // in a mirrored copy shows.
    PixelBlock DrawMarkedLine(const std::string& text) {
        DrawLine(text);
        HDC dc = out().LineImage->dc();
        const int w = out().LineWidth, h = out().LineHeight;
        UniqueHbrush red(CreateSolidBrush(0x0000FF)), green(CreateSolidBrush(0x00FF00));
        RECT left{0, 0, 1, h / 2}, right{w - 2, h / 3, w, h};
        FillRect(dc, &left, red.get());
        FillRect(dc, &right, green.get());
        return Grab(dc, 0, 0, w, h);
    }
    void ExpectOutsideScrollAreaUntouched(const PixelBlock& screen) {
        const Rect32& b = out().ScrollBand;
        for (int y = 0; y < b.top - 1; ++y)
            ASSERT_TRUE(screen.RowIs(y, kBackground)) << "row " << y;
        for (int y = b.bottom; y < 768; ++y)
            ASSERT_TRUE(screen.RowIs(y, kBackground)) << "row " << y;
        for (int y = 0; y < 768; ++y)
            ASSERT_EQ(screen.At(0, y), kBackground) << "column 0, row " << y;
    }
};

TEST_F(RowSteps, BandOnThe1024x768MonitorIsWholeLinesCentred) {
    BeginPlayback();
    const int h = out().LineHeight;
    ASSERT_GE(h, 10);
    EXPECT_EQ(state().Sc_Tr, (Rect32{1, 1, 1024, 768}));
    EXPECT_EQ(out().LineWidth, 1023);
    EXPECT_EQ(out().BandLines, 767 / h);
    const int m = (767 / h) * h, o = (767 - m) / 2;
    EXPECT_EQ(out().ScrollBand.top, o >= 2 ? 1 + o : 1);
    EXPECT_EQ(out().ScrollBand.bottom - out().ScrollBand.top, m);
    EXPECT_EQ(out().RowsScrolled, 0);
}

TEST_F(RowSteps, ForwardPlainRowsEnterAtTheBottomAndLinesStandHMinusOneApart) {
    BeginPlayback();
    const PixelBlock first = DrawMarkedLine("First Wg 123");
    StepLine(false, false);
    const PixelBlock second = DrawMarkedLine("Second line");
    StepLine(false, false);
    const PixelBlock screen = Screen();
    const int h = out().LineHeight, bottom = out().ScrollBand.bottom;
    for (int j = 1; j < h; ++j) {
        ASSERT_EQ(BandRow(screen, bottom - 1 - h + j), second.Row(j)) << "second, row " << j;
        ASSERT_EQ(BandRow(screen, bottom - 1 - h + j - (h - 1)), first.Row(j))
            << "first, row " << j;
    }
    EXPECT_EQ(BandRow(screen, bottom - 1), second.Row(h - 1)) << "the entry row keeps its copy";
    ExpectOutsideScrollAreaUntouched(screen);
}

TEST_F(RowSteps, ForwardMirroredShowsEachRowReversedStartingWithRowOne) {
    SetMirror(true);
    BeginPlayback();
    ASSERT_TRUE(out().LineImage->Is565());
    const PixelBlock image = DrawMarkedLine("Mirror Rg 42");
    StepLine(false, true);
    const PixelBlock screen = Screen();
    const int h = out().LineHeight, bottom = out().ScrollBand.bottom;
    for (int j = 1; j < h; ++j)
        ASSERT_EQ(BandRow(screen, bottom - 1 - h + j), Mirrored(image.Row(j))) << "row " << j;
    // The red mark of column 0 arrives in the band's last column.
    EXPECT_EQ(screen.At(out().ScrollBand.right - 1, bottom - h), 0xFF0000u);
    EXPECT_EQ(screen.At(out().ScrollBand.left, bottom - 2), 0x00FF00u);
    ExpectOutsideScrollAreaUntouched(screen);
}

TEST_F(RowSteps, BackwardPlainRowsEnterAtTheTopBottomRowFirst) {
    BeginPlayback();
    const PixelBlock image = DrawMarkedLine("Backward Wg");
    const int h = out().LineHeight, top = out().ScrollBand.top;
    int calls = 0;
    bool movedBeforeWait = true;
    out().RowDelay = [&](std::int32_t) {
        // The plain backward step has already moved the band when it waits.
        const PixelBlock edge = GrabWindow(out().hwnd(), 0, top, 1024, 1);
        const std::vector<std::uint32_t> row = edge.Row(0);
        movedBeforeWait &= std::vector<std::uint32_t>(row.begin() + 1, row.begin() + 1024) ==
                           image.Row(h - ++calls);
    };
    StepLine(true, false);
    EXPECT_EQ(calls, h - 1);
    EXPECT_TRUE(movedBeforeWait);
    const PixelBlock screen = Screen();
    for (int r = 1; r < h; ++r)
        ASSERT_EQ(BandRow(screen, top + r - 1), image.Row(r)) << "row " << r;
    EXPECT_EQ(BandRow(screen, top - 1), image.Row(1));
    ExpectOutsideScrollAreaUntouched(screen);
}

TEST_F(RowSteps, BackwardMirroredShowsRowZeroButNeverTheBottomRow) {
    SetMirror(true);
    BeginPlayback();
    const PixelBlock image = DrawMarkedLine("Back mirror 7");
    StepLine(true, true);
    const PixelBlock screen = Screen();
    const int h = out().LineHeight, top = out().ScrollBand.top;
    for (int r = 0; r < h - 1; ++r)
        ASSERT_EQ(BandRow(screen, top + r), Mirrored(image.Row(r))) << "row " << r;
    ExpectOutsideScrollAreaUntouched(screen);
}

TEST_F(RowSteps, ForwardStepWaitsBeforeTheBandMoves) {
    BeginPlayback();
    const PixelBlock image = DrawMarkedLine("Wait first");
    const int bottom = out().ScrollBand.bottom;
    int j = 0;
    bool waitedFirst = true;
    out().RowDelay = [&](std::int32_t) {
        ++j;
        const PixelBlock rows = GrabWindow(out().hwnd(), 1, bottom - 2, 1023, 2);
        const std::vector<std::uint32_t> above =
            j == 1 ? std::vector<std::uint32_t>(1023, 0) : image.Row(j - 1);
        waitedFirst &= rows.Row(0) == above && rows.Row(1) == image.Row(j);
    };
    StepLine(false, false);
    EXPECT_TRUE(waitedFirst);
}

// On the real counter and timer a step's wait sleeps most of its time and
// spins the rest: a wait that spun it all would use the processor for as
// long as it waits, and a timer that wakes later than the margin would show
// as waits ending later than that.
// What this thread has used of the processor, in ms.
double ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

TEST_F(RowSteps, AFifteenMillisecondWaitEndsWithinTheMarginOfItsTarget) {
    Win32PerfCounter counter;
    Win32Sleeper sleeper;
    const Services fake = platform.services();
    app.reset();
    app = std::make_unique<Application>(Services{fake.ui, counter, sleeper, fake.display,
                                                 fake.fileExists, fake.commonControlsVersionMS,
                                                 fake.replaceFile, fake.openHelpPage});
    ASSERT_TRUE(app->Start({}));
    BeginPlayback();
    const FineSleeps fine(sleeper);
    PlaybackEngine& engine = out().Engine();
    const double perMs = static_cast<double>(counter.Frequency()) / 1000.0;
    std::vector<double> late; // ms after the target, measured from before the call
    const double cpuBefore = ThreadCpuMs();
    for (int i = 0; i < 20; ++i) {
        const std::int64_t before = counter.Now();
        engine.RowDelay(15);
        late.push_back(static_cast<double>(counter.Now() - before) / perMs - 15.0);
    }
    EXPECT_LT(ThreadCpuMs() - cpuBefore, 20 * 15 / 2.0) << "the waits slept most of their time";
    std::nth_element(late.begin(), late.begin() + 10, late.end());
    EXPECT_LE(late[10], static_cast<double>(engine.SpinTicks()) / perMs)
        << "the median wait ends within the margin (a loaded machine may delay a few)";
}

TEST_F(RowSteps, ALineImageUnderTenPixelsLeavesTheBandAsItWas) {
    BeginPlayback();
    const Rect32 band = out().ScrollBand;
    const int lines = out().BandLines;
    out().RowsScrolled = 55;
    FontSpec tiny = state().editorFont;
    tiny.sizePt = 4;
    UseLook(tiny, kBackground);
    ASSERT_TRUE(out().PrepareForPlay());
    ASSERT_LT(out().LineHeight, 10);
    out().ResetScroll();
    EXPECT_EQ(out().ScrollBand, band);
    EXPECT_EQ(out().BandLines, lines);
    EXPECT_EQ(out().RowsScrolled, 55);
}

TEST_F(RowSteps, ResetScrollStartsAtTheCaretLineOrBeforeTheFirst) {
    form1().Memo1().SetText("one\r\ntwo\r\nthree");
    state().CursorLine = 2;
    out().Reverse = true;
    out().RunMode = Direction::Backward;
    BeginPlayback();
    EXPECT_EQ(out().CurLine, 2);
    EXPECT_EQ(out().LineCount, 3);
    EXPECT_FALSE(out().Reverse);
    EXPECT_EQ(out().RunMode, Direction::Forward);
    state().CursorLine = -5;
    out().ResetScroll();
    EXPECT_EQ(out().CurLine, -1);
}

TEST_F(RowSteps, WithoutAnOutputContextStepsDrawNothingButStillWait) {
    BeginPlayback();
    out().ReleaseOutputContext();
    EXPECT_EQ(out().OutputContext(), nullptr);
    DrawMarkedLine("Nothing shows");
    int calls = 0;
    out().RowDelay = [&](std::int32_t) { ++calls; };
    StepLine(false, false);
    EXPECT_EQ(calls, out().LineHeight - 1);
    const PixelBlock screen = Screen();
    for (int y = 0; y < 768; y += 7)
        ASSERT_TRUE(screen.RowIs(y, kBackground)) << y;
}

} // namespace
