#pragma once
// Working on the description block of management files as text: the tolerant parser and the
// block builder of the creation dialog, the insertion of entries at the top of a block, and the
// push of a Project's values down into its Equipments. Everything after the block belongs to
// the management-file library and passes through unchanged.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <vector>

namespace explain {

// Parses the block from the front of lines that were trimmed and freed of empty lines, and
// removes the lines it consumed; what remains is the library's part of the file. With
// bEmptyQuantities the values of titles containing "设备数量" are emptied. Lines that do not
// start with the block's start marker are not a block: nothing is consumed then, and the
// parse stops before the content section of a block that lost its end marker.
std::vector<CExplainInfoNode> ParseExplainLines(std::vector<std::wstring>& arrLines,
                                                int bEmptyQuantities);

// The whole block for the entries, ready to stand in front of the library's lines.
std::vector<std::wstring> BuildExplainLines(const std::vector<CExplainInfoNode>& entries);

// Inserts the entries (empty ones left out) at the top of the file's block. The file is
// rewritten from its trimmed lines; blank lines outside notes go. Files that are missing or
// whose first line is not the start marker (in any case) are left as they are: 0 then.
int InsertExplainInfoAtTop(const std::wstring& strManageFilePathName,
                           const std::vector<CExplainInfoNode>& entries);

// Copies the values of the Project's titles that begin with "工程" into the same titles of
// the Equipments one folder down (S\S.prj). The number of Equipment files written.
int PushProjectValuesToEquipments(const std::wstring& strProjectManageFile);

} // namespace explain
