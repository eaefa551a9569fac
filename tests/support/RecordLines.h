#pragma once
// The drawing records of a management file as lines, for comparing them all at once: the type's
// stored name ("" for the drawings without type), the separator, then "name<remark>", in file
// order. Expects the file to read.

#include <string>
#include <string_view>
#include <vector>

namespace ovtest {

std::vector<std::wstring> RecordLines(const std::wstring& manageFile, std::wstring_view separator);

} // namespace ovtest
