#pragma once
// The user's trash, where deleted files and folders go so that they can be restored (the
// freedesktop.org layout that Linux desktops share: $XDG_DATA_HOME/Trash, by default
// ~/.local/share/Trash, with "files" and "info").

#include <string_view>

namespace fs {

// Moves a file or a folder into the trash and records where it came from. On failure the
// entry stays where it was and LastError() says why.
bool MoveToTrash(std::wstring_view logical);

} // namespace fs
