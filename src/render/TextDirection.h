#pragma once
#include <cstdint>
#include <string_view>

// Which way a script reads, and which lines the plain single-font drawing
// cannot show as the editor does.

// True when most of the text's strong directional characters (isolates
// skipped) belong to a right-to-left script: Hebrew, Arabic, Syriac, Thaana,
// NKo and the like, their presentation forms, or a right-to-left mark. A
// Latin cue line or a few names do not turn a Hebrew script around; on a tie
// the first strong character decides, and a mark before any strong
// character decides alone. Text with no strong character reads
// left to right. Malformed UTF-8 counts as neutral.
bool IsRightToLeftText(std::string_view utf8);

// True when a line must be shaped and laid out by the complex-script path:
// it holds a character from U+0300 up (combining marks, every script past
// Latin, surrogate pairs), or it belongs to a right-to-left paragraph, whose
// neutrals and Latin runs need the bidirectional ordering. Lines of Latin
// alone in a left-to-right paragraph draw as they always have.
template <typename Unit>
bool LineNeedsShaping(std::basic_string_view<Unit> line, bool rightToLeft) {
    static_assert(sizeof(Unit) >= 2, "UTF-16 or UTF-32 code units");
    if (rightToLeft && !line.empty())
        return true;
    for (const Unit unit : line)
        if (static_cast<std::uint32_t>(unit) >= 0x300)
            return true;
    return false;
}
