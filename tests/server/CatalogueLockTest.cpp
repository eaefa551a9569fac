#include "server/CatalogueLock.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// The id of a process that has ended.
int EndedProcessId() {
    pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(CatalogueLock, TheFirstRecordOfTheFileHoldsTheLock) {
    CatalogueLockHolder first = {L"10.0.0.1(a)", 42, L"k1"};
    CatalogueLockHolder second = {L"10.0.0.2(b)", 7, L"k2"};
    std::vector<std::wstring> lines = FormatLockRecord(first);
    for (const std::wstring& line : FormatLockRecord(second))
        lines.push_back(line);
    EXPECT_EQ(ParseLockHolder(lines), first);
    // Clients that mark only their host write a single line.
    CatalogueLockHolder hostOnly = ParseLockHolder({L"", L" 10.0.0.3(c) "});
    EXPECT_EQ(hostOnly.strHostId, L"10.0.0.3(c)");
    EXPECT_EQ(hostOnly.nProcessId, 0);
    EXPECT_EQ(ParseLockHolder({}).strHostId, L"");
}

TEST(CatalogueLock, OnlyLocksOfEndedProcessesOfThisHostAreLeftovers) {
    CatalogueLockHolder me = ThisProcessLockHolder(L"10.0.0.1(me)");
    EXPECT_EQ(me.nProcessId, static_cast<int>(::getpid()));
    EXPECT_EQ(JudgeLockHolder(me, me), LockHolderKind::ThisProcess);
    EXPECT_EQ(JudgeLockHolder({L"10.0.0.1(ME)", 0, L""}, me), LockHolderKind::LeftoverOfThisHost);
    EXPECT_EQ(JudgeLockHolder({L"10.0.0.1(me)", EndedProcessId(), L"x"}, me),
              LockHolderKind::LeftoverOfThisHost);
    // Another running process of this machine shares the host identity and must be waited for.
    EXPECT_EQ(JudgeLockHolder({L"10.0.0.1(me)", static_cast<int>(::getppid()), L"x"}, me),
              LockHolderKind::Other);
    EXPECT_EQ(JudgeLockHolder({L"10.0.0.1(me)", me.nProcessId, L"other key"}, me),
              LockHolderKind::Other);
    EXPECT_EQ(JudgeLockHolder({L"10.0.0.9(you)", 0, L""}, me), LockHolderKind::Other);
    EXPECT_EQ(JudgeLockHolder({}, me), LockHolderKind::Other) << "an empty lock file";
}

} // namespace
