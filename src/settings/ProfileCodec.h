#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "win/TextConvert.h"

// How values are spelled in a settings file. Platform-free so it can be
// tested natively.

// Texts are read with this limit, in UTF-16 characters: a path up to the
// system's limit fits whole.
inline constexpr std::size_t kProfileTextMax = 32767;

// A number as written in a settings file: decimal with an optional sign, or
// "0x"/"0X" followed by hexadecimal digits (taken as a 32-bit pattern, so
// "0xFFFFFFFF" is -1). Nothing for text that is not such a number or does not
// fit 32 bits.
std::optional<std::int64_t> ParseProfileNumber(std::string_view text);
// The same, except that a decimal beyond 32 bits, however long, gives a value
// just past the end it lies beyond, for callers that clamp.
std::optional<std::int64_t> ParseProfileNumberSaturated(std::string_view text);

// Decimal, with a leading "-" for negative values.
std::string FormatProfileNumber(std::int64_t value);

// The font style set to the single style code of the file: 0 none, 1 bold,
// 2 italic, 3 underline, 4 strike-out. Any other set is written as 0.
std::int32_t StyleToCode(std::uint8_t style);
// A code outside 0 to 4 gives no style.
std::uint8_t CodeToStyle(std::int32_t code);

// The bare name of a settings file from its path: the characters after the
// last backslash and before the last four (the extension), in lower case,
// cut to 255 characters.
std::string BaseConfigName(std::string_view path);

// The default settings file, loaded at start-up and written by
// "Save Default Settings".
inline constexpr std::string_view kDefaultSettingsName = "rollscript";

// The text without leading and trailing blanks and control characters.
std::string TrimBlanks(std::string_view text);

// True when nothing but blanks and control characters is left.
bool IsBlank(std::string_view text);

// What a read gives back for a value written as `text`: the profile
// functions trim blanks and strip one pair of surrounding quotes.
std::string ProfileEcho(std::string_view text);

// The path of the settings file `name` beside the program: `programDir`
// (ending with a backslash), "settings", a backslash, the name and ".mes".
// Throws std::invalid_argument for a name that cannot be a file name.
std::string SettingsPath(const std::string& programDir, const std::string& name);
std::string SettingsFolder(const std::string& programDir);
