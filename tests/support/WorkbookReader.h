#pragma once
// Workbooks read back with a real reader (openpyxl under the system's Python), so that tests
// check what an office program would show.

#include <string>
#include <vector>

namespace ovtest {

struct ReadSheet {
    bool ok = false;
    std::string error;                          // the reader's words when it failed
    std::string title;                          // of the first sheet
    std::vector<double> widths;                 // of its columns
    std::vector<std::vector<std::string>> rows; // cells as text (UTF-8), "" for empty
    // Cell by row and column from 0, "" outside the sheet.
    std::string Cell(size_t row, size_t column) const;
};

// Reads the first sheet of the workbook at the native path.
ReadSheet ReadWorkbook(const std::string& nativePath);

} // namespace ovtest
