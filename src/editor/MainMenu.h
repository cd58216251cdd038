#pragma once
#include <windows.h>

#include "app/model/MenuModel.h"

// Builds the window menu from the model; hidden items are left out.
HMENU BuildMainMenu(const MenuModel& model);

// Brings one item of a built menu in line with the model.
void SyncMenuItem(HMENU menu, const MenuModel& model, MenuId id);

// The top item whose menu `popup` is, known by its items; None for a menu
// not built from the tree.
MenuId PopupOf(HMENU popup);
