#include "support/WriteFaults.h"

#include "platform/fs/FileIo.h"

#include <cerrno>
#include <csignal>

namespace ovtest {

std::string WriteFaultName(WriteFault fault) {
    switch (fault) {
    case WriteFault::RenameFails:
        return "a rename that fails";
    case WriteFault::DiskFull:
        return "a full disk";
    case WriteFault::FileSizeLimit:
        return "the file-size limit";
    }
    return "";
}

ScopedWriteFault::ScopedWriteFault(WriteFault fault, int count, rlim_t limitBytes)
    : m_fault(fault) {
    switch (fault) {
    case WriteFault::RenameFails:
        fs::FailWritesBeforeRenameForTesting(count);
        break;
    case WriteFault::DiskFull:
        fs::FailWritesWithErrorForTesting(ENOSPC, count);
        break;
    case WriteFault::FileSizeLimit: {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        rlimit limit = m_oldLimit;
        limit.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
        break;
    }
    }
}

ScopedWriteFault::~ScopedWriteFault() {
    fs::FailWritesBeforeRenameForTesting(0);
    fs::FailWritesWithErrorForTesting(0, 0);
    if (m_fault == WriteFault::FileSizeLimit) {
        setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        std::signal(SIGXFSZ, m_oldHandler);
    }
}

} // namespace ovtest
