#pragma once
// The width of a text in the dialog font, as the models lay out items without a toolkit:
// a fixed advance for narrow characters and twice that for wide (CJK) ones. Backends that draw
// with a real font place their widgets by the models' rectangles all the same.

#include <string_view>

namespace ui {

int TextWidth(std::wstring_view text);

} // namespace ui
