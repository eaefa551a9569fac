#pragma once
// Drives the management window the commands opened, as the user's clicks and menu choices do.

#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/ui/Actions.h"

#include <cstdio>

namespace ovbench {

inline CManageDlg* Window() {
    return dynamic_cast<CManageDlg*>(g_pManageDlg);
}

// An action on the window; one that does not go through is said, as the figures would lie.
inline void Do(const ui::Action& action) {
    if (!ui::ApplyAction(*Window(), action).empty())
        std::fputs("an action did not go through\n", stderr);
}

// A menu command of the window, as its popup menu sends it.
inline void Command(unsigned id) {
    Window()->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(id, 0), 0);
}

} // namespace ovbench
