#include "platform/ui/ImageList.h"

namespace ui {

int ImageList::Add(const std::wstring& iconName) {
    m_icons.push_back(iconName);
    return GetImageCount() - 1;
}

const std::wstring& ImageList::GetIconName(int index) const {
    static const std::wstring kNone;
    return index >= 0 && index < GetImageCount() ? m_icons[static_cast<size_t>(index)] : kNone;
}

bool ImageList::Replace(int index, const std::wstring& iconName) {
    if (index < 0 || index >= GetImageCount())
        return false;
    m_icons[static_cast<size_t>(index)] = iconName;
    return true;
}

} // namespace ui
