#pragma once
// Resource ids the module's dialogs share.

// The module's icon, which every dialog of the module shows in its caption.
inline constexpr int IDI_OVMANAGE = 117;
