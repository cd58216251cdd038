#include "accessory/HelpCommands.h"

#include <stdexcept>

#include <windows.h>

#include "accessory/About.h"
#include "accessory/HelpTopics.h"
#include "app/model/Program.h"
#include "app/model/PrompterState.h"
#include "win/ModalUi.h"
#include "win/Win32Error.h"

void HelpCommands::OpenHelpPage(const std::string& page) {
    if (page.empty())
        return;
    const std::uint32_t error = program_.services().openHelpPage(page);
    if (error == ERROR_NO_ASSOCIATION) {
        const std::string folder = page.substr(0, page.find_last_of('\\'));
        throw std::runtime_error("No program is set up to open the help pages. They are in " +
                                 folder + "; open index.html there with a web browser.");
    }
    if (error)
        throw std::runtime_error(SystemErrorText(error) + ", " + page);
}

void HelpCommands::About2Click(HWND owner) {
    TAboutForm about(state_.Sc_Tr, state_.Ver);
    const ModalScope open(program_.services().ui);
    about.ShowModal(owner);
}

void HelpCommands::MenuHelp1Click() {
    OpenHelpPage(HelpContentsPage(state_.ProgramDir, program_.HelpFile()));
}

bool HelpCommands::ShowItemHelp(MenuId item) {
    if (item == MenuId::None)
        return false;
    const int context = state_.menu.HelpContext(item);
    if (context == 0)
        return false;
    OpenHelpPage(HelpTopicPage(state_.ProgramDir, program_.HelpFile(), context));
    return true;
}

// Remembers the highlighted item; a popup's title is reported by position.
void HelpCommands::OnMenuSelect(WPARAM wp, LPARAM lp) {
    const UINT flags = HIWORD(wp);
    const auto menu = reinterpret_cast<HMENU>(lp);
    highlighted_ = MenuId::None;
    if (flags == 0xFFFF && !menu)
        return; // the menu closed
    if (flags & MF_SEPARATOR)
        return;
    if (!(flags & MF_POPUP)) {
        highlighted_ = static_cast<MenuId>(LOWORD(wp));
        return;
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    if (GetMenuItemInfoW(menu, LOWORD(wp), TRUE, &info))
        highlighted_ = static_cast<MenuId>(info.wID);
}

bool HelpCommands::OnHelp(const HELPINFO& info) {
    if (info.iContextType != HELPINFO_MENUITEM)
        return false;
    // The menu names the focused item; with none focused in an open popup it
    // names nothing, and the tracked highlight (the popup's title) counts.
    MenuId item = static_cast<MenuId>(info.iCtrlId);
    if (item == MenuId::None)
        item = highlighted_;
    try {
        MenuIndex(item);
    } catch (const std::out_of_range&) {
        return false;
    }
    ShowItemHelp(item);
    return true;
}
