#pragma once
// CPdmDatabase: the product-data (PDM) databases on an SQL Server, reached through the ODBC
// driver named "SQL Server" (docs/pdm-database.md says how an installation maps that name).
// The object connects to the product-data database of the first settings file for its
// lifetime; the login check and the user list open their own connection to the user database
// of the second settings file on each call.
//
// Every value a caller passes is bound as a parameter; none is ever part of a statement's text.
// Failures show a box with the driver's text and give 0 or empty lists.

#include "platform/db/Database.h"

#include <memory>
#include <string>
#include <vector>

// Rows of a listing, each with one text per column ("" for NULL).
struct PdmRecords {
    std::vector<std::wstring> columns;
    std::vector<std::vector<std::wstring>> rows;
};

// A row of the bill-of-material table "XTTempEBom".
struct PdmEBomRow {
    std::wstring productCode, code, name, quantity, stand, source, groupCode, other3;
};

// A row of the primary-system table "XTOnceSystem".
struct PdmOnceSystemRow {
    std::wstring productCode, code, name, onceVoltage, twiceVoltage, mxStyle, savedTime;
};

// The new values of one equipment group of "ConfigureGroupManage"; the group's state becomes
// "进行中" (in progress).
struct PdmGroupUpdate {
    std::wstring groupStyle, groupUsage, groupManager, groupNumber, savedTime, solutionNumber,
        groupLocation, ratedCurrent, czzCode1, czzCode2, gzzCode, zhuMXStand, zhiMXStand, groupSize;
    std::wstring productCode, groupCode; // which group
};

class CPdmDatabase {
public:
    // Reads the settings and connects to the product-data database.
    CPdmDatabase();
    virtual ~CPdmDatabase();
    CPdmDatabase(const CPdmDatabase&) = delete;
    CPdmDatabase& operator=(const CPdmDatabase&) = delete;

    int IsConnected() const { return m_pConnection ? 1 : 0; }

    // The connection string for a server, database, user and password.
    static std::wstring MakeConnectionString(const std::wstring& strServer,
                                             const std::wstring& strDatabase,
                                             const std::wstring& strUser,
                                             const std::wstring& strPassword);

    // The equipment groups a manager is responsible for: four parallel lists, one entry per
    // group. 1 when the query ran.
    int GetGroupsOfManager(const std::wstring& strManager,
                           std::vector<std::wstring>& arrProductCodes,
                           std::vector<std::wstring>& arrGroupCodes,
                           std::vector<std::wstring>& arrGroupStyles,
                           std::vector<std::wstring>& arrGroupNumbers);
    // The products a manager is responsible for: two parallel lists.
    int GetProductsOfManager(const std::wstring& strManager,
                             std::vector<std::wstring>& arrProductCodes,
                             std::vector<std::wstring>& arrProductNames);

    // 1 signed in, 2 no such user (also for an empty name or a user without a password),
    // 3 wrong password, 0 database error. The first user whose whole login name equals the
    // entered name without regard to case is tested; the stored password is compared without
    // blanks around it. On success pStrLoginName (when given) receives the login name as the
    // database spells it, the name its records are kept under.
    int CheckUserLogin(const std::wstring& strUser, const std::wstring& strPassword,
                       std::wstring* pStrLoginName = nullptr);
    // Every non-empty login name of the user database. 1 when the query ran.
    int GetUserNames(std::vector<std::wstring>& arrUserNames);

    // The other procedures of the product-data server, each with its parameters. The listings
    // give the columns the procedure is known for, in that order.
    int GetGroupStatesOfManager(const std::wstring& strManager, PdmRecords& records);
    int GetGroupCodesOfManagerProduct(const std::wstring& strManager,
                                      const std::wstring& strProductCode, PdmRecords& records);
    int GetGroupStylesOfProduct(const std::wstring& strProductCode, PdmRecords& records);
    int GetGroupCodesOfProduct(const std::wstring& strProductCode, PdmRecords& records);
    int GetTitleRecordsOfManager(const std::wstring& strManager, PdmRecords& records);
    int GetProductStatesOfManager(const std::wstring& strManager, PdmRecords& records);
    int GetNoticeRecordsOfManager(const std::wstring& strManager, PdmRecords& records);
    int GetEBomCodes(const std::wstring& strProductCode, const std::wstring& strGroupCode,
                     PdmRecords& records);
    int DeleteEBomTwiceRecords(const std::wstring& strProductCode,
                               const std::wstring& strGroupCode);
    int DeleteEBomOnceRecords(const std::wstring& strProductCode, const std::wstring& strGroupCode);
    // Every column the procedure returns.
    int GetOnceSystemDwgRecords(const std::wstring& strProductCode, const std::wstring& strDocType,
                                PdmRecords& records);
    int DeleteOnceSystemDwgRecords(const std::wstring& strProductCode,
                                   const std::wstring& strDocType, const std::wstring& strOther2);
    int DeleteTwiceSystemDwgRecords(const std::wstring& strProductCode,
                                    const std::wstring& strGroupCode,
                                    const std::wstring& strDocType, const std::wstring& strOther2);
    int DeleteOnceSystemRecords(const std::wstring& strProductCode, const std::wstring& strCode);
    int DeleteGroupRecords(const std::wstring& strProductCode, const std::wstring& strGroupCode);

    // The plain statements.
    int GetProductStands(std::vector<std::wstring>& arrStands);
    int GetProductDwgCodes(const std::wstring& strStand, std::vector<std::wstring>& arrCodes);
    int InsertEBomRow(const PdmEBomRow& row);
    int InsertOnceSystemRow(const PdmOnceSystemRow& row);
    int GetOnceSystemRows(const std::wstring& strProductCode, const std::wstring& strCode,
                          PdmRecords& records);
    int UpdateGroup(const PdmGroupUpdate& update);

    // Engineering documents. A drawing is stored with its file name, "AutoCAD Drawing", its
    // size in whole kilobytes ("%ldKB"), the time of storing ("%Y-%m-%d %H:%M"), the source
    // "public" and its content.
    int InsertDocument(const std::wstring& strProductCode, const std::wstring& strDocType,
                       const std::wstring& strDrawingPath, const std::wstring& strOther1,
                       const std::wstring& strOther2);
    int FindDocuments(const std::wstring& strProductCode, const std::wstring& strDocType,
                      const std::wstring& strOther2, PdmRecords& records);
    int FindDocumentsOfSource(const std::wstring& strProductCode, const std::wstring& strDocType,
                              const std::wstring& strSource, const std::wstring& strOther2,
                              PdmRecords& records);
    // Other2 containing the given text.
    int FindDocumentsLike(const std::wstring& strProductCode, const std::wstring& strDocType,
                          const std::wstring& strOther2Part, PdmRecords& records);
    int FindDocumentsOfSourceLike(const std::wstring& strProductCode, const std::wstring& strSource,
                                  const std::wstring& strDocType, const std::wstring& strOther2Part,
                                  PdmRecords& records);
    // Saves the first matching drawing into the folder under its stored file name (only the
    // name: a stored path cannot place it elsewhere). An empty source sets no source condition.
    // 1 when a drawing was saved.
    int FetchDocument(const std::wstring& strProductCode, const std::wstring& strSource,
                      const std::wstring& strOther2, const std::wstring& strFolder);

    // The document type of secondary-system drawings.
    static constexpr const wchar_t* kSecondarySystemDocType = L"二次系统图";

private:
    int ConnectPdm();
    // Runs a statement on the product-data database; rows go to `records`, taking the named
    // columns (all when none are named). Failures show the operation message.
    int Query(const std::wstring& strStatement, const std::vector<db::Value>& params,
              const std::vector<std::wstring>& arrColumns, PdmRecords* records,
              size_t maxRows = db::kAllRows, db::Rows* rawRows = nullptr);
    int CallProcedure(const wchar_t* szName, const std::vector<std::wstring>& arrParams,
                      const std::vector<std::wstring>& arrColumns, PdmRecords* records);
    // Opens the user database for one call; null after showing the connection message.
    std::unique_ptr<db::Connection> ConnectUserDatabase();

    std::unique_ptr<db::Connection> m_pConnection;
    std::wstring m_strServer;
    std::wstring m_strUser;
    std::wstring m_strPassword;
    std::wstring m_strDatabase;
};
