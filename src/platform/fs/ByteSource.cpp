#include "platform/fs/ByteSource.h"

#include "platform/fs/FileSystem.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {

bool MemoryBytes::ReadAt(uint64_t offset, uint64_t count, std::string& out) {
    out.clear();
    if (!Fits(offset, count))
        return false;
    out.assign(m_bytes.substr(offset, count));
    return true;
}

FileBytes::FileBytes(std::wstring_view logical) {
    std::filesystem::path path = Resolve(logical);
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        SetLastError(errno);
        return;
    }
    struct stat info {};
    if (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        SetLastError(S_ISDIR(info.st_mode) ? EISDIR : errno);
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_size = static_cast<uint64_t>(info.st_size);
}

FileBytes::~FileBytes() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FileBytes::ReadAt(uint64_t offset, uint64_t count, std::string& out) {
    out.clear();
    if (m_fd < 0 || !Fits(offset, count))
        return false;
    out.resize(count);
    uint64_t done = 0;
    while (done < count) {
        ssize_t got =
            ::pread(m_fd, out.data() + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) { // an error, or the file shrank since it was opened
            out.clear();
            return false;
        }
        done += static_cast<uint64_t>(got);
    }
    return true;
}

} // namespace fs
