#include <stdexcept>

#include <gtest/gtest.h>

#include "app/model/EditorFont.h"
#include "settings/ProfileCodec.h"

namespace {

TEST(ParseProfileNumber, ReadsDecimalAndHexAndRefusesTheRest) {
    EXPECT_EQ(ParseProfileNumber("15"), 15);
    EXPECT_EQ(ParseProfileNumber("-3"), -3);
    EXPECT_EQ(ParseProfileNumber("+7"), 7);
    EXPECT_EQ(ParseProfileNumber("0x1E"), 30);
    EXPECT_EQ(ParseProfileNumber("0XfF"), 255);
    EXPECT_EQ(ParseProfileNumber("0x00FF0000"), 16711680);
    EXPECT_EQ(ParseProfileNumber("0xFFFFFFFF"), -1) << "hex is a 32-bit pattern";
    EXPECT_EQ(ParseProfileNumber("-2147483648"), -2147483648LL);
    EXPECT_EQ(ParseProfileNumber("4294967295"), 4294967295LL) << "a colour written unsigned";
    for (const char* bad : {"", "-", "+", "0x", "0x1G", "12a", "1 2", "0x100000000", "4294967296",
                            "-2147483649", "99999999999999999999999", "$10"})
        EXPECT_EQ(ParseProfileNumber(bad), std::nullopt) << bad;
}

TEST(StyleCodes, KeepSingleStylesOnlyAndDropUnknownCodes) {
    for (std::uint8_t style : {kStyleBold, kStyleItalic, kStyleUnderline, kStyleStrikeOut})
        EXPECT_EQ(CodeToStyle(StyleToCode(style)), style);
    EXPECT_EQ(StyleToCode(kStyleBold), 1);
    EXPECT_EQ(StyleToCode(kStyleStrikeOut), 4);
    EXPECT_EQ(StyleToCode(0), 0);
    EXPECT_EQ(StyleToCode(kStyleBold | kStyleItalic), 0) << "combinations are not kept";
    for (int code : {0, 5, 127, -1, -128})
        EXPECT_EQ(CodeToStyle(code), 0) << code;
}

TEST(BaseConfigName, TakesTheLowerCaseNameBetweenFolderAndExtension) {
    EXPECT_EQ(BaseConfigName("C:\\Shows\\Evening\\Show.mes"), "show");
    EXPECT_EQ(BaseConfigName("ROLLSCRIPT.MES"), "rollscript");
    EXPECT_EQ(BaseConfigName("D:\\x\\My.Settings.mes"), "my.settings");
    EXPECT_EQ(BaseConfigName("C:\\settings\\.mes"), "");
    EXPECT_EQ(BaseConfigName("a.me"), "") << "shorter than an extension";
    EXPECT_EQ(BaseConfigName(""), "");
    EXPECT_EQ(BaseConfigName("x:\\A/B.mes"), "a/b") << "only a backslash ends the name";
    const std::string longName = "C:\\" + std::string(300, 'N') + ".mes";
    EXPECT_EQ(BaseConfigName(longName), std::string(255, 'n'));
    // The extension is four characters, not four bytes.
    EXPECT_EQ(BaseConfigName("C:\\Shows\\\xD0\x92\xD0\xB5\xD1\x87\xD0\xB5\xD1\x80.mes"),
              "\xD0\x92\xD0\xB5\xD1\x87\xD0\xB5\xD1\x80");
    EXPECT_EQ(BaseConfigName("C:\\a\\Show.\xE6\x96\x87\xE6\x9C\xAC\xE6\xA1\xA3"), "show")
        << "a Chinese extension";
}

TEST(IsBlank, IgnoresBlanksAndControlCharacters) {
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("  \t\r\n\x01"));
    EXPECT_FALSE(IsBlank("  C:\\a.txt "));
    EXPECT_FALSE(IsBlank("\xA0")) << "a high character is text";
}

TEST(ProfileEcho, TrimsAndUnquotesLikeTheProfileFunctions) {
    EXPECT_EQ(ProfileEcho("  Arial  "), "Arial");
    EXPECT_EQ(ProfileEcho("\"C:\\a b.txt\""), "C:\\a b.txt");
    EXPECT_EQ(ProfileEcho("'mixed\""), "'mixed\"");
    EXPECT_EQ(ProfileEcho(std::string(40000, 'x')).size(), kProfileTextMax);
    // The limit counts characters: a path in Chinese up to the system's limit stays whole.
    std::string chinese;
    for (int i = 0; i < 20000; ++i)
        chinese += "\xE5\x89\xA7"; // 剧
    EXPECT_EQ(ProfileEcho(chinese), chinese);
}

TEST(SettingsPath, PutsTheNameInTheSettingsFolder) {
    EXPECT_EQ(SettingsPath("C:\\Cuecraft\\", "rollscript"),
              "C:\\Cuecraft\\settings\\rollscript.mes");
    EXPECT_EQ(SettingsFolder("C:\\Cuecraft\\"), "C:\\Cuecraft\\settings");
    for (const char* bad : {"a\\b", "c:x", "what?", "a*", "tab\there"})
        EXPECT_THROW(SettingsPath("C:\\", bad), std::invalid_argument) << bad;
}

} // namespace
