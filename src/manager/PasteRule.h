#pragma once
// Whether the cut or copied item may be pasted where the user points: the state of the menu's
// "粘贴(&P)" and the test of a drop while dragging.

struct CPasteContext {
    bool bHasData = false;    // something was cut, copied or is being dragged
    int nSrcKind = 4;         // 0 Project, 1 Equipment, 2 drawing type, 3 drawing
    bool bCopy = false;       // copying (else moving)
    bool bXmTree = false;     // the target is in the project tree (else the content tree)
    bool bProjectMode = true; // a Project window (else an Equipment window)
    bool bHasXmNode = false;  // a Project is selected in the project tree
    bool bHasSbNode = false;  // something is selected in the content tree
    int nSbKind = 4;          // what: 1 Equipment, 2 drawing type, 3 drawing
    bool bOntoSource = false; // the target is the very item that was cut or copied
};

// From the project tree onto a Project; in the content tree onto an Equipment or a type only a
// type or a drawing, onto a drawing only a drawing; onto the empty content tree of a Project
// window anything but a Project. Never an item onto itself (a drawing may be copied onto
// itself: the copy gets another name).
bool IsPasteAllowed(const CPasteContext& context);
