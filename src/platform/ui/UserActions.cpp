#include "platform/ui/UserActions.h"

#include "platform/ui/Backend.h"

#include <vector>

namespace ui::gesture {

namespace {

void PointerAt(Window& window, Point client) {
    CurrentBackend().SetCursorPos(window.ClientToScreen(client));
}

LPARAM PointParam(Point point) {
    return MAKELPARAM(point.x, point.y);
}

Point TreeItemPoint(TreeCtrl& tree, HTREEITEM item) {
    Rect label;
    tree.GetItemRect(item, &label, true);
    return {label.left + 2, label.top + label.Height() / 2};
}

// The left button coming up over a control after a click of it: a control class may act on
// the release (a tree that reports its check marks to its dialog).
void ReleaseButton(Window& window, Point point) {
    if (window.IsWindow())
        window.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

// Who follows a drag once it began: the window that took the mouse capture, else the parent
// of the control dragged from.
Window* DragReceiver(Window& source) {
    Window* captured = Window::GetCapture();
    if (captured && IsWindowAlive(captured) && captured->IsWindow())
        return captured;
    Window* parent = source.GetParent();
    return parent && parent->IsWindow() ? parent : nullptr;
}

} // namespace

void Click(Button& button) {
    if (!button.IsWindowEnabled())
        return;
    button.SetFocus();
    if (button.GetControlKind() == ControlKind::CheckBox) {
        button.SetCheck(button.GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    } else if (button.GetControlKind() == ControlKind::RadioButton) {
        // The radio buttons next to this one in the parent's order form its group.
        const auto& siblings =
            button.GetParent() ? button.GetParent()->GetChildren() : std::vector<Window*>{};
        size_t at = 0;
        while (at < siblings.size() && siblings[at] != &button)
            ++at;
        auto isRadio = [&siblings](size_t index) {
            auto* control = dynamic_cast<Control*>(siblings[index]);
            return control && control->GetControlKind() == ControlKind::RadioButton;
        };
        size_t first = at;
        while (first > 0 && isRadio(first - 1))
            --first;
        for (size_t index = first; index < siblings.size() && isRadio(index); ++index)
            if (siblings[index] != &button)
                static_cast<Button*>(siblings[index])->SetCheck(BST_UNCHECKED);
        button.SetCheck(BST_CHECKED);
    }
    button.NotifyCommand(BN_CLICKED);
}

void Type(Edit& edit, const std::wstring& text) {
    if (!edit.IsWindowEnabled() || edit.IsReadOnly())
        return;
    edit.SetFocus();
    edit.SetWindowText(text);
}

void Type(ComboBox& combo, const std::wstring& text) {
    if (!combo.IsWindowEnabled() || !combo.HasEditField())
        return;
    combo.SetFocus();
    if (combo.GetWindowText() == text)
        return;
    int exact = combo.FindStringExact(-1, text);
    int current = combo.GetCurSel();
    if (exact < 0 && current >= 0)
        combo.SetCurSel(-1);
    combo.SetWindowText(text);
    combo.NotifyCommand(CBN_EDITCHANGE);
}

void OpenDropDown(ComboBox& combo) {
    if (!combo.IsWindowEnabled())
        return;
    combo.SetFocus();
    combo.ShowDropDown(true);
    combo.NotifyCommand(CBN_DROPDOWN);
}

void Choose(ComboBox& combo, int index) {
    if (!combo.IsWindowEnabled() || index < 0 || index >= combo.GetCount())
        return;
    combo.SetCurSel(index);
    combo.NotifyCommand(CBN_SELCHANGE);
}

void CloseList(ComboBox& combo) {
    combo.ShowDropDown(false);
    combo.NotifyCommand(CBN_CLOSEUP);
}

void PickFromOpened(ComboBox& combo, int index) {
    if (!combo.IsWindowEnabled())
        return;
    Choose(combo, index);
    CloseList(combo);
}

void Pick(ComboBox& combo, int index) {
    OpenDropDown(combo);
    PickFromOpened(combo, index);
}

void Pick(ListBox& list, int index) {
    if (!list.IsWindowEnabled())
        return;
    list.SetFocus();
    if (index < 0 || index >= list.GetCount() || index == list.GetCurSel())
        return;
    list.SetCurSel(index);
    list.NotifyCommand(LBN_SELCHANGE);
}

void DoubleClick(ListBox& list, int index) {
    Pick(list, index);
    if (list.IsWindowEnabled() && index >= 0 && index < list.GetCount())
        list.NotifyCommand(LBN_DBLCLK);
}

void Click(TreeCtrl& tree, HTREEITEM item) {
    if (!tree.IsWindowEnabled() || !tree.IsItem(item))
        return;
    tree.EnsureVisible(item);
    PointerAt(tree, TreeItemPoint(tree, item));
    tree.SetFocus();
    NMHDR header;
    if (tree.NotifyParent(header, NM_CLICK) == 0 && tree.IsItem(item))
        tree.SelectWithAction(item, TVGN_CARET, TVC_BYMOUSE);
    ReleaseButton(tree, TreeItemPoint(tree, item));
}

void DoubleClick(TreeCtrl& tree, HTREEITEM item) {
    Click(tree, item);
    DoubleClickAfterClick(tree, item);
}

void DoubleClickAfterClick(TreeCtrl& tree, HTREEITEM item) {
    if (!tree.IsWindowEnabled() || !tree.IsItem(item))
        return;
    NMHDR header;
    if (tree.NotifyParent(header, NM_DBLCLK) == 0 && tree.IsItem(item) &&
        tree.ItemHasChildren(item))
        tree.ExpandWithNotify(item, TVE_TOGGLE);
}

void RightClick(TreeCtrl& tree, HTREEITEM item) {
    if (!tree.IsWindowEnabled())
        return;
    Point point{4, 4};
    if (tree.IsItem(item)) {
        tree.EnsureVisible(item);
        point = TreeItemPoint(tree, item);
    } else {
        // Below the last item: empty space.
        point.y = static_cast<int>(tree.GetVisibleCount()) * tree.GetItemHeight() + 2;
        if (HTREEITEM last = tree.GetLastVisibleItem()) {
            Rect rect;
            tree.GetItemRect(last, &rect, false);
            point.y = rect.bottom + 2;
        }
    }
    PointerAt(tree, point);
    tree.SetFocus();
    // Windows marks the item under the pointer while the button is down, not the selection.
    HTREEITEM previousHilite = tree.GetDropHilightItem();
    if (tree.IsItem(item))
        tree.SelectDropTarget(item);
    NMHDR header;
    LRESULT handled = tree.NotifyParent(header, NM_RCLICK);
    if (tree.IsWindow() && tree.GetDropHilightItem() == item && tree.IsItem(item))
        tree.SelectDropTarget(tree.IsItem(previousHilite) ? previousHilite : nullptr);
    if (handled == 0 && tree.GetParent() && tree.IsWindow()) {
        Point screen = tree.ClientToScreen(point);
        tree.GetParent()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(&tree),
                                      MAKELPARAM(screen.x, screen.y));
    }
}

void Expand(TreeCtrl& tree, HTREEITEM item, bool expand) {
    if (!tree.IsWindowEnabled() || !tree.IsItem(item))
        return;
    tree.ExpandWithNotify(item, expand ? TVE_EXPAND : TVE_COLLAPSE);
}

void ToggleCheck(TreeCtrl& tree, HTREEITEM item) {
    if (!tree.IsWindowEnabled() || !tree.IsItem(item))
        return;
    tree.EnsureVisible(item);
    // The pointer stands on the item's check box, where a hit test finds its state icon.
    Rect label;
    tree.GetItemRect(item, &label, true);
    Point point = TreeItemPoint(tree, item);
    for (int x = label.left - 1; x >= 0 && x >= label.left - 48; --x) {
        unsigned flags = 0;
        if (tree.HitTest({x, point.y}, &flags) == item && (flags & TVHT_ONITEMSTATEICON)) {
            point.x = x;
            break;
        }
    }
    PointerAt(tree, point);
    tree.SetFocus();
    tree.SetCheck(item, !tree.GetCheck(item));
    tree.NotifyTree(TVN_ITEMCHANGED, nullptr, item, 0);
    if (!tree.IsWindow())
        return;
    NMHDR header;
    tree.NotifyParent(header, NM_CLICK);
    ReleaseButton(tree, point);
}

Window* BeginDrag(TreeCtrl& tree, HTREEITEM item) {
    if (!tree.IsWindowEnabled() || !tree.IsItem(item))
        return nullptr;
    Point start = TreeItemPoint(tree, item);
    PointerAt(tree, start);
    tree.SetFocus();
    tree.NotifyTree(TVN_BEGINDRAG, nullptr, item, 0, start);
    // The dialog that took the drag follows the pointer through its own mouse messages.
    return DragReceiver(tree);
}

void Drag(TreeCtrl& tree, HTREEITEM item, Window& target, Point targetClient) {
    if (Window* receiver = BeginDrag(tree, item))
        Drop(*receiver, target, targetClient);
}

void Drop(Window& receiver, Window& target, Point targetClient) {
    Point screen = target.ClientToScreen(targetClient);
    Point inReceiver = receiver.ScreenToClient(screen);
    CurrentBackend().SetCursorPos(screen);
    unsigned keys = MK_LBUTTON | (CurrentBackend().IsKeyDown(VK_CONTROL) ? MK_CONTROL : 0);
    receiver.SendMessage(WM_MOUSEMOVE, keys, PointParam(inReceiver));
    if (receiver.IsWindow())
        receiver.SendMessage(WM_LBUTTONUP, keys & ~MK_LBUTTON, PointParam(inReceiver));
}

namespace {

Point CellPoint(ListCtrl& list, int row, int column, int x) {
    Rect cell;
    if (!list.GetSubItemRect(row, column, LVIR_BOUNDS, &cell))
        return {-1, -1};
    return {x < 0 ? cell.left + cell.Width() / 2 : cell.left + x, cell.top + cell.Height() / 2};
}

} // namespace

void Click(ListCtrl& list, int row, int column, int x) {
    if (!list.IsWindowEnabled())
        return;
    list.EnsureVisible(row, false);
    Point point = CellPoint(list, row, column, x);
    if (point.x < 0) // outside the rows: the empty space below them
        point = {2, list.GetClientRect().Height() - 2};
    PointerAt(list, point);
    list.SetFocus();
    // Ctrl held down adds the row to the selection or takes it out, as in Windows.
    unsigned control = CurrentBackend().IsKeyDown(VK_CONTROL) ? MK_CONTROL : 0;
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | control, PointParam(point));
    if (list.IsWindow())
        list.SendMessage(WM_LBUTTONUP, control, PointParam(point));
}

Window* BeginDrag(ListCtrl& list, int row) {
    if (!list.IsWindowEnabled() || !list.IsRow(row))
        return nullptr;
    list.EnsureVisible(row, false);
    Point start = CellPoint(list, row, 0, -1);
    PointerAt(list, start);
    list.SetFocus();
    if (!(list.GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED)) {
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(start));
        if (!list.IsWindow())
            return nullptr;
    }
    NMLISTVIEW drag;
    drag.iItem = row;
    drag.ptAction = start;
    list.NotifyParent(drag.hdr, LVN_BEGINDRAG);
    return list.IsWindow() ? DragReceiver(list) : nullptr;
}

void Drag(ListCtrl& list, int row, Window& target, Point targetClient) {
    if (Window* receiver = BeginDrag(list, row))
        Drop(*receiver, target, targetClient);
}

void DoubleClick(ListCtrl& list, int row, int column) {
    Click(list, row, column);
    DoubleClickAfterClick(list, row, column);
}

void DoubleClickAfterClick(ListCtrl& list, int row, int column) {
    if (!list.IsWindow() || !list.IsWindowEnabled())
        return;
    Point point = CellPoint(list, row, column, -1);
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(point));
}

void RightClick(ListCtrl& list, int row, int column) {
    if (!list.IsWindowEnabled())
        return;
    Point point = CellPoint(list, row, column, -1);
    PointerAt(list, point);
    list.SetFocus();
    list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, PointParam(point));
}

void ToggleCheck(ListCtrl& list, int row) {
    Click(list, row, 0, 2);
}

void ClickHeader(ListCtrl& list, int column) {
    if (list.IsWindowEnabled() && column >= 0 && column < list.GetColumnCount())
        list.ClickHeader(column);
}

bool PressKey(Dialog& dialog, Window* target, unsigned key) {
    if (!target)
        target = Window::GetFocus();
    if (!target || !IsWindowAlive(target))
        target = &dialog;
    MSG message{target, WM_KEYDOWN, key, 0};
    if (dialog.PreTranslateMessage(message))
        return false;
    if (auto* tree = dynamic_cast<TreeCtrl*>(target)) {
        NMTVKEYDOWN notice;
        notice.wVKey = key;
        tree->NotifyParent(notice.hdr, TVN_KEYDOWN);
    } else if (target != &dialog) {
        target->SendMessage(WM_KEYDOWN, key, 0);
    }
    if (!dialog.IsWindow())
        return true;
    // The dialog manager: Enter presses the default button, Escape Cancel, unless a multi-line
    // edit field takes Enter itself.
    auto* edit = dynamic_cast<Edit*>(target);
    bool editTakesEnter = edit && (edit->GetStyle() & ES_MULTILINE);
    if (key == VK_RETURN && !editTakesEnter) {
        int id = IDOK;
        for (Control* control : dialog.Controls())
            if (control->GetControlKind() == ControlKind::PushButton &&
                (control->GetStyle() & BS_DEFPUSHBUTTON))
                id = control->GetDlgCtrlID();
        Control* button = dialog.GetDlgItem(id);
        if (!button || button->IsWindowEnabled())
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                               reinterpret_cast<LPARAM>(button));
    } else if (key == VK_ESCAPE) {
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDCANCEL)));
    }
    return true;
}

void Close(Dialog& dialog) {
    dialog.SendMessage(WM_CLOSE);
}

} // namespace ui::gesture
