#include <gtest/gtest.h>

#include <map>

#include "accessory/AboutTexts.h"
#include "accessory/HelpTopics.h"

namespace {

TEST(HelpContexts, EveryMenuItemGetsItsTopicAndAllOthersNone) {
    MenuModel menu;
    for (const MenuItemDef& def : MenuTree())
        EXPECT_EQ(menu.HelpContext(def.id), 0) << "before assignment: " << def.caption;
    AssignHelpContexts(menu);
    const std::map<MenuId, int> expected = {
        {MenuId::File1, 11},          {MenuId::New1, 12},
        {MenuId::Open1, 13},          {MenuId::Save1, 14},
        {MenuId::SaveAs1, 15},        {MenuId::SaveConfiguration1, 16},
        {MenuId::LoadConfiguration1, 17},  {MenuId::SaveConfigurationAs1, 18},
        {MenuId::Print1, 19},         {MenuId::PrintSetup1, 110},
        {MenuId::Exit1, 199},         {MenuId::Edit1, 21},
        {MenuId::Undo1, 22},          {MenuId::Cut1, 23},
        {MenuId::Copy1, 24},          {MenuId::Paste1, 25},
        {MenuId::TypeansSize1, 41},   {MenuId::Bold, 45},
        {MenuId::Underline, 46},      {MenuId::Italic, 47},
        {MenuId::LeftJustify1, 48},   {MenuId::CenterText1, 49},
        {MenuId::RightJustify1, 410}, {MenuId::About1, 96},
        {MenuId::MenuHelp1, 91},
    };
    for (const MenuItemDef& def : MenuTree()) {
        const auto it = expected.find(def.id);
        EXPECT_EQ(menu.HelpContext(def.id), it == expected.end() ? 0 : it->second) << def.caption;
    }
    EXPECT_EQ(menu.HelpContext(MenuId::About2), 0);
    EXPECT_EQ(menu.HelpContext(MenuId::BlackonWhite1), 0);
    EXPECT_EQ(menu.HelpContext(MenuId::playbutton), 0);
}

TEST(HelpPages, ContentsAndTopicPagesLieInTheHelpFolderBesideTheProgram) {
    EXPECT_EQ(HelpContentsPage("C:\\Prompter\\", "rollscript.hlp"),
              "C:\\Prompter\\help\\index.html");
    EXPECT_EQ(HelpContentsPage("C:\\Prompter\\", "qtp.hlp"), "C:\\Prompter\\help\\index.html");
    EXPECT_EQ(HelpTopicPage("C:\\Prompter\\", "rollscript.hlp", 410),
              "C:\\Prompter\\help\\topic410.html");
    EXPECT_EQ(HelpTopicPage("C:\\Prompter", "rollscript.hlp", 19),
              "C:\\Prompter\\help\\topic19.html");
    EXPECT_EQ(HelpTopicPage("C:\\Prompter\\", "rollscript.hlp", 0), "") << "no topic";
    EXPECT_EQ(HelpContentsPage("C:\\Prompter\\", ""), "") << "no help file";
    EXPECT_EQ(HelpTopicPage("C:\\Prompter\\", "", 11), "");
}

TEST(AboutTexts, SizeIsWidthTwoBlanksHeight) {
    EXPECT_EQ(AboutOutputSize({}), "0  0");
    EXPECT_EQ(AboutOutputSize({0, 0, 1024, 768}), "1024  768");
    EXPECT_EQ(AboutOutputSize({1280, 10, 2304, 778}), "1024  768");
    EXPECT_EQ(AboutOutputSize({-2147483647 - 1, 0, 2147483647, 1}), "4294967295  1");
}

TEST(AboutTexts, TitleKeepsItsBlankForAnEmptyVersion) {
    EXPECT_EQ(AboutTitle(""), "Cuecraft ");
    EXPECT_EQ(AboutTitle("1.3.2.44"), "Cuecraft 1.3.2.44");
}

} // namespace
