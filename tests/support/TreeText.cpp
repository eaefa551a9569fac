#include "support/TreeText.h"

#include "platform/text/Format.h"
#include "platform/ui/Actions.h"

namespace ovtest {

namespace {

void AddLines(const ui::TreeCtrl& tree, ui::HTREEITEM first, int level,
              std::vector<std::wstring>& lines) {
    for (ui::HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
        int image = 0;
        int selectedImage = 0;
        tree.GetItemImage(item, image, selectedImage);
        std::wstring line = std::wstring(2 * static_cast<size_t>(level), L' ') +
                            text::Format(L"%s [%d]", tree.GetItemText(item), image);
        if (tree.ItemHasChildren(item) && tree.GetItemState(item, ui::TVIS_EXPANDED))
            line += L" +";
        if (tree.GetSelectedItem() == item)
            line += L" *";
        lines.push_back(line);
        AddLines(tree, tree.GetChildItem(item), level + 1, lines);
    }
}

} // namespace

std::vector<std::wstring> TreeLines(const ui::TreeCtrl& tree) {
    std::vector<std::wstring> lines;
    AddLines(tree, tree.GetRootItem(), 0, lines);
    return lines;
}

ui::HTREEITEM TreeItem(const ui::TreeCtrl& tree, const std::wstring& path) {
    ui::HTREEITEM item = nullptr;
    return ui::FindTreeItem(tree, path, item) ? item : nullptr;
}

} // namespace ovtest
