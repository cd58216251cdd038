#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "playback/PlaybackFlags.h"
#include "remote/RemoteTypes.h"

// Why a remote command does nothing in the prompter's state, in the user's
// words; empty when it applies. The same rules as its key or menu command:
// what the key would ignore, the command reports instead.
std::string WhyNotApplicable(const RemoteRequest& request, const PlaybackFlags& flags,
                             std::int32_t lines, std::uint8_t delay);

// The output window's key whose handler a command runs; 0 for Play, Stop,
// Toggle and SetDelay, which go the menu's and the delay's way.
std::uint16_t KeyOfCommand(RemoteCommand command);

// The command ends the playback: taken once the scroll loop has let go.
bool EndsPlayback(RemoteCommand command, bool playing);

// Whether two published states differ in anything a remote shows.
bool SameState(const RemoteState& a, const RemoteState& b);

// The script's name as a remote shows it: the file name without its folder.
std::string ScriptName(const std::string& path);

// The editor's text cut at its CR LF line ends, an empty last line dropped as
// the editor's line count drops it; none when a lone CR or LF is in it.
std::optional<std::vector<std::string>> SplitCrLfLines(std::string_view text);
