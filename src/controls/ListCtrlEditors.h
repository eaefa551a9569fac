#pragma once
// The two editors the in-place editing list places over a cell: a single-line edit field that
// hands Enter and the arrow keys to the list, and a drop-down combo box that tells the list of
// every change of its text and of its selection.

#include "platform/ui/Control.h"
#include "platform/ui/ListBox.h"

// Messages of the editors to the list (relative to WM_USER).
inline constexpr unsigned WM_LISTEDIT_ENTER = ui::WM_USER + 0x0A;       // 0x40A
inline constexpr unsigned WM_LISTEDIT_UP = ui::WM_USER + 0x0B;          // 0x40B
inline constexpr unsigned WM_LISTEDIT_DOWN = ui::WM_USER + 0x0C;        // 0x40C
inline constexpr unsigned WM_LISTEDIT_COMMIT = ui::WM_USER + 0x10;      // 0x410
inline constexpr unsigned WM_LISTCOMBO_EDITCHANGE = ui::WM_USER + 0x14; // 0x414
inline constexpr unsigned WM_LISTCOMBO_SELCHANGE = ui::WM_USER + 0x15;  // 0x415

class CMyListCtrlEdit : public ui::Edit {
public:
    ui::LRESULT WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) override;
};

class CListCtrlComboBox : public ui::ComboBox {
public:
    bool OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                       ui::LRESULT* result) override;
};
