#pragma once
// The database port: one small interface over an embedded SQLite file (the word dictionary) and
// an ODBC data source (the product-data server). Text crosses the port as wide strings, values
// are always bound to "?" placeholders, never built into the statement text, and every failure
// comes back as a value carrying the driver's own message.

#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace db {

// Raw bytes (a drawing stored in a document table).
struct Bytes {
    std::string data;
    bool operator==(const Bytes&) const = default;
};

// NULL, integer, real, text or bytes.
using Value = std::variant<std::monostate, long long, double, std::wstring, Bytes>;

inline bool IsNull(const Value& value) {
    return std::holds_alternative<std::monostate>(value);
}

// A value as plain text: text as it is, integers in decimal, reals in their shortest exact
// form; NULL and bytes give "".
std::wstring ToText(const Value& value);

// The rows of a query, each with one value per column.
struct Rows {
    std::vector<std::wstring> columns;
    std::vector<std::vector<Value>> rows;

    // The index of a column by name, ignoring case (servers fold unquoted names), or -1.
    int Column(std::wstring_view name) const;
};

// Success, or the driver's text of what went wrong.
struct Status {
    bool ok = true;
    std::wstring error;

    static Status Failure(std::wstring error) { return {false, std::move(error)}; }
    explicit operator bool() const { return ok; }
};

inline constexpr size_t kAllRows = std::numeric_limits<size_t>::max();

class Connection {
public:
    virtual ~Connection() = default;

    // Runs one statement with its "?" placeholders bound to `params` in order. When `rows` is
    // given, the statement's result rows go there (at most `maxRows` of them).
    virtual Status Run(std::wstring_view sql, const std::vector<Value>& params = {},
                       Rows* rows = nullptr, size_t maxRows = kAllRows) = 0;
};

struct Opened {
    std::unique_ptr<Connection> connection; // null when opening failed
    std::wstring error;
};

// An existing SQLite file (logical path), opened for reading and writing. A file that is not
// an SQLite database fails here, not at its first statement.
Opened OpenSqlite(std::wstring_view logicalPath);

// An ODBC connection string such as "Driver=SQL Server;Server=...;Database=...;UID=...;PWD=...",
// giving up after `loginTimeoutSeconds` when the server does not answer.
Opened OpenOdbc(std::wstring_view connectionString, int loginTimeoutSeconds);

// What a file holds, judged by its first bytes.
enum class FileFormat { Missing, Empty, Sqlite, Access, Other };
FileFormat DetectFileFormat(std::wstring_view logicalPath);

} // namespace db
