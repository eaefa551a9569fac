#pragma once
// The wait cursor, shown while a long step runs: an object shows it for its lifetime, so every
// path out of a command ends it.

namespace ui {

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// How many wait cursors are shown now (0: the ordinary cursor).
int WaitCursorDepth();

} // namespace ui
