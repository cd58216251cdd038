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

// Windows' text may hold a lone half of a surrogate pair (typed, pasted, in
// a file name). Inside the program it is kept as the three bytes UTF-8
// would give its number, so it goes back to Windows whole; no file of UTF-8
// ever takes those bytes.

// nullopt when the bytes are not well-formed UTF-8 (a lone half included).
std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view utf8);
// Each ill-formed byte becomes U+FFFD; a kept lone half comes back as it was.
std::u16string Utf8ToUtf16(std::string_view utf8);
// A lone half is kept (see above).
std::string Utf16ToUtf8(std::u16string_view utf16);
// Well-formed UTF-8, for files: a lone half becomes U+FFFD.
std::string Utf16ToUtf8Replacing(std::u16string_view utf16);
// How many lone halves of surrogate pairs the text holds.
std::size_t LoneSurrogates(std::u16string_view utf16);
void AppendUtf8(std::string& out, char32_t c);

// How many UTF-16 units, Windows' characters, the text takes.
std::size_t Utf16Length(std::string_view utf8);
// The longest start of the text that fits in maxUnits UTF-16 units, cut
// only between whole characters.
std::string CutToUnits(std::string_view utf8, std::size_t maxUnits);
