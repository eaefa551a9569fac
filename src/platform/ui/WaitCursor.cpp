#include "platform/ui/WaitCursor.h"

#include "platform/ui/Backend.h"

namespace ui {

namespace {
int g_depth = 0;
}

CWaitCursor::CWaitCursor() {
    CurrentBackend().WaitCursorChanged(++g_depth);
}

CWaitCursor::~CWaitCursor() {
    CurrentBackend().WaitCursorChanged(--g_depth);
}

int WaitCursorDepth() {
    return g_depth;
}

} // namespace ui
