#include "platform/db/Database.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"

#include <fstream>

#include <fmt/xchar.h>

namespace db {

std::wstring ToText(const Value& value) {
    if (const auto* text = std::get_if<std::wstring>(&value))
        return *text;
    if (const auto* integer = std::get_if<long long>(&value))
        return std::to_wstring(*integer);
    if (const auto* real = std::get_if<double>(&value))
        return fmt::format(L"{}", *real);
    return {};
}

int Rows::Column(std::wstring_view name) const {
    for (size_t i = 0; i < columns.size(); ++i)
        if (text::EqualsNoCase(columns[i], name))
            return static_cast<int>(i);
    return -1;
}

FileFormat DetectFileFormat(std::wstring_view logicalPath) {
    if (!fs::IsFile(logicalPath))
        return FileFormat::Missing;
    std::ifstream in(fs::Resolve(logicalPath), std::ios::binary);
    char header[20] = {};
    in.read(header, sizeof header);
    std::string_view bytes(header, static_cast<size_t>(in.gcount()));
    if (bytes.empty())
        return FileFormat::Empty;
    if (bytes.starts_with(std::string_view("SQLite format 3\0", 16)))
        return FileFormat::Sqlite;
    // Jet (Access 97 to 2003) and ACE (2007 and later) files name their engine at offset 4.
    if (bytes.size() == 20 && (bytes.substr(4) == std::string_view("Standard Jet DB\0", 16) ||
                               bytes.substr(4) == std::string_view("Standard ACE DB\0", 16)))
        return FileFormat::Access;
    return FileFormat::Other;
}

} // namespace db
