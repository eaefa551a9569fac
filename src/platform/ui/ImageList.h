#pragma once
// An image list: the pictures of tree items by index. Each entry names the icon it shows; the
// library or the dialog that fills the list chooses the names, and a backend draws the icon a
// name stands for (it never maps indices itself).

#include "platform/ui/Geometry.h"

#include <string>
#include <vector>

namespace ui {

// Icon names the backends can draw.
namespace icon {
inline constexpr const wchar_t* kProject = L"project";
inline constexpr const wchar_t* kEquipment = L"equipment";
inline constexpr const wchar_t* kEquipmentCurrent = L"equipment-current";
inline constexpr const wchar_t* kEquipmentSelected = L"equipment-selected";
inline constexpr const wchar_t* kFolderClosed = L"folder-closed";
inline constexpr const wchar_t* kFolderOpen = L"folder-open";
inline constexpr const wchar_t* kDrawingType = L"drawing-type";
inline constexpr const wchar_t* kDrawing = L"drawing";
inline constexpr const wchar_t* kBlank = L"blank";
} // namespace icon

class ImageList {
public:
    explicit ImageList(Size imageSize = {16, 16}) : m_size(imageSize) {}

    // The index the image got.
    int Add(const std::wstring& iconName);
    int GetImageCount() const { return static_cast<int>(m_icons.size()); }
    // "" for an index out of range.
    const std::wstring& GetIconName(int index) const;
    bool Replace(int index, const std::wstring& iconName);
    void RemoveAll() { m_icons.clear(); }
    Size GetImageSize() const { return m_size; }

private:
    Size m_size;
    std::vector<std::wstring> m_icons;
};

} // namespace ui
