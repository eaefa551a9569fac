#pragma once
// The title-block library. The dispatcher hands it the common-resource folder at the start of
// each management and save command; the management window hands it the title-block requests
// that the management-file library posts to the window, passing the message's parameter
// through unchanged.

#include "platform/ui/Messages.h"
#include "suite/OvDwgBtlInfo/TitleBlockFormat.h"

#include <string>
#include <vector>

void OvSetBtlDefFilePath(const std::wstring& strFolder);
// The folder last set ("" before the first command).
const std::wstring& OvGetBtlDefFilePath();

// A title-block request: the message parameter is the address of one of these, owned by the
// code that posted the message.
struct OvDwgBtlInfoRequest {
    std::wstring strDwgPathName; // in: the drawing file (logical path)
    int nFound = 0;              // out: 1 when the saved drawing has a title block
    // out: its cells, corners made absolute by the block's insertion point.
    std::vector<OvTitleCell> arrCells;
};

// Answers the request from the drawing as saved in its file; 1 when a title block was found.
// A null parameter or a file that cannot be read as a drawing gives 0 and no cells.
int OvGetBtlInfoFromDwg(ui::WPARAM wParam);
