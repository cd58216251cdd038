#include "editor/PrintLayout.h"

#include <algorithm>

#include "win/TextConvert.h"

namespace {
// The bytes of the text's first character: a piece never ends inside one.
std::size_t FirstCharacterSize(std::string_view text) {
    std::size_t at = 0;
    return text.empty() || NextCodePoint(text, at) == kIllFormedUtf8 ? 1 : at;
}
} // namespace

std::vector<std::string_view>
BreakPrintLine(std::string_view text,
               const std::function<std::size_t(std::string_view)>& fitCount) {
    std::vector<std::string_view> pieces;
    do {
        const std::size_t fits =
            std::clamp<std::size_t>(fitCount(text), FirstCharacterSize(text),
                                    std::max<std::size_t>(text.size(), 1));
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
