#include <gtest/gtest.h>

#include "app/model/PrompterDefaults.h"
#include "render/OutputRect.h"

namespace {

TEST(SetSdelaY, KeepsTheDelayWithin0To30) {
    PrompterState state;
    SetSdelaY(state, 200);
    EXPECT_EQ(state.Delay, 30);
    SetSdelaY(state, 30);
    EXPECT_EQ(state.Delay, 30);
    SetSdelaY(state, 31);
    EXPECT_EQ(state.Delay, 30);
    SetSdelaY(state, 0);
    EXPECT_EQ(state.Delay, 0);
    SetSdelaY(state, 15);
    EXPECT_EQ(state.Delay, 15);
}

TEST(InitiateAllVariables, ClearsTheRunTimeFields) {
    PrompterState state;
    state.ConfigName = "show";
    state.StartupDone = true;
    state.Ver = "1.0";
    state.OutLineW = 3;
    state.FormColor = 0x123456;
    state.OutLineC = 5;
    state.TextColor = 0xFFFFFF;
    state.Delay = 12;
    state.Sc_Tr = {1, 2, 3, 4};
    state.TicksPerMs = 10000;
    state.CmdLineFileGiven = true;
    state.CmdLineFile = "x.txt";
    state.CursorLine = 7;
    state.LastFileLoaded = "kept.txt";
    iNITIATE_ALL_VARIABLES(state);
    EXPECT_EQ(state.ConfigName, "");
    EXPECT_FALSE(state.StartupDone);
    EXPECT_EQ(state.Ver, "");
    EXPECT_EQ(state.OutLineW, 0);
    EXPECT_EQ(state.FormColor, 0u);
    EXPECT_EQ(state.OutLineC, 0u);
    EXPECT_EQ(state.TextColor, 0u);
    EXPECT_EQ(state.Delay, 0);
    EXPECT_EQ(state.Sc_Tr, Rect32{});
    EXPECT_EQ(state.TicksPerMs, 0);
    EXPECT_FALSE(state.CmdLineFileGiven);
    EXPECT_EQ(state.CmdLineFile, "");
    EXPECT_EQ(state.CursorLine, 0);
    EXPECT_EQ(state.LastFileLoaded, "kept.txt");
}

TEST(ResetAlternateEntry, ResetsOnlyItsOwnFields) {
    AlternateEntry entry;
    entry.Name = "Alte";
    entry.Size = 40;
    entry.FontName = "Courier New";
    entry.Bcolor = 1;
    entry.Fcolor = 2;
    entry.Style = kStyleBold | kStyleItalic;
    entry.Alignment = 2;
    entry.FileName = "a.txt";
    entry.loop = true;
    entry.Margin = 9;
    ResetAlternateEntry(entry);
    EXPECT_EQ(entry.Size, 26);
    EXPECT_EQ(entry.FontName, "Arial");
    EXPECT_EQ(entry.Style, 0);
    EXPECT_EQ(entry.Alignment, 0);
    EXPECT_EQ(entry.Margin, 0);
    EXPECT_EQ(entry.Name, "Alte");
    EXPECT_EQ(entry.Bcolor, 1u);
    EXPECT_EQ(entry.Fcolor, 2u);
    EXPECT_EQ(entry.FileName, "a.txt");
    EXPECT_TRUE(entry.loop);
}

TEST(ApplyMenuFontStyle, FollowsTheMarksAndKeepsStrikeOut) {
    PrompterState state;
    state.editorFont.style = kStyleItalic | kStyleStrikeOut;
    state.menu.SetChecked(MenuId::Bold, true);
    ApplyMenuFontStyle(state);
    EXPECT_EQ(state.editorFont.style, kStyleBold | kStyleStrikeOut);
    state.menu.SetChecked(MenuId::Underline, true); // clears Bold's mark
    ApplyMenuFontStyle(state);
    EXPECT_EQ(state.editorFont.style, kStyleUnderline | kStyleStrikeOut);
}

class FactoryDefaults : public ::testing::Test {
  protected:
    void SetUp() override {
        state.editorFont = {"Times New Roman", 40, kStyleBold | kStyleItalic, 0x00FF00};
        state.editorColor = 0x000080;
        state.FormColor = 0x000080;
        state.TextColor = 0xFFFFFF;
        state.FontColor = 0x00FF00;
        state.Delay = 17;
        state.LastFileLoaded = "C:\\scripts\\news.txt";
        state.menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true);
        state.ShowHints = true;
        state.Alternate.Size = 50;
        state.Alternate.Bcolor = 0x000080;
        ApplyFactoryValues(state, Rect32{0, 0, 1024, 768});
    }
    PrompterState state;
};

TEST_F(FactoryDefaults, GiveTheFactoryValues) {
    EXPECT_EQ(state.CurAlternate, &state.Alternate);
    EXPECT_EQ(state.Alternate.Name, "Alte");
    EXPECT_EQ(state.Alternate.Size, 26);
    EXPECT_EQ(state.editorFont.sizePt, 28) << "the editor size differs from the record's";
    EXPECT_EQ(state.wState, 2);
    EXPECT_EQ(state.Sc_Tr, (Rect32{2, 2, 1022, 766}));
    EXPECT_EQ(state.Delay, 0);
    EXPECT_EQ(state.OutLineW, 0);
    EXPECT_EQ(state.OutLineC, 0xFF0000u);
    EXPECT_TRUE(state.menu.Checked(MenuId::CenterText1));
    for (MenuId id : {MenuId::Bold, MenuId::Italic, MenuId::Underline, MenuId::LeftJustify1,
                      MenuId::RightJustify1})
        EXPECT_FALSE(state.menu.Checked(id));
    EXPECT_EQ(state.editorFont.style, 0) << "no style mark is set";
}

TEST_F(FactoryDefaults, KeepColoursFaceAndChoices) {
    EXPECT_EQ(state.editorFont.name, "Times New Roman");
    EXPECT_EQ(state.editorFont.color, 0x00FF00u);
    EXPECT_EQ(state.editorColor, 0x000080u);
    EXPECT_EQ(state.FormColor, 0x000080u);
    EXPECT_EQ(state.TextColor, 0xFFFFFFu);
    EXPECT_EQ(state.FontColor, 0x00FF00u);
    EXPECT_EQ(state.LastFileLoaded, "C:\\scripts\\news.txt");
    EXPECT_TRUE(state.Dual_Monitor());
    EXPECT_TRUE(state.ShowHints);
}

TEST(FactoryDefaultsMirror, KeepTheMirrorChoiceBesideCenterText) {
    // Checking Center Text would clear the mirror mark by the Font menu's
    // radio rule; the defaults keep the choice either way.
    for (const bool mirror : {true, false}) {
        PrompterState state;
        state.menu.SetChecked(MenuId::ReversMirrorText1, mirror);
        ApplyFactoryValues(state, Rect32{0, 0, 800, 600});
        EXPECT_EQ(state.UseReverse(), mirror);
        EXPECT_TRUE(state.menu.Checked(MenuId::CenterText1));
    }
}

TEST_F(FactoryDefaults, TheRecordTakesTheEditorsColours) {
    EXPECT_EQ(state.Alternate.Bcolor, 0x000080u);
    EXPECT_EQ(state.Alternate.Fcolor, 0x00FF00u) << "not the black a cleared record holds";
}

TEST_F(FactoryDefaults, SizeTheOutputFromMonitorZeroOnly) {
    ApplyFactoryValues(state, Rect32{-1280, 0, 0, 1024});
    EXPECT_EQ(state.Sc_Tr, (Rect32{2, 2, 1278, 1022}));
}

TEST(ApplyAlignmentMarks, LastCheckedOfLeftRightCenterWins) {
    PrompterState state;
    state.editorAlignment = Alignment::Right;
    ApplyAlignmentMarks(state);
    EXPECT_EQ(state.editorAlignment, Alignment::Right) << "no mark keeps the alignment";
    state.menu.SetChecked(MenuId::LeftJustify1, true);
    ApplyAlignmentMarks(state);
    EXPECT_EQ(state.editorAlignment, Alignment::Left);
    state.menu.SetChecked(MenuId::CenterText1, true);
    ApplyAlignmentMarks(state);
    EXPECT_EQ(state.editorAlignment, Alignment::Center);
}

TEST(OutputRect, StartsFurtherInForMirroredItalic) {
    const Rect32 monitor{0, 0, 1024, 768};
    EXPECT_EQ(OutputRectFor(monitor, false, false), (Rect32{1, 1, 1024, 768}));
    EXPECT_EQ(OutputRectFor(monitor, true, false), (Rect32{1, 1, 1024, 768}));
    EXPECT_EQ(OutputRectFor(monitor, false, true), (Rect32{1, 1, 1024, 768}));
    EXPECT_EQ(OutputRectFor(monitor, true, true), (Rect32{9, 1, 1024, 768}));
}

} // namespace
