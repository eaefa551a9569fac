#include "support/SqliteFile.h"

#include "platform/db/Database.h"
#include "platform/fs/FileIo.h"
#include "platform/text/Utf8.h"

#include <stdexcept>

namespace ovtest {

void MakeSqliteFile(const std::wstring& logicalPath, const std::vector<std::wstring>& statements) {
    // SQLite takes an empty file for an empty database.
    if (!fs::WriteBytes(logicalPath, ""))
        throw std::runtime_error("cannot write " + text::ToUtf8(logicalPath));
    db::Opened opened = db::OpenSqlite(logicalPath);
    if (!opened.connection)
        throw std::runtime_error(text::ToUtf8(opened.error));
    for (const std::wstring& statement : statements) {
        db::Status status = opened.connection->Run(statement);
        if (!status)
            throw std::runtime_error(text::ToUtf8(statement + L": " + status.error));
    }
}

} // namespace ovtest
