#pragma once
// Who holds the catalogue lock "Server.xml.bak". The file's first line names the holder's host
// ("address(host name)"), as every client of the site reads it. We add a second line with the
// holding process, "PID:<id> KEY:<random>", because several processes of one machine (two
// CAD sessions, or the ovsync tool beside one) share the host's identity: without it a second
// process would take the first one's lock for its own leftover and remove it.

#include <string>
#include <vector>

struct CatalogueLockHolder {
    std::wstring strHostId;
    int nProcessId = 0; // 0 when the record names no process
    std::wstring strKey;

    bool operator==(const CatalogueLockHolder&) const = default;
};

// This process under the given host identity.
CatalogueLockHolder ThisProcessLockHolder(const std::wstring& strHostId);

// The two lines of a holder's record.
std::vector<std::wstring> FormatLockRecord(const CatalogueLockHolder& holder);
// The first record of the lock file's lines (empty lines skipped).
CatalogueLockHolder ParseLockHolder(const std::vector<std::wstring>& arrLines);

enum class LockHolderKind {
    ThisProcess,
    // Left behind by a process of this machine that no longer runs: removed at once.
    LeftoverOfThisHost,
    // Another client, or another running process of this machine: waited for.
    Other,
};
LockHolderKind JudgeLockHolder(const CatalogueLockHolder& holder, const CatalogueLockHolder& me);
