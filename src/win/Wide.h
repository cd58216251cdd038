#pragma once
#include <string>
#include <string_view>

#include "win/TextConvert.h"

// The program's UTF-8 strings to and from the wide strings of the W calls.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "the W calls take UTF-16");

inline std::wstring Widen(std::string_view utf8) {
    const std::u16string wide = Utf8ToUtf16(utf8);
    return std::wstring(reinterpret_cast<const wchar_t*>(wide.data()), wide.size());
}

inline std::string Narrow(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()),
                                           wide.size()));
}

inline std::string Narrow(const wchar_t* wide) {
    return wide ? Narrow(std::wstring_view(wide)) : std::string();
}
