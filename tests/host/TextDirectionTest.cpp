#include <string>

#include <gtest/gtest.h>

#include "render/TextDirection.h"

namespace {

TEST(TextDirection, MostOfTheStrongCharactersDecide) {
    EXPECT_FALSE(IsRightToLeftText(""));
    EXPECT_FALSE(IsRightToLeftText("Hello world"));
    EXPECT_FALSE(IsRightToLeftText("2024, (12:30) -- ...\n\t"));
    EXPECT_FALSE(IsRightToLeftText("Dzień dobry, שלום"));
    EXPECT_FALSE(IsRightToLeftText("Привет, мир; مرحبا"));
    EXPECT_TRUE(IsRightToLeftText("你好 שלום"));
    EXPECT_TRUE(IsRightToLeftText("שלום עולם"));
    EXPECT_FALSE(IsRightToLeftText("مرحبا Hello world"));
    // A Latin cue or a name at the top does not turn the script around.
    EXPECT_TRUE(IsRightToLeftText("CAM 1\nשלום וברוכים הבאים\nJohn Smith מדווח"));
    EXPECT_TRUE(IsRightToLeftText("CAM 2\nمرحبا بكم مع BBC News، الساعة 18:30"));
    EXPECT_FALSE(IsRightToLeftText("CAM 1: שלום\nGood evening and welcome"));
    // A tie goes to the first strong character.
    EXPECT_TRUE(IsRightToLeftText("שלום abcd"));
    EXPECT_FALSE(IsRightToLeftText("abcd שלום"));
    // Digits, punctuation, spaces, line breaks and emoji are neutral.
    EXPECT_TRUE(IsRightToLeftText("  \n123 - \"(مرحبا)\" world"));
    EXPECT_TRUE(IsRightToLeftText("\xF0\x9F\x98\x80 2024 שלום abc"));
    // Neutrals inside the right-to-left blocks do not decide either: Arabic
    // digits, the Arabic comma, Hebrew points, Arabic harakat.
    EXPECT_FALSE(IsRightToLeftText("\u0661\u0662\u0663\u060C abc"));
    EXPECT_TRUE(IsRightToLeftText("\u05B8\u064E \u06F1 שלום"));
    // Other right-to-left scripts and the presentation forms.
    EXPECT_TRUE(IsRightToLeftText("ܫܠܡܐ"));                           // Syriac
    EXPECT_TRUE(IsRightToLeftText("ދިވެހި"));                            // Thaana
    EXPECT_TRUE(IsRightToLeftText("ߒߞߏ"));                            // NKo
    EXPECT_TRUE(IsRightToLeftText("\uFEE3\uFEAE\uFEA3\uFE92\uFE8E")); // Arabic forms B
    EXPECT_TRUE(IsRightToLeftText("\uFB50 x"));                       // Arabic forms A
    EXPECT_TRUE(IsRightToLeftText("\uFB2A x"));                       // Hebrew forms
    EXPECT_TRUE(IsRightToLeftText("\U0001E900 x"));                   // Adlam
}

TEST(TextDirection, MarksIsolatesAndBrokenBytes) {
    EXPECT_TRUE(IsRightToLeftText("\u200F(1) abc"));
    EXPECT_FALSE(IsRightToLeftText("\u200E(1) שלום"));
    // Text inside an isolate is skipped, up to its pop or the paragraph's end.
    EXPECT_TRUE(IsRightToLeftText("\u2066abc\u2069 שלום"));
    EXPECT_FALSE(IsRightToLeftText("\u2067שלום\u2069 abc"));
    EXPECT_TRUE(IsRightToLeftText("\u2068abc\nשלום"));
    // Malformed UTF-8 is neutral and never read past the end.
    EXPECT_TRUE(IsRightToLeftText("\xFF\xC0\xAF\xED\xA0\x80\xE2\x82 שלום"));
    EXPECT_FALSE(IsRightToLeftText(std::string("abc\0שלום", 11)));
    for (const char* truncated : {"\xD7", "\xE2\x80", "\xF0\x9F\x98"})
        EXPECT_FALSE(IsRightToLeftText(truncated)) << truncated;
    EXPECT_FALSE(IsRightToLeftText(std::string_view("\xD7\x90", 1))) << "half of an alef";
}

TEST(TextDirection, OnlyLatinLeftToRightLinesSkipShaping) {
    using Line = std::u16string_view;
    EXPECT_FALSE(LineNeedsShaping(Line(u""), false));
    EXPECT_FALSE(LineNeedsShaping(Line(u""), true)) << "nothing to order";
    EXPECT_FALSE(LineNeedsShaping(Line(u"Q&A\tmore, 1.5 \u00E9t\u00E9"), false));
    EXPECT_FALSE(LineNeedsShaping(Line(u"Dzie\u0144 dobry \u02FF"), false));
    EXPECT_TRUE(LineNeedsShaping(Line(u"Hello, world!"), true)) << "its neutrals move";
    EXPECT_TRUE(LineNeedsShaping(Line(u"e\u0301"), false)) << "a combining mark";
    EXPECT_TRUE(LineNeedsShaping(Line(u"\u041F\u0440\u0438"), false));
    EXPECT_TRUE(LineNeedsShaping(Line(u"abc \u05E9\u05DC\u05D5\u05DD"), false));
    EXPECT_TRUE(LineNeedsShaping(Line(u"abc \u0645\u0631"), false));
    EXPECT_TRUE(LineNeedsShaping(Line(u"\U0001F600"), false)) << "a surrogate pair";
    EXPECT_TRUE(LineNeedsShaping(std::u32string_view(U"\U0001F600"), false));
}

} // namespace
