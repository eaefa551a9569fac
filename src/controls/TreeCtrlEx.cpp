#include "controls/TreeCtrlEx.h"

#include "platform/ui/Backend.h"

void CTreeCtrlEx::SetCheckBranch(ui::HTREEITEM item, bool bChecked) {
    SetCheck(item, bChecked);
    for (ui::HTREEITEM child = GetChildItem(item); child; child = GetNextSiblingItem(child))
        SetCheckBranch(child, bChecked);
}

bool CTreeCtrlEx::OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                                ui::LRESULT* result) {
    const auto* header = reinterpret_cast<const ui::NMHDR*>(lParam);
    if (message == ui::WM_NOTIFY && header && header->code == ui::NM_CLICK) {
        // A click on a check box: the box has its new mark, which the branch below takes.
        unsigned flags = 0;
        ui::HTREEITEM item = HitTest(ScreenToClient(ui::CurrentBackend().GetCursorPos()), &flags);
        if (item && (flags & ui::TVHT_ONITEMSTATEICON))
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
