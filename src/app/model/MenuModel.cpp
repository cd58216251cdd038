#include "app/model/MenuModel.h"

#include <stdexcept>

namespace {
using M = MenuId;
constexpr MenuItemDef Item(M id, M parent, std::string_view caption, bool radio = true) {
    return {id, parent, caption, false, false, false, radio};
}
constexpr MenuItemDef Separator(M id, M parent, bool hidden = false) {
    return {id, parent, "-", true, hidden, false, true};
}
constexpr MenuItemDef Top(M id, std::string_view caption, bool hidden = false,
                          bool disabled = false) {
    return {id, M::None, caption, false, hidden, disabled, false};
}

const std::array<MenuItemDef, kMenuItemCount> kTree = {{
    Top(M::File1, "&File"),
    Item(M::New1, M::File1, "&New"),
    Item(M::Open1, M::File1, "&Open..."),
    Item(M::Save1, M::File1, "&Save Text File"),
    Item(M::SaveAs1, M::File1, "Save Text File &As..."),
    Separator(M::N1, M::File1),
    Item(M::LoadConfiguration1, M::File1, "Load Settings..."),
    Item(M::SaveConfiguration1, M::File1, "Save Default Settings"),
    Item(M::SaveConfigurationAs1, M::File1, "Save Settings As..."),
    Separator(M::N2, M::File1),
    Item(M::Print1, M::File1, "&Print..."),
    Item(M::PrintSetup1, M::File1, "P&rint Setup..."),
    {M::N3, M::File1, "-", true, false, false, false},
    Item(M::Exit1, M::File1, "E&xit", false),
    Top(M::Edit1, "&Edit"),
    Item(M::Undo1, M::Edit1, "&Undo"),
    Item(M::Cut1, M::Edit1, "Cut"),
    Item(M::Copy1, M::Edit1, "Copy"),
    Item(M::Paste1, M::Edit1, "Paste"),
    Separator(M::N4, M::Edit1, true),
    {M::FindReplace1, M::Edit1, "&Find/Replace", false, true, false, true},
    Top(M::Font1, "F&ont"),
    Item(M::BlackonWhite1, M::Font1, "Black on White"),
    Item(M::TypeansSize1, M::Font1, "Type and Size..."),
    Separator(M::N5, M::Font1, true),
    {M::ReversMirrorText1, M::Font1, "Mirror Reverse Font", false, true, true, true},
    Separator(M::N6, M::Font1),
    Item(M::Bold, M::Font1, "Bold"),
    Item(M::Underline, M::Font1, "Underline"),
    Item(M::Italic, M::Font1, "Italic"),
    Separator(M::N7, M::Font1),
    Item(M::LeftJustify1, M::Font1, "Left Justify"),
    Item(M::CenterText1, M::Font1, "Center Text"),
    Item(M::RightJustify1, M::Font1, "Right Justify"),
    Top(M::playbutton, "&Play"),
    Top(M::Remote1, "&Remote..."),
    Top(M::Monitors1, "Monitors", true, true),
    Item(M::UseSecondMonitorforScrolling1, M::Monitors1, "Use Dual Screen Mode", false),
    Item(M::TestSecondMonitor1, M::Monitors1, "Test Talent Monitor", false),
    Top(M::Window1, "&Window", true),
    Item(M::ShowEditorOnly1, M::Window1, "Show Editor Only", false),
    Item(M::HideButtonBar1, M::Window1, "Hide Button Bar", false),
    Top(M::About1, "&Help"),
    Item(M::MenuHelp1, M::About1, "&Help ", false),
    Item(M::About2, M::About1, "About", false),
    Top(M::Exit2, "E&xit"),
}};
} // namespace

const std::array<MenuItemDef, kMenuItemCount>& MenuTree() {
    return kTree;
}

std::size_t MenuIndex(MenuId id) {
    for (std::size_t i = 0; i < kTree.size(); ++i)
        if (kTree[i].id == id)
            return i;
    throw std::out_of_range("unknown menu item");
}

MenuModel::MenuModel() {
    for (std::size_t i = 0; i < kTree.size(); ++i) {
        state_[i].enabled = !kTree[i].disabled;
        state_[i].caption = std::string(kTree[i].caption);
    }
}

void MenuModel::SetChecked(MenuId id, bool checked) {
    const std::size_t index = Index(id);
    const MenuItemDef& def = kTree[index];
    if (checked && def.radio)
        for (std::size_t i = 0; i < kTree.size(); ++i)
            if (i != index && kTree[i].radio && kTree[i].parent == def.parent &&
                state_[i].checked) {
                state_[i].checked = false;
                Notify(kTree[i].id);
            }
    SetCheckedAlone(id, checked);
}

void MenuModel::SetCheckedAlone(MenuId id, bool checked) {
    state_[Index(id)].checked = checked;
    Notify(id);
}

void MenuModel::SetEnabled(MenuId id, bool enabled) {
    state_[Index(id)].enabled = enabled;
    Notify(id);
}

void MenuModel::SetCaption(MenuId id, std::string_view caption) {
    state_[Index(id)].caption = std::string(caption);
    Notify(id);
}
