// The settings file shipped in the ready-to-run folder.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "app/model/PrompterDefaults.h"
#include "settings/SettingsApply.h"

namespace {

MemoryProfile Shipped() {
    std::ifstream in(CUECRAFT_SOURCE_DIR "/dist/settings/rollscript.mes", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return MemoryProfile::Parse(text.str());
}

PrompterState Factory() {
    PrompterState state;
    iNITIATE_ALL_VARIABLES(state);
    ApplyFactoryValues(state, Rect32{0, 0, 1920, 1080});
    return state;
}

TEST(DistributedSettings, LoadWhiteOnBlackAtDelay15) {
    MemoryProfile shipped = Shipped();
    ASSERT_FALSE(shipped.sections.empty());
    PrompterState state = Factory();
    LoadSettingsState(state, shipped, 1);
    EXPECT_EQ(state.editorColor, 0u);
    EXPECT_EQ(state.editorFont.color, 0xFFFFFFu);
    EXPECT_EQ(state.TextColor, 0xFFFFFFu);
    EXPECT_EQ(state.Delay, 15);
    EXPECT_EQ(state.editorFont.name, "Arial");
    EXPECT_EQ(state.editorAlignment, Alignment::Center);
    EXPECT_FALSE(state.UseReverse());
    EXPECT_FALSE(state.Dual_Monitor());
}

TEST(DistributedSettings, HoldWhatAFactorySaveWritesButColoursAndDelay) {
    PrompterState state = Factory();
    state.editorColor = state.Alternate.Bcolor = 0;
    state.editorFont.color = state.Alternate.Fcolor = state.FontColor = 0xFFFFFF;
    SetSdelaY(state, 15);
    state.ML = state.MT = 10;
    state.MW = 640;
    state.MH = 480;
    state.Ver = "1.3.2.44";
    MemoryProfile saved;
    ASSERT_TRUE(WriteSettings(saved, state, "", false));
    MemoryProfile shipped = Shipped();
    for (const SettingsKey& row : SettingsKeys()) {
        const std::string key = KeyName(row, "Alte");
        EXPECT_EQ(shipped.Read(row.section, key), saved.Read(row.section, key)) << key;
    }
    EXPECT_EQ(shipped.SectionNames(), saved.SectionNames());
}

} // namespace
