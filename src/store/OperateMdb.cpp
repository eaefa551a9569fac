#include "store/OperateMdb.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "store/MdbStatements.h"
#include "store/StoreMessages.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kAccessFileDescription =
    L"该文件是Microsoft Access数据库，本系统的词库须为SQLite数据库，请换用SQLite格式的词库文件。";

void ShowOpenFailure(const std::wstring& strDescription) {
    store::ShowMessage(L"数据库mdb打开失败! (error: )" + strDescription, L"Tessaline 消息",
                       ui::MB_OK | ui::MB_ICONERROR);
}

} // namespace

COperateMdb::COperateMdb(const std::wstring& strPath, bool bQuiet) {
    if (!CEditOprt::IsFileExist(strPath)) {
        if (!bQuiet)
            acutPrintf(L"\n%s\n", text::Format(L"没有找到数据库文件%s", strPath));
        return;
    }
    // An Access file would open and then fail at its first statement with a cryptic text; say
    // what it is instead.
    if (db::DetectFileFormat(strPath) == db::FileFormat::Access) {
        if (!bQuiet)
            ShowOpenFailure(kAccessFileDescription);
        return;
    }
    db::Opened opened = db::OpenSqlite(strPath);
    if (!opened.connection) {
        if (!bQuiet)
            ShowOpenFailure(opened.error);
        return;
    }
    m_pConnection = std::move(opened.connection);
}

COperateMdb::~COperateMdb() = default;

int COperateMdb::IsConnected() const {
    return m_pConnection ? 1 : 0;
}

void COperateMdb::GetTableNames(std::vector<std::wstring>& arrTableNames) {
    arrTableNames.clear();
    if (!m_pConnection)
        return;
    // User tables only: SQLite's own tables and views are left out.
    db::Rows rows;
    db::Status status = m_pConnection->Run(
        L"SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
        L"ESCAPE '\\'",
        {}, &rows);
    if (!status) {
        store::ShowPlainMessage(status.error);
        return;
    }
    for (const std::vector<db::Value>& row : rows.rows)
        arrTableNames.push_back(mdb::TextOf(row[0]));
}

int COperateMdb::IsTableExist(const std::wstring& strName,
                              const std::vector<std::wstring>& arrTableNames) {
    for (const std::wstring& strTable : arrTableNames)
        if (text::EqualsNoCase(strTable, strName))
            return 1;
    return 0;
}

int COperateMdb::IsUsableTable(const std::wstring& strTable) {
    if (!m_pConnection || strTable.empty())
        return 0;
    std::vector<std::wstring> arrTableNames;
    GetTableNames(arrTableNames);
    return IsTableExist(strTable, arrTableNames);
}

int COperateMdb::GetFieldValues(const std::wstring& strTable, const std::wstring& strField,
                                std::vector<std::wstring>& arrValues, int nType, int bSorted) {
    arrValues.clear();
    if (!IsUsableTable(strTable))
        return 0;
    db::Rows rows;
    db::Status status =
        m_pConnection->Run(L"SELECT " + mdb::QuoteName(strTable) + L"." + mdb::QuoteName(strField) +
                               L" FROM " + mdb::QuoteName(strTable),
                           {}, &rows);
    if (!status) {
        store::ShowPlainMessage(status.error);
        return 0;
    }
    std::wstring strValue;
    arrValues.reserve(rows.rows.size());
    for (const std::vector<db::Value>& row : rows.rows) {
        strValue = mdb::TextForType(row[0], nType, strValue);
        arrValues.push_back(strValue);
    }
    if (bSorted) {
        // Distinct values in ascending order of their characters.
        std::sort(arrValues.begin(), arrValues.end());
        arrValues.erase(std::unique(arrValues.begin(), arrValues.end()), arrValues.end());
    }
    return 1;
}

void COperateMdb::CloseDatabase() {
    m_pConnection.reset();
}

int COperateMdb::Execute(const std::wstring& strStatement, const std::vector<db::Value>& values) {
    db::Status status = m_pConnection->Run(strStatement, values);
    if (!status) {
        store::ShowPlainMessage(status.error);
        return 0;
    }
    return 1;
}
