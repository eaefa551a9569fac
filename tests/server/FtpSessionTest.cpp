// The FTP port against a real server. These tests live with the server suite because they need
// the fixture's server.

#include "FtpTestSite.h"

#include "platform/net/FtpSession.h"

#include <algorithm>

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

TEST(FtpSession, TransfersBinaryFilesAndWorksOnFolders) {
    FtpTestSite site;
    net::FtpSession session;
    ASSERT_TRUE(session.Open(TestLogin())) << "cannot log in";
    EXPECT_EQ(session.CurrentFolder(), L"\\");
    ASSERT_TRUE(session.SetCurrentFolder(site.Name()));
    EXPECT_EQ(session.CurrentFolder(), L"\\" + site.Name());

    std::string bytes("a\r\nb\nc\0\x80\xff", 9);
    ASSERT_TRUE(session.Upload(L"a.bin", bytes));
    EXPECT_EQ(site.Read(L"a.bin"), bytes);
    ASSERT_TRUE(session.Upload(L"a.bin", "tail", true));
    std::string back;
    ASSERT_TRUE(session.Download(L"a.bin", back));
    EXPECT_EQ(back, bytes + "tail");

    ASSERT_TRUE(session.MakeFolder(L"sub\\"));
    ASSERT_TRUE(session.Upload(L"sub/b.txt", "b"));
    ASSERT_TRUE(session.Rename(L"sub\\b.txt", L"sub\\c.txt"));
    EXPECT_TRUE(site.Exists(L"sub\\c.txt"));
    EXPECT_FALSE(site.Exists(L"sub\\b.txt"));
    // Names from the root reach the same file.
    ASSERT_TRUE(session.Download(L"\\" + site.Name() + L"\\sub\\c.txt", back));
    EXPECT_EQ(back, "b");

    std::vector<net::FtpEntry> entries;
    ASSERT_TRUE(session.List(L"", entries));
    std::sort(entries.begin(), entries.end(),
              [](const net::FtpEntry& a, const net::FtpEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, L"a.bin");
    EXPECT_FALSE(entries[0].isFolder);
    EXPECT_EQ(entries[1].name, L"sub");
    EXPECT_TRUE(entries[1].isFolder);
    std::vector<std::wstring> names;
    ASSERT_TRUE(session.ListNames(L"sub", names));
    EXPECT_EQ(names, std::vector<std::wstring>{L"c.txt"});

    ASSERT_TRUE(session.Delete(L"a.bin"));
    EXPECT_FALSE(site.Exists(L"a.bin"));
    EXPECT_TRUE(session.FolderExists(L"sub"));
    EXPECT_FALSE(session.FolderExists(L"sub\\c.txt"));
}

TEST(FtpSession, ChineseNamesTravelInTheCodePageAndComeBack) {
    FtpTestSite site;
    net::FtpSession session;
    ASSERT_TRUE(session.Open(TestLogin()));
    ASSERT_TRUE(session.SetCurrentFolder(site.Name()));
    ASSERT_TRUE(session.MakeFolder(L"工程 图纸"));
    ASSERT_TRUE(session.Upload(L"工程 图纸\\电气#1 %20.dwg", "dwg"));
    // On the server's disk the names are the CP936 bytes the Windows clients send.
    EXPECT_EQ(site.Read(L"工程 图纸\\电气#1 %20.dwg"), "dwg");
    std::vector<net::FtpEntry> entries;
    ASSERT_TRUE(session.List(L"工程 图纸", entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, L"电气#1 %20.dwg");
    std::string back;
    EXPECT_TRUE(session.Download(L"工程 图纸\\电气#1 %20.dwg", back));
    EXPECT_EQ(back, "dwg");
}

TEST(FtpSession, ReportsFailuresAsValuesWithTheServersWords) {
    FtpTestSite site;
    net::FtpLogin login = TestLogin();
    login.password = L"wrong";
    net::FtpSession session;
    net::FtpStatus status = session.Open(login);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.replyCode, 530);
    EXPECT_NE(status.text.find(L"530"), std::wstring::npos) << "text: " << status.text.size();
    EXPECT_FALSE(session.IsOpen());
    std::string bytes;
    EXPECT_FALSE(session.Download(L"x", bytes)) << "works only when open";

    login = TestLogin();
    login.port = ovtest::UnusedLocalPort();
    login.connectAttempts = 2;
    login.connectBackoffMs = 10;
    status = session.Open(login);
    EXPECT_FALSE(status);
    EXPECT_FALSE(status.text.empty());
    EXPECT_FALSE(status.IsMissing());

    ASSERT_TRUE(session.Open(TestLogin()));
    ASSERT_TRUE(session.SetCurrentFolder(site.Name()));
    status = session.Download(L"missing.dwg", bytes);
    EXPECT_FALSE(status);
    EXPECT_TRUE(status.IsMissing());
    EXPECT_FALSE(session.SetCurrentFolder(L"no such folder"));
    EXPECT_EQ(session.CurrentFolder(), L"\\" + site.Name());
    // A line break in a name would smuggle in a command of its own.
    EXPECT_FALSE(session.Delete(L"x\r\nDELE other"));
    // A name the code page cannot hold would reach the server as another name.
    EXPECT_FALSE(session.Upload(L"\U0001F600.dwg", "x"));
    EXPECT_TRUE(session.Upload(L"after.dwg", "x")) << "the session stays usable";
}

TEST(FtpSession, AnonymousLoginAndActiveTransfers) {
    FtpTestSite site;
    site.Write(L"a.dwg", "content");
    net::FtpLogin login = TestLogin();
    login.user.clear();
    login.password.clear();
    login.passive = false;
    net::FtpSession session;
    ASSERT_TRUE(session.Open(login));
    std::string bytes;
    ASSERT_TRUE(session.Download(L"\\" + site.Name() + L"\\a.dwg", bytes));
    EXPECT_EQ(bytes, "content");
    std::vector<std::wstring> names;
    ASSERT_TRUE(session.ListNames(L"\\" + site.Name(), names));
    EXPECT_EQ(names, std::vector<std::wstring>{L"a.dwg"});
}

} // namespace
