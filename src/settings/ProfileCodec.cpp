#include "settings/ProfileCodec.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

#include "app/model/EditorFont.h"

namespace {
bool IsBlankChar(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int64_t> ParseHex(std::string_view digits) {
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int64_t> ParseDecimal(std::string_view text, bool saturate) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // One more than the 32-bit range so both ends can be told apart.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::uint32_t>::max()} + 1;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kLimit);
    }
    value = negative ? -value : value;
    if (saturate)
        return std::clamp<std::int64_t>(value, -kLimit, kLimit);
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::int64_t{std::numeric_limits<std::uint32_t>::max()})
        return std::nullopt;
    return value;
}
} // namespace

std::optional<std::int64_t> ParseProfileNumber(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2));
    return ParseDecimal(text, false);
}

std::optional<std::int64_t> ParseProfileNumberSaturated(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2));
    return ParseDecimal(text, true);
}

std::string FormatProfileNumber(std::int64_t value) {
    return std::to_string(value);
}

std::int32_t StyleToCode(std::uint8_t style) {
    switch (style) {
    case kStyleBold:
        return 1;
    case kStyleItalic:
        return 2;
    case kStyleUnderline:
        return 3;
    case kStyleStrikeOut:
        return 4;
    default:
        return 0;
    }
}

std::uint8_t CodeToStyle(std::int32_t code) {
    switch (code) {
    case 1:
        return kStyleBold;
    case 2:
        return kStyleItalic;
    case 3:
        return kStyleUnderline;
    case 4:
        return kStyleStrikeOut;
    default:
        return 0;
    }
}

std::string BaseConfigName(std::string_view path) {
    if (const std::size_t slash = path.find_last_of('\\'); slash != std::string_view::npos)
        path.remove_prefix(slash + 1);
    // The extension is four characters, whatever their bytes.
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < path.size();) {
        starts.push_back(at);
        if (NextCodePoint(path, at) == kIllFormedUtf8)
            ++at;
    }
    const std::size_t end = starts.size() >= 4 ? starts[starts.size() - 4] : 0;
    std::string name(path.substr(0, end));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return CutToUnits(name, 255);
}

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankChar(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankChar(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

bool IsBlank(std::string_view text) {
    return TrimBlanks(text).empty();
}

std::string ProfileEcho(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return CutToUnits(text, kProfileTextMax);
}

std::string SettingsFolder(const std::string& programDir) {
    return programDir + "settings";
}

std::string SettingsPath(const std::string& programDir, const std::string& name) {
    for (char c : name)
        if (static_cast<unsigned char>(c) < ' ' ||
            std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
            throw std::invalid_argument("Invalid settings file name \"" + name + "\"");
    return SettingsFolder(programDir) + "\\" + name + ".mes";
}
