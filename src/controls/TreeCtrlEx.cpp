#include "controls/TreeCtrlEx.h"

void CTreeCtrlEx::SetCheckBranch(ui::HTREEITEM item, bool bChecked) {
    SetCheck(item, bChecked);
    for (ui::HTREEITEM child = GetChildItem(item); child; child = GetNextSiblingItem(child))
        SetCheckBranch(child, bChecked);
}

bool CTreeCtrlEx::OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                                ui::LRESULT* result) {
    const auto* header = reinterpret_cast<const ui::NMHDR*>(lParam);
    if (message == ui::WM_NOTIFY && header && header->code == ui::TVN_ITEMCHANGED) {
        // The user changed a check box: the branch below takes its new mark.
        ui::HTREEITEM item = reinterpret_cast<const ui::NMTREEVIEW*>(header)->itemNew.hItem;
        if (IsItem(item))
            SetCheckBranch(item, GetCheck(item));
    }
    return ui::TreeCtrl::OnChildNotify(message, wParam, lParam, result);
}

ui::LRESULT CTreeCtrlEx::WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
    ui::LRESULT result = ui::TreeCtrl::WindowProc(message, wParam, lParam);
    if (message == ui::WM_LBUTTONUP && IsWindow() && GetParent())
        GetParent()->SendMessage(WM_TREE_CHECKS_CHANGED);
    return result;
}
