#include "app/RemoteCommands.h"

#include "playback/PlaybackEngine.h"

namespace {
std::string WhyNotWhilePlaying(RemoteCommand command, const PlaybackFlags& f, std::uint8_t delay) {
    switch (command) {
    case RemoteCommand::Pause:
        return f.Paused ? "Already paused" : "";
    case RemoteCommand::Resume:
        return f.Paused ? "" : "Not paused";
    case RemoteCommand::Forward:
        return f.Paused || f.Reverse ? "" : "Already running forward";
    case RemoteCommand::Backward:
        if (!f.BandFilled() || f.CurLine < 0)
            return "The text has not filled the screen yet";
        return f.Reverse && !f.Paused ? "Already running backward" : "";
    case RemoteCommand::Faster:
    case RemoteCommand::Faster4:
        return DelayAfterSpeedKey(KeyOfCommand(command), delay) == delay ? "Already at the fastest"
                                                                         : "";
    case RemoteCommand::Slower:
    case RemoteCommand::Slower4:
        return DelayAfterSpeedKey(KeyOfCommand(command), delay) == delay ? "Already at the slowest"
                                                                         : "";
    default:
        return "";
    }
}
} // namespace

std::string WhyNotApplicable(const RemoteRequest& request, const PlaybackFlags& flags,
                             std::int32_t lines, std::uint8_t delay) {
    const RemoteCommand command = request.command;
    switch (command) {
    case RemoteCommand::Play:
        if (flags.Playing)
            return "Already playing";
        return lines == 0 ? "There is no script to play" : "";
    case RemoteCommand::Toggle:
        return !flags.Playing && lines == 0 ? "There is no script to play" : "";
    case RemoteCommand::Stop:
        return flags.Playing ? "" : "Nothing is playing";
    case RemoteCommand::SetDelay:
        // Above 30 the delay setter makes it 30, as it does for a settings file.
        return request.argument < 0 ? "The delay cannot be negative" : "";
    default:
        return flags.Playing ? WhyNotWhilePlaying(command, flags, delay) : "Nothing is playing";
    }
}

std::uint16_t KeyOfCommand(RemoteCommand command) {
    switch (command) {
    case RemoteCommand::Pause:
    case RemoteCommand::Resume:
        return kKeySpace;
    case RemoteCommand::Forward:
        return kKeyRight;
    case RemoteCommand::Backward:
        return kKeyLeft;
    case RemoteCommand::Faster:
        return kKeyUp;
    case RemoteCommand::Slower:
        return kKeyDown;
    case RemoteCommand::Faster4:
        return kKeyPageUp;
    case RemoteCommand::Slower4:
        return kKeyPageDown;
    default:
        return 0;
    }
}

bool EndsPlayback(RemoteCommand command, bool playing) {
    return playing && (command == RemoteCommand::Stop || command == RemoteCommand::Toggle);
}

bool SameState(const RemoteState& a, const RemoteState& b) {
    return a.playing == b.playing && a.paused == b.paused && a.backward == b.backward &&
           a.delay == b.delay && a.line == b.line && a.lines == b.lines && a.script == b.script &&
           a.dual == b.dual && a.mirror == b.mirror && a.rows == b.rows && a.modal == b.modal;
}

std::string ScriptName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::vector<std::string>> SplitCrLfLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            break;
        if (text[end] != '\r' || end + 1 >= text.size() || text[end + 1] != '\n')
            return std::nullopt;
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}
