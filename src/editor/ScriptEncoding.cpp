#include "editor/ScriptEncoding.h"

#include <cstdint>

#include "editor/ScriptText.h"
#include "win/TextConvert.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::string_view BomOf(ScriptEncoding encoding) {
    switch (encoding) {
    case ScriptEncoding::Utf8Bom:
        return kUtf8Bom;
    case ScriptEncoding::Utf16Le:
        return kUtf16LeBom;
    case ScriptEncoding::Utf16Be:
        return kUtf16BeBom;
    default:
        return {};
    }
}

// Any units: a lone half of a surrogate pair is kept, as the editor holds it.
std::optional<std::u16string> DecodeUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        const unsigned first = static_cast<unsigned char>(bytes[at]);
        const unsigned second = static_cast<unsigned char>(bytes[at + 1]);
        text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

void AppendUtf16(std::string& out, char16_t unit, bool bigEndian) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// 0x80-0x9F of code page 1252; the rest of the bytes are their own code point.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::optional<std::string> Windows1252CodePage::FromUnicode(std::u16string_view text) const {
    std::string out;
    out.reserve(text.size());
    for (const char16_t u : text) {
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += static_cast<char>(u);
            continue;
        }
        std::size_t k = 0;
        while (k < 32 && kCp1252High[k] != u)
            ++k;
        if (k == 32)
            return std::nullopt;
        out += static_cast<char>(0x80 + k);
    }
    return out;
}

std::u16string Windows1252CodePage::ToUnicode(std::string_view text) const {
    std::u16string out;
    out.reserve(text.size());
    for (const char c : text) {
        const unsigned b = static_cast<unsigned char>(c);
        out += b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : static_cast<char16_t>(b);
    }
    return out;
}

ScriptEncoding DetectScriptEncoding(std::string_view fileBytes) {
    if (fileBytes.starts_with(kUtf8Bom))
        return ScriptEncoding::Utf8Bom;
    if (fileBytes.starts_with(kUtf16LeBom))
        return ScriptEncoding::Utf16Le;
    if (fileBytes.starts_with(kUtf16BeBom))
        return ScriptEncoding::Utf16Be;
    // Plain ASCII reads the same either way; it stays in the code page so a
    // save does not turn it into UTF-8 behind the user's back.
    bool multiByte = false;
    for (std::size_t at = 0; at < fileBytes.size();) {
        const std::size_t start = at;
        if (NextCodePoint(fileBytes, at) == kIllFormedUtf8)
            return ScriptEncoding::Ansi;
        multiByte = multiByte || at - start > 1;
    }
    return multiByte ? ScriptEncoding::Utf8 : ScriptEncoding::Ansi;
}

std::optional<std::u16string> DecodeUnicode(std::string_view fileBytes, ScriptEncoding encoding) {
    if (encoding == ScriptEncoding::Ansi || !fileBytes.starts_with(BomOf(encoding)))
        return std::nullopt;
    const std::string_view body = fileBytes.substr(BomOf(encoding).size());
    switch (encoding) {
    case ScriptEncoding::Utf16Le:
        return DecodeUtf16(body, false);
    case ScriptEncoding::Utf16Be:
        return DecodeUtf16(body, true);
    default:
        return Utf8ToUtf16Strict(body);
    }
}

std::string EncodeUnicode(std::u16string_view text, ScriptEncoding encoding) {
    if (encoding == ScriptEncoding::Ansi)
        return {};
    std::string out(BomOf(encoding));
    if (encoding == ScriptEncoding::Utf8 || encoding == ScriptEncoding::Utf8Bom)
        return out + Utf16ToUtf8Replacing(text);
    const bool bigEndian = encoding == ScriptEncoding::Utf16Be;
    out.reserve(out.size() + text.size() * 2);
    for (const char16_t unit : text)
        AppendUtf16(out, unit, bigEndian);
    return out;
}

ScriptLoad DecodeScript(std::string_view fileBytes, const CodePage& codePage) {
    ScriptLoad load;
    load.encoding = DetectScriptEncoding(fileBytes);
    if (load.encoding == ScriptEncoding::Ansi) {
        if (HoldsBinaryData(fileBytes)) {
            load.status = ScriptLoadStatus::Binary;
            return load;
        }
        std::optional<std::u16string> exact = codePage.ToUnicodeExact(fileBytes);
        load.replaced = !exact;
        load.text = Utf16ToUtf8(exact ? *exact : codePage.ToUnicode(fileBytes));
        return load;
    }
    const std::optional<std::u16string> unicode = DecodeUnicode(fileBytes, load.encoding);
    if (!unicode) {
        load.status = ScriptLoadStatus::Invalid;
        return load;
    }
    if (unicode->find(u'\0') != std::u16string::npos) {
        load.status = ScriptLoadStatus::Binary;
        return load;
    }
    load.text = Utf16ToUtf8(*unicode);
    return load;
}

ScriptFileForm EncodeScript(std::string_view text, ScriptEncoding encoding,
                            const CodePage& codePage) {
    const std::u16string unicode = Utf8ToUtf16(text);
    if (encoding == ScriptEncoding::Ansi) {
        // The way back is checked too, so a code page that slips in a
        // look-alike cannot change the script behind the user's back.
        std::optional<std::string> ansi = codePage.FromUnicode(unicode);
        if (ansi && codePage.ToUnicode(*ansi) == unicode)
            return {encoding, std::move(*ansi)};
        encoding = ScriptEncoding::Utf8Bom;
    }
    ScriptFileForm form{encoding, EncodeUnicode(unicode, encoding)};
    const bool utf16 = encoding == ScriptEncoding::Utf16Le || encoding == ScriptEncoding::Utf16Be;
    form.loneHalves = utf16 ? 0 : LoneSurrogates(unicode);
    return form;
}

ScriptFileForm ScriptSaveForm(std::string_view text, const ScriptFileForm& loaded,
                              const CodePage& codePage) {
    if (!loaded.bytes.empty())
        return loaded;
    ScriptFileForm form = EncodeScript(text, loaded.encoding, codePage);
    form.replaced = loaded.replaced;
    return form;
}
