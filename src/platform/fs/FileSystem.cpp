#include "platform/fs/FileSystem.h"
#include "platform/fs/FileIo.h"

#include "platform/fs/LogicalPath.h"
#include "platform/fs/Wildcard.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs {

namespace stdfs = std::filesystem;

namespace {

thread_local int t_lastError = 0;

bool Fail(const std::error_code& error) {
    t_lastError = error ? error.value() : EIO;
    return false;
}

bool Fail(int error) {
    t_lastError = error;
    return false;
}

bool EntryExists(const stdfs::path& path) {
    std::error_code error;
    return stdfs::exists(stdfs::symlink_status(path, error));
}

// The entry of `folder` whose name equals `name` without regard to case; the first by name
// when several differ only in case (possible on Linux, never on Windows).
bool FindNoCase(const stdfs::path& folder, const std::wstring& name, stdfs::path& found) {
    std::error_code error;
    stdfs::directory_iterator it(folder, error), end;
    std::vector<stdfs::path> matches;
    for (; !error && it != end; it.increment(error)) {
        stdfs::path candidate = it->path().filename();
        if (text::EqualsNoCase(text::FromUtf8(candidate.native()), name))
            matches.push_back(candidate);
    }
    if (matches.empty())
        return false;
    std::sort(matches.begin(), matches.end());
    found = folder / matches.front();
    return true;
}

// The folder part and the last component of a logical path.
void SplitLast(std::wstring_view logical, std::wstring& folder, std::wstring& name) {
    size_t slash = logical.find_last_of(L'\\');
    if (slash == std::wstring_view::npos) {
        folder.clear();
        name = logical;
    } else {
        folder = logical.substr(0, slash);
        name = logical.substr(slash + 1);
        if (folder.empty())
            folder = L"\\";
    }
}

// The status of the entry a logical path names: most paths name an existing entry exactly as
// written, which one stat answers; others are resolved without regard to case first.
bool StatEntry(std::wstring_view logical, struct stat& info) {
    if (logical.empty())
        return false;
    if (logical.back() != L'\\' && ::stat(ToNative(logical).c_str(), &info) == 0)
        return true;
    return ::stat(Resolve(logical).c_str(), &info) == 0;
}

stdfs::path ResolveFolder(const std::wstring& folder) {
    return folder.empty() ? stdfs::path(".") : Resolve(folder);
}

} // namespace

int LastError() {
    return t_lastError;
}
void SetLastError(int error) {
    t_lastError = error;
}

std::wstring ErrorText(int error) {
    char buffer[256] = {};
    const char* message = strerror_r(error, buffer, sizeof buffer);
    return text::FromUtf8(message ? message : "Unknown error");
}

stdfs::path Resolve(std::wstring_view logical) {
    // Most paths name an entry exactly as written: one look answers them, and the walk below
    // would find the same entry component by component.
    if (!logical.empty() && logical.back() != L'\\' &&
        logical.find(L"\\\\") == std::wstring_view::npos) {
        stdfs::path native = ToNative(logical);
        if (EntryExists(native))
            return native;
    }
    std::vector<std::wstring> parts = text::Split(logical, L"\\");
    stdfs::path current;
    size_t first = 0;
    if (!logical.empty() && logical.front() == L'\\') {
        current = "/";
        first = 1;
    }
    bool scanning = true;
    for (size_t i = first; i < parts.size(); ++i) {
        const std::wstring& part = parts[i];
        if (part.empty())
            continue;
        stdfs::path exact = current / text::ToUtf8(part);
        if (scanning && part != L"." && part != L".." && !EntryExists(exact)) {
            stdfs::path found;
            if (FindNoCase(current.empty() ? stdfs::path(".") : current, part, found)) {
                current = current.empty() ? found.filename() : found;
                continue;
            }
            scanning = false;
        }
        current = exact;
    }
    if (!logical.empty() && logical.back() == L'\\' && !current.empty())
        current /= ""; // keep the trailing separator: such a path names no file
    return current;
}

bool Exists(std::wstring_view logical) {
    return !logical.empty() && EntryExists(Resolve(logical));
}

bool IsFolder(std::wstring_view logical) {
    std::error_code error;
    return !logical.empty() && stdfs::is_directory(Resolve(logical), error);
}

bool IsFile(std::wstring_view logical) {
    struct stat info {};
    return StatEntry(logical, info) && S_ISREG(info.st_mode);
}

namespace {

// Whether a listed entry is of the wanted kind. The listing tells the kind of most entries; a
// link (followed, as a search on Windows would) or an entry of a file system that does not tell
// needs a look.
bool IsKind(int folder, const dirent& entry, EntryKind kind) {
    if (kind == EntryKind::Any)
        return true;
    unsigned char type = entry.d_type;
    if (type == DT_LNK || type == DT_UNKNOWN) {
        struct stat info {};
        if (::fstatat(folder, entry.d_name, &info, 0) != 0)
            return false;
        type = S_ISREG(info.st_mode) ? DT_REG : S_ISDIR(info.st_mode) ? DT_DIR : DT_UNKNOWN;
    }
    return kind == EntryKind::Files ? type == DT_REG : type == DT_DIR;
}

// Visits the entries of the pattern's folder whose names match its last item and whose kind
// is wanted, until `visit` returns false. The pattern's last item holds a wildcard. The folder
// is read with readdir, without a path object per entry: opening a Project lists hundreds of
// folders of drawings.
void VisitMatches(const std::wstring& folder, const std::wstring& pattern, EntryKind kind,
                  const std::function<bool(std::wstring_view)>& visit) {
    // Most folders are named exactly as written: opened straight away, without the look that
    // would find them so; only when that fails is the name looked up without regard to case.
    std::unique_ptr<DIR, int (*)(DIR*)> dir(nullptr, ::closedir);
    if (!folder.empty() && folder.back() != L'\\' && folder.find(L"\\\\") == std::wstring::npos)
        dir.reset(::opendir(ToNative(folder).c_str()));
    if (!dir)
        dir.reset(::opendir(ResolveFolder(folder).c_str()));
    if (!dir)
        return;
    int fd = ::dirfd(dir.get());
    std::wstring name; // one buffer for all the names of a folder of hundreds of drawings
    while (const dirent* entry = ::readdir(dir.get())) {
        const char* raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == '\0' || (raw[1] == '.' && raw[2] == '\0')))
            continue;
        name.clear();
        text::AppendFromUtf8(raw, name);
        if (MatchWildcard(pattern, name) && IsKind(fd, *entry, kind) && !visit(name))
            return;
    }
}

} // namespace

std::vector<std::wstring> FindMatches(std::wstring_view logicalPattern, EntryKind kind) {
    std::vector<std::wstring> result;
    std::wstring folder, pattern;
    SplitLast(logicalPattern, folder, pattern);
    if (pattern.empty())
        return result;
    std::wstring prefix = folder.empty() ? L"" : (folder == L"\\" ? folder : folder + L"\\");
    if (!HasWildcard(pattern)) {
        stdfs::path path = Resolve(logicalPattern);
        std::error_code error;
        bool accepted = kind == EntryKind::Files     ? stdfs::is_regular_file(path, error)
                        : kind == EntryKind::Folders ? stdfs::is_directory(path, error)
                                                     : true;
        if (EntryExists(path) && accepted)
            result.push_back(prefix + text::FromUtf8(path.filename().native()));
        return result;
    }
    VisitMatches(folder, pattern, kind, [&](std::wstring_view name) {
        std::wstring& path = result.emplace_back();
        path.reserve(prefix.size() + name.size());
        path.append(prefix).append(name);
        return true;
    });
    // Sorted by name: the comparisons skip the folder all paths begin with.
    std::sort(result.begin(), result.end(), [skip = prefix.size()](const auto& a, const auto& b) {
        return std::wstring_view(a).substr(skip) < std::wstring_view(b).substr(skip);
    });
    return result;
}

bool FindAny(std::wstring_view logicalPattern) {
    std::wstring folder, pattern;
    SplitLast(logicalPattern, folder, pattern);
    if (pattern.empty())
        return false;
    if (!HasWildcard(pattern))
        return !FindMatches(logicalPattern).empty();
    if (MatchWildcard(pattern, L".")) {
        std::error_code error;
        if (stdfs::is_directory(ResolveFolder(folder), error))
            return true;
    }
    // The first match answers: a folder of many drawings is not listed to the end.
    bool found = false;
    VisitMatches(folder, pattern, EntryKind::Any, [&found](std::wstring_view) {
        found = true;
        return false;
    });
    return found;
}

bool CreateFolder(std::wstring_view logical) {
    std::error_code error;
    stdfs::path path = Resolve(logical);
    if (EntryExists(path))
        return Fail(EEXIST);
    if (!stdfs::create_directory(path, error))
        return Fail(error);
    return true;
}

bool CreateFolders(std::wstring_view logical) {
    std::error_code error;
    stdfs::path path = Resolve(logical);
    stdfs::create_directories(path, error);
    if (error)
        return Fail(error);
    return stdfs::is_directory(path, error) || Fail(ENOTDIR);
}

bool DeleteFile(std::wstring_view logical) {
    stdfs::path path = Resolve(logical);
    std::error_code error;
    if (stdfs::is_directory(stdfs::symlink_status(path, error)))
        return Fail(EISDIR);
    if (!stdfs::remove(path, error))
        return Fail(error ? error : std::make_error_code(std::errc::no_such_file_or_directory));
    return true;
}

bool DeleteTree(std::wstring_view logical) {
    stdfs::path path = Resolve(logical);
    if (!EntryExists(path))
        return Fail(ENOENT);
    std::error_code error;
    stdfs::remove_all(path, error);
    return !error || Fail(error);
}

bool DeleteEmptyFolder(std::wstring_view logical) {
    return ::rmdir(Resolve(logical).c_str()) == 0 || Fail(errno);
}

bool Rename(std::wstring_view from, std::wstring_view to) {
    stdfs::path source = Resolve(from);
    stdfs::path target = Resolve(to);
    if (!EntryExists(source))
        return Fail(ENOENT);
    // A change of case only is a rename of the same entry; otherwise never replace anything.
    std::error_code error;
    if (EntryExists(target) && !stdfs::equivalent(source, target, error))
        return Fail(EEXIST);
    if (source.parent_path() == target.parent_path() && EntryExists(target))
        target = target.parent_path() / text::ToUtf8(to.substr(to.find_last_of(L'\\') + 1));
    stdfs::rename(source, target, error);
    return !error || Fail(error);
}

bool CopyFile(std::wstring_view from, std::wstring_view to, bool overwrite) {
    stdfs::path source = Resolve(from);
    stdfs::path target = Resolve(to);
    std::error_code error;
    if (!stdfs::is_regular_file(source, error))
        return Fail(ENOENT);
    bool targetExists = EntryExists(target);
    if (targetExists && stdfs::equivalent(source, target, error))
        return Fail(EINVAL);
    if (targetExists && !overwrite)
        return Fail(EEXIST);
    if (targetExists && stdfs::is_directory(target, error))
        return Fail(EISDIR);
    // The bytes go through the safe whole-file write: a temporary file beside the target,
    // renamed over it only when complete and removed on every failure (disk full, file-size
    // limit), so a failed copy neither harms the old file nor leaves a part of itself behind.
    std::string bytes;
    return ReadBytes(from, bytes) && WriteBytes(to, bytes);
}

bool IsSameOrInside(std::wstring_view inner, std::wstring_view outer) {
    std::error_code error;
    stdfs::path innerPath = stdfs::weakly_canonical(Resolve(inner), error);
    stdfs::path outerPath = stdfs::weakly_canonical(Resolve(outer), error);
    auto mismatch =
        std::mismatch(outerPath.begin(), outerPath.end(), innerPath.begin(), innerPath.end());
    return mismatch.first == outerPath.end();
}

bool CopyTree(std::wstring_view from, std::wstring_view to) {
    stdfs::path source = Resolve(from);
    stdfs::path target = Resolve(to);
    if (!EntryExists(source))
        return Fail(ENOENT);
    if (EntryExists(target))
        return Fail(EEXIST);
    std::error_code error;
    if (stdfs::is_directory(source, error) && IsSameOrInside(to, from))
        return Fail(EINVAL); // a folder into itself would never end
    stdfs::copy(source, target, stdfs::copy_options::recursive, error);
    if (error) {
        int cause = error.value();
        std::error_code ignored;
        stdfs::remove_all(target, ignored);
        return Fail(cause);
    }
    return true;
}

bool Move(std::wstring_view from, std::wstring_view to) {
    if (Rename(from, to))
        return true;
    if (LastError() != EXDEV)
        return false;
    if (!CopyTree(from, to))
        return false;
    return DeleteTree(from);
}

} // namespace fs
