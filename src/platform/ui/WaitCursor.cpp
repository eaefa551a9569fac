#include "platform/ui/WaitCursor.h"

namespace ui {

namespace {
int g_depth = 0;
}

CWaitCursor::CWaitCursor() {
    ++g_depth;
}

CWaitCursor::~CWaitCursor() {
    --g_depth;
}

int WaitCursorDepth() {
    return g_depth;
}

} // namespace ui
