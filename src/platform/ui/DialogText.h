#pragma once
// A dialog in words: its caption and every control with id, kind, text and state, trees and
// lists with every item (collapsed branches too, indented by level), so that a console
// transcript shows all a window holds and a script can name any item by its text.

#include <string>
#include <vector>

namespace ui {

class Dialog;
class Menu;

std::vector<std::wstring> DescribeDialog(const Dialog& dialog);
std::vector<std::wstring> DescribeMenu(const Menu& menu);

} // namespace ui
