#pragma once
// The title-block library: where the title-block definitions live. The dispatcher hands it the
// common-resource folder at the start of each management and save command.

#include <string>

void OvSetBtlDefFilePath(const std::wstring& strFolder);
// The folder last set ("" before the first command).
const std::wstring& OvGetBtlDefFilePath();
