// The FTP port against a real server (with the server suite, which has the fixture).

#include "FtpTestSite.h"

#include "platform/net/FtpSession.h"

#include <gtest/gtest.h>

namespace {

using ovtest::FtpTestSite;

net::FtpLogin TestLogin() {
    net::FtpLogin login;
    login.host = L"127.0.0.1";
    login.port = ovtest::FtpTestPort();
    login.user = L"ovuser";
    login.password = L"ovpass";
    return login;
}

TEST(FtpSession, TransfersBytesUnchangedAndTellsFoldersFromFiles) {
    FtpTestSite site;
    net::FtpSession session;
    ASSERT_TRUE(session.Open(TestLogin()));
    ASSERT_TRUE(session.SetCurrentFolder(site.Name()));
    EXPECT_EQ(session.CurrentFolder(), L"\\" + site.Name());
    std::string bytes("a\r\nb\nc\0\x80\xff", 9);
    ASSERT_TRUE(session.Upload(L"a.bin", bytes));
    ASSERT_TRUE(session.Upload(L"a.bin", "tail", true));
    EXPECT_EQ(site.Read(L"a.bin"), bytes + "tail");
    ASSERT_TRUE(session.MakeFolder(L"sub"));
    std::vector<net::FtpEntry> entries;
    ASSERT_TRUE(session.List(L"", entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name == L"sub", entries[0].isFolder);
    EXPECT_EQ(entries[1].name == L"sub", entries[1].isFolder);

    // Anonymous, active transfers, names from the root.
    net::FtpLogin anonymous = TestLogin();
    anonymous.user.clear();
    anonymous.passive = false;
    ASSERT_TRUE(session.Open(anonymous));
    std::string back;
    ASSERT_TRUE(session.Download(L"\\" + site.Name() + L"\\a.bin", back));
    EXPECT_EQ(back, bytes + "tail");
}

TEST(FtpSession, ReportsFailuresAsValuesWithTheServersWords) {
    FtpTestSite site;
    net::FtpLogin login = TestLogin();
    login.password = L"wrong";
    net::FtpSession session;
    net::FtpStatus status = session.Open(login);
    EXPECT_EQ(status.replyCode, 530);
    EXPECT_NE(status.text.find(L"530"), std::wstring::npos);
    EXPECT_FALSE(session.IsOpen());

    login = TestLogin();
    login.port = ovtest::kUnusedLocalPort;
    status = session.Open(login);
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.text.empty());
    EXPECT_FALSE(status.IsMissing());

    ASSERT_TRUE(session.Open(TestLogin()));
    ASSERT_TRUE(session.SetCurrentFolder(site.Name()));
    std::string bytes;
    EXPECT_TRUE(session.Download(L"missing.dwg", bytes).IsMissing());
    EXPECT_FALSE(session.SetCurrentFolder(L"no such folder"));
    EXPECT_EQ(session.CurrentFolder(), L"\\" + site.Name());
    // A line break in a name would smuggle in a command of its own; a name the code page
    // cannot hold would reach the server as another name.
    EXPECT_FALSE(session.Delete(L"x\r\nDELE other"));
    EXPECT_FALSE(session.Upload(L"\U0001F600.dwg", "x"));
    EXPECT_TRUE(session.Upload(L"after.dwg", "x")) << "the session stays usable";
}

} // namespace
