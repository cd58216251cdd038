#pragma once
#include "win/TextConvert.h"

// A system whose code page is UTF-8 (65001), as Windows reads it: bytes that
// are no UTF-8 have no character and are read as U+FFFD.
class Utf8CodePage : public CodePage {
  public:
    std::optional<std::string> FromUnicode(std::u16string_view text) const override {
        std::string out = Utf16ToUtf8(text);
        if (Utf8ToUtf16(out) != text)
            return std::nullopt; // a lone surrogate
        return out;
    }
    std::u16string ToUnicode(std::string_view text) const override { return Utf8ToUtf16(text); }
    std::optional<std::u16string> ToUnicodeExact(std::string_view text) const override {
        return Utf8ToUtf16Strict(text);
    }
};
