#include "platform/fs/LogicalPath.h"

#include "platform/text/Utf8.h"

#include <algorithm>

namespace fs {

std::filesystem::path ToNative(std::wstring_view logical) {
    std::string bytes = text::ToUtf8(logical);
    std::replace(bytes.begin(), bytes.end(), '\\', '/');
    return std::filesystem::path(bytes);
}

std::wstring ToLogical(const std::filesystem::path& native) {
    std::wstring logical = text::FromUtf8(native.native());
    std::replace(logical.begin(), logical.end(), L'/', L'\\');
    return logical;
}

} // namespace fs
