#include "FtpTestSite.h"

#include "platform/text/Utf8.h"
#include "server/MyFtpConnection.h"

#include <algorithm>

namespace {

using ovtest::FtpClientTest;
using ovtest::PyftpdlibClientTest;

bool HasLine(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

TEST_P(PyftpdlibClientTest, ConnectsAsTheLoginFileSaysAndReportsWhyNot) {
    ovtest::FtpTestLogin anonymous;
    anonymous.anonymous = true;
    anonymous.password = L"wrong";
    site.WriteLoginFile(installation, anonymous);
    CMyFtpConnection connection;
    ASSERT_EQ(connection.Connect(), 1) << "line 5 '1' ignores the account lines";

    ovtest::FtpTestLogin wrong;
    wrong.password = L"wrong";
    site.WriteLoginFile(installation, wrong);
    EXPECT_EQ(connection.Connect(), 0);
    EXPECT_EQ(connection.IsConnected(), 0);
    EXPECT_NE(cad::CommandLine::Instance().Text().find(L"530"), std::wstring::npos);

    ovtest::FtpTestLogin badBase;
    badBase.base = L"no such folder";
    site.WriteLoginFile(installation, badBase);
    EXPECT_EQ(connection.Connect(), 0);
    EXPECT_EQ(connection.IsConnected(), 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              L"设置站点当前路径失败!\n可能原因:FTP站点中路径名no such folder不存在");
    EXPECT_EQ(boxes.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONERROR);

    // Without a login file a client quietly goes on with its local copies.
    installation.WriteBytes(L"LocalData\\OvFTPLoginInfo.sys", "");
    cad::CommandLine::Instance().Clear();
    EXPECT_EQ(connection.Connect(), 0);
    EXPECT_EQ(cad::CommandLine::Instance().Text(), L"");
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_P(PyftpdlibClientTest, DroppedTransfersAreTriedOnceMoreOverANewConnection) {
    site.Write(L"drop-once.dwg", "once");
    site.Write(L"drop-always.dwg", "never");
    installation.WriteBytes(L"Data\\word.mdb", "local");
    CMyFtpConnection connection;
    ASSERT_EQ(connection.Connect(), 1);
    // A download into a folder that does not exist yet makes the folder.
    EXPECT_EQ(connection.DownloadFile(L"drop-once.dwg", installation.Path(L"new\\dir\\a.dwg")), 1);
    EXPECT_EQ(installation.ReadBytes(L"new\\dir\\a.dwg"), "once");
    // A failed download leaves the local copy as it was.
    EXPECT_EQ(connection.DownloadFile(L"drop-always.dwg", installation.Path(L"Data\\word.mdb")), 0);
    EXPECT_EQ(connection.DownloadFile(L"missing.mdb", installation.Path(L"Data\\word.mdb")), 0);
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), "local");

    installation.WriteBytes(L"up.dwg", "up");
    std::wstring remote = L"drop-once-up.dwg";
    EXPECT_EQ(connection.UploadFile(installation.Path(L"up.dwg"), remote), 1);
    EXPECT_EQ(site.Read(L"drop-once-up.dwg"), "up");
    remote = L"drop-always-up.dwg";
    EXPECT_EQ(connection.UploadFile(installation.Path(L"up.dwg"), remote), 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              L"文件 drop-always-up.dwg 上传失败，请确认是否被其它客户端用户调用！");
    EXPECT_EQ(boxes.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

TEST_P(FtpClientTest, UploadsGoWholeUnderATemporaryNameBesideTheirTarget) {
    site.Write(L"sub\\a.dwg", "old");
    installation.WriteBytes(L"a.dwg", "new");
    CMyFtpConnection connection;
    std::wstring remote = L" sub\\a.dwg ";
    ASSERT_EQ(connection.UploadFile(installation.Path(L"a.dwg"), remote), 1);
    EXPECT_EQ(remote, L"sub\\a.dwg");
    EXPECT_EQ(site.Read(L"sub\\a.dwg"), "new");
    std::string folder = "/";
    folder += text::ToUtf8(site.Name());
    folder += "/sub/";
    std::vector<std::string> commands = site.Commands();
    ASSERT_FALSE(commands.empty());
    // "STOR .../a.dwg.<process>-<key>.ovtmp", then "RNFR" it and "RNTO .../a.dwg".
    EXPECT_TRUE(HasLine(commands, "STOR " + folder + "a.dwg.")) << commands.back();
    EXPECT_TRUE(HasLine(commands, "RNTO " + folder + "a.dwg"));
    EXPECT_EQ(std::count(commands.begin(), commands.end(), "STOR " + folder + "a.dwg"), 0);
    EXPECT_EQ(std::count_if(commands.begin(), commands.end(),
                            [](const std::string& c) { return c.find(".ovtmp") != c.npos; }),
              2)
        << "stored and renamed, nothing left behind";
}

TEST_P(PyftpdlibClientTest, WhereRenamingOverAFileIsRefusedUploadsGoTheWindowsClientsWay) {
    site.Write(L"no-rename-over", "");
    site.Write(L"sub\\a.dwg", "old");
    site.Write(L"sub\\b.dwg", "old");
    installation.WriteBytes(L"a.dwg", "new");
    std::string folder = "/";
    folder += text::ToUtf8(site.Name());
    folder += "/sub/";
    {
        CMyFtpConnection connection;
        std::wstring a = L"sub\\a.dwg", b = L"sub\\b.dwg";
        ASSERT_EQ(connection.UploadFile(installation.Path(L"a.dwg"), a), 1);
        ASSERT_EQ(connection.UploadFile(installation.Path(L"a.dwg"), b), 1);
        EXPECT_EQ(site.Read(L"sub\\a.dwg"), "new");
        EXPECT_EQ(site.Read(L"sub\\b.dwg"), "new");
        EXPECT_TRUE(HasLine(site.Commands(), "STOR " + folder + "b.dwg"))
            << "once refused, the connection uploads directly";
    }
    std::wstring said = cad::CommandLine::Instance().Text();
    EXPECT_EQ(said.find(L"文件改为直接上传"), said.rfind(L"文件改为直接上传")) << "said once";
    EXPECT_NE(said.find(L"文件改为直接上传"), std::wstring::npos);

    // Upload by rename ("Ftp.bg") removes the target and renames "#.txt" in its place.
    installation.WriteBytes(L"LocalData\\Ftp.bg", "");
    installation.WriteBytes(L"a.dwg", "newer");
    CMyFtpConnection byRename;
    ASSERT_EQ(byRename.Getm_bUploadByRename(), 1);
    std::wstring a = L"sub\\a.dwg";
    ASSERT_EQ(byRename.UploadFile(installation.Path(L"a.dwg"), a), 1);
    EXPECT_EQ(site.Read(L"sub\\a.dwg"), "newer");
    EXPECT_FALSE(site.Exists(L"sub\\#.txt"));
    std::vector<std::string> commands = site.Commands();
    EXPECT_TRUE(HasLine(commands, "RNFR " + folder + "#.txt"));
    EXPECT_TRUE(HasLine(commands, "DELE " + folder + "a.dwg"));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_P(FtpClientTest, FindsFilesAndFoldersAndMakesFolderPaths) {
    site.Write(L"Data\\A.DWG", "x");
    CMyFtpConnection connection;
    ASSERT_EQ(connection.Connect(), 1);
    EXPECT_EQ(connection.FindServerFile(L"Data", L"A.dwg"), 1) << "upper-case extension";
    EXPECT_EQ(connection.FindServerFile(L"Data", L"a.dwg"), 0);
    EXPECT_EQ(connection.FindServerFile(L"Missing", L"A.DWG"), 0);
    EXPECT_EQ(connection.ServerFileExists(L"Data\\A.DWG"), 1);

    ASSERT_EQ(connection.CreateServerFolderPath(L"Template\\prjs\\柜 1\\"), 1);
    EXPECT_TRUE(site.Exists(L"Template\\prjs\\柜 1"));
    EXPECT_EQ(connection.CreateServerFolderPath(L"Template\\prjs"), 1) << "already there";
    EXPECT_EQ(connection.ServerFolderExists(L"Template\\prjs\\柜 1"), 1);
    EXPECT_EQ(connection.ServerFolderExists(L"Template\\PRJS"), 1) << "names ignore case";
    EXPECT_EQ(connection.ServerFolderExists(L"Data\\A.DWG"), 0) << "a file is no folder";
    EXPECT_EQ(connection.ServerFolderExists(L"Template\\itms"), 0);
}

} // namespace
