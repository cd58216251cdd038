#include "win/SystemCodePage.h"

#include <climits>

#include <windows.h>

std::optional<std::string> SystemCodePage::FromUnicode(std::u16string_view text) const {
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const UINT page = GetACP();
    // Best-fit look-alikes and '?' would change the script without a word;
    // UTF-8 as the system code page takes neither flag nor default character.
    const bool utf8 = page == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* used = utf8 ? nullptr : &usedDefault;
    const auto* wide = reinterpret_cast<LPCWCH>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(page, flags, wide, length, nullptr, 0, nullptr, used);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    std::string out(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(page, flags, wide, length, out.data(), size, nullptr, used) != size ||
        usedDefault)
        return std::nullopt;
    return out;
}

namespace {
std::optional<std::u16string> Decode(std::string_view text, DWORD flags) {
    if (text.empty())
        return std::u16string();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const int length = static_cast<int>(text.size());
    const int size = MultiByteToWideChar(CP_ACP, flags, text.data(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::u16string out(static_cast<std::size_t>(size), u'\0');
    if (MultiByteToWideChar(CP_ACP, flags, text.data(), length,
                            reinterpret_cast<LPWSTR>(out.data()), size) != size)
        return std::nullopt;
    return out;
}
} // namespace

std::u16string SystemCodePage::ToUnicode(std::string_view text) const {
    return Decode(text, 0).value_or(std::u16string());
}

std::optional<std::u16string> SystemCodePage::ToUnicodeExact(std::string_view text) const {
    return Decode(text, MB_ERR_INVALID_CHARS);
}

unsigned SystemCodePage::Number() {
    return GetACP();
}
