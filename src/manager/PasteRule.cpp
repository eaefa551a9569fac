#include "manager/PasteRule.h"

bool IsPasteAllowed(const CPasteContext& c) {
    if (!c.bHasData)
        return false;
    if (c.bXmTree)
        return c.bHasXmNode && !(c.nSrcKind == 0 && c.bOntoSource);
    if (!c.bHasSbNode)
        return c.bProjectMode && c.nSrcKind != 0;
    bool bTypeOrDrawing = c.nSrcKind == 2 || c.nSrcKind == 3;
    bool bAllowed = ((c.nSbKind == 1 || c.nSbKind == 2) && bTypeOrDrawing) ||
                    (c.nSbKind == 3 && c.nSrcKind == 3);
    if (c.bOntoSource && (c.nSrcKind == 1 || c.nSrcKind == 2 || (c.nSrcKind == 3 && !c.bCopy)))
        return false;
    return bAllowed;
}
