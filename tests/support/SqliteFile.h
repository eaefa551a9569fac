#pragma once
// Word-dictionary files for tests: a fresh SQLite file made from SQL statements.

#include <string>
#include <vector>

namespace ovtest {

// Creates (or replaces) the file at the logical path and runs the statements in it, in order.
// Throws when a statement fails, so a broken fixture cannot pass for a finding.
void MakeSqliteFile(const std::wstring& logicalPath, const std::vector<std::wstring>& statements);

} // namespace ovtest
