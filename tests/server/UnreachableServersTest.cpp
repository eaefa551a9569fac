#include "server/UnreachableServers.h"

#include <gtest/gtest.h>

namespace {

TEST(UnreachableServers, AreRememberedForAMinuteByHostAndPort) {
    auto now = std::chrono::steady_clock::now();
    SetUnreachableServerClockForTesting([&] { return now; });
    RememberUnreachableServer(L"Ftp.Example.com", 0);
    EXPECT_TRUE(IsServerRecentlyUnreachable(L"ftp.example.com", 21)) << "0 is port 21";
    EXPECT_FALSE(IsServerRecentlyUnreachable(L"ftp.example.com", 2121));
    now += kUnreachableServerPause - std::chrono::seconds(1);
    EXPECT_TRUE(IsServerRecentlyUnreachable(L"ftp.example.com", 21));
    now += std::chrono::seconds(1);
    EXPECT_FALSE(IsServerRecentlyUnreachable(L"ftp.example.com", 21));

    RememberUnreachableServer(L"ftp.example.com", 21);
    ForgetUnreachableServer(L"FTP.example.com", 21);
    EXPECT_FALSE(IsServerRecentlyUnreachable(L"ftp.example.com", 21)) << "reached again";
    SetUnreachableServerClockForTesting(nullptr);
}

} // namespace
