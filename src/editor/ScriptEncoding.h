#pragma once
#include <optional>
#include <string>
#include <string_view>

// How a script file stores its text. The editor always holds 8-bit text in the
// system's code page; the encoding only matters when reading and writing.
enum class ScriptEncoding {
    Ansi,    // the system's code page, byte for byte
    Utf8,    // UTF-8 without a byte order mark
    Utf8Bom, // EF BB BF, then UTF-8
    Utf16Le, // FF FE, then UTF-16 little endian
    Utf16Be, // FE FF, then UTF-16 big endian
};

// The system's 8-bit code page, kept apart so the conversions build anywhere.
class CodePage {
  public:
    virtual ~CodePage() = default;
    // nullopt when some character has no place in the code page: never a
    // best-fit look-alike or a '?'.
    virtual std::optional<std::string> FromUnicode(std::u16string_view text) const = 0;
    virtual std::u16string ToUnicode(std::string_view text) const = 0;
};

// The Western code page 1252. Its five unassigned bytes (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the control characters of the same number, as Windows
// maps them, so every byte has exactly one character and back.
class Windows1252CodePage : public CodePage {
  public:
    std::optional<std::string> FromUnicode(std::u16string_view text) const override;
    std::u16string ToUnicode(std::string_view text) const override;
};

// A file's encoding from its first bytes: a byte order mark decides; without
// one, valid UTF-8 holding at least one multi-byte sequence counts as UTF-8,
// all else (plain ASCII too) as the code page.
ScriptEncoding DetectScriptEncoding(std::string_view fileBytes);

// Whole file bytes in a Unicode encoding, its byte order mark included, to
// UTF-16. nullopt when the mark is missing or the rest is not well formed
// (overlong, surrogate or cut-off UTF-8; odd length or lone surrogates in
// UTF-16), and always for Ansi, which needs a code page.
std::optional<std::u16string> DecodeUnicode(std::string_view fileBytes, ScriptEncoding encoding);

// UTF-16 to whole file bytes with the encoding's byte order mark: the inverse
// of DecodeUnicode for every text it returns. Lone surrogates, which no
// decoded text holds, are written as U+FFFD. Empty for Ansi.
std::string EncodeUnicode(std::u16string_view text, ScriptEncoding encoding);

enum class ScriptLoadStatus {
    Loaded,
    Binary,        // a NUL byte, or a decoded U+0000: not a script
    NotInCodePage, // Unicode text with a character the editor cannot hold
    Invalid,       // a byte order mark followed by what its encoding forbids
};

struct ScriptLoad {
    ScriptLoadStatus status = ScriptLoadStatus::Loaded;
    // The text in the code page, only when Loaded; its line ends are the file's.
    std::string text;
    // As detected, refused files included; a save writes this encoding back.
    ScriptEncoding encoding = ScriptEncoding::Ansi;
};

// A loaded file's bytes to the editor's text. Never lossy: a text that does
// not convert to the code page and back unchanged is refused.
ScriptLoad DecodeScript(std::string_view fileBytes, const CodePage& codePage);

// The editor's text to file bytes in the encoding; Ansi writes it unchanged.
// For every Loaded result this gives back the bytes it was loaded from.
std::string EncodeScript(std::string_view ansiText, ScriptEncoding encoding,
                         const CodePage& codePage);

// How the script in the editor is stored: its encoding and, so an unedited
// Unicode script is written back exactly, the bytes it was loaded from.
struct ScriptFileForm {
    ScriptEncoding encoding = ScriptEncoding::Ansi;
    std::string bytes;
};
