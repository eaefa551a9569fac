#pragma once
// Drives the management window the commands opened, as the user's clicks and menu choices do.

#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Actions.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace ovbench {

// Makes the installation at `home` the one the module uses, its trash inside it, before the
// host starts on it.
inline void UseInstallation(const std::filesystem::path& home) {
    ::setenv("OVMANAGE_HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "Trash").c_str(), 1);
    Ov2002ReloadInstallation();
    text::SetAnsiCodePage("CP936");
}

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
