#pragma once
// Texts, points and rectangles between the models and the toolkit.

#include "platform/ui/Geometry.h"

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <string>

namespace ui::desk {

inline wxString ToWx(const std::wstring& text) {
    return wxString(text.c_str(), text.size());
}
inline std::wstring FromWx(const wxString& text) {
    return text.ToStdWstring();
}
inline wxRect ToWx(const Rect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}
inline Rect FromWx(const wxRect& rect) {
    return {rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}
inline wxPoint ToWx(Point point) {
    return {point.x, point.y};
}
inline Point FromWx(const wxPoint& point) {
    return {point.x, point.y};
}

} // namespace ui::desk
