#include "suite/OvExportExcelTable/OvExportExcelTable.h"

#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvExportExcelTable/ExportTables.h"

namespace {

std::wstring FolderOf(const std::wstring& strPath) {
    size_t slash = strPath.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : strPath.substr(0, slash);
}

std::wstring NameOf(const std::wstring& strPath) {
    return strPath.substr(strPath.find_last_of(L'\\') + 1);
}

// Office programs keep a lock file beside a workbook they have open: "~$name" (Excel) or
// ".~lock.name#" (LibreOffice).
bool IsHeldByOfficeProgram(const std::wstring& strWorkbook) {
    std::wstring strFolder = FolderOf(strWorkbook);
    std::wstring strName = NameOf(strWorkbook);
    return fs::IsFile(strFolder + L"\\~$" + strName) ||
           fs::IsFile(strFolder + L"\\.~lock." + strName + L"#");
}

std::wstring Reason(int nCause, const std::wstring& strDetail) {
    switch (nCause) {
    case fs::kAccessDenied:
        return L"没有写入权限";
    case fs::kDiskFull:
        return L"磁盘空间不足";
    case fs::kBadPath:
        return L"文件夹不存在";
    default:
        return strDetail;
    }
}

void Tell(const std::wstring& strText) {
    ui::MessageBox(nullptr, strText, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

} // namespace

std::wstring ExportWorkbookPath(const std::wstring& strManageFile, int nKind) {
    std::wstring strFolder = FolderOf(strManageFile);
    return text::Format(L"%s\\%s_%s.xlsx", strFolder, NameOf(strFolder), ExportTableCaption(nKind));
}

int OvExportExcelTable(const std::wstring& strManageFile, int nKind) {
    if (nKind < 1 || nKind > 7)
        return 0;
    ExportSource source;
    if (!ReadExportSource(strManageFile, source))
        return 0;
    std::wstring strWorkbook = ExportWorkbookPath(strManageFile, nKind);
    if (IsHeldByOfficeProgram(strWorkbook)) {
        Tell(text::Format(L"表格文件\"%s\"已在另一程序中打开，请关闭后再导出。", strWorkbook));
        return 0;
    }
    int nCause = 0;
    std::wstring strDetail;
    if (!xlsx::WriteWorkbook(strWorkbook, {BuildExportTable(source, nKind)}, &nCause, &strDetail)) {
        Tell(text::Format(L"表格文件\"%s\"无法写入：%s", strWorkbook, Reason(nCause, strDetail)));
        return 0;
    }
    acutPrintf(L"\n%s已导出到\"%s\"\n", ExportTableCaption(nKind), strWorkbook);
    return 1;
}
