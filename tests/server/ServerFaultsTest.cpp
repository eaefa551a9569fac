// Faults on the way to the site: data connections cut half way (pyftpdlib's "cut-" files), and
// the local working copy of the catalogue that cannot be written. Every file stays whole or
// untouched, and the user is told.

#include "FtpTestSite.h"

#include "server/MyFtpConnection.h"
#include "server/OperateVersionFile.h"
#include "support/WriteFaults.h"

#include <set>

namespace {

using ovtest::PyftpdlibClientTest;

std::string Drawing(char fill) {
    return std::string(5000, fill);
}

TEST_P(PyftpdlibClientTest, AnUploadCutHalfWayNeverLeavesAPartialFileOnTheSite) {
    installation.WriteBytes(L"new.dwg", Drawing('n'));
    site.Write(L"Template\\cut-always-1000-a.dwg", Drawing('o'));
    CMyFtpConnection connection;
    ASSERT_EQ(connection.Connect(), 1);

    // Cut once: the second try, over a new connection, goes through.
    std::wstring once = L"Template\\cut-once-1000-b.dwg";
    ASSERT_EQ(connection.UploadFile(installation.Path(L"new.dwg"), once), 1);
    EXPECT_EQ(site.Read(once), Drawing('n'));

    // Cut every time: the old file stays as it was, and no part of the new one stays behind.
    std::wstring always = L"Template\\cut-always-1000-a.dwg";
    EXPECT_EQ(connection.UploadFile(installation.Path(L"new.dwg"), always), 0);
    EXPECT_EQ(site.Read(always), Drawing('o'));
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(site.Native(L"Template")))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"cut-always-1000-a.dwg", "cut-once-1000-b.dwg"}));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              L"文件 Template\\cut-always-1000-a.dwg 上传失败，请确认是否被其它客户端用户调用！");
}

TEST_P(PyftpdlibClientTest, ADownloadCutHalfWayLeavesTheLocalCopyAsItWas) {
    site.Write(L"Data\\cut-once-1000.mdb", Drawing('s'));
    site.Write(L"Data\\cut-always-1000.mdb", Drawing('s'));
    installation.WriteBytes(L"Data\\word.mdb", "local");
    CMyFtpConnection connection;
    ASSERT_EQ(connection.Connect(), 1);
    EXPECT_EQ(
        connection.DownloadFile(L"Data\\cut-always-1000.mdb", installation.Path(L"Data\\word.mdb")),
        0);
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), "local");
    EXPECT_EQ(
        connection.DownloadFile(L"Data\\cut-once-1000.mdb", installation.Path(L"Data\\word.mdb")),
        1);
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), Drawing('s'));
}

TEST_P(PyftpdlibClientTest, ACatalogueCopyThatCannotBeWrittenLeavesTheSiteCatalogueAlone) {
    std::vector<std::wstring> catalogue = {L"版本日期：2024,01,05,00,00,00"};
    for (int i = 0; i < 20; ++i)
        catalogue.push_back(L"Template\\图纸" + std::to_wstring(i) +
                            L".dwg|2024,01,05,00,00,00|MOD");
    site.Write(L"Server.xml", ovtest::Cp936Lines(catalogue));
    site.Write(L"Server.backup", ovtest::Cp936Lines(catalogue));
    installation.WriteBytes(L"f.dwg", "f");
    for (ovtest::WriteFault fault : ovtest::kWriteFaults) {
        SCOPED_TRACE(ovtest::WriteFaultName(fault));
        boxes.Clear();
        {
            // The version check stores its own copy first; the update's copy is the next.
            ovtest::ScopedWriteFault armed(fault, 2, 200);
            CMyFtpConnection connection;
            EXPECT_EQ(connection.SendFileToServer(installation.Path(L"f.dwg"), L"f.dwg"), 0);
        }
        EXPECT_EQ(site.Lines(L"Server.xml"), catalogue);
        EXPECT_EQ(site.Lines(L"Server.backup"), catalogue);
        EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_NE(boxes.Boxes()[0].text.find(L"TempFTP\\Server.xml 文件不能写入"),
                  std::wstring::npos);
        EXPECT_FALSE(installation.Exists(L"TempFTP\\Server.xml"));
    }
}

} // namespace
