#pragma once
#include "editor/ScriptEncoding.h"

// The system's ANSI code page, the one the editor control holds its text in.
class SystemCodePage : public CodePage {
  public:
    std::optional<std::string> FromUnicode(std::u16string_view text) const override;
    std::u16string ToUnicode(std::string_view text) const override;
    // Its number, for messages ("1252").
    static unsigned Number();
};
