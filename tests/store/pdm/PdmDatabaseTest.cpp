#include "PdmServer.h"

#include "platform/db/Database.h"
#include "store/PdmDatabase.h"

#include <algorithm>
#include <chrono>

#include <sys/socket.h>
#include <unistd.h>

using ovtest::PdmServerTest;
using Strings = std::vector<std::wstring>;

namespace {

const std::wstring kConnectionMessage =
    L"连接数据库失败。\n请检查服务器名，用户名，密码是否正确! \n错误信息:";
const std::wstring kOperationMessage = L"对数据库的操作失败! 错误信息:";

} // namespace

TEST_F(PdmServerTest, TheLoginCheckTestsTheFirstUserWhoseNameContainsTheEnteredOne) {
    CPdmDatabase pdm;
    ASSERT_EQ(pdm.IsConnected(), 1);
    EXPECT_EQ(pdm.CheckUserLogin(L"zhangsan", L"pw-zhang"), 1);
    EXPECT_EQ(pdm.CheckUserLogin(L"zhangsan", L"PW-ZHANG"), 3);
    // The whole login name, without regard to case; the records' spelling comes back.
    std::wstring strLogin;
    EXPECT_EQ(pdm.CheckUserLogin(L"ZhangSan", L"pw-zhang", &strLogin), 1);
    EXPECT_EQ(strLogin, L"zhangsan");
    // Part of a login name, or a pattern character, names nobody.
    EXPECT_EQ(pdm.CheckUserLogin(L"zhang", L"pw-zhang"), 2);
    EXPECT_EQ(pdm.CheckUserLogin(L"zhangs_n", L"pw-zhang"), 2);
    EXPECT_EQ(pdm.CheckUserLogin(L"%", L"pw-zhang"), 2);
    // A stored password with blanks around it.
    EXPECT_EQ(pdm.CheckUserLogin(L"lisi", L"pw-li"), 1);
    EXPECT_EQ(pdm.CheckUserLogin(L"lisi", L"  pw-li  "), 3);
    // No password stored, or no such user.
    EXPECT_EQ(pdm.CheckUserLogin(L"wangwu", L""), 2);
    EXPECT_EQ(pdm.CheckUserLogin(L"nobody", L"pw-zhang"), 2);
    EXPECT_EQ(pdm.CheckUserLogin(L"张工", L"密码1"), 1);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(PdmServerTest, QuotesInTheUserNameSignNobodyInAndBreakNothing) {
    CPdmDatabase pdm;
    EXPECT_EQ(pdm.CheckUserLogin(L"o'brien", L"pw-ob"), 1);
    EXPECT_EQ(pdm.CheckUserLogin(L"' or '1'='1", L"pw-zhang"), 2);
    EXPECT_EQ(pdm.CheckUserLogin(L"x' or '1'='1' --", L"pw-zhang"), 2);
    EXPECT_EQ(pdm.CheckUserLogin(L"'; delete from UserInformation; --", L"x"), 2);
    EXPECT_TRUE(m_boxes.Boxes().empty());

    Strings names;
    ASSERT_EQ(pdm.GetUserNames(names), 1);
    std::sort(names.begin(), names.end());
    // Distinct names, without the NULL and the empty one; nothing was deleted.
    EXPECT_EQ(names, (Strings{L"lisi", L"o'brien", L"wangwu", L"zhangsan", L"zhangsi", L"张工"}));
}

TEST_F(PdmServerTest, ProceduresGiveParallelListsWithEmptyTextForNull) {
    CPdmDatabase pdm;
    Strings codes, names;
    ASSERT_EQ(pdm.GetProductsOfManager(L"zhangsan", codes, names), 1);
    EXPECT_EQ(codes, (Strings{L"HT2024-0012", L"HT2024-0135"}));
    EXPECT_EQ(names, (Strings{L"220kV城东变电站新建工程", L""}));

    Strings products, groups, styles, numbers;
    ASSERT_EQ(pdm.GetGroupsOfManager(L"zhangsan", products, groups, styles, numbers), 1);
    EXPECT_EQ(products, (Strings{L"HT2024-0012", L"HT2024-0012"}));
    EXPECT_EQ(groups, (Strings{L"G01", L"G02"}));
    EXPECT_EQ(styles, (Strings{L"PK-10", L""}));
    EXPECT_EQ(numbers, (Strings{L"1", L"2"}));

    products.clear();
    ASSERT_EQ(pdm.GetGroupsOfManager(L"x' or '1'='1", products, groups, styles, numbers), 1);
    EXPECT_TRUE(products.empty());
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(PdmServerTest, RowsAndDocumentsTravelAsBoundValues) {
    CPdmDatabase pdm;
    PdmEBomRow row{L"P'1", L"C-2", L"端子'); drop table XTTempEBom; --", L"3", L"JF5", L"自制",
                   L"G'1", L""};
    ASSERT_EQ(pdm.InsertEBomRow(row), 1);
    PdmRecords records;
    ASSERT_EQ(pdm.GetEBomCodes(L"P'1", L"G'1", records), 1);
    EXPECT_EQ(records.rows, std::vector<Strings>{Strings{L"C-2"}});
    ASSERT_EQ(pdm.DeleteEBomTwiceRecords(L"P'1", L"G'1"), 1);
    ASSERT_EQ(pdm.GetEBomCodes(L"P'1", L"G'1", records), 1);
    EXPECT_TRUE(records.rows.empty());

    // A drawing goes in with its bytes and comes back under its own name only.
    std::string drawing("AC1024\0\x01\xFF", 9);
    drawing += std::string(3000, 'd');
    m_installation.WriteBytes(L"P\\柜1.dwg", drawing);
    ASSERT_EQ(pdm.InsertDocument(L"HT1", CPdmDatabase::kSecondarySystemDocType,
                                 m_installation.Path(L"P\\柜1.dwg"), L"", L"G01-柜1"),
              1);
    ASSERT_EQ(pdm.FindDocumentsLike(L"HT1", L"二次系统图", L"柜1", records), 1);
    ASSERT_EQ(records.rows.size(), 1u);
    const Strings& found = records.rows[0];
    auto column = [&](const wchar_t* name) {
        for (size_t c = 0; c < records.columns.size(); ++c)
            if (records.columns[c] == name)
                return found[c];
        return std::wstring(L"<missing>");
    };
    EXPECT_EQ(column(L"filename"), L"柜1.dwg");
    EXPECT_EQ(column(L"filetype"), L"AutoCAD Drawing");
    EXPECT_EQ(column(L"filebulk"), L"2KB");
    EXPECT_EQ(column(L"source"), L"public");
    m_installation.MakeFolder(L"Out");
    ASSERT_EQ(pdm.FetchDocument(L"HT1", L"public", L"G01-柜1", m_installation.Path(L"Out")), 1);
    EXPECT_EQ(m_installation.ReadBytes(L"Out\\柜1.dwg"), drawing);

    // A stored name with folders cannot place the file outside the chosen folder.
    db::Opened direct = db::OpenOdbc(
        CPdmDatabase::MakeConnectionString(L"127.0.0.1", L"pdm", L"pdm_app", L"pdm;app{pw}"), 5);
    ASSERT_TRUE(direct.connection);
    ASSERT_TRUE(direct.connection->Run(
        L"insert into EngineerDocument (ProductCode, FileName, Source, Other2, DocContent) "
        L"values (?, ?, ?, ?, ?)",
        {L"HT2", L"..\\..\\escaped.dwg", L"public", L"x", db::Bytes{"x"}}));
    ASSERT_EQ(pdm.FetchDocument(L"HT2", L"", L"x", m_installation.Path(L"Out")), 1);
    EXPECT_TRUE(m_installation.Exists(L"Out\\escaped.dwg"));
    EXPECT_FALSE(m_installation.Exists(L"escaped.dwg"));
    EXPECT_EQ(pdm.FetchDocument(L"HT-none", L"", L"x", m_installation.Path(L"Out")), 0);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(PdmServerTest, AServerThatIsDownFailsWithTheConnectionMessages) {
    WriteSettings(ClosedPort());
    CPdmDatabase pdm;
    EXPECT_EQ(pdm.IsConnected(), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_TRUE(m_boxes.Boxes()[0].text.starts_with(kOperationMessage));

    EXPECT_EQ(pdm.CheckUserLogin(L"zhangsan", L"pw-zhang"), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    const std::wstring& text = m_boxes.Boxes()[1].text;
    EXPECT_TRUE(text.starts_with(kConnectionMessage));
    // The driver's own words follow.
    EXPECT_GT(text.size(), kConnectionMessage.size());
    Strings names;
    EXPECT_EQ(pdm.GetUserNames(names), 0);
    EXPECT_EQ(m_boxes.Boxes().size(), 3u);
}

TEST_F(PdmServerTest, AServerThatNeverAnswersIsGivenUpAfterTheTimeOut) {
    CPdmDatabase pdm;
    // A listener that takes the connection in the kernel but never speaks.
    std::string port;
    int listener = BindLoopback(port);
    ASSERT_EQ(::listen(listener, 4), 0);
    WriteSettings(port);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(pdm.CheckUserLogin(L"zhangsan", L"pw-zhang"), 0);
    auto elapsed = std::chrono::steady_clock::now() - start;
    ::close(listener);
    // Bounded by the 5-second time-out, not by the network's own minutes-long give-up.
    EXPECT_LT(elapsed, std::chrono::seconds(15));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_TRUE(m_boxes.Boxes()[0].text.starts_with(kConnectionMessage));
}
