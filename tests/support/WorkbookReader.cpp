#include "support/WorkbookReader.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

namespace ovtest {

namespace {

// Prints the title, the column widths, then one line per row, cells separated by tabs.
const char* const kReader = R"PY(
import sys, openpyxl
from openpyxl.utils import get_column_letter
sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
print(sheet.title)
print('\t'.join('%g' % (sheet.column_dimensions[get_column_letter(c)].width or 0)
                for c in range(1, sheet.max_column + 1)))
def text(value):
    if value is None:
        return ''
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    return str(value)
for row in sheet.iter_rows(values_only=True):
    print('\t'.join(text(value) for value in row))
)PY";

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, '\t'))
        cells.push_back(cell);
    if (!line.empty() && line.back() == '\t')
        cells.emplace_back();
    return cells;
}

} // namespace

std::string ReadSheet::Cell(size_t row, size_t column) const {
    return row < rows.size() && column < rows[row].size() ? rows[row][column] : "";
}

ReadSheet ReadWorkbook(const std::string& nativePath) {
    std::string command = "/usr/bin/python3 -c \"$OV_XLSX_READER\" '" + nativePath + "' 2>&1";
    setenv("OV_XLSX_READER", kReader, 1);
    ReadSheet sheet;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return sheet;
    std::string output;
    std::array<char, 4096> buffer{};
    size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), count);
    int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        sheet.error = output;
        return sheet;
    }
    std::stringstream lines(output);
    std::string line;
    std::getline(lines, sheet.title);
    std::getline(lines, line);
    for (const std::string& width : SplitTabs(line))
        sheet.widths.push_back(std::stod(width));
    while (std::getline(lines, line))
        sheet.rows.push_back(SplitTabs(line));
    sheet.ok = true;
    return sheet;
}

} // namespace ovtest
