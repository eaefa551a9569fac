#pragma once
// The management window's resources: dialog template 101 and menu resource 109, whose popup 0
// is the trees' context menu.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"

#include <vector>

inline constexpr int IDR_TREE_MENU = 109;

ui::DialogTemplate ManageDlgTemplate();
std::vector<ui::MenuTemplateItem> ManageTreeMenuTemplate();
