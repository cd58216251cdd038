#pragma once
#include <array>
#include <string>
#include <string_view>

#include "app/model/MenuModel.h"

// The help topic of each menu item that has one; every other item has none.
struct MenuHelpTopic {
    MenuId item;
    int context;
};
inline constexpr std::size_t kMenuHelpTopicCount = 25;
const std::array<MenuHelpTopic, kMenuHelpTopicCount>& MenuHelpTopics();

// Writes the topic numbers into the menu items (once, as the output window
// is created).
void AssignHelpContexts(MenuModel& menu);

// The help is a folder of HTML pages, "help" beside the program. The
// program's help file name (such as "rollscript.hlp") names this help as a
// whole: any non-empty name leads to the same folder, whose "index.html" is
// the contents page and "topic<N>.html" the page of topic N. Both return an
// empty text when no help file is named, or for topic 0 (no topic).
std::string HelpContentsPage(std::string_view programDir, std::string_view helpFile);
std::string HelpTopicPage(std::string_view programDir, std::string_view helpFile, int context);
