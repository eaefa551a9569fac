#pragma once
// A tree control's items as lines, for comparing a whole tree at once: two blanks per level,
// the text, the image in brackets, "+" for an open item that has children, "*" for the
// selected one.

#include "platform/ui/TreeCtrl.h"

#include <string>
#include <vector>

namespace ovtest {

std::vector<std::wstring> TreeLines(const ui::TreeCtrl& tree);
// The item with that path of texts joined by "|" ("Q|屏面布置图|图1.dwg"), or null.
ui::HTREEITEM TreeItem(const ui::TreeCtrl& tree, const std::wstring& path);

} // namespace ovtest
