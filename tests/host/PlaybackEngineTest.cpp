#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "playback/PlaybackEngine.h"

namespace {

// A scripted host: the counter advances by a fixed amount per read and by a
// sleep's length plus the timer's lateness per sleep, messages are whatever
// the test queued for the next mainupdate or pause tick.
class FakeHost : public PlaybackHost {
  public:
    void mainupdate() override {
        ++mainupdates;
        Run(onMessages);
    }
    std::int64_t Now() override {
        ++counterReads;
        if (onRead)
            onRead(counterReads);
        return now += tick;
    }
    void SleepFor(std::int64_t ticks) override {
        sleeps.push_back(ticks);
        now += ticks + sleepLate;
        if (onSleep)
            onSleep();
    }
    void WaitPauseTick() override {
        ++pauseTicks;
        if (onPauseTick.empty())
            resumeNext();
        else
            Run(onPauseTick);
    }
    std::string LineText(std::int32_t index) override {
        drawnLines.push_back(index);
        return index < static_cast<std::int32_t>(lines.size()) ? lines[index] : "";
    }
    void ClearLineImages() override { ++clears; }
    void DrawLineText(const std::string& text) override { drawnTexts.push_back(text); }
    std::int32_t LineHeight() override { return height; }
    void StepRow(std::int32_t j, bool dir, bool) override {
        steps.push_back({currentLine(), j, dir});
        if (onStep)
            onStep(steps.size());
    }
    void Present() override {
        ++presents;
        now += presentTicks;
    }
    void PresentNow() override { ++presentsNow; }
    bool PreviewRunning() override { return preview; }
    void StepPreviewRow(std::int32_t counter, bool) override { previewRows.push_back(counter); }
    void ShowPlayLine(std::int32_t line) override { shownLines.push_back(line); }
    void SaveScreenCapture() override { ++captures; }
    void SetDelay(std::uint8_t value) override { delay = value > 30 ? 30 : value; }
    std::uint8_t Delay() override { return delay; }
    void StateChanged() override {
        if (onChange)
            onChange();
    }

    struct Step {
        std::int32_t line, j;
        bool dir;
    };
    std::function<std::int32_t()> currentLine = [] { return 0; };
    std::function<void()> resumeNext = [] {};
    std::function<void(std::size_t)> onStep;
    std::function<void(int)> onRead;
    std::function<void()> onSleep;
    std::function<void()> onChange;
    std::deque<std::function<void()>> onMessages, onPauseTick;
    std::vector<std::string> lines;
    std::int32_t height = 4;
    bool preview = false;
    std::uint8_t delay = 0;
    std::int64_t now = 0, tick = 1, presentTicks = 0, sleepLate = 0;
    std::vector<std::int64_t> sleeps;
    int presents = 0, presentsNow = 0, mainupdates = 0, counterReads = 0, pauseTicks = 0, clears = 0, captures = 0;
    std::vector<std::int32_t> drawnLines, shownLines, previewRows;
    std::vector<std::string> drawnTexts;
    std::vector<Step> steps;

  private:
    static void Run(std::deque<std::function<void()>>& queue) {
        if (queue.empty())
            return;
        auto action = std::move(queue.front());
        queue.pop_front();
        action();
    }
};

class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        flags.Playing = true;
        host.currentLine = [this] { return flags.CurLine; };
        host.resumeNext = [this] { engine.FormKeyDown(32, false, false, false); }; // Space
    }
    void Play(std::vector<std::string> lines, std::int32_t startLine = 0) {
        host.lines = std::move(lines);
        flags.LineCount = static_cast<std::int32_t>(host.lines.size());
        flags.CurLine = startLine;
        engine.RunLines(false);
    }
    PlaybackFlags flags;
    FakeHost host;
    PlaybackEngine engine{flags, host};
};

TEST_F(Engine, AThreeLineScriptEndsWithTwoBlankLinesAndTwoPauses) {
    Play({"one", "two", "three"});
    EXPECT_EQ(host.drawnLines, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(host.drawnTexts, (std::vector<std::string>{"one", "two", "three", "", ""}));
    EXPECT_EQ(host.shownLines, (std::vector<std::int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(host.pauseTicks, 2) << "paused after each blank line, resumed once each";
    EXPECT_EQ(host.steps.size(), 5u * 3u) << "a line of height 4 takes 3 steps";
    EXPECT_EQ(flags.CurLine, 5);
}

TEST_F(Engine, EveryLineStepsRowsOneToHeightLessOne) {
    host.height = 5;
    Play({"a"});
    ASSERT_GE(host.steps.size(), 4u);
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(host.steps[j].j, j + 1);
    host.steps.clear();
    host.height = 1;
    Play({"a", "b"});
    EXPECT_TRUE(host.steps.empty()) << "an image one pixel high takes no steps";
    EXPECT_EQ(host.drawnLines.size(), 3u + 4u) << "but the lines are still walked";
}

TEST_F(Engine, ACaretLineOfMinusOneStartsAtLineZero) {
    Play({"a", "b"}, -1);
    EXPECT_EQ(host.drawnLines.front(), 0);
}

TEST_F(Engine, StartingAtLineSixScrollsFromLineSix) {
    Play(std::vector<std::string>(12, "x"), 6);
    EXPECT_EQ(host.drawnLines.front(), 6);
}

TEST_F(Engine, AStopEndsTheRowsAndTheLines) {
    host.onStep = [this](std::size_t n) {
        if (n == 5)
            flags.setkill(true);
    };
    Play(std::vector<std::string>(20, "x"), 4);
    EXPECT_EQ(host.steps.size(), 5u);
    EXPECT_EQ(host.drawnLines, (std::vector<std::int32_t>{4, 5}));
    EXPECT_EQ(flags.CurLine, 6) << "the line steps once more after a stop";
    EXPECT_EQ(host.shownLines, (std::vector<std::int32_t>{5}));
}

TEST_F(Engine, EscWhilePausedAtTheEndStopsAtOnce) {
    host.resumeNext = [this] { engine.FormKeyDown(27, false, false, false); };
    Play({"only"});
    EXPECT_EQ(host.pauseTicks, 1);
    EXPECT_TRUE(flags.getkill());
    EXPECT_FALSE(flags.Paused);
    EXPECT_EQ(host.drawnLines, (std::vector<std::int32_t>{0, 1}));
}

TEST_F(Engine, BackwardAtTheTopPausesAndEntersLineZeroAgain) {
    flags.Reverse = true;
    flags.RunMode = Direction::Backward;
    flags.RowsScrolled = 50;
    host.resumeNext = [this] {
        // Resume forward from the pause at the top, then stop at the next line.
        engine.SetDirection(false);
        host.onStep = [this](std::size_t) { flags.setkill(true); };
    };
    Play({"a", "b", "c"}, 1);
    EXPECT_EQ(host.drawnLines, (std::vector<std::int32_t>{1, 0, 0}));
    EXPECT_TRUE(host.steps[0].dir) << "line 1 entered backward";
    EXPECT_FALSE(host.steps.back().dir) << "line 0 entered again forward";
    EXPECT_EQ(host.pauseTicks, 1);
}

TEST_F(Engine, RowsScrolledCountsToOneMoreThanTheAreaAndStays) {
    flags.AreaHeight = 5;
    host.height = 4;
    host.onStep = [this](std::size_t n) {
        if (n == 12)
            flags.setkill(true);
    };
    Play(std::vector<std::string>(10, "x"));
    EXPECT_EQ(flags.RowsScrolled, 6);
    EXPECT_TRUE(flags.BandFilled());
}

TEST_F(Engine, PreviewRowsCountFromZeroEveryLine) {
    host.preview = true;
    host.height = 3;
    host.onStep = [this](std::size_t n) {
        if (n == 4)
            flags.setkill(true);
    };
    Play({"a", "b", "c"});
    EXPECT_EQ(host.previewRows, (std::vector<std::int32_t>{0, 1, 0, 1}));
}

TEST_F(Engine, WatchersHearOfLinesAndPausesBeforeTheWaitButNotOfSteps) {
    std::vector<std::pair<bool, int>> heard; // paused, pause ticks waited so far
    host.onChange = [&] { heard.push_back({flags.Paused, host.pauseTicks}); };
    Play({"one", "two", "three"});
    // Lines 1 to 4, the pause past the end, Space, line 5, the pause, Space.
    const std::vector<std::pair<bool, int>> expected = {{false, 0}, {false, 0}, {false, 0},
                                                        {false, 0}, {true, 0},  {false, 1},
                                                        {false, 1}, {true, 1},  {false, 2}};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(flags.RowsMoved.load(), 15) << "five lines of three steps, all up";
}

TEST_F(Engine, RowsMovedCountsBackwardStepsDown) {
    flags.Reverse = true;
    flags.RunMode = Direction::Backward;
    flags.RowsScrolled = 50;
    host.onStep = [this](std::size_t n) {
        if (n == 5)
            flags.setkill(true);
    };
    Play(std::vector<std::string>(10, "x"), 6);
    EXPECT_EQ(flags.RowsMoved.load(), -5);
}

TEST(StepWait, DelaysAndDirections) {
    EXPECT_EQ(StepWaitMs(0, Direction::Forward), 1);
    EXPECT_EQ(StepWaitMs(1, Direction::Forward), 1);
    EXPECT_EQ(StepWaitMs(2, Direction::Forward), 2);
    EXPECT_EQ(StepWaitMs(10, Direction::Forward), 10);
    EXPECT_EQ(StepWaitMs(10, Direction::Backward), 5);
    EXPECT_EQ(StepWaitMs(30, Direction::Backward), 15);
    EXPECT_EQ(StepWaitMs(2, Direction::Backward), 2);
    EXPECT_EQ(StepWaitMs(3, Direction::Backward), 1);
    EXPECT_EQ(StepWaitMs(0, Direction::Backward), 1);
}

TEST_F(Engine, RowDelayLastsTheWholeWait) {
    engine.SetTicksPerMs(1000);
    host.tick = 7;
    host.now = 0;
    engine.RowDelay(10);
    EXPECT_GT(host.now, 10000 + 7 - 7) << "waited at least 10 ms of ticks";
    EXPECT_LE(host.now, 10000 + 7 + 7);

    // The display is handed the pixels once a wait, within its time.
    host.now = 0;
    host.presentTicks = 3000;
    engine.RowDelay(10);
    EXPECT_EQ(host.presents, 2);
    EXPECT_GT(host.now, 10000);
    EXPECT_LE(host.now, 10000 + 7 + 7) << "the hand-over does not lengthen the wait";
}

TEST_F(Engine, RowDelayLetsMessagesInWhenTheCounterEndsInZero) {
    engine.SetTicksPerMs(10);
    host.tick = 10;
    engine.RowDelay(1);
    EXPECT_EQ(host.mainupdates, 1);
    host.tick = 3;
    host.now = 1;
    engine.RowDelay(1); // ends on 17
    EXPECT_EQ(host.mainupdates, 1);
}

TEST_F(Engine, AStopArrivingDuringAWaitEndsItAtOnce) {
    engine.SetTicksPerMs(10000);
    host.tick = 1;
    host.onRead = [this](int reads) {
        if (reads == 50)
            flags.setkill(true);
    };
    engine.RowDelay(30); // 300000 reads without the stop
    EXPECT_EQ(host.counterReads, 50);
}

// Wine's counter: 10,000 ticks a millisecond.
constexpr std::int64_t kTicksPerMs = 10000;
constexpr std::int64_t kGuard = SpinMargin::kGuardUs * kTicksPerMs / 1000;

TEST_F(Engine, AWaitSleepsAllButTheMarginAndEndsOnTheFirstReadPastItsTarget) {
    engine.SetTicksPerMs(kTicksPerMs);
    EXPECT_EQ(engine.SpinTicks(),
              (SpinMargin::kFirstLateUs + SpinMargin::kGuardUs) * kTicksPerMs / 1000)
        << "before any sleep, room for a timer of 1 ms granularity";
    engine.RowDelay(15);
    const std::int64_t margin = engine.SpinTicks();   // as used: the punctual sleep kept it
    const std::int64_t target = 1 + 15 * kTicksPerMs; // from the first read
    ASSERT_EQ(host.sleeps.size(), 1u);
    EXPECT_EQ(host.sleeps[0], target - 2 - margin) << "asked after two reads";
    EXPECT_EQ(host.now, target + 1) << "neither early nor late";
    EXPECT_EQ(host.counterReads, 3 + margin) << "the margin spun, read by read";

    // A timer that wakes early only lengthens the spin.
    host.now = 0;
    host.sleepLate = -4000;
    engine.RowDelay(15);
    EXPECT_EQ(host.now, target + 1);
}

TEST_F(Engine, WaitsOfAFewMillisecondsOnlySpinAsBefore) {
    engine.SetTicksPerMs(kTicksPerMs);
    for (int i = 0; i < 1000; ++i)
        engine.RowDelay(15); // a punctual timer: the margin at its least
    host.sleeps.clear();
    for (std::int32_t delay : {0, 1, 2}) {
        host.counterReads = 0;
        engine.RowDelay(delay);
        EXPECT_EQ(host.counterReads, 1 + std::max(delay, 1) * kTicksPerMs + 1) << delay;
    }
    flags.RunMode = Direction::Backward;
    engine.RowDelay(5); // 2 ms backward
    EXPECT_TRUE(host.sleeps.empty());
    engine.SetTicksPerMs(0); // no counter: nothing to time a sleep by
    engine.RowDelay(30);
    EXPECT_TRUE(host.sleeps.empty());
}

TEST_F(Engine, TheMarginFollowsTheTimersLatenessAndKeepsTheWaitsOnTime) {
    engine.SetTicksPerMs(kTicksPerMs);
    auto wait = [this] {
        const std::int64_t start = host.now + host.tick; // the target's read
        engine.RowDelay(15);
        return host.now - (start + 15 * kTicksPerMs); // how late it ended
    };
    host.sleepLate = 11000; // 1.1 ms, steadily
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(wait(), 1) << "wait " << i;
    EXPECT_LE(engine.SpinTicks(), 11000 + host.tick + kGuard)
        << "down to what the timer needs (and the reading after it)";
    EXPECT_GT(engine.SpinTicks(), 11000 + kGuard / 2) << "aged by one wait at most";
    const int reads = host.counterReads;
    wait();
    EXPECT_LE(host.counterReads - reads, 3 + kGuard + 1) << "only the guard is spun";

    host.sleepLate = 0; // a punctual timer: the margin falls to the guard
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(wait(), 1);
    EXPECT_LT(engine.SpinTicks(), kGuard + 100);

    // A wake-up later than the margin makes that wait late; the next counts
    // from its own call and catches nothing up. One such wake-up alone is
    // not followed; after a second the margin covers such a timer.
    host.sleepLate = 30000;
    for (int i = 0; i < 2; ++i) {
        const std::int64_t late = wait();
        EXPECT_GT(late, 30000 - kGuard - 100) << "ends on the read after the sleep";
        EXPECT_LE(late, 30002 - kGuard);
        EXPECT_EQ(engine.SpinTicks() > 30000 + kGuard / 2, i == 1) << i;
    }
    EXPECT_EQ(wait(), 1);
}

TEST_F(Engine, OutlandishWakeUpsMeanSpinningUntilTheyHaveAgedButOneAloneIsIgnored) {
    engine.SetTicksPerMs(kTicksPerMs);
    auto spunBeforeASleep = [this](std::int32_t delay) {
        host.sleepLate = 0;
        host.sleeps.clear();
        int spun = 0;
        while (host.sleeps.empty() && spun < 1000) {
            engine.RowDelay(delay);
            ++spun;
        }
        return spun - 1;
    };
    host.sleepLate = 200000; // 20 ms: the thread was kept off the core
    engine.RowDelay(15);
    EXPECT_EQ(spunBeforeASleep(15), 0) << "once is chance";

    std::vector<int> spunMs;
    for (std::int32_t delay : {15, 30}) {
        engine.SetTicksPerMs(kTicksPerMs);
        host.sleepLate = delay * kTicksPerMs * 3 / 2; // longer than the wait
        engine.RowDelay(delay);
        engine.RowDelay(delay);
        const int spun = spunBeforeASleep(delay);
        EXPECT_GT(spun, 10) << "whole waits spun, as before, while remembered: Delay " << delay;
        spunMs.push_back(spun * delay);
    }
    EXPECT_NEAR(spunMs[0], spunMs[1], 250) << "forgotten in about the same time at any delay";
    EXPECT_LT(spunMs[0], 2000) << "within a couple of seconds";
}

TEST_F(Engine, ASleepingWaitStillLetsMessagesInByTheCountersLastDigit) {
    engine.SetTicksPerMs(kTicksPerMs);
    host.tick = 10;
    host.onSleep = [this] { host.now -= host.now % 10; };
    engine.RowDelay(15); // every reading ends in 0
    EXPECT_EQ(host.sleeps.size(), 1u);
    EXPECT_EQ(host.mainupdates, 1);
    host.onSleep = [this] { host.now += 1 - host.now % 10; };
    engine.RowDelay(15); // the readings after the sleep end in 1
    EXPECT_EQ(host.sleeps.size(), 2u);
    EXPECT_EQ(host.mainupdates, 1);
}

TEST_F(Engine, AStopBeforeOrDuringTheSleepEndsTheWaitAtOnce) {
    engine.SetTicksPerMs(kTicksPerMs);
    host.onSleep = [this] { flags.setkill(true); };
    engine.RowDelay(30);
    ASSERT_EQ(host.sleeps.size(), 1u);
    EXPECT_EQ(host.counterReads, 4) << "the target, the sleep's start and end, the stop";
    host.counterReads = 0;
    engine.RowDelay(30);
    EXPECT_EQ(host.sleeps.size(), 1u) << "a stop already asked for: no sleep";
    EXPECT_EQ(host.counterReads, 2);
}

TEST_F(Engine, TheLineBeyondTheBandEntersNextAfterLeft) {
    // Forward, band of 10 lines, line 25 entering at the bottom: Left moves
    // CurLine across the band; line 25 finishes, then line 15 enters at the top.
    flags.AreaHeight = 10;
    flags.RowsScrolled = 11;
    flags.BandLines = 10;
    host.onStep = [this](std::size_t n) {
        if (n == 1)
            engine.FormKeyDown(37, false, false, false);
        if (n == 4)
            flags.setkill(true);
    };
    Play(std::vector<std::string>(100, "x"), 25);
    EXPECT_EQ(host.drawnLines, (std::vector<std::int32_t>{25, 15}));
    EXPECT_FALSE(host.steps[0].dir) << "line 25 finished forward";
    EXPECT_TRUE(host.steps[3].dir) << "line 15 entered backward";
}

TEST_F(Engine, AStopRequestEndsAWaitAtOnce) {
    engine.SetTicksPerMs(10000);
    flags.setkill(true);
    engine.RowDelay(30);
    EXPECT_LE(host.counterReads, 2);
}

TEST(SpeedKeys, PageUpAndUpGoFasterWithinTheLimits) {
    EXPECT_EQ(DelayAfterSpeedKey(33, 3), 2);
    EXPECT_EQ(DelayAfterSpeedKey(33, 2), 1);
    EXPECT_EQ(DelayAfterSpeedKey(33, 1), 0);
    EXPECT_EQ(DelayAfterSpeedKey(33, 0), 0);
    EXPECT_EQ(DelayAfterSpeedKey(33, 10), 6);
    EXPECT_EQ(DelayAfterSpeedKey(38, 2), 1);
    EXPECT_EQ(DelayAfterSpeedKey(38, 1), 1);
}

TEST(SpeedKeys, PageDownAndDownGoSlowerWithinTheLimits) {
    EXPECT_EQ(DelayAfterSpeedKey(34, 26), 30);
    EXPECT_EQ(DelayAfterSpeedKey(34, 27), 28);
    EXPECT_EQ(DelayAfterSpeedKey(34, 28), 29);
    EXPECT_EQ(DelayAfterSpeedKey(34, 29), 29);
    EXPECT_EQ(DelayAfterSpeedKey(40, 29), 30);
    EXPECT_EQ(DelayAfterSpeedKey(40, 30), 30);
}

TEST_F(Engine, SpeedKeysActOnlyWhilePlaying) {
    host.delay = 10;
    engine.FormKeyDown(33, false, false, false);
    EXPECT_EQ(host.delay, 6);
    flags.Playing = false;
    engine.FormKeyDown(33, false, false, false);
    EXPECT_EQ(host.delay, 6);
    engine.FormKeyDown(27, false, false, false);
    EXPECT_TRUE(flags.getkill()) << "Esc works when idle too";
    engine.FormKeyDown(83, true, true, true);
    EXPECT_EQ(host.captures, 1) << "so does the capture chord";
    engine.FormKeyDown(83, true, true, false);
    EXPECT_EQ(host.captures, 1);
}

TEST_F(Engine, BackwardIsRefusedUntilTheBandHasFilled) {
    flags.AreaHeight = 100;
    flags.RowsScrolled = 100;
    flags.CurLine = 25;
    flags.BandLines = 10;
    engine.FormKeyDown(37, false, false, false);
    EXPECT_FALSE(flags.Reverse);
    EXPECT_EQ(flags.CurLine, 25);
    flags.RowsScrolled = 101;
    engine.FormKeyDown(82, false, false, false); // R
    EXPECT_TRUE(flags.Reverse);
    EXPECT_EQ(flags.RunMode, Direction::Backward);
    EXPECT_EQ(flags.CurLine, 16) << "moved across the band";
    flags.CurLine = -1;
    flags.Reverse = false;
    engine.SetDirection(true);
    EXPECT_FALSE(flags.Reverse) << "no backward before the first line";
}

TEST_F(Engine, RightWhileRunningBackwardClearsReverseOnly) {
    flags.RunMode = Direction::Backward;
    flags.Reverse = true;
    flags.CurLine = 12;
    engine.FormKeyDown(39, false, false, false);
    EXPECT_FALSE(flags.Reverse);
    EXPECT_EQ(flags.RunMode, Direction::Backward);
    EXPECT_EQ(flags.CurLine, 12);
}

TEST_F(Engine, RightFromAPauseRunsForwardAndRealigns) {
    flags.RunMode = Direction::Backward;
    flags.Reverse = true;
    flags.Paused = true;
    flags.CurLine = 15;
    flags.BandLines = 10;
    flags.AreaHeight = 10;
    flags.RowsScrolled = 11;
    engine.FormKeyDown(80, false, false, false); // P
    EXPECT_FALSE(flags.Paused);
    EXPECT_FALSE(flags.Reverse);
    EXPECT_EQ(flags.RunMode, Direction::Forward);
    EXPECT_EQ(flags.CurLine, 24);
    flags.RunMode = Direction::Backward;
    flags.Paused = true;
    flags.RowsScrolled = 0;
    flags.CurLine = -3;
    engine.SetDirection(false);
    EXPECT_EQ(flags.CurLine, 10) << "from below zero, a band not yet filled";
}

TEST_F(Engine, SpaceWhilePausedResumesInTheKeptDirection) {
    flags.RunMode = Direction::Backward;
    flags.Reverse = true;
    flags.Paused = true;
    engine.FormKeyDown(32, false, false, false);
    EXPECT_FALSE(flags.Paused);
    EXPECT_TRUE(flags.Reverse);
    EXPECT_EQ(flags.RunMode, Direction::Backward);
}

TEST_F(Engine, SpaceWhileRunningPausesUntilTheNextSpace) {
    engine.FormKeyDown(32, false, false, false);
    EXPECT_EQ(host.pauseTicks, 1) << "held in the pause until resumed";
    EXPECT_FALSE(flags.Paused);
}

// A remote command pauses in the same handler as Space, but no key event
// comes with it to make the window system show the last rows.
TEST_F(Engine, APauseHandsTheDrawnRowsToTheDisplayBeforeItsWait) {
    int handedBeforeWait = -1;
    host.onStep = [this](std::size_t n) {
        if (n == 2)
            engine.FormKeyDown(32, false, false, false); // Space
    };
    host.onPauseTick.push_back([&] {
        handedBeforeWait = host.presentsNow;
        engine.FormKeyDown(32, false, false, false);
    });
    Play({"one", "two"});
    EXPECT_EQ(handedBeforeWait, 1);
    EXPECT_EQ(host.presentsNow, 3) << "and at the two pauses past the end";
}

TEST_F(Engine, ReleasingLeftOrRPauses) {
    engine.FormKeyUp(37);
    engine.FormKeyUp(82);
    EXPECT_EQ(host.pauseTicks, 2);
    engine.FormKeyUp(39);
    EXPECT_EQ(host.pauseTicks, 2);
}

TEST_F(Engine, APauseEndsWhenPlayingEnds) {
    host.onPauseTick.push_back([this] { flags.Playing = false; });
    engine.EnterPause();
    EXPECT_EQ(host.pauseTicks, 1);
    EXPECT_TRUE(flags.Paused) << "left by the end of playback, not a resume";
    flags.Playing = true;
    engine.EnterPause();
    EXPECT_EQ(host.pauseTicks, 1) << "already paused: returns at once";
}

} // namespace
