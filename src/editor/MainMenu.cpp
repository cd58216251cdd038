#include "editor/MainMenu.h"

#include "win/Wide.h"

namespace {
// `caption` keeps the item's text for as long as the menu call needs it.
MENUITEMINFOW ItemInfo(const MenuModel& model, const MenuItemDef& def, std::wstring& caption) {
    caption = Widen(model.Caption(def.id));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
    info.wID = static_cast<UINT>(def.id);
    info.fType = def.separator ? MFT_SEPARATOR : (def.radio ? MFT_RADIOCHECK : MFT_STRING);
    info.fState = (model.Checked(def.id) ? MFS_CHECKED : 0) |
                  (model.Enabled(def.id) ? MFS_ENABLED : MFS_DISABLED);
    info.dwTypeData = caption.data();
    return info;
}
} // namespace

HMENU BuildMainMenu(const MenuModel& model) {
    HMENU bar = CreateMenu();
    HMENU popup = nullptr;
    for (const MenuItemDef& def : MenuTree()) {
        if (def.parent == MenuId::None)
            popup = nullptr;
        if (def.hidden)
            continue;
        std::wstring caption;
        MENUITEMINFOW info = ItemInfo(model, def, caption);
        if (def.parent == MenuId::None) {
            const bool hasItems = &def != &MenuTree().back() && (&def + 1)->parent == def.id;
            if (hasItems) {
                popup = CreatePopupMenu();
                info.fMask |= MIIM_SUBMENU;
                info.hSubMenu = popup;
            }
            InsertMenuItemW(bar, GetMenuItemCount(bar), TRUE, &info);
        } else if (popup) {
            InsertMenuItemW(popup, GetMenuItemCount(popup), TRUE, &info);
        }
    }
    return bar;
}

MenuId PopupOf(HMENU popup) {
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        for (const MenuItemDef& def : MenuTree())
            if (static_cast<UINT>(def.id) == id && def.parent != MenuId::None)
                return def.parent;
    }
    return MenuId::None;
}

void SyncMenuItem(HMENU menu, const MenuModel& model, MenuId id) {
    const MenuItemDef& def = MenuDef(id);
    if (def.hidden || def.separator)
        return;
    std::wstring caption;
    MENUITEMINFOW info = ItemInfo(model, def, caption);
    info.fMask = MIIM_STATE | MIIM_STRING;
    SetMenuItemInfoW(menu, static_cast<UINT>(id), FALSE, &info);
}
