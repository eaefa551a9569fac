#include "platform/ui/DialogText.h"

#include "platform/text/Format.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"

namespace ui {

namespace {

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

std::wstring Flags(const Control& control) {
    std::wstring flags;
    if (!control.IsWindowVisible())
        flags += L" hidden";
    if (!control.IsWindowEnabled())
        flags += L" disabled";
    if (control.GetControlKind() == ControlKind::Edit && (control.GetStyle() & ES_READONLY))
        flags += L" read-only";
    if (Window::GetFocus() == &control)
        flags += L" focus";
    return flags;
}

void DescribeTree(const TreeCtrl& tree, HTREEITEM first, int level,
                  std::vector<std::wstring>& lines) {
    for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
        int image = 0;
        int selectedImage = 0;
        tree.GetItemImage(item, image, selectedImage);
        unsigned state = tree.GetItemState(item, ~0u);
        std::wstring line = std::wstring(4 + 2 * static_cast<size_t>(level), L' ');
        if (tree.GetStyle() & TVS_CHECKBOXES)
            line += tree.GetCheck(item) ? L"[x] " : L"[ ] ";
        line += text::Format(L"%s (image %d", tree.GetItemText(item), image);
        if (selectedImage != image)
            line += text::Format(L"/%d", selectedImage);
        line += L")";
        if (tree.ItemHasChildren(item))
            line += (state & TVIS_EXPANDED) ? L" expanded" : L" collapsed";
        if (state & TVIS_SELECTED)
            line += L" selected";
        if (state & TVIS_DROPHILITED)
            line += L" drop-target";
        lines.push_back(line);
        DescribeTree(tree, tree.GetChildItem(item), level + 1, lines);
    }
}

void DescribeList(const ListCtrl& list, std::vector<std::wstring>& lines) {
    std::wstring columns;
    for (int column = 0; column < list.GetColumnCount(); ++column)
        columns += text::Format(L"%s%s(%d)", column ? L" | " : L"",
                                list.GetHeaderCtrl()->GetColumn(column)->text,
                                list.GetColumnWidth(column));
    lines.back() += L" columns: " + columns;
    bool checks = (list.GetExtendedStyle() & LVS_EX_CHECKBOXES) != 0;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        std::wstring line = text::Format(L"    #%d ", row);
        if (checks)
            line += list.GetCheck(row) ? L"[x] " : L"[ ] ";
        for (int column = 0; column < std::max(list.GetColumnCount(), 1); ++column)
            line += (column ? L" | " : L"") + list.GetItemText(row, column);
        if (list.GetItemState(row, LVIS_SELECTED))
            line += L"  selected";
        lines.push_back(line);
    }
}

std::wstring Items(int count, int selected, const std::function<std::wstring(int)>& textAt) {
    std::wstring line = L" [";
    for (int index = 0; index < count; ++index)
        line += (index ? L", " : L"") + textAt(index);
    line += L"]";
    if (selected >= 0)
        line += text::Format(L" sel=#%d", selected);
    return line;
}

} // namespace

std::vector<std::wstring> DescribeDialog(const Dialog& dialog) {
    std::vector<std::wstring> lines;
    lines.push_back(text::Format(L"== %s (%d) ==", dialog.GetWindowText(), dialog.GetTemplateId()));
    for (const Control* control : dialog.Controls()) {
        std::wstring line = text::Format(L"  %d %s", control->GetDlgCtrlID(),
                                         ControlKindName(control->GetControlKind()));
        if (auto* button = dynamic_cast<const Button*>(control)) {
            line += L" " + Quoted(button->GetWindowText());
            if (button->GetControlKind() != ControlKind::PushButton)
                line += button->GetCheck() == BST_CHECKED ? L" [x]" : L" [ ]";
        } else if (auto* combo = dynamic_cast<const ComboBox*>(control)) {
            line += L" " + Quoted(combo->GetWindowText()) +
                    Items(combo->GetCount(), combo->GetCurSel(),
                          [combo](int i) { return combo->GetLBText(i); });
        } else if (auto* list = dynamic_cast<const ListBox*>(control)) {
            line += Items(list->GetCount(), list->GetCurSel(),
                          [list](int i) { return list->GetText(i); });
        } else if (auto* frame = dynamic_cast<const PreviewFrame*>(control)) {
            Rect client = frame->GetClientRect();
            line += text::Format(L" %dx%d", client.Width(), client.Height());
        } else if (!dynamic_cast<const TreeCtrl*>(control) &&
                   !dynamic_cast<const ListCtrl*>(control)) {
            line += L" " + Quoted(control->GetWindowText());
        }
        line += Flags(*control);
        lines.push_back(line);
        if (auto* tree = dynamic_cast<const TreeCtrl*>(control))
            DescribeTree(*tree, tree->GetRootItem(), 0, lines);
        else if (auto* list = dynamic_cast<const ListCtrl*>(control))
            DescribeList(*list, lines);
    }
    return lines;
}

std::vector<std::wstring> DescribeMenu(const Menu& menu) {
    std::vector<std::wstring> lines;
    for (const Menu::Item& item : menu.Items()) {
        if (item.flags & MF_SEPARATOR) {
            lines.push_back(L"  ----");
            continue;
        }
        std::wstring line = (item.flags & MF_POPUP) ? L"  > " + item.text
                                                    : text::Format(L"  %u %s", item.id, item.text);
        if (item.flags & (MF_GRAYED | MF_DISABLED))
            line += L" (grayed)";
        if (item.flags & MF_CHECKED)
            line += L" (checked)";
        lines.push_back(line);
        if (item.popup)
            for (const std::wstring& inner : DescribeMenu(*item.popup))
                lines.push_back(L"  " + inner);
    }
    return lines;
}

} // namespace ui
