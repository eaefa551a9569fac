#include "controls/MyDragListCtrl.h"

bool CMyDragListCtrl::OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                                    ui::LRESULT* result) {
    const auto* header = reinterpret_cast<const ui::NMHDR*>(lParam);
    if (message == ui::WM_NOTIFY && header && header->code == ui::LVN_BEGINDRAG &&
        GetSelectedCount() > 0) {
        m_bDragging = true;
        SetCapture();
    }
    return ui::ListCtrl::OnChildNotify(message, wParam, lParam, result);
}

ui::LRESULT CMyDragListCtrl::WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == ui::WM_MOUSEMOVE && m_bDragging)
        return 0;
    if (message == ui::WM_LBUTTONUP && m_bDragging) {
        m_bDragging = false;
        if (GetCapture() == this)
            ReleaseCapture();
        if (ui::Window* parent = GetParent()) {
            parent->SendMessage(WM_LIST_ROWS_DROPPED);
            if (IsWindow() && parent->IsWindow())
                parent->SendMessage(WM_LIST_CHECKS_CHANGED);
        }
        return 0;
    }
    ui::LRESULT result = ui::ListCtrl::WindowProc(message, wParam, lParam);
    if (message == ui::WM_LBUTTONUP && IsWindow() && GetParent())
        GetParent()->SendMessage(WM_LIST_CHECKS_CHANGED);
    return result;
}
