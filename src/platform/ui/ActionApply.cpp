// Applying scripted actions to a dialog: finding the control and the item the action names,
// refusing what a user could not do (a hidden or disabled control), then the gesture.

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "platform/ui/UserActions.h"

#include <functional>

namespace ui {

namespace {

int IndexOf(const std::wstring& name, int count, const std::function<std::wstring(int)>& textAt) {
    if (name.size() > 1 && name[0] == L'#') {
        int index = -1;
        try {
            index = std::stoi(name.substr(1));
        } catch (...) {
            return -1;
        }
        return index >= 0 && index < count ? index : -1;
    }
    for (int index = 0; index < count; ++index)
        if (textAt(index) == name)
            return index;
    for (int index = 0; index < count; ++index)
        if (text::EqualsNoCase(textAt(index), name))
            return index;
    return -1;
}

HTREEITEM FindByText(const TreeCtrl& tree, HTREEITEM first, const std::wstring& name) {
    for (HTREEITEM item = first; item; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == name)
            return item;
        if (HTREEITEM found = FindByText(tree, tree.GetChildItem(item), name))
            return found;
    }
    return nullptr;
}

// Where a drag lets go on its target: on the label of the item or the row the action names,
// else in the middle of the control.
std::wstring DropPoint(Control& target, const Action& action, Point& point) {
    point = target.GetClientRect().CenterPoint();
    if (action.targetItem.empty())
        return {};
    if (auto* targetTree = dynamic_cast<TreeCtrl*>(&target)) {
        HTREEITEM onto = nullptr;
        std::wstring noItem =
            text::Format(L"Control %d has no item \"%s\".", action.targetId, action.targetItem);
        if (!OpenTreeItem(*targetTree, action.targetItem, onto))
            return noItem;
        // Opening the branches on the way may replace items (a branch filled when it is opened
        // drops its stand-in), and a handle taken before may then name another item: the
        // item is looked for again, and one that is gone is no target.
        uint64_t deletions = targetTree->GetDeletionCount();
        targetTree->EnsureVisible(onto);
        if (targetTree->GetDeletionCount() != deletions &&
            !FindTreeItem(*targetTree, action.targetItem, onto))
            return noItem;
        Rect label;
        if (!targetTree->GetItemRect(onto, &label, true))
            return noItem;
        point = {label.left + 2, label.top + label.Height() / 2};
    } else if (auto* targetList = dynamic_cast<ListCtrl*>(&target)) {
        int onto = FindListRow(*targetList, action.targetItem);
        if (onto < 0)
            return text::Format(L"Control %d has no row \"%s\".", action.targetId,
                                action.targetItem);
        targetList->EnsureVisible(onto, false);
        Rect cell;
        targetList->GetItemRect(onto, &cell, LVIR_BOUNDS);
        point = {cell.left + 2, cell.top + cell.Height() / 2};
    }
    return {};
}

// Walks the named path item by item from the roots. `open` (optional) is given an item whose
// children do not hold the next name, and says whether it opened it so that they may now.
bool WalkTreePath(const TreeCtrl& tree, const std::wstring& name, HTREEITEM& item,
                  const std::function<bool(HTREEITEM)>& open) {
    item = nullptr;
    HTREEITEM level = tree.GetRootItem();
    for (const std::wstring& part : text::Split(name, L"|")) {
        auto find = [&] {
            for (HTREEITEM sibling = level; sibling; sibling = tree.GetNextSiblingItem(sibling))
                if (tree.GetItemText(sibling) == part)
                    return sibling;
            return HTREEITEM{};
        };
        HTREEITEM found = find();
        if (!found && item && open && open(item)) {
            level = tree.GetChildItem(item);
            found = find();
        }
        if (!found)
            return false;
        item = found;
        level = tree.GetChildItem(found);
    }
    return item != nullptr;
}

} // namespace

bool FindTreeItem(const TreeCtrl& tree, const std::wstring& name, HTREEITEM& item) {
    if (name.find(L'|') == std::wstring::npos) {
        item = FindByText(tree, tree.GetRootItem(), name);
        return item != nullptr;
    }
    return WalkTreePath(tree, name, item, nullptr);
}

bool OpenTreeItem(TreeCtrl& tree, const std::wstring& name, HTREEITEM& item) {
    if (FindTreeItem(tree, name, item))
        return true;
    return WalkTreePath(tree, name, item, [&tree](HTREEITEM closed) {
        if (tree.GetItemState(closed, TVIS_EXPANDED) & TVIS_EXPANDED)
            return false;
        gesture::Expand(tree, closed, true);
        return true;
    });
}

int FindListRow(const ListCtrl& list, const std::wstring& name) {
    int row =
        IndexOf(name, list.GetItemCount(), [&list](int row) { return list.GetItemText(row, 0); });
    // Rows whose first cells repeat (a category) are named by a cell that tells them apart.
    for (int column = 1; row < 0 && column < list.GetColumnCount(); ++column)
        row = IndexOf(name, list.GetItemCount(),
                      [&list, column](int row) { return list.GetItemText(row, column); });
    return row;
}

std::wstring ApplyAction(Dialog& dialog, const Action& action) {
    if (action.kind == ActionKind::Close) {
        gesture::Close(dialog);
        return {};
    }
    if (action.kind == ActionKind::Timer) {
        dialog.SendMessage(WM_TIMER, static_cast<WPARAM>(action.id));
        return {};
    }
    if (action.kind == ActionKind::Command) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(action.id), 0), 0);
        return {};
    }
    if (action.kind == ActionKind::Key && action.id == 0) {
        gesture::PressKey(dialog, nullptr, action.key);
        return {};
    }
    Control* control = dialog.GetDlgItem(action.id);
    if (!control)
        return text::Format(L"There is no control %d.", action.id);
    if (!control->IsWindowVisible())
        return text::Format(L"Control %d is hidden.", action.id);
    if (!control->IsWindowEnabled())
        return text::Format(L"Control %d is disabled.", action.id);
    const std::wstring& item = action.text;
    auto noItem = [&] { return text::Format(L"Control %d has no item \"%s\".", action.id, item); };
    switch (action.kind) {
    case ActionKind::Type:
        if (auto* edit = dynamic_cast<Edit*>(control)) {
            if (edit->IsReadOnly())
                return text::Format(L"Control %d is read-only.", action.id);
            gesture::Type(*edit, item);
            return {};
        }
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            if (!combo->HasEditField())
                return text::Format(L"Control %d is a drop-down list: select an item.", action.id);
            gesture::Type(*combo, item);
            return {};
        }
        break;
    case ActionKind::Click:
        if (auto* button = dynamic_cast<Button*>(control)) {
            gesture::Click(*button);
            return {};
        }
        break;
    case ActionKind::Select:
    case ActionKind::DoubleClick:
    case ActionKind::RightClick:
    case ActionKind::Expand:
    case ActionKind::Collapse:
    case ActionKind::Check:
    case ActionKind::Uncheck:
        if (auto* tree = dynamic_cast<TreeCtrl*>(control)) {
            HTREEITEM found = nullptr;
            if (!OpenTreeItem(*tree, item, found) &&
                !(action.kind == ActionKind::RightClick && item.empty()))
                return noItem();
            switch (action.kind) {
            case ActionKind::Select:
                gesture::Click(*tree, found);
                break;
            case ActionKind::DoubleClick:
                gesture::DoubleClick(*tree, found);
                break;
            case ActionKind::RightClick:
                gesture::RightClick(*tree, found);
                break;
            case ActionKind::Expand:
            case ActionKind::Collapse:
                gesture::Expand(*tree, found, action.kind == ActionKind::Expand);
                break;
            default:
                if (tree->GetCheck(found) != (action.kind == ActionKind::Check))
                    gesture::ToggleCheck(*tree, found);
                break;
            }
            return {};
        }
        if (auto* list = dynamic_cast<ListCtrl*>(control)) {
            int row = FindListRow(*list, item);
            if (row < 0 && !(action.kind == ActionKind::RightClick && item.empty()))
                return noItem();
            switch (action.kind) {
            case ActionKind::Select:
                gesture::Click(*list, row, 0);
                break;
            case ActionKind::DoubleClick:
                gesture::DoubleClick(*list, row, 0);
                break;
            case ActionKind::RightClick:
                gesture::RightClick(*list, row, 0);
                break;
            case ActionKind::Check:
            case ActionKind::Uncheck:
                if (list->GetCheck(row) != (action.kind == ActionKind::Check))
                    gesture::ToggleCheck(*list, row);
                break;
            default:
                return text::Format(L"A list cannot %s.", ActionText(action));
            }
            return {};
        }
        if (auto* list = dynamic_cast<ListBox*>(control)) {
            int index = IndexOf(item, list->GetCount(), [list](int i) { return list->GetText(i); });
            if (index < 0)
                return noItem();
            if (action.kind == ActionKind::Select)
                gesture::Pick(*list, index);
            else if (action.kind == ActionKind::DoubleClick)
                gesture::DoubleClick(*list, index);
            else
                break;
            return {};
        }
        if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            if (action.kind != ActionKind::Select)
                break;
            // The list is looked at once it is open: dialogs fill it as it takes the focus.
            gesture::OpenDropDown(*combo);
            int index =
                IndexOf(item, combo->GetCount(), [combo](int i) { return combo->GetLBText(i); });
            gesture::PickFromOpened(*combo, index);
            return index < 0 ? noItem() : std::wstring();
        }
        break;
    case ActionKind::Cell:
    case ActionKind::Header:
        if (auto* list = dynamic_cast<ListCtrl*>(control)) {
            if (action.kind == ActionKind::Header) {
                if (action.column < 0 || action.column >= list->GetColumnCount())
                    return text::Format(L"Control %d has no column %d.", action.id, action.column);
                gesture::ClickHeader(*list, action.column);
                return {};
            }
            if (action.column < 0 || action.column >= list->GetColumnCount())
                return text::Format(L"Control %d has no column %d.", action.id, action.column);
            gesture::Click(*list, action.row, action.column, action.x);
            return {};
        }
        break;
    case ActionKind::Key:
        gesture::PressKey(dialog, control, action.key);
        return {};
    case ActionKind::Drag:
        if (auto* tree = dynamic_cast<TreeCtrl*>(control)) {
            HTREEITEM found = nullptr;
            if (!OpenTreeItem(*tree, item, found))
                return noItem();
            Control* target = dialog.GetDlgItem(action.targetId);
            if (!target)
                return text::Format(L"There is no control %d.", action.targetId);
            Point point;
            if (std::wstring error = DropPoint(*target, action, point); !error.empty())
                return error;
            // Starting the drag may scroll the source into view, which moves the target: the
            // drop point is taken again once the drag is under way.
            if (Window* receiver = gesture::BeginDrag(*tree, found)) {
                DropPoint(*target, action, point);
                gesture::Drop(*receiver, *target, point);
            }
            return {};
        }
        if (auto* list = dynamic_cast<ListCtrl*>(control)) {
            int row = FindListRow(*list, item);
            if (row < 0)
                return noItem();
            Control* target = dialog.GetDlgItem(action.targetId);
            if (!target)
                return text::Format(L"There is no control %d.", action.targetId);
            Point point;
            if (std::wstring error = DropPoint(*target, action, point); !error.empty())
                return error;
            if (Window* receiver = gesture::BeginDrag(*list, row)) {
                DropPoint(*target, action, point);
                gesture::Drop(*receiver, *target, point);
            }
            return {};
        }
        break;
    default:
        break;
    }
    return text::Format(L"Control %d (%s) cannot take \"%s\".", action.id,
                        ControlKindName(control->GetControlKind()), ActionText(action));
}

} // namespace ui
