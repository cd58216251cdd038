#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "win/TextConvert.h"

// How a script file stores its text. The editor holds Unicode text (UTF-8
// here); the encoding only matters when reading and writing.
enum class ScriptEncoding {
    Ansi,    // the system's code page, byte for byte
    Utf8,    // UTF-8 without a byte order mark
    Utf8Bom, // EF BB BF, then UTF-8
    Utf16Le, // FF FE, then UTF-16 little endian
    Utf16Be, // FE FF, then UTF-16 big endian
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
// (overlong, surrogate or cut-off UTF-8; odd length in UTF-16), and always for Ansi, which needs a code page.
std::optional<std::u16string> DecodeUnicode(std::string_view fileBytes, ScriptEncoding encoding);

// UTF-16 to whole file bytes with the encoding's byte order mark: the inverse
// of DecodeUnicode for every text it returns. UTF-16 keeps a lone half of a
// surrogate pair; UTF-8 cannot, and writes U+FFFD. Empty for Ansi.
std::string EncodeUnicode(std::u16string_view text, ScriptEncoding encoding);

enum class ScriptLoadStatus {
    Loaded,
    Binary,  // a NUL byte, or a decoded U+0000: not a script
    Invalid, // a byte order mark followed by what its encoding forbids
};

struct ScriptLoad {
    ScriptLoadStatus status = ScriptLoadStatus::Loaded;
    // The text as UTF-8, only when Loaded; its line ends are the file's.
    std::string text;
    // As detected, refused files included; a save writes this encoding back.
    ScriptEncoding encoding = ScriptEncoding::Ansi;
    // Some bytes have no character in the code page and were read as
    // replacements: writing the text would put those in their place.
    bool replaced = false;
};

// A loaded file's bytes to the editor's text: a file without a mark that is
// not UTF-8 is read in the code page, byte for byte.
ScriptLoad DecodeScript(std::string_view fileBytes, const CodePage& codePage);

// How the script in the editor is stored: its encoding and, so an unedited
// script is written back exactly, the bytes it was loaded from.
struct ScriptFileForm {
    ScriptEncoding encoding = ScriptEncoding::Ansi;
    std::string bytes;
    // The text holds replacements for bytes its reading could not read.
    bool replaced = false;
    // Lone halves of surrogate pairs the encoding cannot hold, written as U+FFFD.
    std::size_t loneHalves = 0;
};

// The bytes a save writes: those the script was loaded from while it is
// unedited (bytes kept), else the text encoded anew.
ScriptFileForm ScriptSaveForm(std::string_view text, const ScriptFileForm& loaded,
                              const CodePage& codePage);

// The editor's UTF-8 text to file bytes in the encoding. A text the code page
// cannot hold whole is never written with look-alikes: it becomes UTF-8 with
// a mark, and the form says so. For every Loaded result of an ANSI code page
// that maps each byte, this gives back the bytes it was loaded from.
ScriptFileForm EncodeScript(std::string_view text, ScriptEncoding encoding,
                            const CodePage& codePage);
