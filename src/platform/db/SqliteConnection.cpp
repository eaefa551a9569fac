// The SQLite adapter of the database port.

#include "platform/db/Database.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/Utf8.h"

#include <sqlite3.h>

namespace db {

namespace {

// Long enough for another process's short write to finish, short enough for a dialog.
constexpr int kBusyTimeoutMs = 3000;

class SqliteConnection : public Connection {
public:
    explicit SqliteConnection(sqlite3* handle) : m_db(handle) {}
    ~SqliteConnection() override { sqlite3_close_v2(m_db); }
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    Status Run(std::wstring_view sql, const std::vector<Value>& params, Rows* rows,
               size_t maxRows) override {
        std::string text = text::ToUtf8(sql);
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, text.c_str(), static_cast<int>(text.size()), &statement,
                               nullptr) != SQLITE_OK)
            return Failure();
        Status status = Bind(statement, params);
        if (status)
            status = Step(statement, rows, maxRows);
        sqlite3_finalize(statement);
        return status;
    }

private:
    Status Failure() const { return Status::Failure(text::FromUtf8(sqlite3_errmsg(m_db))); }

    Status Bind(sqlite3_stmt* statement, const std::vector<Value>& params) const {
        if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(statement))
            return Status::Failure(L"the statement's placeholders and values do not match");
        for (size_t i = 0; i < params.size(); ++i) {
            int index = static_cast<int>(i) + 1;
            const Value& value = params[i];
            int result = SQLITE_OK;
            if (const auto* integer = std::get_if<long long>(&value)) {
                result = sqlite3_bind_int64(statement, index, *integer);
            } else if (const auto* real = std::get_if<double>(&value)) {
                result = sqlite3_bind_double(statement, index, *real);
            } else if (const auto* wide = std::get_if<std::wstring>(&value)) {
                std::string utf8 = text::ToUtf8(*wide);
                result = sqlite3_bind_text(statement, index, utf8.data(),
                                           static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
            } else if (const auto* bytes = std::get_if<Bytes>(&value)) {
                result = sqlite3_bind_blob(statement, index, bytes->data.data(),
                                           static_cast<int>(bytes->data.size()), SQLITE_TRANSIENT);
            } else {
                result = sqlite3_bind_null(statement, index);
            }
            if (result != SQLITE_OK)
                return Failure();
        }
        return {};
    }

    Status Step(sqlite3_stmt* statement, Rows* rows, size_t maxRows) const {
        int columnCount = sqlite3_column_count(statement);
        if (rows) {
            *rows = {};
            for (int c = 0; c < columnCount; ++c)
                rows->columns.push_back(text::FromUtf8(sqlite3_column_name(statement, c)));
        }
        for (;;) {
            int result = sqlite3_step(statement);
            if (result == SQLITE_DONE)
                return {};
            if (result != SQLITE_ROW)
                return Failure();
            if (!rows)
                continue;
            if (rows->rows.size() >= maxRows)
                return {};
            std::vector<Value>& row = rows->rows.emplace_back();
            row.reserve(columnCount);
            for (int c = 0; c < columnCount; ++c)
                row.push_back(ColumnValue(statement, c));
        }
    }

    static Value ColumnValue(sqlite3_stmt* statement, int c) {
        switch (sqlite3_column_type(statement, c)) {
        case SQLITE_INTEGER:
            return sqlite3_column_int64(statement, c);
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, c);
        case SQLITE_TEXT: {
            const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            return text::FromUtf8(
                std::string_view(data, static_cast<size_t>(sqlite3_column_bytes(statement, c))));
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, c));
            return Bytes{
                std::string(data, static_cast<size_t>(sqlite3_column_bytes(statement, c)))};
        }
        default:
            return std::monostate{};
        }
    }

    sqlite3* m_db;
};

} // namespace

Opened OpenSqlite(std::wstring_view logicalPath) {
    if (!fs::IsFile(logicalPath))
        return {nullptr, L"unable to open database file"};
    std::string native = fs::Resolve(logicalPath).string();
    sqlite3* handle = nullptr;
    // Never create a file here: a missing dictionary must stay missing.
    int result = sqlite3_open_v2(native.c_str(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    if (result != SQLITE_OK) {
        std::wstring error = text::FromUtf8(handle ? sqlite3_errmsg(handle) : "out of memory");
        sqlite3_close_v2(handle);
        return {nullptr, error};
    }
    auto connection = std::make_unique<SqliteConnection>(handle);
    sqlite3_busy_timeout(handle, kBusyTimeoutMs);
    // A double-quoted name must always mean a table or column: with the legacy fallback a
    // misspelt column would silently read as its own name for every row.
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(handle, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    // SQLite reads a file's header only at the first statement; a damaged or foreign file is
    // reported now, as an open failure.
    Status probe = static_cast<Connection&>(*connection).Run(L"SELECT count(*) FROM sqlite_master");
    if (!probe)
        return {nullptr, probe.error};
    return {std::move(connection), {}};
}

} // namespace db
