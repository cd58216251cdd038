#include <gtest/gtest.h>

#include "win/TextConvert.h"

using namespace std::string_literals;

namespace {

TEST(TextConvert, EveryScriptCrossesBothWaysUnchanged) {
    const std::u16string samples[] = {
        u"Dzień dobry", u"Привет", u"Καλημέρα", u"你好，世界", u"こんにちは", u"مرحبا بالعالم",
        u"שלום", u"नमस्ते", u"Grüße", u"\U0001F600 and \U00020BB7", u"",
    };
    for (const std::u16string& text : samples) {
        const std::string utf8 = Utf16ToUtf8(text);
        EXPECT_EQ(Utf8ToUtf16(utf8), text);
        EXPECT_EQ(Utf8ToUtf16Strict(utf8), text);
        EXPECT_EQ(Utf16Length(utf8), text.size());
    }
}

TEST(TextConvert, BrokenTextBecomesReplacementCharacters) {
    EXPECT_FALSE(Utf8ToUtf16Strict("a\xC3"));
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF!"), u"\uFFFD\uFFFD!") << "overlong: each byte replaced";
    EXPECT_EQ(Utf16ToUtf8Replacing(u"x\xD800y"), "x\xEF\xBF\xBDy") << "lone surrogate";
    EXPECT_EQ(Utf16ToUtf8Replacing(std::u16string(1, u'\xDC00')), "\xEF\xBF\xBD");
}

// A lone half of a surrogate pair, typed or pasted or in a file name, goes
// back to Windows as it came, counts as one character and is never cut.
TEST(TextConvert, ALoneHalfOfASurrogatePairCrossesBackWhole) {
    for (const std::u16string& text :
         {u"x\xD800y"s, u"\xDC00"s, u"a\xDBFF"s, u"\xDC00\xD800"s, u"\U0001F600\xDE00"s}) {
        const std::string inside = Utf16ToUtf8(text);
        EXPECT_EQ(Utf8ToUtf16(inside), text);
        EXPECT_FALSE(Utf8ToUtf16Strict(inside)) << "no file takes it as UTF-8";
        EXPECT_EQ(Utf16Length(inside), text.size());
    }
    EXPECT_EQ(LoneSurrogates(u"a\xD800" u"b\U0001F600\xDC00"), 2u);
    EXPECT_EQ(CutToUnits(Utf16ToUtf8(u"ab\xD800"), 2), "ab") << "kept whole or not at all";
    EXPECT_EQ(CutToUnits(Utf16ToUtf8(u"ab\xD800"), 3), Utf16ToUtf8(u"ab\xD800"));
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0"), u"\uFFFD\uFFFD") << "a cut-off one is two stray bytes";
}

TEST(TextConvert, CutsCountWindowsCharactersAndKeepThemWhole) {
    const std::string text = "ab\xD0\xB6\xF0\x9F\x98\x80z"; // a b ж 😀 z: 6 UTF-16 units
    EXPECT_EQ(CutToUnits(text, 100), text);
    EXPECT_EQ(CutToUnits(text, 3), "ab\xD0\xB6");
    EXPECT_EQ(CutToUnits(text, 4), "ab\xD0\xB6") << "half of a surrogate pair is not kept";
    EXPECT_EQ(CutToUnits(text, 5), "ab\xD0\xB6\xF0\x9F\x98\x80");
    EXPECT_EQ(CutToUnits(text, 0), "");
    EXPECT_EQ(CutToUnits("a\xFF" "b", 2), "a\xFF") << "a stray byte counts as one";
}

} // namespace
