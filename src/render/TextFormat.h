#pragma once
#include <cstdint>

#include "app/model/EditorFont.h"

// DrawTextA flags for a script line: one line on the image's bottom, tabs
// expanded, an ampersand drawn as itself, clipped; aligned like the editor.
inline constexpr std::uint32_t kLineTextFormat = 0x868; // SINGLELINE|BOTTOM|EXPANDTABS|NOPREFIX

inline std::uint32_t LineTextFormat(Alignment alignment) {
    switch (alignment) {
    case Alignment::Left:
        return kLineTextFormat | 0x0; // DT_LEFT
    case Alignment::Right:
        return kLineTextFormat | 0x2; // DT_RIGHT
    default:
        return kLineTextFormat | 0x1; // DT_CENTER
    }
}
