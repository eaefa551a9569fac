// The table operations of COperateMdb. Each checks the connection and the table first and
// fails (0) without a message when either is missing.

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "store/MdbStatements.h"
#include "store/OperateMdb.h"
#include "store/StoreMessages.h"

namespace {

constexpr const wchar_t* kCatalogueTable = L"OvTableName";
constexpr const wchar_t* kCatalogueOrderColumn = L"UseTableName";

// The column type written for a type code, or "" for a code the layer does not know.
std::wstring ColumnTypeName(int nType, int nSize) {
    switch (nType) {
    case kMdbInteger:
        return L"Integer";
    case kMdbSingle:
        return L"adSingle";
    case kMdbDouble:
        return L"adDouble";
    case kMdbCurrency:
        return L"adCurrency";
    case kMdbDate:
        return L"adDate";
    case kMdbBoolean:
        return L"adBoolean";
    case kMdbUnsignedTinyInt:
        return L"adUnsignedTinyInt";
    case kMdbGuid:
        return L"adGUID";
    case kMdbChar:
        return text::Format(L"Text(%d)", nSize);
    case kMdbLongVarChar:
        return L"adLongVarChar";
    default:
        return {};
    }
}

void ShowWrongArguments() {
    store::ShowMessage(L"程序员应用此函数,传入的参数有错误,请检查!", L"Tessaline", ui::MB_OK);
}

} // namespace

int COperateMdb::InsertRecord(const std::wstring& strTable,
                              const std::vector<std::wstring>& arrFields,
                              const std::vector<std::wstring>& arrValues,
                              const std::vector<int>& arrTypes) {
    if (arrFields.empty() || arrFields.size() != arrValues.size() ||
        arrFields.size() != arrTypes.size() || !IsUsableTable(strTable))
        return 0;
    std::vector<std::wstring> arrNames;
    std::vector<std::wstring> arrPlaceholders;
    std::vector<db::Value> values;
    for (size_t i = 0; i < arrFields.size(); ++i) {
        arrNames.push_back(mdb::QuoteName(arrFields[i]));
        arrPlaceholders.push_back(L"?");
        values.push_back(mdb::BindingFor(arrValues[i], arrTypes[i]));
    }
    return Execute(L"INSERT INTO " + mdb::QuoteName(strTable) + L" (" + text::Join(arrNames, L",") +
                       L") VALUES (" + text::Join(arrPlaceholders, L",") + L")",
                   values);
}

int COperateMdb::UpdateRecords(const std::wstring& strTable,
                               const std::vector<std::wstring>& arrSetFields,
                               const std::vector<std::wstring>& arrSetValues,
                               const std::vector<int>& arrSetTypes,
                               const std::vector<std::wstring>& arrKeyFields,
                               const std::vector<std::wstring>& arrKeyValues,
                               const std::vector<int>& arrKeyTypes) {
    if (arrSetFields.empty() || arrSetFields.size() != arrSetValues.size() ||
        arrSetFields.size() != arrSetTypes.size() || !IsUsableTable(strTable))
        return 0;
    std::vector<std::wstring> arrAssignments;
    std::vector<db::Value> values;
    for (size_t i = 0; i < arrSetFields.size(); ++i) {
        arrAssignments.push_back(mdb::QuoteName(arrSetFields[i]) + L"=?");
        values.push_back(mdb::BindingFor(arrSetValues[i], arrSetTypes[i]));
    }
    std::vector<std::wstring> arrConditions;
    // Without a condition the statement would change every row: refuse it.
    if (!mdb::AppendConditions(strTable, arrKeyFields, arrKeyValues, &arrKeyTypes, arrConditions,
                               values) ||
        arrConditions.empty())
        return 0;
    return Execute(L"UPDATE " + mdb::QuoteName(strTable) + L" SET " +
                       text::Join(arrAssignments, L", ") + L" WHERE " +
                       text::Join(arrConditions, L" AND "),
                   values);
}

int COperateMdb::DeleteRecords(const std::wstring& strTable,
                               const std::vector<std::wstring>& arrKeyFields,
                               const std::vector<std::wstring>& arrKeyValues,
                               const std::vector<int>& arrKeyTypes) {
    if (!IsUsableTable(strTable))
        return 0;
    std::vector<std::wstring> arrConditions;
    std::vector<db::Value> values;
    // Without a condition the statement would empty the table: refuse it.
    if (!mdb::AppendConditions(strTable, arrKeyFields, arrKeyValues, &arrKeyTypes, arrConditions,
                               values) ||
        arrConditions.empty())
        return 0;
    return Execute(L"DELETE FROM " + mdb::QuoteName(strTable) + L" WHERE " +
                       text::Join(arrConditions, L" AND "),
                   values);
}

int COperateMdb::CreateTable(const std::wstring& strName,
                             const std::vector<std::wstring>& arrFields,
                             const std::vector<int>& arrTypes, const std::vector<int>& arrSizes) {
    if (!m_pConnection)
        return 0;
    std::wstring strTable = text::Trim(strName);
    for (wchar_t& c : strTable)
        if (c == L' ' || c == L'\t' || c == L'-')
            c = L'_';
    std::vector<std::wstring> arrTableNames;
    GetTableNames(arrTableNames);
    if (IsTableExist(strName, arrTableNames) || IsTableExist(strTable, arrTableNames)) {
        store::ShowMessage(L"该表名数据库中已经有了,请更换表名", L"Tessaline",
                           ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return 0;
    }
    if (strTable.empty() || arrFields.empty() || arrFields.size() != arrTypes.size() ||
        arrFields.size() != arrSizes.size())
        return 0;
    std::vector<std::wstring> arrColumns;
    for (size_t i = 0; i < arrFields.size(); ++i) {
        std::wstring strType = ColumnTypeName(arrTypes[i], arrSizes[i]);
        if (strType.empty()) {
            store::ShowPlainMessage(
                text::Format(L"Enum Error:%d unknow. Create Table false.", arrTypes[i]));
            return 0;
        }
        arrColumns.push_back(mdb::QuoteName(arrFields[i]) + L" " + strType);
    }
    return Execute(L"CREATE TABLE " + mdb::QuoteName(strTable) + L" ( " +
                       text::Join(arrColumns, L", ") + L")",
                   {});
}

int COperateMdb::DropTable(const std::wstring& strName) {
    if (!IsUsableTable(strName))
        return 0;
    return Execute(L"DROP TABLE " + mdb::QuoteName(strName), {});
}

int COperateMdb::RenameTable(const std::wstring& strOldName, const std::wstring& strNewName) {
    if (!IsUsableTable(strOldName) || strNewName.empty())
        return 0;
    std::vector<std::wstring> arrTableNames;
    GetTableNames(arrTableNames);
    if (IsTableExist(strNewName, arrTableNames)) {
        store::ShowMessage(L"数据库表名已经存在! ", L"Tessaline",
                           ui::MB_OK | ui::MB_ICONINFORMATION);
        return 0;
    }
    // One statement: the rows can never be left in both tables or in neither.
    return Execute(L"ALTER TABLE " + mdb::QuoteName(strOldName) + L" RENAME TO " +
                       mdb::QuoteName(strNewName),
                   {});
}

int COperateMdb::SelectRecords(const std::wstring& strTable, std::vector<std::wstring>& arrColumns,
                               std::vector<std::vector<std::wstring>>& arrRows) {
    return SelectInto(strTable, {}, {}, {}, {}, arrColumns, arrRows);
}

int COperateMdb::SelectRecordsWhere(const std::wstring& strTable,
                                    const std::vector<std::wstring>& arrSelectColumns,
                                    const std::vector<std::wstring>& arrKeyFields,
                                    const std::vector<std::wstring>& arrKeyValues,
                                    std::vector<std::wstring>& arrColumns,
                                    std::vector<std::vector<std::wstring>>& arrRows) {
    return SelectInto(strTable, arrSelectColumns, arrKeyFields, arrKeyValues, {}, arrColumns,
                      arrRows);
}

int COperateMdb::SelectRecordsOrdered(const std::vector<std::wstring>& arrSelectColumns,
                                      const std::vector<std::wstring>& arrKeyFields,
                                      const std::vector<std::wstring>& arrKeyValues,
                                      std::vector<std::wstring>& arrColumns,
                                      std::vector<std::vector<std::wstring>>& arrRows) {
    return SelectInto(kCatalogueTable, arrSelectColumns, arrKeyFields, arrKeyValues,
                      mdb::QuoteName(kCatalogueTable) + L"." +
                          mdb::QuoteName(kCatalogueOrderColumn),
                      arrColumns, arrRows);
}

int COperateMdb::SelectInto(const std::wstring& strTable,
                            const std::vector<std::wstring>& arrSelectColumns,
                            const std::vector<std::wstring>& arrKeyFields,
                            const std::vector<std::wstring>& arrKeyValues,
                            const std::wstring& strOrderBy, std::vector<std::wstring>& arrColumns,
                            std::vector<std::vector<std::wstring>>& arrRows) {
    arrColumns.clear();
    arrRows.clear();
    if (arrKeyFields.size() != arrKeyValues.size()) {
        ShowWrongArguments();
        return 0;
    }
    if (!IsUsableTable(strTable))
        return 0;
    std::vector<std::wstring> arrNames;
    for (const std::wstring& strColumn : arrSelectColumns)
        arrNames.push_back(mdb::QuoteName(strColumn));
    std::wstring strStatement = L"SELECT " +
                                (arrNames.empty() ? L"*" : text::Join(arrNames, L",")) + L" FROM " +
                                mdb::QuoteName(strTable);
    std::vector<std::wstring> arrConditions;
    std::vector<db::Value> values;
    mdb::AppendConditions(strTable, arrKeyFields, arrKeyValues, nullptr, arrConditions, values);
    if (!arrConditions.empty())
        strStatement += L" WHERE " + text::Join(arrConditions, L" AND ");
    if (!strOrderBy.empty())
        strStatement += L" ORDER BY " + strOrderBy;
    db::Rows rows;
    db::Status status = m_pConnection->Run(strStatement, values, &rows);
    if (!status) {
        store::ShowPlainMessage(status.error);
        return 0;
    }
    arrColumns = rows.columns;
    for (const std::vector<db::Value>& row : rows.rows) {
        std::vector<std::wstring>& arrRow = arrRows.emplace_back();
        for (const db::Value& value : row)
            arrRow.push_back(mdb::TextOf(value));
    }
    return 1;
}
