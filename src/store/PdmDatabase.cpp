#include "store/PdmDatabase.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "store/PdmDatabaseSettings.h"
#include "store/StoreMessages.h"

namespace {

// The server must answer a connection within this time, so that a dialog never hangs on it.
constexpr int kConnectionTimeoutSeconds = 5;

void ShowOperationFailure(const std::wstring& strError) {
    store::ShowPlainMessage(text::Format(L"对数据库的操作失败! 错误信息:%s", strError));
}

void ShowConnectionFailure(const std::wstring& strError) {
    store::ShowPlainMessage(text::Format(
        L"连接数据库失败。\n请检查服务器名，用户名，密码是否正确! \n错误信息:%s", strError));
}

// A value as the connection string holds it. A value with ";" or a brace would end its
// attribute early (a password "a;b" would be cut to "a"), so such a value goes in braces.
std::wstring ConnectionValue(const std::wstring& strValue) {
    if (strValue.find_first_of(L";{}") == std::wstring::npos)
        return strValue;
    return L"{" + text::ReplaceAll(strValue, L"}", L"}}") + L"}";
}

// Fills parallel lists from the records' columns.
void SplitColumns(const PdmRecords& records, std::vector<std::vector<std::wstring>*> lists) {
    for (const std::vector<std::wstring>& row : records.rows)
        for (size_t c = 0; c < lists.size() && c < row.size(); ++c)
            lists[c]->push_back(row[c]);
}

} // namespace

CPdmDatabase::CPdmDatabase() {
    CPdmDatabaseSettings settings;
    m_strServer = settings.GetPdmServer();
    m_strUser = settings.GetPdmUser();
    m_strPassword = settings.GetPdmPassword();
    m_strDatabase = settings.GetPdmDatabase();
    ConnectPdm();
}

CPdmDatabase::~CPdmDatabase() = default;

std::wstring CPdmDatabase::MakeConnectionString(const std::wstring& strServer,
                                                const std::wstring& strDatabase,
                                                const std::wstring& strUser,
                                                const std::wstring& strPassword) {
    return text::Format(L"Driver=SQL Server;Server=%s;Database=%s;UID=%s;PWD=%s",
                        ConnectionValue(strServer), ConnectionValue(strDatabase),
                        ConnectionValue(strUser), ConnectionValue(strPassword));
}

int CPdmDatabase::ConnectPdm() {
    db::Opened opened =
        db::OpenOdbc(MakeConnectionString(m_strServer, m_strDatabase, m_strUser, m_strPassword),
                     kConnectionTimeoutSeconds);
    if (!opened.connection) {
        ShowOperationFailure(opened.error);
        return 0;
    }
    m_pConnection = std::move(opened.connection);
    return 1;
}

int CPdmDatabase::Query(const std::wstring& strStatement, const std::vector<db::Value>& params,
                        const std::vector<std::wstring>& arrColumns, PdmRecords* records,
                        size_t maxRows, db::Rows* rawRows) {
    if (records)
        *records = {};
    if (!m_pConnection) {
        ShowOperationFailure(L"没有打开的数据库连接");
        return 0;
    }
    db::Rows rows;
    bool bWantsRows = records || rawRows;
    db::Status status =
        m_pConnection->Run(strStatement, params, bWantsRows ? &rows : nullptr, maxRows);
    if (!status) {
        ShowOperationFailure(status.error);
        return 0;
    }
    if (!records) {
        if (rawRows)
            *rawRows = std::move(rows);
        return 1;
    }
    std::vector<int> indexes;
    for (const std::wstring& strColumn : arrColumns) {
        int index = rows.Column(strColumn);
        if (index < 0) {
            ShowOperationFailure(text::Format(L"结果中没有列%s", strColumn));
            return 0;
        }
        indexes.push_back(index);
    }
    if (arrColumns.empty())
        for (size_t c = 0; c < rows.columns.size(); ++c)
            indexes.push_back(static_cast<int>(c));
    for (int index : indexes)
        records->columns.push_back(rows.columns[index]);
    for (const std::vector<db::Value>& row : rows.rows) {
        std::vector<std::wstring>& texts = records->rows.emplace_back();
        for (int index : indexes)
            texts.push_back(db::ToText(row[index]));
    }
    if (rawRows)
        *rawRows = std::move(rows);
    return 1;
}

int CPdmDatabase::CallProcedure(const wchar_t* szName, const std::vector<std::wstring>& arrParams,
                                const std::vector<std::wstring>& arrColumns, PdmRecords* records) {
    std::vector<std::wstring> arrPlaceholders(arrParams.size(), L"?");
    std::vector<db::Value> params(arrParams.begin(), arrParams.end());
    return Query(L"{call " + std::wstring(szName) + L"(" + text::Join(arrPlaceholders, L",") +
                     L")}",
                 params, arrColumns, records);
}

int CPdmDatabase::GetGroupsOfManager(const std::wstring& strManager,
                                     std::vector<std::wstring>& arrProductCodes,
                                     std::vector<std::wstring>& arrGroupCodes,
                                     std::vector<std::wstring>& arrGroupStyles,
                                     std::vector<std::wstring>& arrGroupNumbers) {
    PdmRecords records;
    int nResult = CallProcedure(
        L"get_mainrecord_by_GroupManager_from_ConfigureGroupManageTable", {strManager},
        {L"ProductCode", L"GroupCode", L"GroupStyle", L"GroupNumber"}, &records);
    SplitColumns(records, {&arrProductCodes, &arrGroupCodes, &arrGroupStyles, &arrGroupNumbers});
    return nResult;
}

int CPdmDatabase::GetProductsOfManager(const std::wstring& strManager,
                                       std::vector<std::wstring>& arrProductCodes,
                                       std::vector<std::wstring>& arrProductNames) {
    PdmRecords records;
    int nResult = CallProcedure(L"get_mainrecord_by_Manager_from_AborningProductTable",
                                {strManager}, {L"ProductCode", L"ProductName"}, &records);
    SplitColumns(records, {&arrProductCodes, &arrProductNames});
    return nResult;
}

std::unique_ptr<db::Connection> CPdmDatabase::ConnectUserDatabase() {
    CPdmDatabaseSettings settings;
    db::Opened opened =
        db::OpenOdbc(MakeConnectionString(settings.GetUserDbServer(), settings.GetUserDbDatabase(),
                                          settings.GetUserDbUser(), settings.GetUserDbPassword()),
                     kConnectionTimeoutSeconds);
    if (!opened.connection)
        ShowConnectionFailure(opened.error);
    return std::move(opened.connection);
}

int CPdmDatabase::CheckUserLogin(const std::wstring& strUser, const std::wstring& strPassword,
                                 std::wstring* pStrLoginName) {
    if (strUser.empty())
        return 2;
    std::unique_ptr<db::Connection> pConnection = ConnectUserDatabase();
    if (!pConnection)
        return 0;
    // The whole login name must match, without regard to case; the entered name travels as a
    // bound value, so "%", "_" and quotes in it are plain characters. (Matching a part of a
    // name signed "zhang" in as whichever of "zhangsan" and "zhangsi" came first.)
    db::Rows rows;
    db::Status status = pConnection->Run(
        L"select UserLogName, Password from UserInformation where lower(UserLogName) = lower(?)",
        {strUser}, &rows, 1);
    if (!status) {
        ShowConnectionFailure(status.error);
        return 0;
    }
    int nName = rows.Column(L"UserLogName");
    int nPassword = rows.Column(L"Password");
    if (nName < 0 || nPassword < 0) {
        ShowConnectionFailure(nName < 0 ? L"结果中没有列UserLogName" : L"结果中没有列Password");
        return 0;
    }
    if (rows.rows.empty() || db::IsNull(rows.rows[0][nPassword]))
        return 2;
    if (text::Trim(db::ToText(rows.rows[0][nPassword])) != strPassword)
        return 3;
    if (pStrLoginName)
        *pStrLoginName = db::ToText(rows.rows[0][nName]);
    return 1;
}

int CPdmDatabase::GetUserNames(std::vector<std::wstring>& arrUserNames) {
    std::unique_ptr<db::Connection> pConnection = ConnectUserDatabase();
    if (!pConnection)
        return 0;
    db::Rows rows;
    db::Status status =
        pConnection->Run(L"select distinct UserLogName from UserInformation", {}, &rows);
    if (!status) {
        ShowConnectionFailure(status.error);
        return 0;
    }
    int nName = rows.Column(L"UserLogName");
    for (const std::vector<db::Value>& row : rows.rows)
        if (nName >= 0 && !db::IsNull(row[nName]) && !db::ToText(row[nName]).empty())
            arrUserNames.push_back(db::ToText(row[nName]));
    return 1;
}
