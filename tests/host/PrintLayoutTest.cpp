#include <gtest/gtest.h>

#include "editor/PrintLayout.h"
#include "win/TextConvert.h"

namespace {

// Every character 10 units wide on a page 45 units across.
std::size_t FitIn45(std::string_view text) {
    return std::min<std::size_t>(text.size(), 4);
}

TEST(BreakPrintLine, OverWideLineBreaksBeforeTheFirstCharacterThatDoesNotFit) {
    const auto pieces = BreakPrintLine("abcdefghij", FitIn45);
    EXPECT_EQ(pieces, (std::vector<std::string_view>{"abcd", "efgh", "ij"}));
    EXPECT_EQ(BreakPrintLine("abcd", FitIn45), (std::vector<std::string_view>{"abcd"}));
}

TEST(BreakPrintLine, EmptyLineIsOneEmptyPieceAndAHugeCharacterStillPrints) {
    EXPECT_EQ(BreakPrintLine("", FitIn45), (std::vector<std::string_view>{""}));
    const auto nothingFits = [](std::string_view) { return std::size_t{0}; };
    EXPECT_EQ(BreakPrintLine("WM", nothingFits), (std::vector<std::string_view>{"W", "M"}));
    // A measure that claims more than the text holds cannot run past its end.
    const auto tooMuch = [](std::string_view text) { return text.size() + 5; };
    EXPECT_EQ(BreakPrintLine("ab", tooMuch), (std::vector<std::string_view>{"ab"}));
}

// Every character 10 units wide, whatever its bytes: `count` fit across.
auto Characters(int count) {
    return [count](std::string_view text) {
        std::size_t at = 0;
        for (int n = 0; n < count && at < text.size(); ++n)
            NextCodePoint(text, at);
        return at;
    };
}

TEST(BreakPrintLine, NoPieceStartsWithClosingPunctuation) {
    // The comma and the full stop would start pieces; the character before
    // each goes along with it.
    EXPECT_EQ(BreakPrintLine("晚上好，亲爱的观众朋友们。", Characters(3)),
              (std::vector<std::string_view>{"晚上", "好，亲", "爱的观", "众朋友", "们。"}));
    EXPECT_EQ(BreakPrintLine("abc.", Characters(3)), (std::vector<std::string_view>{"ab", "c."}));
    // Marks in a row go back together; a piece never empties.
    EXPECT_EQ(BreakPrintLine("abc。」d", Characters(4)),
              (std::vector<std::string_view>{"ab", "c。」d"}));
    EXPECT_EQ(BreakPrintLine("a。", Characters(1)), (std::vector<std::string_view>{"a", "。"}));
}

TEST(PageCursor, LinesAdvanceByTextHeightPlusTwoFromTheTop) {
    PageCursor cursor(1000);
    std::vector<int> ys;
    for (int i = 0; i < 3; ++i) {
        const auto at = cursor.Next();
        EXPECT_EQ(at.startsPage, i == 0);
        ys.push_back(at.y);
        cursor.Advance(48);
    }
    EXPECT_EQ(ys, (std::vector<int>{0, 50, 100}));
    EXPECT_EQ(cursor.Pages(), 1);
}

TEST(PageCursor, NewPageWhenTheNextLineWouldComeBelowHeightLessTwoLines) {
    // Lines of 100 (98 + 2) on a page 500 high: after the line at 200 the next
    // would be at 300, which is not below 500 - 200; after 300, 400 is.
    PageCursor cursor(500);
    std::vector<std::pair<bool, int>> placed;
    for (int i = 0; i < 6; ++i) {
        const auto at = cursor.Next();
        placed.push_back({at.startsPage, at.y});
        cursor.Advance(98);
    }
    EXPECT_EQ(placed,
              (std::vector<std::pair<bool, int>>{
                  {true, 0}, {false, 100}, {false, 200}, {false, 300}, {true, 0}, {false, 100}}));
    EXPECT_EQ(cursor.Pages(), 2);
}

TEST(PageCursor, TheLineHeightOfTheLastLineDecidesTheBreakAndNoEmptyPageFollows) {
    PageCursor cursor(500);
    cursor.Next();
    cursor.Advance(18); // small text: y 20, limit 460
    cursor.Next();
    cursor.Advance(198); // tall line: y 220, limit 500 - 400 = 100, page ends
    EXPECT_EQ(cursor.Pages(), 1) << "the next page begins only when a line needs it";
    EXPECT_EQ(cursor.Next().startsPage, true);
    EXPECT_EQ(cursor.Pages(), 2);
}

TEST(PrintInkColor, ColoursLighterThanMidGreyPrintBlack) {
    EXPECT_EQ(PrintInkColor(0xFFFFFF), 0u);
    EXPECT_EQ(PrintInkColor(0x00FFFF), 0u) << "yellow";
    EXPECT_EQ(PrintInkColor(0xC0C0C0), 0u);
    EXPECT_EQ(PrintInkColor(0x818181), 0u) << "just lighter than mid-grey";
    EXPECT_EQ(PrintInkColor(0x808080), 0x808080u) << "mid-grey itself";
    EXPECT_EQ(PrintInkColor(0x000000), 0u);
    EXPECT_EQ(PrintInkColor(0xFF0000), 0xFF0000u) << "pure blue is dark";
    EXPECT_EQ(PrintInkColor(0x0000FF), 0x0000FFu) << "pure red is dark";
    EXPECT_EQ(PrintInkColor(0x800000), 0x800000u) << "navy";
}

TEST(PrintTrailer, BlanksCountAndCommandLineScript) {
    EXPECT_EQ(PrintTrailer(57, "C:\\Scripts\\news.txt"),
              (std::vector<std::string>{" ", " ", " 57 Lines", " C:\\Scripts\\news.txt", " "}));
    EXPECT_EQ(PrintTrailer(1, ""), (std::vector<std::string>{" ", " ", " 1 Lines", " ", " "}))
        << "no command-line script leaves a single blank";
}

} // namespace
