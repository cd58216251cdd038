#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "remote/RemoteServer.h"
#include "settings/ProfileFile.h"

// The remote control's choices in the default settings file, section
// "Remote". Only the Remote Control dialog writes them and only start-up
// reads them: a settings file loaded for a show leaves the remote alone.
inline constexpr std::string_view kRemoteSection = "Remote";
inline constexpr std::uint16_t kDefaultRemotePort = 8765;

// The section's values; an absent or bad value gives its default: off, this
// computer only, port 8765, no key (the caller makes one).
RemoteSettings ReadRemoteSettings(IProfileFile& file);
// Writes the four keys; false at the first that did not reach the file.
bool WriteRemoteSettings(IProfileFile& file, const RemoteSettings& settings);
// Reads the section back and compares.
bool RemoteSettingsReadBack(IProfileFile& file, const RemoteSettings& settings);

// A port as typed: a number from 1024 to 65535.
std::optional<std::uint16_t> ParseRemotePort(std::string_view text);
// 32 hexadecimal digits.
bool IsAccessKey(std::string_view text);
