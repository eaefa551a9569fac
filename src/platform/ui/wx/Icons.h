#pragma once
// The pictures behind the icon names of image lists (ui::icon::...), drawn in code so that
// they stay sharp at the list's size: a Project, an Equipment (ordinary, current and selected),
// folders, a drawing type and a drawing.

#include <wx/bitmap.h>

class wxWindow;

#include <string>

namespace ui::desk {

// The icon a name stands for, at the size asked; a name no icon has gives a grey box with a
// question mark, so that a wrong name shows instead of hiding.
wxBitmap DrawIcon(const std::wstring& name, wxSize size);
// The check box of a tree item, ticked or not.
wxBitmap DrawCheckMark(wxWindow& window, bool checked, wxSize size);

} // namespace ui::desk
