#pragma once
#include "win/TextConvert.h"

// The system's ANSI code page, the one old scripts and settings files are in.
class SystemCodePage : public CodePage {
  public:
    std::optional<std::string> FromUnicode(std::u16string_view text) const override;
    std::u16string ToUnicode(std::string_view text) const override;
    std::optional<std::u16string> ToUnicodeExact(std::string_view text) const override;
    // Its number, for messages ("1252").
    static unsigned Number();
};
