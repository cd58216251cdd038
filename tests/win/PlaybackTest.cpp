// Play and Stop through the real output window, with the counter scripted so
// every step lets messages in, and keys posted at chosen steps.
#include <functional>
#include <memory>

#include "OutputFixture.h"
#include "app/RemoteBridge.h"
#include "win/Win32Error.h"

namespace {

class Playback : public OutputFixture {
  protected:
    void SetUp() override {
        OutputFixture::SetUp();
        // Every wait reads the counter a few times and ends on a multiple of
        // ten, so pending messages run after every step.
        platform.counter.now = 0;
        platform.counter.step = 5000;
        auto wait = out().RowDelay;
        out().RowDelay = [this, wait](std::int32_t delay) {
            ++steps;
            if (onStep)
                onStep(steps);
            wait(delay);
        };
        current = this;
    }
    void TearDown() override {
        // A thread timer outlives the test: left running it would answer the
        // next test's pauses.
        for (UINT_PTR timer : timers)
            KillTimer(nullptr, timer);
        current = nullptr;
        OutputFixture::TearDown();
    }

    void Script(int lines) {
        std::string text;
        for (int i = 1; i <= lines; ++i)
            text += "Line " + std::to_string(i) + (i < lines ? "\r\n" : "");
        form1().Memo1().SetText(text);
    }
    void Key(WORD key) { PostMessageA(out().hwnd(), WM_KEYDOWN, key, 0); }
    void KeyUp(WORD key) { PostMessageA(out().hwnd(), WM_KEYUP, key, 0); }
    void Play() {
        SendMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::playbutton), 0);
    }
    // Answers every pause with Space, as an operator resuming would.
    void ResumeEveryPause() { timers.push_back(SetTimer(nullptr, 0, 1, Resume)); }
    static void CALLBACK Resume(HWND, UINT, UINT_PTR, DWORD) {
        if (current && current->out().Paused) {
            ++current->resumes;
            current->pausedReverse.push_back({current->out().Reverse, current->out().CurLine});
            current->out().FormKeyDown(VK_SPACE, false, false, false);
        }
    }

    // Answers the first pause with Esc.
    void StopAtThePause() { timers.push_back(SetTimer(nullptr, 0, 1, Stop)); }
    static void CALLBACK Stop(HWND, UINT, UINT_PTR timer, DWORD) {
        if (current && current->out().Paused) {
            KillTimer(nullptr, timer);
            current->pausedReverse.push_back({current->out().Reverse, current->out().CurLine});
            current->out().FormKeyDown(VK_ESCAPE, false, false, false);
        }
    }

    static inline Playback* current = nullptr;
    std::vector<UINT_PTR> timers;
    int steps = 0;
    int resumes = 0;
    std::vector<std::pair<bool, int>> pausedReverse; // direction and line at each pause
    std::function<void(int)> onStep;
};

TEST_F(Playback, AShortScriptRunsToItsEndPausesTwiceAndComesBack) {
    Script(3);
    ResumeEveryPause();
    bool sawStop = false, sawOutput = false, editorHidden = false, remoteOffered = false;
    const auto remoteEnabled = [&] {
        return !(GetMenuState(GetMenu(form1().hwnd()), static_cast<UINT>(MenuId::Remote1),
                              MF_BYCOMMAND) &
                 MF_GRAYED);
    };
    onStep = [&](int) {
        sawStop = sawStop || state().menu.Caption(MenuId::playbutton) == "Sto&p";
        remoteOffered = remoteOffered || remoteEnabled();
        sawOutput = sawOutput || out().IsVisible();
        editorHidden = editorHidden || !form1().IsVisible();
    };
    ShowWindow(form1().hwnd(), SW_SHOW);
    EXPECT_EQ(state().menu.Caption(MenuId::playbutton), "&Play");
    Play();
    EXPECT_TRUE(sawStop);
    EXPECT_FALSE(remoteOffered) << "the Remote dialog would hold the scroll loop";
    EXPECT_TRUE(remoteEnabled()) << "and is offered again after";
    EXPECT_TRUE(sawOutput);
    EXPECT_TRUE(editorHidden) << "single-screen playback hides the editor";
    EXPECT_EQ(resumes, 2);
    EXPECT_EQ(out().CurLine, 5);
    EXPECT_EQ(steps, 5 * (out().LineHeight - 1));
    EXPECT_FALSE(out().Playing);
    EXPECT_FALSE(out().IsVisible());
    EXPECT_TRUE(form1().IsVisible());
    // Alt+P again, as before the first playback.
    EXPECT_EQ(state().menu.Caption(MenuId::playbutton), "&Play");
    char caption[32] = {0};
    GetMenuStringA(GetMenu(form1().hwnd()), static_cast<UINT>(MenuId::playbutton), caption,
                   sizeof caption, MF_BYCOMMAND);
    EXPECT_STREQ(caption, "&Play");
}

TEST_F(Playback, StoppingWhileLineFiveEntersPutsTheCaretOnLineSix) {
    Script(20);
    state().CursorLine = 0;
    onStep = [&](int) {
        if (out().CurLine == 4 && !out().getkill())
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_FALSE(out().Playing);
    Memo& memo = form1().Memo1();
    EXPECT_EQ(memo.SelStart(), memo.LineIndex(5));
    EXPECT_EQ(memo.SelLength(), 0);
}

TEST_F(Playback, PlayStartsAtTheRecordedCaretLineAndPlayAgainStops) {
    Script(20);
    state().CursorLine = 6;
    int firstLine = -1;
    onStep = [&](int n) {
        if (n == 1)
            firstLine = out().CurLine;
        if (n == 3)
            Play(); // the Play command while playing is Stop
    };
    Play();
    EXPECT_EQ(firstLine, 6);
    EXPECT_FALSE(out().Playing);
    EXPECT_EQ(steps, 3) << "the stop is seen at the next row";
}

TEST_F(Playback, StoppingOnTheLastLineLeavesTheCaretAlone) {
    Script(3);
    form1().Memo1().SetSelection(2, 0);
    state().CursorLine = 2;
    onStep = [&](int) { Key(VK_ESCAPE); };
    Play();
    EXPECT_EQ(form1().Memo1().SelStart(), 2);
}

TEST_F(Playback, AnEmptyEditorPlaysNothing) {
    form1().Memo1().SetText("");
    Play();
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(out().IsVisible());
    EXPECT_TRUE(platform.ui.boxes.empty());
}

TEST_F(Playback, InvisibleTextIsRefusedWithMessage32) {
    Script(3);
    form1().Memo1().SetSelection(4, 0);
    out().CurLine = 1; // left by an earlier playback
    FontSpec font = state().editorFont;
    font.color = state().editorColor;
    UseLook(font, state().editorColor);
    ShowWindow(form1().hwnd(), SW_SHOW);
    Play();
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, "Font color and background color are the same.");
    EXPECT_EQ(platform.ui.boxes[0].style, 0x30u);
    EXPECT_EQ(steps, 0);
    EXPECT_FALSE(out().Playing);
    EXPECT_FALSE(out().IsVisible());
    EXPECT_TRUE(form1().IsVisible());
    EXPECT_EQ(form1().Memo1().SelStart(), 4) << "nothing scrolled, the caret stays";
}

TEST_F(Playback, TextReachesTheOutputWindow) {
    Script(30);
    bool textSeen = false;
    onStep = [&](int n) {
        if (n == 3 * (out().LineHeight - 1)) {
            const PixelBlock screen = Screen();
            for (int y = out().ScrollBand.top; y < out().ScrollBand.bottom && !textSeen; ++y)
                textSeen = !screen.RowIs(y, kBackground);
            Key(VK_ESCAPE);
        }
    };
    Play();
    EXPECT_TRUE(textSeen);
}

TEST_F(Playback, SpeedKeysChangeTheDelayLive) {
    Script(20);
    form1().SetSdelaY(10);
    onStep = [&](int n) {
        if (n == 1)
            Key(VK_PRIOR); // 10 -> 6
        if (n == 2)
            Key(VK_DOWN); // 6 -> 7
        if (n == 3)
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_EQ(state().Delay, 7);
}

TEST_F(Playback, HoldingLeftRunsBackwardAndReleasingPauses) {
    Script(60);
    state().CursorLine = 0;
    ResumeEveryPause();
    int backwardSteps = 0;
    bool pressed = false, released = false;
    const int screenful = 768 / 30 + 3; // lines of a full band, and some
    onStep = [&](int) {
        if (out().Reverse)
            ++backwardSteps;
        if (!pressed && out().CurLine == screenful) {
            pressed = true;
            Key(VK_LEFT);
        }
        if (!released && backwardSteps == 2 * out().LineHeight) {
            released = true;
            KeyUp(VK_LEFT);
        }
        if (released && resumes > 0)
            Key(VK_ESCAPE);
    };
    pausedReverse.clear();
    Play();
    EXPECT_GT(backwardSteps, 0) << "the band had filled, so Left was taken";
    ASSERT_FALSE(pausedReverse.empty()) << "releasing Left paused";
    EXPECT_TRUE(pausedReverse.front().first) << "paused while running backward";
    EXPECT_GT(pausedReverse.front().second, 0) << "not the pause at the top";
}

// Backward past the first line the loop's line is -1; a stop there puts the
// caret at the start of the line it is on.
TEST_F(Playback, StoppingAtTheTopPutsTheCaretAtItsLineStart) {
    Script(60);
    Memo& memo = form1().Memo1();
    memo.SetSelection(memo.LineIndex(10) + 3, 0);
    state().CursorLine = 0;
    const int screenful = 768 / 30 + 3;
    onStep = [&](int) {
        if (out().CurLine == screenful && !out().Reverse)
            Key(VK_LEFT); // held to the top
    };
    StopAtThePause();
    Play();
    ASSERT_EQ(pausedReverse.size(), 1u);
    EXPECT_TRUE(pausedReverse[0].first && pausedReverse[0].second == 0) << "paused at the top";
    EXPECT_EQ(out().CurLine, -1);
    EXPECT_EQ(memo.SelStart(), memo.LineIndex(10));
    EXPECT_EQ(memo.SelLength(), 0);
}

TEST_F(Playback, APauseLeftByAStoppedPlaybackDoesNotCarryOver) {
    Script(3);
    out().Paused = true; // as a stop during a pause leaves it
    ResumeEveryPause();
    Play();
    EXPECT_EQ(resumes, 2) << "both end pauses still happen";
    EXPECT_EQ(out().CurLine, 5);
}

TEST_F(Playback, AOneLineScriptNeverMovesTheCaret) {
    Script(1);
    form1().Memo1().SetSelection(3, 0);
    state().CursorLine = 0;
    onStep = [&](int n) {
        if (n == 2)
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_EQ(form1().Memo1().SelStart(), 3);
}

TEST_F(Playback, StoppingOnTheLastButOneLineLeavesTheCaret) {
    Script(3);
    form1().Memo1().SetSelection(2, 0);
    state().CursorLine = 1;
    onStep = [&](int n) {
        if (n == 2)
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_EQ(form1().Memo1().SelStart(), 2);
}

TEST_F(Playback, ClosingTheOutputWindowOnlyStops) {
    Script(20);
    onStep = [&](int n) {
        if (n == 3)
            PostMessageA(out().hwnd(), WM_CLOSE, 0, 0);
    };
    Play();
    EXPECT_LE(steps, 4);
    EXPECT_TRUE(IsWindow(out().hwnd())) << "the output window lives on";
    EXPECT_FALSE(out().Playing);
    steps = 0;
    onStep = [&](int n) {
        if (n == 2)
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_EQ(steps, 2) << "and plays again";
}

TEST_F(Playback, AnErrorInsideTheLoopStillEndsThePlayback) {
    Script(20);
    ShowWindow(form1().hwnd(), SW_SHOW);
    onStep = [&](int n) {
        if (n == 4)
            throw Win32Error(ERROR_NOT_ENOUGH_MEMORY);
    };
    Play();
    EXPECT_FALSE(out().Playing);
    EXPECT_FALSE(out().IsVisible());
    EXPECT_TRUE(form1().IsVisible());
    EXPECT_EQ(state().menu.Caption(MenuId::playbutton), "&Play");
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_EQ(platform.ui.boxes[0].text, SystemErrorText(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(platform.ui.boxes[0].caption, "rollscript");
    onStep = nullptr;
    steps = 0;
    onStep = [&](int n) {
        if (n == 2)
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_EQ(steps, 2) << "Play works again";
}

TEST_F(Playback, NoGdiObjectsLeakOverAPlayback) {
    Script(10);
    onStep = [&](int n) {
        if (n == 40)
            Key(VK_ESCAPE);
    };
    auto playBoth = [&] {
        for (bool mirror : {false, true}) {
            SetMirror(mirror);
            steps = 0;
            Play();
        }
    };
    playBoth(); // the first playbacks make what later ones reuse
    const int before = GdiObjectCount();
    playBoth();
    playBoth();
    EXPECT_LE(GdiObjectCount(), before);
}

// Remote commands through the bridge the server hands them to, with what it
// would send back recorded: the state as each command is answered.
class RemotePlayback : public Playback, public RemoteSink {
  protected:
    void SetUp() override {
        Playback::SetUp();
        bridge = std::make_unique<RemoteBridge>(form1(), out(), app->services().ui, *this);
        ASSERT_TRUE(bridge->Create());
        out().SetObserver(bridge.get());
        bridge->SetActive(true);
    }
    void TearDown() override {
        out().SetObserver(nullptr);
        bridge.reset();
        Playback::TearDown();
    }
    void PublishState(const RemoteState& state) override { published.push_back(state); }
    void PublishScript(std::shared_ptr<const TalentScript> script) override {
        scripts.push_back(std::move(script));
    }
    void CommandDone(const RemoteResult& result) override {
        answers.push_back({result, out().Playing, out().Paused, state().Delay});
        if (onAnswer)
            onAnswer(result);
    }
    void Send(std::uint64_t id, RemoteCommand command, std::int32_t argument = 0) {
        ASSERT_TRUE(bridge->PostCommand({id, command, argument, 0}));
    }
    struct Answer {
        RemoteResult result;
        bool playing, paused;
        int delay;
    };
    std::unique_ptr<RemoteBridge> bridge;
    std::vector<RemoteState> published;
    std::vector<std::shared_ptr<const TalentScript>> scripts;
    std::vector<Answer> answers;
    std::function<void(const RemoteResult&)> onAnswer;
};

// The keys' test above, steered from outside: the same handlers change the
// same fields, and each answer comes once its command has taken effect, the
// pause's before the pause ends.
TEST_F(RemotePlayback, CommandsRunTheirKeysHandlersAndAnswerOnceTakenEffect) {
    Script(20);
    form1().SetSdelaY(10);
    onStep = [&](int n) {
        if (n == 1)
            Send(2, RemoteCommand::Faster4); // 10 -> 6, as Page Up
        if (n == 2)
            Send(3, RemoteCommand::Slower); // 6 -> 7, as Down
        if (n == 3)
            Send(4, RemoteCommand::Pause);
    };
    onAnswer = [&](const RemoteResult& result) {
        if (result.id == 4)
            Send(5, RemoteCommand::Pause); // already paused
        if (result.id == 5)
            Send(6, RemoteCommand::Resume);
        if (result.id == 6)
            Send(7, RemoteCommand::SetDelay, 45);
        if (result.id == 7)
            Send(8, RemoteCommand::Stop);
    };
    Send(1, RemoteCommand::Play);
    app->mainupdate();
    ASSERT_EQ(answers.size(), 8u);
    for (const Answer& a : answers)
        EXPECT_EQ(a.result.outcome,
                  a.result.id == 5 ? RemoteOutcome::NotApplicable : RemoteOutcome::Applied)
            << a.result.id;
    EXPECT_TRUE(answers[0].playing) << "Play answers once playing, not when it ends";
    EXPECT_EQ(answers[1].delay, 6);
    EXPECT_EQ(answers[2].delay, 7);
    EXPECT_TRUE(answers[3].paused) << "Pause answers from inside the pause";
    EXPECT_EQ(answers[4].result.reason, "Already paused");
    EXPECT_FALSE(answers[5].paused);
    EXPECT_EQ(answers[6].delay, 30) << "as the delay setter has it";
    EXPECT_FALSE(answers[7].playing) << "Stop answers once the playback has ended";
    EXPECT_FALSE(out().Playing);
    ASSERT_FALSE(published.empty());
    EXPECT_FALSE(published.back().playing);
    EXPECT_GT(published.back().rows, 0);
    EXPECT_EQ(published.back().lines, 20);
}

// The talent views get the display lines as the output draws them: before
// Play from the caret's line, once a playback has laid out its band with its
// geometry, and never again at a line entry; and a reading of the position
// at the band's start, at each line entry and at each change.
TEST_F(RemotePlayback, TalentViewsGetTheLinesOncePerPlaybackAndEveryReading) {
    Script(12);
    form1().SetSdelaY(4);
    Memo& memo = form1().Memo1();
    memo.SetSelection(memo.LineIndex(3), 0);
    state().CursorLine = 3;
    scripts.clear();
    bridge->SetActive(true);
    ASSERT_EQ(scripts.size(), 1U);
    ASSERT_EQ(scripts[0]->lines.size(), 12U);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(scripts[0]->lines[i], form1().LineText(i));
    EXPECT_EQ(scripts[0]->first, 3) << "from the caret's line";

    published.clear();
    onStep = [&](int n) {
        if (n == 30)
            Send(2, RemoteCommand::Slower);
        if (n == 60)
            Send(3, RemoteCommand::Stop);
    };
    Send(1, RemoteCommand::Play);
    app->mainupdate();
    ASSERT_LE(scripts.size(), 2U) << "once per playback, never at a line entry";
    const TalentScript& played = *scripts.back();
    EXPECT_EQ(played.lines, scripts[0]->lines);
    EXPECT_EQ(played.first, 3);
    EXPECT_EQ(played.pitch, out().LineHeight - 1);
    EXPECT_EQ(scripts[0]->pitch, played.pitch) << "before Play, lines as far apart as played";
    EXPECT_EQ(played.bandHeight, out().ScrollBand.bottom - out().ScrollBand.top);
    EXPECT_EQ(played.outputWidth, state().Sc_Tr.right - state().Sc_Tr.left);
    EXPECT_EQ(played.textColor, state().editorFont.color);
    EXPECT_EQ(played.backColor, state().editorColor);

    std::vector<RemoteState> running;
    for (const RemoteState& s : published)
        if (s.playing)
            running.push_back(s);
    ASSERT_GE(running.size(), 3U);
    EXPECT_EQ(running.front().rows, 0) << "read where the first row enters";
    bool sawSlower = false;
    for (std::size_t i = 1; i < running.size(); ++i) {
        EXPECT_GE(running[i].rows, running[i - 1].rows);
        EXPECT_GE(running[i].atMs, running[i - 1].atMs);
        sawSlower = sawSlower || running[i].stepMs == 5;
    }
    EXPECT_EQ(running.front().stepMs, 4);
    EXPECT_TRUE(sawSlower) << "a change of speed is a reading of its own";
    EXPECT_EQ(bridge->LiveRows(), out().RowsMoved.load());
}

// Stopped, the watch reads the lines again only when their source changed,
// which includes an edit that keeps the text's length and line count, and
// once the text has held still from one look to the next.
TEST_F(RemotePlayback, TalentViewsGetAnEditThatKeepsTheLengthAndLineCount) {
    Script(12);
    const auto watch = [&] { SendMessageW(bridge->hwnd(), WM_TIMER, 1, 0); };
    watch();
    watch();
    scripts.clear();
    watch();
    EXPECT_TRUE(scripts.empty()) << "nothing changed";
    Memo& memo = form1().Memo1();
    memo.SetSelection(memo.LineIndex(4), 1); // the "L" of "Line 5"
    SendMessageW(memo.hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"K"));
    watch();
    EXPECT_TRUE(scripts.empty()) << "read once the text holds still";
    watch();
    ASSERT_EQ(scripts.size(), 1u);
    EXPECT_EQ(scripts[0]->lines[4], "Kine 5");
    EXPECT_EQ(scripts[0]->lines.size(), 12u);

    // A paragraph the editor wraps: its display lines, as the editor has them.
    memo.SetSelection(memo.LineIndex(6), 0);
    std::wstring words;
    for (int i = 0; i < 400; ++i)
        words += L"word ";
    SendMessageW(memo.hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(words.c_str()));
    watch();
    watch();
    ASSERT_EQ(scripts.size(), 2u);
    ASSERT_GT(form1().LineCount(), 13) << "the paragraph wraps";
    ASSERT_EQ(scripts[1]->lines.size(), static_cast<std::size_t>(form1().LineCount()));
    for (int i = 0; i < form1().LineCount(); ++i)
        EXPECT_EQ(scripts[1]->lines[i], form1().LineText(i)) << i;
}

// Backward from the remote runs until the next command; Forward then counts
// the lines onward, as Right does after the pause of letting Left go, so the
// line entering at the bottom follows the one above it.
TEST_F(RemotePlayback, ForwardAfterABackwardRunCountsTheLinesOnward) {
    Script(60);
    state().CursorLine = 0;
    form1().SetSdelaY(0);
    const int screenful = 768 / 30 + 3;
    bool back = false, forward = false, stopped = false;
    std::vector<int> entered;
    int last = -1;
    onStep = [&](int) {
        if (!back && out().CurLine == screenful) {
            back = true;
            Send(1, RemoteCommand::Backward);
        }
        if (back && !forward && out().CurLine < screenful - 2) {
            forward = true;
            Send(2, RemoteCommand::Forward);
        }
        if (forward && !out().Reverse && out().CurLine != last) {
            last = out().CurLine;
            entered.push_back(last);
        }
        if (!stopped && entered.size() == 4) {
            stopped = true;
            Send(3, RemoteCommand::Stop);
        }
    };
    Send(0, RemoteCommand::Play);
    app->mainupdate();
    ASSERT_GE(entered.size(), 4u) << "the playback ran forward again";
    for (std::size_t i = 1; i < entered.size(); ++i)
        EXPECT_EQ(entered[i], entered[i - 1] + 1) << "line " << i;
    EXPECT_FALSE(out().Playing);
}

// A command while any dialog of the program is open does nothing.
TEST_F(RemotePlayback, ACommandWhileADialogIsOpenIsBusyAndChangesNothing) {
    Script(20);
    platform.ui.fontDialog = [&](FontSpec&, const std::function<void(const FontSpec&)>&) {
        Send(1, RemoteCommand::Play);
        Send(2, RemoteCommand::SetDelay, 3);
        app->mainupdate();
        return false;
    };
    form1().SetSdelaY(10);
    form1().TypeansSize1Click();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].result.outcome, RemoteOutcome::Busy);
    EXPECT_EQ(answers[1].result.outcome, RemoteOutcome::Busy);
    EXPECT_FALSE(answers[0].playing);
    EXPECT_EQ(state().Delay, 10);
    EXPECT_EQ(steps, 0);
    Send(3, RemoteCommand::Pause);
    app->mainupdate();
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[2].result.outcome, RemoteOutcome::NotApplicable);
    EXPECT_EQ(answers[2].result.reason, "Nothing is playing");
}

class DualScreenPlayback : public Playback {
  protected:
    void SetUp() override {
        platform.display.monitors = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
        Playback::SetUp();
        state().menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true);
        ShowWindow(form1().hwnd(), SW_SHOW);
    }
};

TEST_F(DualScreenPlayback, EditorStaysWithThePreviewAndTheLineInThePanel) {
    Script(12);
    state().CursorLine = 0;
    std::string panelAfterFourth;
    bool editorVisible = true, panelShown = false;
    RECT placed{};
    onStep = [&](int n) {
        editorVisible = editorVisible && form1().IsVisible();
        panelShown = panelShown || form1().Panel2().IsVisible();
        if (n == 1)
            GetWindowRect(out().hwnd(), &placed);
        if (out().CurLine == 4 && panelAfterFourth.empty())
            panelAfterFourth = form1().StatusBar1().Text(1);
        if (out().CurLine == 5)
            Key(VK_ESCAPE);
    };
    Play();
    EXPECT_TRUE(editorVisible);
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(placed.left, 1024) << "on the talent monitor";
    EXPECT_EQ(panelAfterFourth, "Line  4 of 12");
    EXPECT_FALSE(form1().Panel2().IsVisible()) << "hidden again after";
}

// The monitors are listed at the start, not at every line; when the system
// announces that the talent monitor went away, dual-screen behaviour ends by
// the next line.
TEST_F(DualScreenPlayback, MonitorsAreListedOnceUntilADisplayChange) {
    Script(12);
    state().CursorLine = 0;
    int listingsAtLineTwo = -1, listingsAtLineSix = -1;
    bool dualAfterChange = true;
    onStep = [&](int) {
        if (out().CurLine == 2 && listingsAtLineTwo < 0)
            listingsAtLineTwo = platform.display.listings;
        if (out().CurLine == 6 && listingsAtLineSix < 0) {
            listingsAtLineSix = platform.display.listings;
            platform.display.monitors.pop_back();
            SendMessageA(out().hwnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
        }
        if (out().CurLine == 8) {
            dualAfterChange = out().DualScreenActive();
            Key(VK_ESCAPE);
        }
    };
    Play();
    EXPECT_GE(listingsAtLineTwo, 1);
    EXPECT_EQ(listingsAtLineSix, listingsAtLineTwo) << "no listing per line";
    EXPECT_FALSE(dualAfterChange);
}

TEST_F(DualScreenPlayback, NoGdiObjectsLeakOverPreviewPlaybacks) {
    Script(10);
    onStep = [&](int n) {
        if (n == 40)
            Key(VK_ESCAPE);
    };
    Play();
    const int before = GdiObjectCount();
    for (int i = 0; i < 3; ++i) {
        steps = 0;
        Play();
    }
    EXPECT_LE(GdiObjectCount(), before);
}

} // namespace
