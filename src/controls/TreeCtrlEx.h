#pragma once
// CTreeCtrlEx: a tree with check boxes whose check marks work on branches: ticking or clearing
// an item's box does the same to every item below it. Whenever the left mouse button comes up
// over the tree it tells its dialog, with the message 0x402, that the check marks may have
// changed.

#include "platform/ui/TreeCtrl.h"

class CTreeCtrlEx : public ui::TreeCtrl {
public:
    static constexpr unsigned WM_TREE_CHECKS_CHANGED = 0x402;

    // Gives the item and every item below it the check mark.
    void SetCheckBranch(ui::HTREEITEM item, bool bChecked);

protected:
    bool OnChildNotify(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                       ui::LRESULT* result) override;
    ui::LRESULT WindowProc(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) override;
};
