#include "editor/PrintLayout.h"

#include <algorithm>

#include "win/TextConvert.h"

namespace {
// The bytes of the text's first character: a piece never ends inside one.
std::size_t FirstCharacterSize(std::string_view text) {
    std::size_t at = 0;
    return text.empty() || NextCodePoint(text, at) == kIllFormedUtf8 ? 1 : at;
}

// Marks that close a phrase or a bracket: no printed line may start with
// one, in any script's typography.
bool IsClosingPunctuation(char32_t c) {
    switch (c) {
    case U')':
    case U']':
    case U'}':
    case U',':
    case U'.':
    case U';':
    case U':':
    case U'!':
    case U'?':
    case U'\u060C':
    case U'\u061B':
    case U'\u061F':
    case U'\u2019':
    case U'\u201D':
    case U'\u2026':
    case U'\u3001':
    case U'\u3002':
    case U'\u3009':
    case U'\u300B':
    case U'\u300D':
    case U'\u300F':
    case U'\u3011':
    case U'\u3015':
    case U'\u3017':
    case U'\u3019':
    case U'\u301B':
    case U'\uFF01':
    case U'\uFF09':
    case U'\uFF0C':
    case U'\uFF0E':
    case U'\uFF1A':
    case U'\uFF1B':
    case U'\uFF1F':
    case U'\uFF3D':
    case U'\uFF5D':
    case U'\uFF60':
    case U'\uFF61':
    case U'\uFF63':
    case U'\uFF64':
        return true;
    default:
        return false;
    }
}

bool StartsWithClosingPunctuation(std::string_view text) {
    std::size_t at = 0;
    return !text.empty() && IsClosingPunctuation(NextCodePoint(text, at));
}

// Where the character that ends before `end` begins.
std::size_t PreviousCharacterStart(std::string_view text, std::size_t end) {
    std::size_t at = end - 1;
    while (at > 0 && end - at < 4 && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

// Moves a break back so that the next piece does not start with closing
// punctuation: the character before the mark goes along with it. A piece
// keeps at least one character.
std::size_t KeepClosingPunctuationBack(std::string_view text, std::size_t fits) {
    std::size_t at = fits;
    while (at > 0 && at < text.size() && StartsWithClosingPunctuation(text.substr(at)))
        at = PreviousCharacterStart(text, at);
    return at > 0 ? at : fits;
}
} // namespace

std::vector<std::string_view>
BreakPrintLine(std::string_view text,
               const std::function<std::size_t(std::string_view)>& fitCount) {
    std::vector<std::string_view> pieces;
    do {
        std::size_t fits = std::clamp<std::size_t>(fitCount(text), FirstCharacterSize(text),
                                                   std::max<std::size_t>(text.size(), 1));
        fits = KeepClosingPunctuationBack(text, fits);
        pieces.push_back(text.substr(0, fits));
        text.remove_prefix(std::min(fits, text.size()));
    } while (!text.empty());
    return pieces;
}

PageCursor::Placement PageCursor::Next() {
    const bool starts = !pageOpen_;
    if (starts) {
        pageOpen_ = true;
        ++pages_;
        y_ = 0;
    }
    return {starts, y_};
}

void PageCursor::Advance(int textHeight) {
    const int lineHeight = textHeight + kPrintLineGap;
    y_ += lineHeight;
    if (y_ > pageHeight_ - 2 * lineHeight)
        pageOpen_ = false;
}

Color PrintInkColor(Color textColor) {
    const unsigned r = textColor & 0xFF, g = (textColor >> 8) & 0xFF, b = (textColor >> 16) & 0xFF;
    // Perceived lightness in thousandths; mid-grey (128, 128, 128) itself stays.
    const unsigned lightness = 299 * r + 587 * g + 114 * b;
    return lightness > 128u * 1000u ? 0 : textColor;
}

std::vector<std::string> PrintTrailer(int lineCount, const std::string& cmdLineFile) {
    std::string count(" ");
    count.append(std::to_string(lineCount)).append(" Lines");
    std::string script(" ");
    script.append(cmdLineFile);
    return {" ", " ", count, script, " "};
}
