#pragma once
// The ways a whole-file write can fail, for tests that each of them leaves the old file whole
// and the user told: a rename that fails (injected), a full disk (injected: ENOSPC half way
// through the temporary file) and the process's file-size limit (real: RLIMIT_FSIZE with
// SIGXFSZ ignored, so that a write beyond it fails with EFBIG). Tests run as root, where a
// read-only folder would not stop a rename.

#include <string>
#include <sys/resource.h>
#include <vector>

namespace ovtest {

enum class WriteFault { RenameFails, DiskFull, FileSizeLimit };

inline const std::vector<WriteFault> kWriteFaults = {WriteFault::RenameFails, WriteFault::DiskFull,
                                                     WriteFault::FileSizeLimit};
std::string WriteFaultName(WriteFault fault);

// Arms the fault for the next `count` whole-file writes; the file-size limit (`limitBytes`)
// holds for the object's lifetime instead.
class ScopedWriteFault {
public:
    explicit ScopedWriteFault(WriteFault fault, int count = 1, rlim_t limitBytes = 64);
    ~ScopedWriteFault();
    ScopedWriteFault(const ScopedWriteFault&) = delete;
    ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

private:
    WriteFault m_fault;
    rlimit m_oldLimit{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace ovtest
