#include <algorithm>
#include <cctype>
#include <set>

#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "app/model/PrompterDefaults.h"
#include "settings/RemoteSettingsFile.h"
#include "settings/SettingsApply.h"
#include "settings/SettingsTable.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(SettingsKeys, EveryKeyOnceAndSectionsInSaveOrder) {
    std::set<std::string> seen;
    std::vector<std::string> order;
    for (const SettingsKey& row : SettingsKeys()) {
        const std::string id = Lower(std::string(row.section) + "/" + KeyName(row, "Alte"));
        EXPECT_TRUE(seen.insert(id).second) << "twice: " << id;
        if (order.empty() || order.back() != row.section)
            order.emplace_back(row.section);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"OptionWindows", "Options", "Control", "Stuff",
                                               "Alternate"}));
    EXPECT_EQ(seen.size(), 42u);
}

TEST(ReadSettings, AbsentKeysTakeTheirDefaults) {
    MemoryProfile file;
    SettingsValues v;
    v.ML = v.MW = v.AlteSize = 99;
    v.LastFileLoaded = "old.txt";
    ReadSettingsPart(file, SettingsPart::Main, "Alte", v);
    ReadSettingsPart(file, SettingsPart::Alternate, "Alte", v);
    EXPECT_EQ(v.ML, 10);
    EXPECT_EQ(v.MT, 10);
    EXPECT_EQ(v.MW, 640);
    EXPECT_EQ(v.MH, 480);
    EXPECT_EQ(v.wState, 2);
    EXPECT_TRUE(v.LJustify);
    EXPECT_FALSE(v.Centering);
    EXPECT_EQ(v.FormColor, 0xFF0000u);
    EXPECT_EQ(v.LastFileLoaded, "");
    EXPECT_EQ(v.AlteSize, 22);
    EXPECT_EQ(v.AlteBcolor, 0u);
    EXPECT_EQ(v.AlteFcolor, 0xFFFFFFu);
    EXPECT_EQ(v.AlteFontName, "");
    EXPECT_EQ(file.writes, 0);
}

TEST(ReadSettings, BadNumbersTakeTheDefaultSpeedsClampAndReadingGoesOn) {
    MemoryProfile file;
    file.Set("Stuff", "Delay", "300");
    file.Set("Stuff", "FormColor", "blue");
    file.Set("Alternate", "AlteStyle", "200");
    file.Set("Alternate", "AlteDelay", "-1");
    file.Set("Alternate", "AlteSize", "0x24");
    file.Set("Alternate", "AlteFcolor", "0xFF");
    file.Set("Alternate", "Alteloop", "7");
    file.Set("OptionWindows", "MW", "12.5");
    SettingsValues v;
    ReadSettingsPart(file, SettingsPart::Main, "Alte", v);
    ReadSettingsPart(file, SettingsPart::Alternate, "Alte", v);
    EXPECT_EQ(v.Delay, 255) << "a slow file stays slow, not the default top speed";
    EXPECT_EQ(v.FormColor, 0xFF0000u);
    EXPECT_EQ(v.AlteStyle, 0) << "an unknown style is no style";
    EXPECT_EQ(v.AlteDelay, 0);
    EXPECT_EQ(v.MW, 640);
    EXPECT_EQ(v.AlteSize, 36) << "keys after the bad ones are still read";
    EXPECT_EQ(v.AlteFcolor, 0xFFu);
    EXPECT_TRUE(v.Alteloop) << "any non-zero number is true";
}

TEST(ReadSettings, RangesAreInclusive) {
    MemoryProfile file;
    file.Set("Alternate", "AlteStyle", "-128");
    file.Set("Alternate", "AlteDelay", "255");
    SettingsValues v;
    ReadSettingsPart(file, SettingsPart::Alternate, "Alte", v);
    EXPECT_EQ(v.AlteStyle, -128);
    EXPECT_EQ(v.AlteDelay, 255);
    file.Set("Alternate", "AlteDelay", "99999999999999999999999");
    file.Set("Stuff", "Delay", "-99999999999999999999999");
    ReadSettingsPart(file, SettingsPart::Alternate, "Alte", v);
    ReadSettingsPart(file, SettingsPart::Main, "Alte", v);
    EXPECT_EQ(v.AlteDelay, 255) << "however many digits";
    EXPECT_EQ(v.Delay, 0);
}

class SavedState : public ::testing::Test {
  protected:
    void SetUp() override {
        iNITIATE_ALL_VARIABLES(state);
        ApplyFactoryValues(state, Rect32{0, 0, 1024, 768});
        state.Ver = "1.3.2.44";
    }
    std::string Value(const char* section, const char* key) {
        return file.Read(section, key).value_or("<absent>");
    }
    PrompterState state;
    MemoryProfile file;
};

TEST_F(SavedState, FactoryStateSavesTheEditorsRealColours) {
    ASSERT_TRUE(WriteSettings(file, state, "1/2/2025-10:00:00", false));
    EXPECT_EQ(Value("Alternate", "AlteFontName"), "Arial");
    EXPECT_EQ(Value("Alternate", "AlteSize"), "26");
    EXPECT_EQ(Value("Options", "OutLineC"), "16711680");
    EXPECT_EQ(Value("Stuff", "Cureditstate"), "1");
    EXPECT_EQ(Value("Alternate", "AlteBcolor"), "16777215") << "the editor's white background";
    EXPECT_EQ(Value("Alternate", "AlteFcolor"), "0") << "the editor's black text";
    EXPECT_EQ(Value("Options", "Centering"), "1");
    EXPECT_EQ(Value("Options", "LJustify"), "0");
    EXPECT_EQ(Value("Stuff", "ConfigDate"), "1/2/2025-10:00:00");
    EXPECT_EQ(Value("Stuff", "Ver"), "1.3.2.44");
    EXPECT_EQ(Value("Stuff", "Delay"), "<absent>");
    EXPECT_EQ(Value("Alternate", "AlteMargin"), "<absent>");
    EXPECT_EQ(file.SectionNames(), (std::vector<std::string>{"OptionWindows", "Options", "Control",
                                                             "Stuff", "Alternate"}));
    EXPECT_EQ(file.flushes, 1);
}

TEST_F(SavedState, ColoursAboveTheLowThreeBytesSurviveARoundTrip) {
    state.MainColor = 0x8000000F;
    ASSERT_TRUE(WriteSettings(file, state, "", false));
    EXPECT_EQ(Value("Stuff", "MainColor"), "-2147483633");
    EXPECT_EQ(ParseProfileNumber(Value("Stuff", "MainColor")).value() & 0xFFFFFFFF, 0x8000000Fu);
}

TEST_F(SavedState, BoldPlusItalicIsSavedAsNoStyle) {
    state.Alternate.Style = kStyleBold | kStyleItalic;
    ASSERT_TRUE(WriteSettings(file, state, "", false));
    EXPECT_EQ(Value("Alternate", "AlteStyle"), "0");
    LoadAlternateEntry(state.Alternate, state, file);
    EXPECT_EQ(state.Alternate.Style, 0);
}

TEST_F(SavedState, AnExistingFileLosesHandWrittenKeysButKeepsForeignSections) {
    file.Set("Options", "MyOwnKey", "1");
    file.Set("Configuration", "Old", "x");
    file.Set("Studio", "Camera", "3");
    ASSERT_TRUE(WriteSettings(file, state, "", true));
    EXPECT_EQ(Value("Options", "MyOwnKey"), "<absent>");
    EXPECT_EQ(Value("Configuration", "Old"), "<absent>");
    EXPECT_EQ(Value("Studio", "Camera"), "3");
    EXPECT_EQ(Value("Options", "ShowHints"), "0");
}

TEST_F(SavedState, ASaveLeavesTheRemoteControlsSectionAlone) {
    file.Set("Remote", "Enabled", "1");
    file.Set("Remote", "Port", "9000");
    ASSERT_TRUE(WriteSettings(file, state, "", true));
    EXPECT_EQ(Value("Remote", "Enabled"), "1");
    EXPECT_EQ(Value("Remote", "Port"), "9000");
}

TEST_F(SavedState, AFailedWriteHalfWayIsReported) {
    file.failAtWrite = 20;
    EXPECT_FALSE(WriteSettings(file, state, "", false));
    EXPECT_EQ(file.writes, 20) << "the save stops at the failed write";
    EXPECT_EQ(file.flushes, 0);
}

TEST_F(SavedState, AWriteLostWithoutAnErrorIsCaughtByTheReadBack) {
    file.dropAtWrite = 30;
    EXPECT_FALSE(WriteSettings(file, state, "", false));
    EXPECT_EQ(file.flushes, 1);
}

TEST_F(SavedState, TextsThatTheFileTrimsStillVerify) {
    state.LastFileLoaded = "  \"C:\\scripts\\a.txt\"  ";
    EXPECT_TRUE(WriteSettings(file, state, "", false));
}

TEST(RemoteSettings, AFileWithoutTheSectionMeansOffOnThisComputerAtPort8765) {
    MemoryProfile file;
    file.Set("Stuff", "Delay", "3");
    const RemoteSettings read = ReadRemoteSettings(file);
    EXPECT_FALSE(read.enabled);
    EXPECT_FALSE(read.network);
    EXPECT_EQ(read.port, 8765);
    EXPECT_EQ(read.accessKey, "") << "the program makes a key";
}

TEST(RemoteSettings, BadValuesTakeTheirDefaults) {
    MemoryProfile file;
    file.Set("Remote", "Enabled", "yes");
    file.Set("Remote", "Network", "2");
    file.Set("Remote", "Port", "80");
    file.Set("Remote", "AccessKey", "0123456789abcdef0123456789abcdeg");
    const RemoteSettings read = ReadRemoteSettings(file);
    EXPECT_FALSE(read.enabled) << "not a number";
    EXPECT_TRUE(read.network) << "any non-zero number is true";
    EXPECT_EQ(read.port, 8765) << "below 1024";
    EXPECT_EQ(read.accessKey, "") << "a letter past f";
}

TEST(RemoteSettings, PortsFrom1024To65535) {
    EXPECT_EQ(ParseRemotePort("1024"), 1024);
    EXPECT_EQ(ParseRemotePort(" 65535 "), 65535);
    EXPECT_EQ(ParseRemotePort("1023"), std::nullopt);
    EXPECT_EQ(ParseRemotePort("65536"), std::nullopt);
    EXPECT_EQ(ParseRemotePort(""), std::nullopt);
    EXPECT_EQ(ParseRemotePort("80a"), std::nullopt);
}

TEST(RemoteSettings, WrittenValuesReadBackAndALostWriteIsCaught) {
    MemoryProfile file;
    RemoteSettings settings;
    settings.enabled = true;
    settings.network = true;
    settings.port = 9123;
    settings.accessKey = "00112233445566778899AABBCCDDEEFF";
    ASSERT_TRUE(WriteRemoteSettings(file, settings));
    EXPECT_TRUE(RemoteSettingsReadBack(file, settings));
    EXPECT_EQ(file.Read("Remote", "Port"), "9123");
    MemoryProfile lossy;
    lossy.dropAtWrite = 3;
    ASSERT_TRUE(WriteRemoteSettings(lossy, settings));
    EXPECT_FALSE(RemoteSettingsReadBack(lossy, settings));
}

} // namespace
