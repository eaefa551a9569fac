#pragma once
// Patches of a management file's description section that the window's tree operations make
// directly on the file's lines (the layout of docs/records.md): the label notes that a paste
// or a drawing import must not lose, and the description values an import fills in.

#include "suite/OvXmInfo/ExplainInfoNode.h"

#include <string>
#include <utility>
#include <vector>

// The label lines of the file ("原理图标号" schematic label, "代表标号" representative label):
// inside the description section ("$BEGIN NOTE OF PRJ" to "$END NOTE OF PRJ", compared
// without regard to case after trimming) and inside its note blocks ("$BEGIN_ONE_NOTE" to
// "$END_ONE_NOTE"), the lines that begin with either, in order, up to the first line of a note
// block that begins with neither. Empty when the file cannot be read.
std::vector<std::wstring> ReadLabelNoteLines(const std::wstring& strManageFile);

// When labels were read before a command (arrBefore) and the file holds none after it, they
// are written back in pairs as note blocks right after "$BEGIN NOTE OF PRJ" (a last line
// without partner gets an empty value). 1 when the file was rewritten; a file without that line
// is left alone.
int RestoreLabelNoteLines(const std::wstring& strManageFile,
                          const std::vector<std::wstring>& arrBefore);

// Fills description values into a management file's entries: a title held with a blank value
// gets the value in its place (readers that take a title's last entry would otherwise keep the
// blank), a missing title is put in front of the others (right after "$BEGIN NOTE OF PRJ" when
// the file is written), and a title that has a value keeps it. Whether anything changed.
bool FillDescriptionValues(std::vector<CExplainInfoNode>& arrEntries,
                           const std::vector<std::pair<std::wstring, std::wstring>>& arrPairs);
