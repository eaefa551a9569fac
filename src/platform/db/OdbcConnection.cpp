// The ODBC adapter of the database port (unixODBC). unixODBC's SQLWCHAR is 16-bit UTF-16, not
// wchar_t: every text is converted at this boundary.

#include "platform/db/Database.h"

#include <algorithm>

#include <sql.h>
#include <sqlext.h>

namespace db {

namespace {

using SqlText = std::basic_string<SQLWCHAR>;

SqlText ToSqlText(std::wstring_view text) {
    SqlText out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        auto c = static_cast<char32_t>(wc);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            c -= 0x10000;
            out.push_back(static_cast<SQLWCHAR>(0xD800 + (c >> 10)));
            out.push_back(static_cast<SQLWCHAR>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<SQLWCHAR>(c > 0x10FFFF ? 0xFFFD : c));
        }
    }
    return out;
}

std::wstring FromSqlText(const SQLWCHAR* text, size_t size) {
    std::wstring out;
    out.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < size && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

// The driver's messages for the last call on a handle, one per line.
std::wstring Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::wstring text;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        SQLRETURN result = SQLGetDiagRecW(type, handle, record, state, &native, message,
                                          static_cast<SQLSMALLINT>(std::size(message)), &length);
        if (!SQL_SUCCEEDED(result))
            break;
        if (!text.empty())
            text += L"\n";
        size_t size = static_cast<size_t>(length);
        text += FromSqlText(message, std::min(size, std::size(message) - 1));
    }
    return text.empty() ? L"the ODBC call failed without a message" : text;
}

bool IsBinaryType(SQLSMALLINT type) {
    return type == SQL_BINARY || type == SQL_VARBINARY || type == SQL_LONGVARBINARY;
}

// One statement handle, freed on every path.
class Statement {
public:
    explicit Statement(SQLHDBC connection) {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &m_handle)))
            m_handle = SQL_NULL_HSTMT;
    }
    ~Statement() {
        if (m_handle != SQL_NULL_HSTMT)
            SQLFreeHandle(SQL_HANDLE_STMT, m_handle);
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    SQLHSTMT Handle() const { return m_handle; }

private:
    SQLHSTMT m_handle = SQL_NULL_HSTMT;
};

// Bound parameters must stay in place until the statement has run.
struct BoundParameter {
    SqlText text;
    std::string bytes;
    long long integer = 0;
    double real = 0;
    SQLLEN indicator = 0;
};

class OdbcConnection : public Connection {
public:
    OdbcConnection(SQLHENV environment, SQLHDBC connection)
        : m_environment(environment), m_connection(connection) {}
    ~OdbcConnection() override {
        SQLDisconnect(m_connection);
        SQLFreeHandle(SQL_HANDLE_DBC, m_connection);
        SQLFreeHandle(SQL_HANDLE_ENV, m_environment);
    }
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    Status Run(std::wstring_view sql, const std::vector<Value>& params, Rows* rows,
               size_t maxRows) override {
        Statement statement(m_connection);
        SQLHSTMT handle = statement.Handle();
        if (handle == SQL_NULL_HSTMT)
            return Status::Failure(Diagnostics(SQL_HANDLE_DBC, m_connection));
        std::vector<BoundParameter> bound(params.size());
        for (size_t i = 0; i < params.size(); ++i)
            if (!Bind(handle, static_cast<SQLUSMALLINT>(i + 1), params[i], bound[i]))
                return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
        SqlText text = ToSqlText(sql);
        SQLRETURN result =
            SQLExecDirectW(handle, text.data(), static_cast<SQLINTEGER>(text.size()));
        // An update that touches no row answers SQL_NO_DATA; that is not a failure.
        if (!SQL_SUCCEEDED(result) && result != SQL_NO_DATA)
            return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
        if (rows)
            return Fetch(handle, *rows, maxRows);
        return {};
    }

private:
    static bool Bind(SQLHSTMT handle, SQLUSMALLINT index, const Value& value,
                     BoundParameter& slot) {
        SQLSMALLINT cType = SQL_C_WCHAR;
        SQLSMALLINT sqlType = SQL_WVARCHAR;
        SQLULEN size = 1;
        SQLPOINTER data = nullptr;
        SQLLEN capacity = 0;
        if (const auto* integer = std::get_if<long long>(&value)) {
            slot.integer = *integer;
            cType = SQL_C_SBIGINT;
            sqlType = SQL_BIGINT;
            data = &slot.integer;
        } else if (const auto* real = std::get_if<double>(&value)) {
            slot.real = *real;
            cType = SQL_C_DOUBLE;
            sqlType = SQL_DOUBLE;
            data = &slot.real;
        } else if (const auto* wide = std::get_if<std::wstring>(&value)) {
            slot.text = ToSqlText(*wide);
            capacity = static_cast<SQLLEN>(slot.text.size() * sizeof(SQLWCHAR));
            slot.indicator = capacity;
            size = std::max<SQLULEN>(slot.text.size(), 1);
            // Servers cap ordinary variable text at 4000 characters.
            sqlType = size > 4000 ? SQL_WLONGVARCHAR : SQL_WVARCHAR;
            data = slot.text.data();
        } else if (const auto* bytes = std::get_if<Bytes>(&value)) {
            slot.bytes = bytes->data;
            capacity = static_cast<SQLLEN>(slot.bytes.size());
            slot.indicator = capacity;
            size = std::max<SQLULEN>(slot.bytes.size(), 1);
            cType = SQL_C_BINARY;
            sqlType = size > 8000 ? SQL_LONGVARBINARY : SQL_VARBINARY;
            data = slot.bytes.data();
        } else {
            slot.indicator = SQL_NULL_DATA;
        }
        return SQL_SUCCEEDED(SQLBindParameter(handle, index, SQL_PARAM_INPUT, cType, sqlType, size,
                                              0, data, capacity, &slot.indicator));
    }

    static Status Fetch(SQLHSTMT handle, Rows& rows, size_t maxRows) {
        rows = {};
        // A procedure may send row counts before its result set: skip to the first set of rows.
        SQLSMALLINT columnCount = 0;
        for (;;) {
            if (!SQL_SUCCEEDED(SQLNumResultCols(handle, &columnCount)))
                return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
            if (columnCount > 0)
                break;
            SQLRETURN more = SQLMoreResults(handle);
            if (more == SQL_NO_DATA)
                return {};
            if (!SQL_SUCCEEDED(more))
                return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
        }
        std::vector<SQLSMALLINT> types(columnCount);
        for (SQLSMALLINT c = 0; c < columnCount; ++c) {
            SQLWCHAR name[256] = {};
            SQLSMALLINT nameLength = 0;
            SQLULEN columnSize = 0;
            SQLSMALLINT digits = 0;
            SQLSMALLINT nullable = 0;
            if (!SQL_SUCCEEDED(SQLDescribeColW(handle, static_cast<SQLUSMALLINT>(c + 1), name,
                                               static_cast<SQLSMALLINT>(std::size(name)),
                                               &nameLength, &types[c], &columnSize, &digits,
                                               &nullable)))
                return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
            size_t length = std::min<size_t>(static_cast<size_t>(nameLength), std::size(name) - 1);
            rows.columns.push_back(FromSqlText(name, length));
        }
        while (rows.rows.size() < maxRows) {
            SQLRETURN result = SQLFetch(handle);
            if (result == SQL_NO_DATA)
                break;
            if (!SQL_SUCCEEDED(result))
                return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
            std::vector<Value>& row = rows.rows.emplace_back();
            for (SQLSMALLINT c = 0; c < columnCount; ++c) {
                Value value;
                if (!ReadColumn(handle, static_cast<SQLUSMALLINT>(c + 1), IsBinaryType(types[c]),
                                value))
                    return Status::Failure(Diagnostics(SQL_HANDLE_STMT, handle));
                row.push_back(std::move(value));
            }
        }
        SQLCloseCursor(handle);
        return {};
    }

    // Reads one column of the current row in pieces: as bytes for binary columns and as text
    // for everything else, the way the callers use the values.
    static bool ReadColumn(SQLHSTMT handle, SQLUSMALLINT column, bool binary, Value& value) {
        std::string bytes;
        char buffer[8192];
        const SQLLEN terminator = binary ? 0 : sizeof(SQLWCHAR);
        for (;;) {
            SQLLEN indicator = 0;
            SQLRETURN result = SQLGetData(handle, column, binary ? SQL_C_BINARY : SQL_C_WCHAR,
                                          buffer, sizeof buffer, &indicator);
            if (result == SQL_NO_DATA)
                break;
            if (!SQL_SUCCEEDED(result))
                return false;
            if (indicator == SQL_NULL_DATA) {
                value = std::monostate{};
                return true;
            }
            SQLLEN usable = static_cast<SQLLEN>(sizeof buffer) - terminator;
            bool truncated = indicator == SQL_NO_TOTAL || indicator > usable;
            SQLLEN length = truncated ? usable : indicator;
            if (!binary)
                length -= length % static_cast<SQLLEN>(sizeof(SQLWCHAR));
            bytes.append(buffer, static_cast<size_t>(length));
            if (result == SQL_SUCCESS)
                break;
        }
        if (binary) {
            value = Bytes{std::move(bytes)};
        } else {
            SqlText text(bytes.size() / sizeof(SQLWCHAR), 0);
            std::copy_n(bytes.data(), text.size() * sizeof(SQLWCHAR),
                        reinterpret_cast<char*>(text.data()));
            value = FromSqlText(text.data(), text.size());
        }
        return true;
    }

    SQLHENV m_environment;
    SQLHDBC m_connection;
};

} // namespace

Opened OpenOdbc(std::wstring_view connectionString, int loginTimeoutSeconds) {
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        return {nullptr, L"the ODBC driver manager could not be started"};
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                  0);
    SQLHDBC connection = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection))) {
        std::wstring error = Diagnostics(SQL_HANDLE_ENV, environment);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        return {nullptr, error};
    }
    SQLSetConnectAttr(connection, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(loginTimeoutSeconds)), 0);
    SqlText text = ToSqlText(connectionString);
    SQLRETURN result =
        SQLDriverConnectW(connection, nullptr, text.data(), static_cast<SQLSMALLINT>(text.size()),
                          nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(result)) {
        std::wstring error = Diagnostics(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        return {nullptr, error};
    }
    return {std::make_unique<OdbcConnection>(environment, connection), {}};
}

} // namespace db
