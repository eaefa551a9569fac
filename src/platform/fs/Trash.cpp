#include "platform/fs/Trash.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace fs {

namespace stdfs = std::filesystem;

namespace {

stdfs::path TrashFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome)
        return stdfs::path(dataHome) / "Trash";
    const char* home = std::getenv("HOME");
    return stdfs::path(home && *home ? home : "/tmp") / ".local" / "share" / "Trash";
}

// The original path as the trash's info files hold it: bytes outside the plain characters
// percent-encoded.
std::string EscapePath(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (unsigned char c : path) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            escaped += static_cast<char>(c);
        } else {
            escaped += '%';
            escaped += kHex[c >> 4];
            escaped += kHex[c & 15];
        }
    }
    return escaped;
}

} // namespace

bool MoveToTrash(std::wstring_view logical) {
    stdfs::path source = Resolve(logical);
    std::error_code error;
    if (!stdfs::exists(stdfs::symlink_status(source, error))) {
        SetLastError(ENOENT);
        return false;
    }
    stdfs::path trash = TrashFolder();
    stdfs::create_directories(trash / "files", error);
    stdfs::create_directories(trash / "info", error);
    // The info file is created exclusively first: it reserves the name in the trash.
    std::string base = source.filename().string();
    for (int attempt = 1; attempt < 10000; ++attempt) {
        std::string name = attempt == 1 ? base : base + "." + std::to_string(attempt);
        stdfs::path info = trash / "info" / (name + ".trashinfo");
        int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            SetLastError(errno);
            return false;
        }
        char date[32] = {};
        std::time_t now = std::time(nullptr);
        struct tm local {};
        std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", localtime_r(&now, &local));
        std::string text = "[Trash Info]\nPath=" + EscapePath(stdfs::absolute(source).string()) +
                           "\nDeletionDate=" + date + "\n";
        bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::close(fd);
        if (written && Move(logical, ToLogical(trash / "files" / name)))
            return true;
        int cause = written ? LastError() : EIO;
        stdfs::remove(info, error);
        SetLastError(cause);
        return false;
    }
    SetLastError(EEXIST);
    return false;
}

} // namespace fs
