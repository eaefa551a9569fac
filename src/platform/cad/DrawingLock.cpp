#include "platform/cad/DrawingLock.h"

#include "platform/fs/FileSystem.h"
#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cad {

namespace {

std::wstring UserName() {
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[1024];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return text::FromUtf8(found->pw_name);
    const char* user = getenv("USER");
    return text::FromUtf8(user ? user : "");
}

std::wstring MachineName() {
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? text::FromUtf8(name) : L"";
}

std::wstring Now() {
    time_t now = time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    char buffer[32];
    strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return text::FromUtf8(buffer);
}

bool WriteAll(int fd, const std::string& bytes) {
    if (ftruncate(fd, 0) != 0)
        return false;
    size_t written = 0;
    while (written < bytes.size()) {
        ssize_t step =
            pwrite(fd, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
        if (step <= 0)
            return false;
        written += static_cast<size_t>(step);
    }
    return true;
}

std::string ReadAll(int fd) {
    std::string bytes;
    char buffer[512];
    off_t offset = 0;
    for (ssize_t step; (step = pread(fd, buffer, sizeof buffer, offset)) > 0 && offset < 65536;
         offset += step)
        bytes.append(buffer, static_cast<size_t>(step));
    return bytes;
}

// Opens and locks the file at the path. Another host may delete a stale file between our
// open and our lock; then the lock would guard a file nobody sees, so the lock is taken again
// on the file that is there now.
int OpenLocked(const std::string& native) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        int fd = open(native.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return -1;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            return -1;
        }
        struct stat opened {};
        struct stat named {};
        if (fstat(fd, &opened) == 0 && stat(native.c_str(), &named) == 0 &&
            opened.st_ino == named.st_ino && opened.st_dev == named.st_dev)
            return fd;
        close(fd);
    }
    return -1;
}

} // namespace

std::wstring LockFilePath(const std::wstring& drawingPath, bool second) {
    std::wstring base = drawingPath;
    if (base.size() >= 4 && text::EqualsNoCase(base.substr(base.size() - 4), L".dwg"))
        base.resize(base.size() - 4);
    return base + (second ? L".dwl2" : L".dwl");
}

bool DrawingLockFiles::Acquire(const std::wstring& drawingPath) {
    Release();
    std::vector<std::wstring> lines{UserName(), MachineName(), Now()};
    for (int i = 0; i < 2; ++i) {
        m_paths[i] = fs::Resolve(LockFilePath(drawingPath, i == 1)).string();
        m_fds[i] = OpenLocked(m_paths[i]);
        if (m_fds[i] < 0) {
            // What was taken already is given back; a file held by another stays theirs.
            m_paths[i].clear();
            Release();
            return false;
        }
        if (i == 1)
            lines.push_back(std::to_wstring(getpid()));
        WriteAll(m_fds[i], text::EncodeTextLines(lines));
    }
    return true;
}

void DrawingLockFiles::Release() {
    for (int i = 0; i < 2; ++i) {
        if (m_fds[i] < 0)
            continue;
        unlink(m_paths[i].c_str());
        close(m_fds[i]);
        m_fds[i] = -1;
        m_paths[i].clear();
    }
}

LockFileState ClearLockFile(const std::wstring& lockPath, DrawingLockHolder& holder) {
    holder = {};
    if (!fs::IsFile(lockPath))
        return LockFileState::Absent;
    std::string native = fs::Resolve(lockPath).string();
    int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        std::vector<std::wstring> lines =
            text::SplitTextLines(text::AnsiCodePage().Decode(ReadAll(fd)));
        lines.resize(3);
        holder = {lines[0], lines[1], lines[2]};
        close(fd);
        return LockFileState::Held;
    }
    // Deleted while our lock keeps another host from taking it in between.
    bool removed = unlink(native.c_str()) == 0 || errno == ENOENT;
    if (fd >= 0)
        close(fd);
    return removed ? LockFileState::Removed : LockFileState::Stuck;
}

} // namespace cad
