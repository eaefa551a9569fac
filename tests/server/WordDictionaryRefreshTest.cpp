#include "FtpTestSite.h"

#include "server/WordDictionaryRefresh.h"
#include "store/WordList.h"
#include "support/SqliteFile.h"

#include <memory>

namespace {

using ovtest::FtpClientTest;

TEST_P(FtpClientTest, ClientsTakeTheServersWordDictionaryWhenTheyCan) {
    installation.WriteBytes(L"Data\\word.mdb", "local words");
    site.Write(L"Data\\word.mdb", "server words");
    EXPECT_EQ(RefreshWordDictionaryFromServer(), 1);
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), "server words");

    installation.WriteBytes(L"Data\\word.mdb", "local words");
    std::filesystem::remove(site.Native(L"Data\\word.mdb"));
    EXPECT_EQ(RefreshWordDictionaryFromServer(), 0);
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), "local words");
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace

TEST_P(FtpClientTest, ASuperClientsWordListsComeFromTheServersDictionary) {
    // The dialogs' dictionary lies in the per-workstation folder; the one fetched for them is
    // the server's, and the lock file of a dictionary nobody holds open is cleared first.
    ovtest::TempFolder serverCopy;
    ovtest::MakeSqliteFile(serverCopy.Path(L"word.mdb"),
                           {L"CREATE TABLE \"OV工程名称\" (WORD TEXT)",
                            L"INSERT INTO \"OV工程名称\" VALUES ('某某变电站改造工程')"});
    site.Write(L"Data\\word.mdb", serverCopy.ReadBytes(L"word.mdb"));
    installation.WriteBytes(L"Data\\word.ldb", "");
    std::unique_ptr<COperateMdb> pOperateMdb;
    std::vector<std::wstring> arrWords;
    EXPECT_EQ(GetWordList(L"工程名称", arrWords, pOperateMdb), 1);
    EXPECT_EQ(arrWords, std::vector<std::wstring>{L"某某变电站改造工程"});
    EXPECT_FALSE(installation.Exists(L"Data\\word.ldb"));
}
