// What a remote command does in each state of the prompter: the key it
// stands for, and when it does nothing and says why.
#include <gtest/gtest.h>

#include "app/RemoteCommands.h"

namespace {

std::string Why(RemoteCommand command, const PlaybackFlags& flags, std::int32_t lines = 20,
                std::uint8_t delay = 10, std::int32_t argument = 0) {
    RemoteRequest request;
    request.command = command;
    request.argument = argument;
    return WhyNotApplicable(request, flags, lines, delay);
}

PlaybackFlags Running() {
    PlaybackFlags flags;
    flags.Playing = true;
    flags.AreaHeight = 100;
    flags.RowsScrolled = 101;
    flags.CurLine = 30;
    return flags;
}

TEST(RemoteCommands, EachLiveCommandRunsItsKey) {
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Pause), 32);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Resume), 32);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Faster4), 33);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Slower4), 34);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Backward), 37);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Faster), 38);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Forward), 39);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Slower), 40);
    EXPECT_EQ(KeyOfCommand(RemoteCommand::Play), 0) << "the menu's way";
}

TEST(RemoteCommands, IdleOnlyPlayToggleAndTheDelayApply) {
    const PlaybackFlags idle;
    EXPECT_EQ(Why(RemoteCommand::Play, idle), "");
    EXPECT_EQ(Why(RemoteCommand::Toggle, idle), "");
    EXPECT_EQ(Why(RemoteCommand::SetDelay, idle, 20, 10, 4), "");
    EXPECT_EQ(Why(RemoteCommand::Play, idle, 0), "There is no script to play");
    EXPECT_EQ(Why(RemoteCommand::Toggle, idle, 0), "There is no script to play");
    for (RemoteCommand c :
         {RemoteCommand::Stop, RemoteCommand::Pause, RemoteCommand::Resume, RemoteCommand::Forward,
          RemoteCommand::Backward, RemoteCommand::Faster, RemoteCommand::Slower4})
        EXPECT_EQ(Why(c, idle), "Nothing is playing") << static_cast<int>(c);
}

TEST(RemoteCommands, WhilePlayingACommandThatChangesNothingSaysSo) {
    PlaybackFlags flags = Running();
    EXPECT_EQ(Why(RemoteCommand::Play, flags), "Already playing");
    EXPECT_EQ(Why(RemoteCommand::Stop, flags), "");
    EXPECT_EQ(Why(RemoteCommand::Resume, flags), "Not paused");
    EXPECT_EQ(Why(RemoteCommand::Forward, flags), "Already running forward");
    EXPECT_EQ(Why(RemoteCommand::Pause, flags), "");
    flags.Paused = true;
    EXPECT_EQ(Why(RemoteCommand::Pause, flags), "Already paused");
    EXPECT_EQ(Why(RemoteCommand::Resume, flags), "");
    EXPECT_EQ(Why(RemoteCommand::Forward, flags), "") << "Right lifts a pause";
    EXPECT_EQ(Why(RemoteCommand::Faster, flags, 20, 1), "Already at the fastest");
    EXPECT_EQ(Why(RemoteCommand::Faster4, flags, 20, 1), "") << "Page Up reaches 0";
    EXPECT_EQ(Why(RemoteCommand::Slower4, flags, 20, 29), "Already at the slowest");
    EXPECT_EQ(Why(RemoteCommand::Slower, flags, 20, 29), "");
    EXPECT_EQ(Why(RemoteCommand::SetDelay, flags, 20, 10, -1), "The delay cannot be negative");
}

TEST(RemoteCommands, BackwardWaitsForAFilledBandAsLeftDoes) {
    PlaybackFlags flags = Running();
    EXPECT_EQ(Why(RemoteCommand::Backward, flags), "");
    flags.RowsScrolled = 100;
    EXPECT_EQ(Why(RemoteCommand::Backward, flags), "The text has not filled the screen yet");
    flags = Running();
    flags.Reverse = true;
    EXPECT_EQ(Why(RemoteCommand::Backward, flags), "Already running backward");
    flags.Paused = true;
    EXPECT_EQ(Why(RemoteCommand::Backward, flags), "") << "held again from the pause";
}

TEST(RemoteCommands, AStopIsTakenWhenThePlaybackEnds) {
    EXPECT_TRUE(EndsPlayback(RemoteCommand::Stop, true));
    EXPECT_TRUE(EndsPlayback(RemoteCommand::Toggle, true));
    EXPECT_FALSE(EndsPlayback(RemoteCommand::Toggle, false)) << "then it plays";
    EXPECT_FALSE(EndsPlayback(RemoteCommand::Pause, true));
}

TEST(RemoteCommands, TheScriptGoesByItsFileName) {
    EXPECT_EQ(ScriptName("C:\\shows\\Monday\\news.txt"), "news.txt");
    EXPECT_EQ(ScriptName("news.txt"), "news.txt");
    EXPECT_EQ(ScriptName(""), "");
}

// Counted as the editor counts them, else not taken at all.
TEST(RemoteCommands, TheTextSplitsAtItsLineEndsOnly) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitCrLfLines(""), Lines{});
    EXPECT_EQ(SplitCrLfLines("one"), Lines{"one"});
    EXPECT_EQ(SplitCrLfLines("one\r\ntwo"), (Lines{"one", "two"}));
    EXPECT_EQ(SplitCrLfLines("one\r\n"), Lines{"one"}) << "an empty last line is not counted";
    EXPECT_EQ(SplitCrLfLines("one\r\n\r\n"), (Lines{"one", ""}));
    EXPECT_EQ(SplitCrLfLines("\xd7\x90\r\n\t x"), (Lines{"\xd7\x90", "\t x"}));
    EXPECT_FALSE(SplitCrLfLines("one\ntwo"));
    EXPECT_FALSE(SplitCrLfLines("one\rtwo"));
    EXPECT_FALSE(SplitCrLfLines("one\r"));
}

} // namespace
