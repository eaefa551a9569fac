#pragma once
// CMyDragListCtrl: a report list whose selected rows can be dragged out of it. The list follows
// the drag itself (it takes the mouse capture when the drag begins); when the button comes up
// it tells its dialog with 0x403 that rows were dropped (the dialog finds where from the
// pointer), then, as after every release of the left button over it, with 0x401 that the check
// marks may have changed.

#include "platform/ui/ListCtrl.h"

class CMyDragListCtrl : public ui::ListCtrl {
public:
    static constexpr unsigned WM_LIST_CHECKS_CHANGED = 0x401;
    static constexpr unsigned WM_LIST_ROWS_DROPPED = 0x403;

    bool IsDragging() const { return m_bDragging; }

protected:
    bool OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                       ui::LRESULT* result) override;
    ui::LRESULT WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) override;

private:
    bool m_bDragging = false;
};
