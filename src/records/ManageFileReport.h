#pragma once
// The plain-text report of what the library read from a management file, for scripts and
// support ("ovinfo records"): one "title<TAB>value" line per description entry; per drawing
// type a line "类型<TAB>display name<TAB>system name" followed by one "<TAB>file<TAB>remark"
// line per file; then "无类型的文件" with the files without type in the same form.

#include <string>
#include <vector>

class CManageFileInfo;

std::vector<std::wstring> DescribeManageFile(const CManageFileInfo& manageFile);
