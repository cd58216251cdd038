#include "render/TextDirection.h"

#include <algorithm>
#include <iterator>

#include "win/TextConvert.h"

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Characters that are not strong (digits, punctuation, symbols, spaces,
// combining marks, format controls), including those inside right-to-left
// blocks. Sorted; a character in none of these nor in kRightToLeft is a
// left-to-right letter.
constexpr Range kNotStrong[] = {
    {0x0000, 0x0040},   {0x005B, 0x0060},   {0x007B, 0x00A9},   {0x00AB, 0x00B4},
    {0x00B6, 0x00B9},   {0x00BB, 0x00BF},   {0x00D7, 0x00D7},   {0x00F7, 0x00F7},
    {0x02B9, 0x02BA},   {0x02C2, 0x02CF},   {0x02D2, 0x02DF},   {0x02E5, 0x02ED},
    {0x02EF, 0x036F},   {0x0374, 0x0375},   {0x037E, 0x037E},   {0x0384, 0x0385},
    {0x0387, 0x0387},   {0x03F6, 0x03F6},   {0x0483, 0x0489},   {0x058A, 0x058A},
    {0x058D, 0x058F},   {0x0591, 0x05BD},   {0x05BF, 0x05BF},   {0x05C1, 0x05C2},
    {0x05C4, 0x05C5},   {0x05C7, 0x05C7},   {0x0600, 0x0607},   {0x0609, 0x060A},
    {0x060C, 0x060C},   {0x060E, 0x061A},   {0x064B, 0x066C},   {0x0670, 0x0670},
    {0x06D6, 0x06E4},   {0x06E7, 0x06ED},   {0x06F0, 0x06F9},   {0x0711, 0x0711},
    {0x0730, 0x074A},   {0x07A6, 0x07B0},   {0x07EB, 0x07F3},   {0x07F6, 0x07F9},
    {0x07FD, 0x07FD},   {0x0816, 0x0819},   {0x081B, 0x0823},   {0x0825, 0x0827},
    {0x0829, 0x082D},   {0x0859, 0x085B},   {0x0890, 0x0891},   {0x0898, 0x089F},
    {0x08CA, 0x0902},   {0x1AB0, 0x1AFF},   {0x1DC0, 0x1DFF},   {0x2000, 0x200D},
    {0x2010, 0x2070},   {0x2072, 0x207E},   {0x2080, 0x208F},   {0x20A0, 0x2101},
    {0x2103, 0x2106},   {0x2108, 0x2109},   {0x2114, 0x2114},   {0x2116, 0x2118},
    {0x211E, 0x2123},   {0x2125, 0x2125},   {0x2127, 0x2127},   {0x2129, 0x2129},
    {0x212E, 0x212E},   {0x213A, 0x213B},   {0x2140, 0x2144},   {0x214A, 0x214D},
    {0x2150, 0x215F},   {0x2189, 0x2335},   {0x237B, 0x2394},   {0x2396, 0x249B},
    {0x24EA, 0x27FF},   {0x2900, 0x2BFF},   {0x2CE5, 0x2CEA},   {0x2CEF, 0x2CF1},
    {0x2CF9, 0x2CFF},   {0x2DE0, 0x2E7F},   {0x2E80, 0x2FFF},   {0x3000, 0x3004},
    {0x3008, 0x3020},   {0x302A, 0x3030},   {0x3036, 0x3037},   {0x303D, 0x303F},
    {0x3099, 0x309C},   {0x30A0, 0x30A0},   {0x30FB, 0x30FB},   {0xA490, 0xA4C6},
    {0xFB1E, 0xFB1E},   {0xFB29, 0xFB29},   {0xFD3E, 0xFD3F},   {0xFDCF, 0xFDCF},
    {0xFDFD, 0xFDFF},   {0xFE00, 0xFE6F},   {0xFEFF, 0xFEFF},   {0xFF01, 0xFF20},
    {0xFF3B, 0xFF40},   {0xFF5B, 0xFF65},   {0xFFE0, 0xFFFF},   {0x10A01, 0x10A0F},
    {0x10A38, 0x10A3F}, {0x10D24, 0x10D27}, {0x10D30, 0x10D39}, {0x10E60, 0x10E7E},
    {0x10EAB, 0x10EAC}, {0x10EFD, 0x10EFF}, {0x10F46, 0x10F50}, {0x10F82, 0x10F85},
    {0x1E8D0, 0x1E8D6}, {0x1E944, 0x1E94A}, {0x1EEF0, 0x1EEF1}, {0x1F000, 0x1F10F},
    {0x1F300, 0x1FBFF}, {0xE0000, 0xE0FFF},
};

// Right-to-left blocks, less the kNotStrong characters inside them; U+200F is
// the right-to-left mark.
constexpr Range kRightToLeft[] = {
    {0x0590, 0x08FF}, {0x200F, 0x200F},   {0xFB1D, 0xFDFF},
    {0xFE70, 0xFEFE}, {0x10800, 0x10FFF}, {0x1E800, 0x1EFFF},
};

constexpr bool Ascending(const Range* first, const Range* last) {
    for (const Range* r = first; r != last; ++r)
        if (r->first > r->last || (r != first && std::prev(r)->last >= r->first))
            return false;
    return true;
}
static_assert(Ascending(std::begin(kNotStrong), std::end(kNotStrong)));
static_assert(Ascending(std::begin(kRightToLeft), std::end(kRightToLeft)));

bool In(const Range* first, const Range* last, char32_t c) {
    const Range* r =
        std::upper_bound(first, last, c, [](char32_t v, const Range& x) { return v < x.first; });
    return r != first && c <= std::prev(r)->last;
}

enum class Strength : std::uint8_t { None, LeftToRight, RightToLeft };

Strength StrengthOf(char32_t c) {
    if (In(std::begin(kNotStrong), std::end(kNotStrong), c))
        return Strength::None;
    if (In(std::begin(kRightToLeft), std::end(kRightToLeft), c))
        return Strength::RightToLeft;
    return Strength::LeftToRight;
}

} // namespace

bool IsRightToLeftText(std::string_view utf8) {
    int isolates = 0; // text inside LRI/RLI/FSI ... PDI does not decide
    std::size_t leftToRight = 0, rightToLeft = 0;
    Strength first = Strength::None;
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, at);
        if (c == kIllFormedUtf8) {
            ++at; // a broken byte is neutral
        } else if (c >= 0x2066 && c <= 0x2068) {
            ++isolates;
        } else if (c == 0x2069) {
            isolates -= isolates > 0;
        } else if (c == '\n' || c == 0x2029) {
            isolates = 0; // an isolate ends with its paragraph
        } else if (isolates == 0) {
            const Strength strength = StrengthOf(c);
            if (first == Strength::None && (c == 0x200E || c == 0x200F))
                return c == 0x200F; // the writer's own choice
            if (first == Strength::None)
                first = strength;
            leftToRight += strength == Strength::LeftToRight;
            rightToLeft += strength == Strength::RightToLeft;
        }
    }
    if (leftToRight != rightToLeft)
        return rightToLeft > leftToRight;
    return first == Strength::RightToLeft;
}
