#include "platform/fs/FileIo.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Utf8.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {

namespace stdfs = std::filesystem;

namespace {

std::atomic<int> g_failBeforeRename{0};
std::atomic<int> g_failWrites{0};
std::atomic<int> g_failWritesError{0};

int CauseOf(int error, const stdfs::path& path) {
    switch (error) {
    case ENOENT: {
        std::error_code ignored;
        return stdfs::is_directory(path.parent_path().empty() ? "." : path.parent_path(), ignored)
                   ? kFileNotFound
                   : kBadPath;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
        return kBadPath;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return kAccessDenied;
    case EMFILE:
    case ENFILE:
        return kTooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // the file-size limit stops a file growing as a full disk does
        return kDiskFull;
    default:
        return kGenericError;
    }
}

bool Failed(int error, const stdfs::path& path, int* cause) {
    SetLastError(error);
    if (cause)
        *cause = CauseOf(error, path);
    return false;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Reads an open file to its end and closes it. `logical` names it in a failure's cause.
bool ReadOpened(int fd, std::wstring_view logical, std::string& bytes, int* cause) {
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Failed(EISDIR, ToNative(logical), cause);
    }
    // One block of the file's size (a caller's buffer may have it already), not one per growth.
    if (info.st_size > 0)
        bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            int error = errno;
            ::close(fd);
            bytes.clear();
            return Failed(error, ToNative(logical), cause);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return true;
}

thread_local const ReadsBelowFolder* t_readsBelow = nullptr;

// A path as written: below the folder this thread holds open, relative to it, when it lies
// there, else whole. The path stays in a buffer of this thread until the next call.
struct NativeAsWritten {
    int base;
    const char* path;
};

NativeAsWritten ToNativeAsWritten(std::wstring_view logical) {
    thread_local std::string path;
    if (t_readsBelow) {
        std::wstring_view folder = t_readsBelow->Folder();
        if (logical.size() > folder.size() + 1 && logical.starts_with(folder) &&
            logical[folder.size()] == L'\\') {
            path.clear();
            text::AppendUtf8(logical.substr(folder.size() + 1), path);
            std::replace(path.begin(), path.end(), '\\', '/');
            return {t_readsBelow->Descriptor(), path.c_str()};
        }
    }
    path = ToNative(logical).native();
    return {AT_FDCWD, path.c_str()};
}

} // namespace

bool ReadBytes(std::wstring_view logical, std::string& bytes, int* cause) {
    bytes.clear();
    if (cause)
        *cause = kNoError;
    // Most paths name the file exactly as written: one open answers them. Only when that
    // misses is the path looked up without regard to case.
    stdfs::path path = ToNative(logical);
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        path = Resolve(logical);
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0)
        return Failed(errno, path, cause);
    return ReadOpened(fd, logical, bytes, cause);
}

bool ReadBytesAsWritten(std::wstring_view logical, std::string& bytes, int* cause) {
    bytes.clear();
    if (cause)
        *cause = kNoError;
    NativeAsWritten path = ToNativeAsWritten(logical);
    int fd = ::openat(path.base, path.path, O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) {
        SetLastError(errno);
        if (cause)
            *cause = kFileNotFound;
        return false;
    }
    if (fd < 0) {
        int error = errno;
        return Failed(error, ToNative(logical), cause);
    }
    return ReadOpened(fd, logical, bytes, cause);
}

bool ExistsAsWritten(std::wstring_view logical) {
    NativeAsWritten path = ToNativeAsWritten(logical);
    return ::faccessat(path.base, path.path, F_OK, AT_EACCESS) == 0;
}

ReadsBelowFolder::ReadsBelowFolder(std::wstring_view logicalFolder)
    : m_folder(logicalFolder), m_previous(t_readsBelow) {
    while (m_folder.size() > 1 && m_folder.back() == L'\\')
        m_folder.pop_back();
    m_fd = ::open(ToNative(m_folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd >= 0)
        t_readsBelow = this;
}

ReadsBelowFolder::~ReadsBelowFolder() {
    if (m_fd < 0)
        return;
    t_readsBelow = m_previous;
    ::close(m_fd);
}

bool WriteBytes(std::wstring_view logical, std::string_view bytes, int* cause, bool ownerOnly) {
    if (cause)
        *cause = kNoError;
    stdfs::path path = Resolve(logical);
    if (path.empty() || !path.has_filename())
        return Failed(ENOENT, path, cause);
    std::error_code error;
    if (stdfs::is_directory(path, error))
        return Failed(EISDIR, path, cause);
    stdfs::path temporary = path;
    temporary += ".";
    temporary += std::to_string(::getpid());
    temporary += ".ovtmp";
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                    ownerOnly ? 0600 : 0644);
    if (fd < 0)
        return Failed(errno, path, cause);
    // A temporary file left by an earlier crash keeps its mode through O_TRUNC.
    if (ownerOnly && ::fchmod(fd, 0600) != 0) {
        int modeError = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failed(modeError, path, cause);
    }
    bool ok = false;
    if (g_failWrites > 0) {
        // A test's full disk: the write stops half way, as the system call would.
        --g_failWrites;
        WriteAll(fd, bytes.substr(0, bytes.size() / 2));
        errno = g_failWritesError;
    } else {
        ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    }
    int writeError = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return Failed(writeError ? writeError : EIO, path, cause);
    }
    if (g_failBeforeRename > 0) {
        --g_failBeforeRename;
        ::unlink(temporary.c_str());
        return Failed(EIO, path, cause);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        int renameError = errno;
        ::unlink(temporary.c_str());
        return Failed(renameError, path, cause);
    }
    return true;
}

void FailWritesBeforeRenameForTesting(int count) {
    g_failBeforeRename = count;
}

void FailWritesWithErrorForTesting(int error, int count) {
    g_failWritesError = error;
    g_failWrites = count;
}

} // namespace fs
