#pragma once
#include <cstdint>
#include <string>

#include "win/Geometry.h"

// Font style set, as the text-appearance record stores it.
enum FontStyleBits : std::uint8_t {
    kStyleBold = 1 << 0,
    kStyleItalic = 1 << 1,
    kStyleUnderline = 1 << 2,
    kStyleStrikeOut = 1 << 3,
};

enum class Alignment : std::uint8_t { Left, Right, Center };

// The editor's font as the user chose it.
struct FontSpec {
    std::string name = "Arial";
    std::int32_t sizePt = 14; // design size: pixel height 19 at 96 dpi
    std::uint8_t style = kStyleBold;
    Color color = 0; // black

    bool Has(std::uint8_t bit) const { return (style & bit) != 0; }
    void Set(std::uint8_t bit, bool on) {
        style = static_cast<std::uint8_t>(on ? (style | bit) : (style & ~bit));
    }
};
