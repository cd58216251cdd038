#pragma once
#include <windows.h>

#include "app/model/MenuModel.h"

class Program;
struct PrompterState;

// Help > "&Help ", Help > About, and F1 on a highlighted menu item. The help
// is a folder of HTML pages opened in the default browser.
class HelpCommands {
  public:
    HelpCommands(Program& program, const PrompterState& state) : program_(program), state_(state) {}

    void About2Click(HWND owner);
    void MenuHelp1Click();
    // Opens the help topic of a menu item; false when it has none.
    bool ShowItemHelp(MenuId item);
    // Remembers the menu item under the menu cursor.
    void OnMenuSelect(WPARAM wp, LPARAM lp);
    // F1 in a menu; false when the help request is not for a menu item.
    bool OnHelp(const HELPINFO& info);

  private:
    void OpenHelpPage(const std::string& page);

    Program& program_;
    const PrompterState& state_;
    MenuId highlighted_ = MenuId::None;
};
