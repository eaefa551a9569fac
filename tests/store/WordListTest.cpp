#include "store/WordList.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/LogicalPath.h"
#include "platform/ui/ScriptedBackend.h"
#include "server/WordDictionaryRefresh.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <algorithm>

#include <gtest/gtest.h>

using ovtest::TempInstallation;
using Strings = std::vector<std::wstring>;

TEST(WordTable, TheTitleMustStandAfterTheFirstCharacterOfTheName) {
    Strings tables{L"工程名称", L"OV设备名称", L"OV工程名称", L"X工程名称", L"OV工程名称2"};
    // A name that begins with the title does not belong to it; the first in the file's order wins.
    EXPECT_EQ(FindWordTable(tables, L"工程名称", WordTableRule::TitleAfterFirstCharacter),
              L"OV工程名称");
    EXPECT_EQ(FindWordTable({L"X工程名称", L"OV工程名称"}, L"工程名称",
                            WordTableRule::TitleAfterFirstCharacter),
              L"X工程名称");
    EXPECT_EQ(FindWordTable({L"X工程名称", L"OV工程名称"}, L"工程名称", WordTableRule::OvPrefixed),
              L"OV工程名称");
    EXPECT_EQ(FindWordTable({L"工程名称"}, L"工程名称", WordTableRule::TitleAfterFirstCharacter),
              L"");
    EXPECT_EQ(FindWordTable(tables, L"", WordTableRule::TitleAfterFirstCharacter), L"");
}

namespace {

class WordListTest : public ::testing::Test {
protected:
    explicit WordListTest(int kind = 0) : m_installation(Options(kind)) {
        cad::CommandLine::Instance().Clear();
        SetWordDictionaryDownloadForTesting([this](const std::wstring& path) {
            m_downloads.push_back(path);
            return 0;
        });
    }
    ~WordListTest() override { SetWordDictionaryDownloadForTesting({}); }

    static TempInstallation::Options Options(int kind) {
        TempInstallation::Options options;
        options.kind = kind;
        return options;
    }

    void MakeDictionary() {
        ovtest::MakeSqliteFile(m_installation.Path(L"Data\\word.mdb"),
                               {L"CREATE TABLE \"OV设备颜色\" (WORD Text(20))",
                                L"INSERT INTO \"OV设备颜色\" VALUES ('浅灰'), (NULL), ('海灰')",
                                L"CREATE TABLE \"XOV端子型号\" (WORD Text(20))",
                                L"INSERT INTO \"XOV端子型号\" VALUES ('JF5')"});
    }

    TempInstallation m_installation;
    ui::ScriptedBackend m_boxes;
    Strings m_downloads;
};

class SuperClientWordListTest : public WordListTest {
protected:
    SuperClientWordListTest() : WordListTest(1) {}
};

} // namespace

TEST_F(WordListTest, WordsComeInTableOrderWithEmptyCellsAsEmptyWords) {
    MakeDictionary();
    std::unique_ptr<COperateMdb> mdb;
    Strings words;
    ASSERT_EQ(GetWordList(L"设备颜色", words, mdb), 1);
    EXPECT_EQ(words, (Strings{L"浅灰", L"", L"海灰"}));
    // The dialog keeps its database for the next request.
    ASSERT_TRUE(mdb);
    COperateMdb* kept = mdb.get();
    ASSERT_EQ(GetWordList(L"端子型号", words, mdb), 1);
    EXPECT_EQ(words, Strings{L"JF5"});
    EXPECT_EQ(mdb.get(), kept);
    // Only a super client refreshes its copy.
    EXPECT_TRUE(m_downloads.empty());

    // No table: the dialog lets its database go, to open it anew next time.
    EXPECT_EQ(GetWordList(L"合闸电流", words, mdb), 0);
    EXPECT_TRUE(words.empty());
    EXPECT_FALSE(mdb);
    // The new-file dialog also wants the "OV" prefix, and shows two empty entries instead.
    EXPECT_EQ(GetWordList(L"端子型号", words, mdb, WordTableRule::OvPrefixed), 0);
    EXPECT_EQ(words, (Strings{L"", L""}));
    EXPECT_FALSE(mdb);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(WordListTest, AMissingDictionaryGivesNoWordsAndLeavesNoObject) {
    std::unique_ptr<COperateMdb> mdb;
    Strings words{L"stale"};
    EXPECT_EQ(GetWordList(L"设备颜色", words, mdb), 0);
    EXPECT_TRUE(words.empty());
    EXPECT_FALSE(mdb);
    EXPECT_EQ(cad::CommandLine::Instance().Lines(),
              Strings{L"没有找到数据库文件" + m_installation.Logical() + L"\\Data\\word.mdb"});
}

TEST_F(SuperClientWordListTest, TheServerCopyIsFetchedOnlyWhenNobodyHoldsTheDictionary) {
    MakeDictionary();
    std::wstring mdbPath = m_installation.Path(L"Data\\word.mdb");
    std::unique_ptr<COperateMdb> mdb;
    Strings words;

    // No lock file: fetched, then opened.
    ASSERT_EQ(GetWordList(L"设备颜色", words, mdb), 1);
    EXPECT_EQ(m_downloads, Strings{mdbPath});
    // Opened once per dialog: the next request does not fetch again.
    GetWordList(L"设备颜色", words, mdb);
    EXPECT_EQ(m_downloads.size(), 1u);

    // A lock file left behind is deleted and the copy fetched.
    mdb.reset();
    m_installation.WriteBytes(L"Data\\word.ldb", "lock");
    GetWordList(L"设备颜色", words, mdb);
    EXPECT_EQ(m_downloads.size(), 2u);
    EXPECT_FALSE(m_installation.Exists(L"Data\\word.ldb"));

    // A lock file that cannot be deleted: no fetch, the local copy serves.
    mdb.reset();
    m_installation.MakeFolder(L"Data\\word.ldb\\held");
    ASSERT_EQ(GetWordList(L"设备颜色", words, mdb), 1);
    EXPECT_EQ(m_downloads.size(), 2u);
    EXPECT_EQ(words.size(), 3u);
}

TEST(DemoWordDictionary, HoldsTheTablesTheDialogsLookUp) {
    COperateMdb mdb(fs::ToLogical(std::filesystem::path(OV_SOURCE_DIR) / "install/Data/word.mdb"));
    ASSERT_EQ(mdb.IsConnected(), 1) << "build the target word_dictionary first";
    Strings titles;
    ASSERT_EQ(mdb.GetFieldValues(L"OV项目设备描述信息", L"WORD", titles, kMdbChar, 0), 1);
    for (const wchar_t* title : {L"工程名称", L"工程合同号", L"设备名称", L"设备型号",
                                 L"设备图册号", L"工程电气设计负责人", L"设备数量"})
        EXPECT_NE(std::find(titles.begin(), titles.end(), title), titles.end()) << title;

    Strings tables;
    mdb.GetTableNames(tables);
    for (const wchar_t* key :
         {L"端子型号", L"设备数量", L"设备颜色", L"设备尺寸", L"直流电压", L"交流电流", L"跳闸电流",
          L"合闸电流", L"小母线安装数量", L"定制功能描述", L"屏柜所属厂站", L"导线类别",
          L"物料编码", L"物料描述", L"平均长度"}) {
        std::wstring table = FindWordTable(tables, key, WordTableRule::OvPrefixed);
        EXPECT_EQ(table, std::wstring(L"OV") + key);
        Strings words;
        EXPECT_EQ(mdb.GetFieldValues(table, L"WORD", words, kMdbChar, 0), 1);
        EXPECT_GE(words.size(), 2u);
    }
}
