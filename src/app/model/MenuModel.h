#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Every item of the main menu. The values double as WM_COMMAND ids.
enum class MenuId : std::uint16_t {
    None = 0,
    // File
    File1 = 100,
    New1,
    Open1,
    Save1,
    SaveAs1,
    N1,
    LoadConfiguration1,
    SaveConfiguration1,
    SaveConfigurationAs1,
    N2,
    Print1,
    PrintSetup1,
    N3,
    Exit1,
    // Edit
    Edit1 = 200,
    Undo1,
    Cut1,
    Copy1,
    Paste1,
    N4,
    FindReplace1,
    // Font
    Font1 = 300,
    BlackonWhite1,
    TypeansSize1,
    N5,
    ReversMirrorText1,
    N6,
    Bold,
    Underline,
    Italic,
    N7,
    LeftJustify1,
    CenterText1,
    RightJustify1,
    // Play (a command on the bar itself)
    playbutton = 400,
    // Remote (a command on the bar itself)
    Remote1 = 450,
    // Monitors
    Monitors1 = 500,
    UseSecondMonitorforScrolling1,
    TestSecondMonitor1,
    // Window
    Window1 = 600,
    ShowEditorOnly1,
    HideButtonBar1,
    // Help
    About1 = 700,
    MenuHelp1,
    About2,
    // Exit (a command on the bar itself)
    Exit2 = 800,
};

struct MenuItemDef {
    MenuId id;
    MenuId parent; // None for the items on the bar
    std::string_view caption;
    bool separator;
    bool hidden;   // defined but never shown
    bool disabled; // at design
    bool radio;    // radio item of group 0 within its menu
};

// The menu tree in display order.
inline constexpr std::size_t kMenuItemCount = 46;
const std::array<MenuItemDef, kMenuItemCount>& MenuTree();
// Position of an item in the tree; throws for an id that is not an item.
std::size_t MenuIndex(MenuId id);
inline const MenuItemDef& MenuDef(MenuId id) {
    return MenuTree()[MenuIndex(id)];
}

// Run-time state of the menu: check marks, enabled state and captions. The
// commands, the settings load and the defaults all change marks through here,
// so the radio rule holds everywhere.
class MenuModel {
  public:
    MenuModel();

    bool Checked(MenuId id) const { return state_[Index(id)].checked; }
    bool Enabled(MenuId id) const { return state_[Index(id)].enabled; }
    const std::string& Caption(MenuId id) const { return state_[Index(id)].caption; }
    // Help topic number of the item; 0 means no topic.
    int HelpContext(MenuId id) const { return state_[Index(id)].helpContext; }
    void SetHelpContext(MenuId id, int context) { state_[Index(id)].helpContext = context; }

    // Setting a mark on a radio item clears every other radio item of its menu;
    // clearing a mark touches nothing else.
    void SetChecked(MenuId id, bool checked);
    // A mark set or cleared on its own, for a choice a radio change must
    // not take with it.
    void SetCheckedAlone(MenuId id, bool checked);
    void Toggle(MenuId id) { SetChecked(id, !Checked(id)); }
    void SetEnabled(MenuId id, bool enabled);
    void SetCaption(MenuId id, std::string_view caption);

    // Told of every item whose state changed, so the window's menu follows.
    using Observer = std::function<void(MenuId)>;
    void SetObserver(Observer observer) { observer_ = std::move(observer); }

  private:
    struct ItemState {
        bool checked = false;
        bool enabled = true;
        std::string caption;
        int helpContext = 0;
    };
    static std::size_t Index(MenuId id) { return MenuIndex(id); }
    std::array<ItemState, kMenuItemCount> state_{};
    Observer observer_;
    void Notify(MenuId id) const {
        if (observer_)
            observer_(id);
    }
};
