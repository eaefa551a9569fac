#pragma once
// The states of the trees' context menu: which items are enabled, grayed or removed for the
// tree that was clicked, the window's mode, what is selected in each tree, the working mode
// and whether the web-publishing command is there; and the caption item 203 takes.

#include "platform/ui/Menu.h"

#include <string>

struct CTreeMenuContext {
    bool bXmTree = false;       // the project tree was clicked (else the content tree)
    bool bProjectMode = true;   // a Project window (else an Equipment window)
    bool bHasXmNode = false;    // a Project is selected in the project tree
    bool bXmNodeIsRoot = false; // ... and it is the open Project itself
    bool bHasSbNode = false;    // something is selected in the content tree
    int nSbKind = 4;            // 1 Equipment, 2 drawing type, 3 drawing, 4 nothing
    bool bStyleHasFiles = true; // the selected drawing type holds drawings
    int nWorkingMode = 0;       // 0 plain, 1 "Erp", 2 "BSF"
    bool bWebPublishing = false;
    bool bPasteAllowed = false; // the paste data may go onto the selection (PasteRule.h)
};

inline constexpr int kMenuItemEnabled = 0;
inline constexpr int kMenuItemGrayed = 1;
inline constexpr int kMenuItemRemoved = 2;

// The state of one command of the menu (enabled for the commands the rules do not name).
int TreeMenuItemState(unsigned id, const CTreeMenuContext& context);
// The caption of item 203 for the selection; "" keeps "修改...".
std::wstring TreeMenuModifyCaption(const CTreeMenuContext& context);
// Sets every item of the popup's state and item 203's caption.
void ApplyTreeMenuStates(ui::Menu& popup, const CTreeMenuContext& context);
