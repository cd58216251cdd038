#include "accessory/HelpTopics.h"

namespace {
using M = MenuId;
// The numbers are the help's own and not a consecutive range: note 110, 199
// and 410. The top-level Help menu has 96, its contents item 91.
constexpr std::array<MenuHelpTopic, kMenuHelpTopicCount> kTopics = {{
    {M::File1, 11},          {M::New1, 12},
    {M::Open1, 13},          {M::Save1, 14},
    {M::SaveAs1, 15},        {M::SaveConfiguration1, 16},
    {M::LoadConfiguration1, 17},  {M::SaveConfigurationAs1, 18},
    {M::Print1, 19},         {M::PrintSetup1, 110},
    {M::Exit1, 199},         {M::Edit1, 21},
    {M::Undo1, 22},          {M::Cut1, 23},
    {M::Copy1, 24},          {M::Paste1, 25},
    {M::TypeansSize1, 41},   {M::Bold, 45},
    {M::Underline, 46},      {M::Italic, 47},
    {M::LeftJustify1, 48},   {M::CenterText1, 49},
    {M::RightJustify1, 410}, {M::About1, 96},
    {M::MenuHelp1, 91},
}};

std::string HelpFolder(std::string_view programDir) {
    std::string folder(programDir);
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder + "help\\";
}
} // namespace

const std::array<MenuHelpTopic, kMenuHelpTopicCount>& MenuHelpTopics() {
    return kTopics;
}

void AssignHelpContexts(MenuModel& menu) {
    for (const MenuHelpTopic& topic : kTopics)
        menu.SetHelpContext(topic.item, topic.context);
}

std::string HelpContentsPage(std::string_view programDir, std::string_view helpFile) {
    if (helpFile.empty())
        return {};
    return HelpFolder(programDir) + "index.html";
}

std::string HelpTopicPage(std::string_view programDir, std::string_view helpFile, int context) {
    if (helpFile.empty() || context == 0)
        return {};
    return HelpFolder(programDir) + "topic" + std::to_string(context) + ".html";
}
