#pragma once
// The lock files of an open drawing. While the host has a drawing open it keeps two files
// beside it, named after the drawing without ".dwg": ".dwl" and ".dwl2", both saying who opened
// it, on which machine and since when; and it holds an advisory lock (flock) on each for as
// long as the drawing stays open. On Linux a file can be deleted while another program has it
// open, so the lock, not the file, says whether the drawing is in use: a lock file nobody
// holds is stale (left by a host that ended without closing its drawings) and may go.
//
// File layout (the installation's code page, CR LF):
//   .dwl   user, machine, "YYYY-MM-DD HH:MM:SS" (local time the drawing was opened)
//   .dwl2  the same three lines, then the host's process id

#include <string>

namespace cad {

struct DrawingLockHolder {
    std::wstring user;
    std::wstring machine;
    std::wstring since;
};

// The two lock-file paths of a drawing: ".dwg" (any case) removed, ".dwl" and ".dwl2" added.
std::wstring LockFilePath(const std::wstring& drawingPath, bool second);

// The locks a host holds on one open drawing's lock files.
class DrawingLockFiles {
public:
    DrawingLockFiles() = default;
    ~DrawingLockFiles() { Release(); }
    DrawingLockFiles(const DrawingLockFiles&) = delete;
    DrawingLockFiles& operator=(const DrawingLockFiles&) = delete;

    // Writes both files and locks them. False when another process holds either (the files
    // are then left as they are) or they cannot be written (read-only folder): the drawing
    // is then open without lock files.
    bool Acquire(const std::wstring& drawingPath);
    // Removes the files (while still holding them, so nobody sees them stale) and unlocks.
    void Release();
    bool IsHeld() const { return m_fds[0] >= 0; }

private:
    int m_fds[2] = {-1, -1};
    std::string m_paths[2]; // native
};

enum class LockFileState {
    Absent,  // no such file
    Removed, // a stale file, deleted now
    Held,    // another live process holds it; `holder` says who, as far as the file tells
    Stuck,   // nobody holds it, but it cannot be deleted (a read-only folder)
};

// Looks at one lock file and deletes it when nobody holds it.
LockFileState ClearLockFile(const std::wstring& lockPath, DrawingLockHolder& holder);

} // namespace cad
