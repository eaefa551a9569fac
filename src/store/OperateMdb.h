#pragma once
// COperateMdb: the small database layer over the word dictionary "Data\word.mdb". One object
// opens one file for its lifetime; it lists the file's tables and reads one column of a table
// as text. It also offers table operations (insert, update, delete, create, drop, rename and
// listings) that no dialog calls yet.
//
// The dictionary is an SQLite file on our installations. Statements carry every value as a
// bound parameter and every table or column name quoted, so no word a user typed can change
// what a statement does.
//
// Results are 1 for success and 0 for failure.

#include "platform/db/Database.h"

#include <memory>
#include <string>
#include <vector>

// Column type codes (the ADO data-type numbers the callers pass).
enum MdbFieldType {
    kMdbInteger = 3,
    kMdbSingle = 4,
    kMdbDouble = 5,
    kMdbCurrency = 6,
    kMdbDate = 7,
    kMdbBoolean = 11,
    kMdbUnsignedTinyInt = 17,
    kMdbGuid = 72,
    kMdbChar = 129,
    kMdbLongVarChar = 201,
};

// A text condition value that sets no condition.
inline constexpr const wchar_t* kMdbNoCondition = L"_adChar_VTNULL_空";

class COperateMdb {
public:
    // Connects to the file. A missing file is said on the command line; a file that cannot be
    // opened gets a box with the reason (neither with bQuiet, for callers that go on without
    // words). Either way the object stays unconnected.
    explicit COperateMdb(const std::wstring& strPath, bool bQuiet = false);
    virtual ~COperateMdb();
    COperateMdb(const COperateMdb&) = delete;
    COperateMdb& operator=(const COperateMdb&) = delete;

    int IsConnected() const;
    // The user tables, in the order the file lists them.
    void GetTableNames(std::vector<std::wstring>& arrTableNames);
    int IsTableExist(const std::wstring& strName, const std::vector<std::wstring>& arrTableNames);
    // One column of every row as text, converted by the caller's type code; with bSorted the
    // distinct values in ascending order.
    int GetFieldValues(const std::wstring& strTable, const std::wstring& strField,
                       std::vector<std::wstring>& arrValues, int nType, int bSorted);
    void CloseDatabase();

    int InsertRecord(const std::wstring& strTable, const std::vector<std::wstring>& arrFields,
                     const std::vector<std::wstring>& arrValues, const std::vector<int>& arrTypes);
    // Sets the fields on every row whose key fields are "Like" the key values.
    int UpdateRecords(const std::wstring& strTable, const std::vector<std::wstring>& arrSetFields,
                      const std::vector<std::wstring>& arrSetValues,
                      const std::vector<int>& arrSetTypes,
                      const std::vector<std::wstring>& arrKeyFields,
                      const std::vector<std::wstring>& arrKeyValues,
                      const std::vector<int>& arrKeyTypes);
    int DeleteRecords(const std::wstring& strTable, const std::vector<std::wstring>& arrKeyFields,
                      const std::vector<std::wstring>& arrKeyValues,
                      const std::vector<int>& arrKeyTypes);
    // Text columns (type 129) take their size from arrSizes; the other sizes are not used.
    int CreateTable(const std::wstring& strName, const std::vector<std::wstring>& arrFields,
                    const std::vector<int>& arrTypes, const std::vector<int>& arrSizes);
    int DropTable(const std::wstring& strName);
    int RenameTable(const std::wstring& strOldName, const std::wstring& strNewName);

    // Listings: the column names and every row's values as text (integers "%d", reals "%.2f",
    // NULL ""). An empty column list selects every column.
    int SelectRecords(const std::wstring& strTable, std::vector<std::wstring>& arrColumns,
                      std::vector<std::vector<std::wstring>>& arrRows);
    int SelectRecordsWhere(const std::wstring& strTable,
                           const std::vector<std::wstring>& arrSelectColumns,
                           const std::vector<std::wstring>& arrKeyFields,
                           const std::vector<std::wstring>& arrKeyValues,
                           std::vector<std::wstring>& arrColumns,
                           std::vector<std::vector<std::wstring>>& arrRows);
    // The catalogue table "OvTableName", ordered by its column "UseTableName".
    int SelectRecordsOrdered(const std::vector<std::wstring>& arrSelectColumns,
                             const std::vector<std::wstring>& arrKeyFields,
                             const std::vector<std::wstring>& arrKeyValues,
                             std::vector<std::wstring>& arrColumns,
                             std::vector<std::vector<std::wstring>>& arrRows);

private:
    // Connected, and the table is one of the file's tables.
    int IsUsableTable(const std::wstring& strTable);
    // Runs a statement that returns no rows; a failure is shown with the driver's text.
    int Execute(const std::wstring& strStatement, const std::vector<db::Value>& values);
    int SelectInto(const std::wstring& strTable, const std::vector<std::wstring>& arrSelectColumns,
                   const std::vector<std::wstring>& arrKeyFields,
                   const std::vector<std::wstring>& arrKeyValues, const std::wstring& strOrderBy,
                   std::vector<std::wstring>& arrColumns,
                   std::vector<std::vector<std::wstring>>& arrRows);

    std::unique_ptr<db::Connection> m_pConnection;
};
