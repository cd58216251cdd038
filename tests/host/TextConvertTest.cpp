#include <gtest/gtest.h>

#include "win/TextConvert.h"

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
    EXPECT_EQ(Utf16ToUtf8(u"x\xD800y"), "x\xEF\xBF\xBDy") << "lone surrogate";
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xDC00')), "\xEF\xBF\xBD");
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
