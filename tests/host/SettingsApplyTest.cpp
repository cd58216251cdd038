#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "app/model/PrompterDefaults.h"
#include "settings/SettingsApply.h"

namespace {

const Rect32 kMonitor1280{0, 0, 1280, 1024};

MainWindowBounds Bounds(SettingsValues v, std::int32_t current = 0, std::size_t monitors = 1) {
    return LoadedMainWindowBounds(v, current, monitors, kMonitor1280, 1280);
}

SettingsValues Window(std::int32_t ml, std::int32_t mw, std::int32_t mh, std::int32_t ws = 0) {
    SettingsValues v;
    v.ML = ml;
    v.MT = 20;
    v.MW = mw;
    v.MH = mh;
    v.wState = ws;
    return v;
}

TEST(LoadedMainWindowBounds, InvalidStateLeavesTheCurrentOne) {
    EXPECT_EQ(Bounds(Window(10, 640, 480, 5), 1).wState, 1);
    EXPECT_EQ(Bounds(Window(10, 640, 480, -1), 0).wState, 0);
    EXPECT_EQ(Bounds(Window(10, 640, 480, 1), 0).wState, 1);
}

TEST(LoadedMainWindowBounds, LeftEdgeInTheRightHalfOfOneScreenGoesBackTo0) {
    EXPECT_EQ(Bounds(Window(700, 640, 480)).left, 0);
    EXPECT_EQ(Bounds(Window(640, 640, 480)).left, 640);
    EXPECT_EQ(Bounds(Window(700, 640, 480), 0, 2).left, 700) << "two monitors keep it";
    EXPECT_EQ(Bounds(Window(700, 640, 480)).top, 20);
}

TEST(LoadedMainWindowBounds, SizesOutsideTheMonitorTakeMonitor0s) {
    const MainWindowBounds tiny = Bounds(Window(0, 5, 9));
    EXPECT_EQ(tiny.width, 1280);
    EXPECT_EQ(tiny.height, 1024);
    const MainWindowBounds huge = Bounds(Window(0, 1281, 1025));
    EXPECT_EQ(huge.width, 1280);
    EXPECT_EQ(huge.height, 1024);
    const MainWindowBounds edge = Bounds(Window(0, 10, 1024));
    EXPECT_EQ(edge.width, 10);
    EXPECT_EQ(edge.height, 1024);
    EXPECT_EQ(Bounds(Window(0, 640, 480, 2)).width, 1280) << "maximised: monitor 0's width";
}

class Load : public ::testing::Test {
  protected:
    void SetUp() override {
        iNITIATE_ALL_VARIABLES(state);
        ApplyFactoryValues(state, Rect32{0, 0, 1024, 768});
    }
    void LoadIt(std::size_t monitors = 1) { LoadSettingsState(state, file, monitors); }
    PrompterState state;
    MemoryProfile file;
};

TEST_F(Load, MirrorModeSurvivesOnlyWithoutAnyAlignmentMark) {
    file.Set("Stuff", "UseReverse", "1");
    file.Set("Options", "Centering", "1");
    LoadIt();
    EXPECT_FALSE(state.UseReverse()) << "Center Text clears the mirror mark";
    EXPECT_EQ(state.editorAlignment, Alignment::Left) << "the missing LJustify is checked last";

    file.Set("Options", "LJustify", "0");
    LoadIt();
    EXPECT_FALSE(state.UseReverse());
    EXPECT_EQ(state.editorAlignment, Alignment::Center);

    file.Set("Options", "Centering", "0");
    file.sections.clear();
    file.Set("Stuff", "UseReverse", "1");
    LoadIt();
    EXPECT_FALSE(state.UseReverse()) << "a missing LJustify counts as checked";
    EXPECT_EQ(state.editorAlignment, Alignment::Left);

    file.Set("Options", "LJustify", "0");
    file.Set("Options", "RJustify", "0");
    LoadIt();
    EXPECT_TRUE(state.UseReverse());
    EXPECT_FALSE(state.menu.Checked(MenuId::CenterText1));
}

TEST_F(Load, DualScreenModeNeedsASecondMonitor) {
    file.Set("Control", "Dual_Monitor", "1");
    LoadIt(1);
    EXPECT_FALSE(state.Dual_Monitor());
    LoadIt(2);
    EXPECT_TRUE(state.Dual_Monitor());
    file.Set("Control", "Dual_Monitor", "0");
    LoadIt(1);
    EXPECT_TRUE(state.Dual_Monitor()) << "one monitor leaves the mark alone";
}

TEST_F(Load, TheRecordsDelayAndBackgroundReplaceTheStuffKeys) {
    file.Set("Stuff", "Delay", "12");
    file.Set("Stuff", "FormColor", "255");
    LoadIt();
    EXPECT_EQ(state.Delay, 0) << "AlteDelay's default replaces Delay";
    EXPECT_EQ(state.FormColor, 0u) << "AlteBcolor's default replaces FormColor";

    file.Set("Alternate", "AlteDelay", "45");
    file.Set("Alternate", "AlteBcolor", "65280");
    LoadIt();
    EXPECT_EQ(state.Delay, 30);
    EXPECT_EQ(state.FormColor, 65280u);
}

TEST_F(Load, AnOutOfRangeDelayIsClampedAndTheRestStillLoads) {
    file.Set("Options", "RJustify", "1");
    file.Set("Options", "LJustify", "0");
    file.Set("Alternate", "AlteDelay", "300");
    file.Set("Alternate", "AlteSize", "40");
    file.Set("Alternate", "AlteFcolor", "255");
    file.Set("Alternate", "AlteFileName", "C:\\s.txt");
    state.Delay = 9;
    LoadIt();
    EXPECT_EQ(state.Delay, 30) << "the slowest speed, as for 31 to 255";
    EXPECT_EQ(state.editorAlignment, Alignment::Right);
    EXPECT_EQ(state.editorFont.sizePt, 40);
    EXPECT_EQ(state.editorFont.color, 255u);
    EXPECT_EQ(state.Alternate.FileName, "C:\\s.txt");
}

TEST_F(Load, TheRecordBecomesTheEditorsLook) {
    file.Set("Alternate", "AlteFontName", "");
    file.Set("Alternate", "AlteSize", "31");
    file.Set("Alternate", "AlteBcolor", "0");
    file.Set("Alternate", "AlteFcolor", "16777215");
    file.Set("Alternate", "AlteStyle", "3");
    file.Set("Alternate", "AlteAlignment", "258");
    LoadIt();
    EXPECT_EQ(state.editorFont.name, "") << "an empty face is taken as it is";
    EXPECT_EQ(state.editorFont.sizePt, 31);
    EXPECT_EQ(state.editorColor, 0u);
    EXPECT_EQ(state.editorFont.color, 0xFFFFFFu);
    EXPECT_EQ(state.TextColor, 0xFFFFFFu);
    EXPECT_EQ(state.FontColor, 0xFFFFFFu);
    EXPECT_EQ(state.Alternate.Style, kStyleUnderline);
    EXPECT_EQ(state.Alternate.Alignment, 2) << "the low 8 bits";
    EXPECT_EQ(state.CurAlternate, &state.Alternate);

    file.Set("Alternate", "AlteFontName", "An Extremely Long Typeface Name");
    LoadIt();
    EXPECT_EQ(state.editorFont.name, "An Extremely Long Typefa");
}

TEST_F(Load, StyleMarksAreNotReadButShapeTheEditorFont) {
    file.Set("Stuff", "UseBold", "1");
    state.menu.SetChecked(MenuId::Italic, true);
    file.Set("Options", "LJustify", "0");
    LoadIt();
    EXPECT_FALSE(state.menu.Checked(MenuId::Bold));
    EXPECT_TRUE(state.editorFont.Has(kStyleItalic));
}

TEST_F(Load, WhatAFactorySaveWroteLoadsBackReadable) {
    state.editorFont.color = 0x000000;
    state.editorColor = 0xFFFFFF;
    ApplyFactoryValues(state, Rect32{0, 0, 1024, 768});
    ASSERT_TRUE(WriteSettings(file, state, "", false));
    PrompterState fresh;
    iNITIATE_ALL_VARIABLES(fresh);
    ApplyFactoryValues(fresh, Rect32{0, 0, 1024, 768});
    fresh.editorColor = 0x123456;
    LoadSettingsState(fresh, file, 1);
    EXPECT_EQ(fresh.editorColor, 0xFFFFFFu);
    EXPECT_EQ(fresh.editorFont.color, 0u);
    EXPECT_NE(fresh.editorColor, fresh.editorFont.color);
    EXPECT_EQ(fresh.editorFont.sizePt, 26);
    EXPECT_EQ(fresh.editorFont.name, "Arial");
    EXPECT_EQ(fresh.editorAlignment, Alignment::Center);
}

} // namespace
