#include "FtpTestSite.h"

#include "server/WordDictionaryRefresh.h"

namespace {

using ovtest::FtpClientTest;

TEST_F(FtpClientTest, ClientsTakeTheServersWordDictionaryWhenTheyCan) {
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

TEST(WordDictionaryRefresh, AServerThatIsDownIsNoObstacle) {
    ovtest::TempInstallation installation(ovtest::TempInstallation::Options{.kind = 2});
    ovtest::FtpTestSite site;
    ovtest::FtpTestLogin down;
    down.port = ovtest::kUnusedLocalPort;
    site.WriteLoginFile(installation, down);
    installation.WriteBytes(L"Data\\word.mdb", "local words");
    ui::ScriptedBackend boxes;
    EXPECT_EQ(RefreshWordDictionaryFromServer(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), "local words");
}

} // namespace
