#pragma once
#include <windows.h>

#include "app/model/MenuModel.h"

// Builds the window menu from the model; hidden items are left out.
HMENU BuildMainMenu(const MenuModel& model);

// Brings one item of a built menu in line with the model.
void SyncMenuItem(HMENU menu, const MenuModel& model, MenuId id);
