#include "controls/ListCtrlEditors.h"

ui::LRESULT CMyListCtrlEdit::WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == ui::WM_KEYDOWN && GetParent()) {
        unsigned key = static_cast<unsigned>(wParam);
        unsigned notice = key == ui::VK_RETURN ? WM_LISTEDIT_ENTER
                          : key == ui::VK_UP   ? WM_LISTEDIT_UP
                          : key == ui::VK_DOWN ? WM_LISTEDIT_DOWN
                                               : 0;
        if (notice) {
            GetParent()->SendMessage(notice, reinterpret_cast<ui::WPARAM>(this), key);
            return 0;
        }
    }
    return ui::Edit::WindowProc(message, wParam, lParam);
}

bool CListCtrlComboBox::OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM,
                                      ui::LRESULT*) {
    if (message != ui::WM_COMMAND || !GetParent())
        return false;
    unsigned code = ui::HIWORD(wParam);
    unsigned notice = code == ui::CBN_EDITCHANGE  ? WM_LISTCOMBO_EDITCHANGE
                      : code == ui::CBN_SELCHANGE ? WM_LISTCOMBO_SELCHANGE
                                                  : 0;
    if (!notice)
        return false;
    GetParent()->SendMessage(notice, reinterpret_cast<ui::WPARAM>(this),
                             reinterpret_cast<ui::LPARAM>(this));
    return true;
}
