#include "platform/fs/FileIo.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"

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
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Failed(EISDIR, path, cause);
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
            return Failed(error, path, cause);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return true;
}

bool WriteBytes(std::wstring_view logical, std::string_view bytes, int* cause) {
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
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return Failed(errno, path, cause);
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
