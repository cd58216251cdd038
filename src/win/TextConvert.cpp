#include "win/TextConvert.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c >= 0x10000) {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        out += static_cast<char16_t>(c);
    }
}

// A lone half of a surrogate pair as the program keeps it: ED A0..BF 80..BF.
char32_t KeptSurrogate(std::string_view bytes, std::size_t at) {
    if (bytes.size() - at < 3 || static_cast<unsigned char>(bytes[at]) != 0xED)
        return kIllFormedUtf8;
    const unsigned second = static_cast<unsigned char>(bytes[at + 1]);
    const unsigned third = static_cast<unsigned char>(bytes[at + 2]);
    if (second < 0xA0 || second > 0xBF || (third & 0xC0) != 0x80)
        return kIllFormedUtf8;
    return 0xD000 | (second & 0x3F) << 6 | (third & 0x3F);
}

// One character of the program's text from bytes[at], moving at past it: a
// kept lone half is one, and so is each byte that is not UTF-8 (as
// kIllFormedUtf8).
char32_t NextCharacter(std::string_view bytes, std::size_t& at) {
    const char32_t c = NextCodePoint(bytes, at);
    if (c != kIllFormedUtf8)
        return c;
    const char32_t half = KeptSurrogate(bytes, at);
    at += half == kIllFormedUtf8 ? 1 : 3;
    return half;
}

template <bool Strict> std::optional<std::u16string> ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        if (Strict) {
            const char32_t c = NextCodePoint(utf8, at);
            if (c == kIllFormedUtf8)
                return std::nullopt;
            AppendUtf16(out, c);
            continue;
        }
        const char32_t c = NextCharacter(utf8, at);
        AppendUtf16(out, c == kIllFormedUtf8 ? kReplacement : c);
    }
    return out;
}

std::size_t UnitsOf(char32_t c) {
    return c >= 0x10000 && c != kIllFormedUtf8 ? 2 : 1;
}

template <bool Replacing> std::string ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char32_t u = utf16[i];
        const bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() &&
                          utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
        if (pair) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (char32_t(utf16[++i]) - 0xDC00));
            continue;
        }
        AppendUtf8(out, Replacing && IsSurrogate(u) ? kReplacement : u);
    }
    return out;
}
} // namespace

char32_t NextCodePoint(std::string_view bytes, std::size_t& at) {
    const unsigned lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length;
    char32_t c;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return kIllFormedUtf8;
    }
    if (bytes.size() - at < length)
        return kIllFormedUtf8;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80)
            return kIllFormedUtf8;
        c = (c << 6) | (next & 0x3F);
    }
    if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)) ||
        IsSurrogate(c))
        return kIllFormedUtf8;
    at += length;
    return c;
}

std::optional<std::u16string> Utf8ToUtf16Strict(std::string_view utf8) {
    return ToUtf16<true>(utf8);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    return *ToUtf16<false>(utf8);
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    return ToUtf8<false>(utf16);
}

std::string Utf16ToUtf8Replacing(std::u16string_view utf16) {
    return ToUtf8<true>(utf16);
}

std::size_t LoneSurrogates(std::u16string_view utf16) {
    std::size_t lone = 0;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF)
            ++i;
        else if (IsSurrogate(u))
            ++lone;
    }
    return lone;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < utf8.size();)
        units += UnitsOf(NextCharacter(utf8, at));
    return units;
}

std::string CutToUnits(std::string_view utf8, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t next = at;
        const char32_t c = NextCharacter(utf8, next);
        if (units + UnitsOf(c) > maxUnits)
            break;
        units += UnitsOf(c);
        at = next;
    }
    return std::string(utf8.substr(0, at));
}
