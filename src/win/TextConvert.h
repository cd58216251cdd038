#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The program keeps its text as UTF-8; Windows takes UTF-16. Every crossing
// goes through these (win/Wide.h adapts them to the wide calls), so a name
// or a line in any script arrives whole.

// A single-byte or double-byte code page, kept apart so the conversions
// build anywhere.
class CodePage {
  public:
    virtual ~CodePage() = default;
    // nullopt when some character has no place in the code page: never a
    // best-fit look-alike or a '?'.
    virtual std::optional<std::string> FromUnicode(std::u16string_view text) const = 0;
    // Every byte read; one without a character stands as a replacement.
    virtual std::u16string ToUnicode(std::string_view text) const = 0;
    // nullopt when some byte has no character in the code page (a stray
    // lead byte of a double-byte page, invalid UTF-8 on a UTF-8 system).
    virtual std::optional<std::u16string> ToUnicodeExact(std::string_view text) const {
        return ToUnicode(text);
    }
};

// What NextCodePoint gives for a sequence UTF-8 forbids.
inline constexpr char32_t kIllFormedUtf8 = 0xFFFFFFFF;

// One UTF-8 sequence from bytes[at], moving at past it; kIllFormedUtf8 (and
// at unmoved) for an overlong, surrogate, cut-off or out-of-range one.
char32_t NextCodePoint(std::string_view bytes, std::size_t& at);

// nullopt when the bytes are not well-formed UTF-8.
std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view utf8);
// Each ill-formed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
void AppendUtf8(std::string& out, char32_t c);

// How many UTF-16 units, Windows' characters, the text takes.
std::size_t Utf16Length(std::string_view utf8);
// The longest start of the text that fits in maxUnits UTF-16 units, cut
// only between whole characters.
std::string CutToUnits(std::string_view utf8, std::size_t maxUnits);
