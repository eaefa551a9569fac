#include "platform/xlsx/Workbook.h"

#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <xlsxwriter.h>

namespace xlsx {

namespace {

namespace stdfs = std::filesystem;

constexpr double kMaxWidth = 80.0;

bool IsFullWidth(wchar_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
}

std::string SheetName(const std::wstring& name) {
    std::wstring clean = name.substr(0, 31);
    for (wchar_t& c : clean)
        if (std::wstring_view(L"[]:*?/\\").find(c) != std::wstring_view::npos)
            c = L'_';
    return text::ToUtf8(clean.empty() ? L"Sheet1" : clean);
}

std::wstring NumberText(double value) {
    return text::Format(value == static_cast<long long>(value) ? L"%.0f" : L"%g", value);
}

int CauseOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return fs::kAccessDenied;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return fs::kDiskFull;
    case ENOENT:
    case ENOTDIR:
        return fs::kBadPath;
    default:
        return fs::kGenericError;
    }
}

// A zip archive ends with its end-of-central-directory record; a workbook whose last writes
// were lost (a full disk noticed only when the file was closed) lacks it.
bool IsCompleteZip(const std::string& native) {
    int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool complete = fsync(fd) == 0;
    off_t size = lseek(fd, 0, SEEK_END);
    char record[4] = {};
    complete = complete && size >= 22 && pread(fd, record, 4, size - 22) == 4 &&
               std::string_view(record, 4) == std::string_view("PK\x05\x06", 4);
    close(fd);
    return complete;
}

lxw_error WriteSheets(lxw_workbook* workbook, const std::vector<Sheet>& sheets) {
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (const Sheet& sheet : sheets) {
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, SheetName(sheet.name).c_str());
        if (!worksheet)
            return LXW_ERROR_MEMORY_MALLOC_FAILED;
        std::vector<double> widths(sheet.header.size(), 0.0);
        auto widen = [&widths](size_t column, double width) {
            if (widths.size() <= column)
                widths.resize(column + 1, 0.0);
            widths[column] = std::max(widths[column], width);
        };
        for (size_t column = 0; column < sheet.header.size(); ++column) {
            worksheet_write_string(worksheet, 0, static_cast<lxw_col_t>(column),
                                   text::ToUtf8(sheet.header[column]).c_str(), bold);
            widen(column, ColumnWidthFor(sheet.header[column]) * 1.1);
        }
        for (size_t row = 0; row < sheet.rows.size(); ++row) {
            auto excelRow = static_cast<lxw_row_t>(row + 1);
            for (size_t column = 0; column < sheet.rows[row].size(); ++column) {
                const Cell& cell = sheet.rows[row][column];
                auto excelColumn = static_cast<lxw_col_t>(column);
                if (cell.isNumber) {
                    worksheet_write_number(worksheet, excelRow, excelColumn, cell.number, nullptr);
                    widen(column, ColumnWidthFor(NumberText(cell.number)));
                } else if (!cell.text.empty()) {
                    worksheet_write_string(worksheet, excelRow, excelColumn,
                                           text::ToUtf8(cell.text).c_str(), nullptr);
                    widen(column, ColumnWidthFor(cell.text));
                }
            }
        }
        for (size_t column = 0; column < widths.size(); ++column)
            worksheet_set_column(worksheet, static_cast<lxw_col_t>(column),
                                 static_cast<lxw_col_t>(column),
                                 std::min(widths[column] + 2.0, kMaxWidth), nullptr);
        if (!sheet.header.empty())
            worksheet_freeze_panes(worksheet, 1, 0);
    }
    return LXW_NO_ERROR;
}

} // namespace

double ColumnWidthFor(std::wstring_view text) {
    double width = 0.0;
    for (wchar_t c : text)
        width += IsFullWidth(c) ? 2.0 : 1.0;
    return width;
}

bool WriteWorkbook(std::wstring_view path, const std::vector<Sheet>& sheets, int* cause,
                   std::wstring* detail) {
    static std::atomic<int> counter{0};
    stdfs::path target = fs::Resolve(path);
    stdfs::path temporary = target.parent_path() / ("~ovxlsx-" + std::to_string(getpid()) + "-" +
                                                    std::to_string(++counter) + ".tmp");
    auto fail = [&](int error, const std::wstring& words) {
        std::error_code ignored;
        stdfs::remove(temporary, ignored);
        if (cause)
            *cause = CauseOf(error);
        if (detail)
            *detail = words;
        return false;
    };

    errno = 0;
    lxw_workbook* workbook = workbook_new(temporary.c_str());
    if (!workbook)
        return fail(errno ? errno : ENOMEM, L"the workbook could not be made");
    lxw_error status = WriteSheets(workbook, sheets);
    errno = 0;
    lxw_error closed = workbook_close(workbook);
    int closeErrno = errno;
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR)
        return fail(closeErrno, text::FromUtf8(lxw_strerror(status)));
    if (!IsCompleteZip(temporary.string()))
        return fail(errno ? errno : EIO, L"the workbook was not written completely");
    std::error_code renamed;
    stdfs::rename(temporary, target, renamed);
    if (renamed)
        return fail(renamed.value(), text::FromUtf8(renamed.message()));
    if (cause)
        *cause = fs::kNoError;
    return true;
}

} // namespace xlsx
