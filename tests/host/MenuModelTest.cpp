#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "app/model/MenuModel.h"

namespace {

const std::vector<MenuId> kFontMarks = {
    MenuId::ReversMirrorText1, MenuId::Bold,        MenuId::Underline,    MenuId::Italic,
    MenuId::LeftJustify1,      MenuId::CenterText1, MenuId::RightJustify1};

TEST(MenuModel, SettingAFontMarkClearsEveryOtherIncludingMirror) {
    for (MenuId set : kFontMarks) {
        MenuModel menu;
        for (MenuId other : kFontMarks)
            if (other != set)
                menu.SetChecked(other, true); // each clears the previous
        menu.SetChecked(set, true);
        for (MenuId other : kFontMarks)
            EXPECT_EQ(menu.Checked(other), other == set);
    }
}

TEST(MenuModel, ClearingAMarkTouchesNothingElse) {
    MenuModel menu;
    menu.SetChecked(MenuId::Italic, true);
    menu.SetChecked(MenuId::Bold, false);
    EXPECT_TRUE(menu.Checked(MenuId::Italic));
}

TEST(MenuModel, MarksOutsideTheFontMenuAreIndependent) {
    MenuModel menu;
    menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true);
    menu.SetChecked(MenuId::Bold, true);
    menu.SetChecked(MenuId::ReversMirrorText1, true);
    EXPECT_TRUE(menu.Checked(MenuId::UseSecondMonitorforScrolling1));
    EXPECT_FALSE(menu.Checked(MenuId::Bold));
}

TEST(MenuModel, ObserverHearsEveryChangedItem) {
    MenuModel menu;
    menu.SetChecked(MenuId::Bold, true);
    std::multiset<MenuId> heard;
    menu.SetObserver([&](MenuId id) { heard.insert(id); });
    menu.SetChecked(MenuId::Italic, true);
    EXPECT_EQ(heard, (std::multiset<MenuId>{MenuId::Bold, MenuId::Italic}));
}

TEST(MenuTree, CaptionsAndFlagsAreAsShownToUsers) {
    EXPECT_EQ(MenuDef(MenuId::MenuHelp1).caption, "&Help ");
    EXPECT_EQ(MenuDef(MenuId::Exit2).caption, "E&xit");
    EXPECT_EQ(MenuDef(MenuId::Exit2).parent, MenuId::None);
    EXPECT_EQ(MenuDef(MenuId::playbutton).caption, "&Play");
    EXPECT_TRUE(MenuDef(MenuId::ReversMirrorText1).hidden);
    EXPECT_TRUE(MenuDef(MenuId::ReversMirrorText1).disabled);
    EXPECT_TRUE(MenuDef(MenuId::Monitors1).hidden);
    EXPECT_TRUE(MenuDef(MenuId::Monitors1).disabled);
    EXPECT_TRUE(MenuDef(MenuId::Window1).hidden);
    EXPECT_TRUE(MenuDef(MenuId::FindReplace1).hidden);
    EXPECT_FALSE(MenuDef(MenuId::Exit1).radio);
    EXPECT_TRUE(MenuDef(MenuId::New1).radio);
    MenuModel menu;
    EXPECT_FALSE(menu.Enabled(MenuId::ReversMirrorText1));
    EXPECT_TRUE(menu.Enabled(MenuId::Bold));
}

TEST(MenuTree, RemoteIsACommandOnTheBarRightAfterPlay) {
    std::vector<std::string_view> bar;
    for (const MenuItemDef& def : MenuTree())
        if (def.parent == MenuId::None && !def.hidden)
            bar.push_back(def.caption);
    EXPECT_EQ(bar, (std::vector<std::string_view>{"&File", "&Edit", "F&ont", "&Play", "&Remote...",
                                                  "&Help", "E&xit"}));
    for (const MenuItemDef& def : MenuTree())
        EXPECT_NE(def.parent, MenuId::Remote1) << "a command, not a menu";
}

TEST(MenuTree, ItemsFollowTheirTopItemInOrder) {
    MenuId top = MenuId::None;
    std::vector<std::string_view> file;
    for (const MenuItemDef& def : MenuTree()) {
        if (def.parent == MenuId::None)
            top = def.id;
        else
            EXPECT_EQ(def.parent, top) << def.caption;
        if (def.parent == MenuId::File1 && !def.separator)
            file.push_back(def.caption);
    }
    EXPECT_EQ(file, (std::vector<std::string_view>{"&New", "&Open...", "&Save Text File",
                                                   "Save Text File &As...", "Load Settings...",
                                                   "Save Default Settings", "Save Settings As...",
                                                   "&Print...", "P&rint Setup...", "E&xit"}));
}

} // namespace
