// The list's rows in its client area (header on top, rows at a fixed height, columns side by
// side), hit tests, and its default handling of clicks and keys.

#include "platform/ui/ListCtrl.h"

#include <algorithm>

namespace ui {

int ListCtrl::GetCountPerPage() const {
    int height = GetClientRect().Height() - m_header->Height();
    return std::max(height / GetRowHeight(), 0);
}

bool ListCtrl::EnsureVisible(int row, bool) {
    if (!IsRow(row))
        return false;
    int page = std::max(GetCountPerPage(), 1);
    int top = m_topIndex;
    if (row < top)
        top = row;
    else if (row >= top + page)
        top = row - page + 1;
    if (top != m_topIndex) {
        m_topIndex = top;
        Notify(WindowChange::Scroll);
    }
    return true;
}

bool ListCtrl::GetItemRect(int row, Rect* rect, int code) const {
    if (!rect || !IsRow(row))
        return false;
    int top = m_header->Height() + (row - m_topIndex) * GetRowHeight();
    int width = 0;
    for (const auto& column : m_header->Columns())
        width += column.width;
    Rect bounds{0, top, width, top + GetRowHeight()};
    if (code == LVIR_ICON) {
        bounds.left = StateIconWidth();
        bounds.right = bounds.left;
    } else if (code == LVIR_LABEL) {
        bounds.left = StateIconWidth();
        bounds.right = std::max(GetColumnWidth(0), bounds.left);
    }
    *rect = bounds;
    return true;
}

bool ListCtrl::GetSubItemRect(int row, int column, int code, Rect* rect) const {
    Rect header;
    if (!rect || !IsRow(row) || !m_header->GetItemRect(column, &header))
        return false;
    GetItemRect(row, rect, LVIR_BOUNDS);
    rect->left = header.left;
    rect->right = header.right;
    if (column == 0 && code == LVIR_LABEL)
        rect->left += StateIconWidth();
    return true;
}

int ListCtrl::SubItemHitTest(LVHITTESTINFO* info) const {
    if (!info)
        return -1;
    info->iItem = -1;
    info->iSubItem = 0;
    info->flags = LVHT_NOWHERE;
    Point point = info->pt;
    int headerHeight = m_header->Height();
    if (point.y < headerHeight || point.x < 0)
        return -1;
    int row = m_topIndex + (point.y - headerHeight) / GetRowHeight();
    if (!IsRow(row))
        return -1;
    for (int column = 0; column < GetColumnCount(); ++column) {
        Rect cell;
        m_header->GetItemRect(column, &cell);
        if (point.x < cell.left || point.x >= cell.right)
            continue;
        info->iSubItem = column;
        info->flags =
            column == 0 && point.x < StateIconWidth() ? LVHT_ONITEMSTATEICON : LVHT_ONITEMLABEL;
        info->iItem = row;
        return row;
    }
    return -1;
}

int ListCtrl::HitTest(Point point, unsigned* flags) const {
    // Without full-row selection only the first column belongs to the item, as in Windows;
    // SubItemHitTest finds the row in any column.
    LVHITTESTINFO info;
    info.pt = point;
    int row = SubItemHitTest(&info);
    if (row >= 0 && info.iSubItem > 0 && !(m_extendedStyle & LVS_EX_FULLROWSELECT)) {
        row = -1;
        info.flags = LVHT_NOWHERE;
    }
    if (flags)
        *flags = info.flags;
    return row;
}

void ListCtrl::OnButtonDown(Point point, bool right, bool control) {
    LVHITTESTINFO info;
    info.pt = point;
    SubItemHitTest(&info);
    int row = HitTest(point);
    if (row >= 0 && !right && (info.flags & LVHT_ONITEMSTATEICON) &&
        (m_extendedStyle & LVS_EX_CHECKBOXES))
        SetCheck(row, !GetCheck(row));
    if (row < 0) {
        if (!right && !control)
            SetItemState(-1, 0, LVIS_SELECTED);
    } else if (control && !right) {
        SetItemState(row, GetItemState(row, LVIS_SELECTED) ^ LVIS_SELECTED,
                     LVIS_SELECTED | LVIS_FOCUSED);
        SetItemState(row, LVIS_FOCUSED, LVIS_FOCUSED);
        m_selectionMark = row;
    } else if (!GetItemState(row, LVIS_SELECTED) || !right) {
        for (int other = 0; other < GetItemCount(); ++other)
            if (other != row)
                SetItemState(other, 0, LVIS_SELECTED);
        SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_selectionMark = row;
    }
    if (right)
        NotifyItem(NM_RCLICK, row, info.iSubItem, point);
}

void ListCtrl::OnKeyDown(unsigned key) {
    NMLVKEYDOWN notice;
    notice.wVKey = key;
    NotifyParent(notice.hdr, LVN_KEYDOWN);
    int focused = GetNextItem(-1, LVNI_FOCUSED);
    int target = -1;
    if (key == VK_DOWN)
        target = focused < 0 ? 0 : std::min(focused + 1, GetItemCount() - 1);
    else if (key == VK_UP)
        target = focused < 0 ? 0 : std::max(focused - 1, 0);
    if (target >= 0 && IsRow(target)) {
        for (int other = 0; other < GetItemCount(); ++other)
            if (other != target)
                SetItemState(other, 0, LVIS_SELECTED);
        SetItemState(target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        m_selectionMark = target;
        EnsureVisible(target, false);
    }
}

LRESULT ListCtrl::WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
    Point point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        OnButtonDown(point, false, (wParam & MK_CONTROL) != 0);
        return 0;
    case WM_LBUTTONUP: {
        LVHITTESTINFO info;
        info.pt = point;
        int row = SubItemHitTest(&info);
        NotifyItem(NM_CLICK, row, info.iSubItem, point);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        LVHITTESTINFO info;
        info.pt = point;
        int row = SubItemHitTest(&info);
        NotifyItem(NM_DBLCLK, row, info.iSubItem, point);
        return 0;
    }
    case WM_RBUTTONDOWN:
        OnButtonDown(point, true, false);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<unsigned>(wParam));
        return 0;
    case WM_SETFOCUS: {
        NMHDR header;
        NotifyParent(header, NM_SETFOCUS);
        break;
    }
    case WM_KILLFOCUS: {
        NMHDR header;
        NotifyParent(header, NM_KILLFOCUS);
        break;
    }
    default:
        break;
    }
    return Control::WindowProc(message, wParam, lParam);
}

} // namespace ui
