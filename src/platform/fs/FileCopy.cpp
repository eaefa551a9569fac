// Copying one file to a free name with as few system calls as the kernel allows: a send of
// hundreds of drawings spends its time here.

#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {

namespace {

// Opens a logical path as written, or, when a folder of it is spelled in another case, as it
// resolves without regard to case.
int OpenLogical(std::wstring_view logical, int flags, mode_t mode, std::filesystem::path& native) {
    native = ToNative(logical);
    int fd = ::open(native.c_str(), flags | O_CLOEXEC, mode);
    if (fd >= 0 || errno != ENOENT)
        return fd;
    size_t slash = logical.find_last_of(L'\\');
    std::filesystem::path resolved = (flags & O_CREAT) && slash != std::wstring_view::npos
                                         ? Resolve(logical.substr(0, slash)) / native.filename()
                                         : Resolve(logical);
    if (resolved == native)
        return -1;
    native = resolved;
    return ::open(native.c_str(), flags | O_CLOEXEC, mode);
}

} // namespace

bool CopyNewFile(std::wstring_view from, std::wstring_view to) {
    std::filesystem::path source, target;
    int in = OpenLogical(from, O_RDONLY, 0, source);
    if (in < 0) {
        SetLastError(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(in, &info) != 0 || !S_ISREG(info.st_mode)) {
        SetLastError(S_ISDIR(info.st_mode) ? EISDIR : errno);
        ::close(in);
        return false;
    }
    int out = OpenLogical(to, O_WRONLY | O_CREAT | O_EXCL, info.st_mode & 0777, target);
    if (out < 0) {
        SetLastError(errno);
        ::close(in);
        return false;
    }
    int error = 0;
    for (;;) {
        ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied > 0)
            continue;
        if (copied == 0)
            break;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) {
            error = errno;
            break;
        }
        // No copy inside the kernel between these two: through a buffer.
        char buffer[1 << 16];
        ssize_t got = 0;
        while (error == 0 && (got = ::read(in, buffer, sizeof buffer)) > 0)
            for (ssize_t done = 0; done < got;) {
                ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
                if (put < 0) {
                    error = errno;
                    break;
                }
                done += put;
            }
        if (got < 0 && error == 0)
            error = errno;
        break;
    }
    ::close(in);
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(target.c_str());
        SetLastError(error);
        return false;
    }
    return true;
}

} // namespace fs
