#include "store/PdmDatabaseSettings.h"
#include "platform/cad/CommandLine.h"
#include "platform/ui/ScriptedBackend.h"
#include "store/LetterCode.h"
#include "store/PdmDatabase.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempInstallation;

TEST(LetterCode, EachByteIsTwoLettersAndChineseSurvivesTheRoundTrip) {
    EXPECT_EQ(EncodeLetters(L"sa"), L"hdgb");
    EXPECT_EQ(DecodeLetters(L"hdgb"), L"sa");
    EXPECT_EQ(EncodeLetters(L""), L"");
    // 张 is CP936 D5 C5.
    EXPECT_EQ(EncodeLetters(L"张1"), L"nfmfdb");
    EXPECT_EQ(DecodeLetters(L"nfmfdb"), L"张1");
    // Not a letter encoding: written by hand, used as it stands.
    EXPECT_EQ(DecodeLetters(L"abc"), L"abc");
    std::wstring strPlain = L"stale";
    EXPECT_TRUE(TryDecodeLetters(L"ebem", strPlain));
    EXPECT_EQ(strPlain, L"AL"); // 0x41 0x4C
    EXPECT_FALSE(TryDecodeLetters(L"ebe", strPlain)) << "odd letter count";
    EXPECT_FALSE(TryDecodeLetters(L"ebqa", strPlain)) << "letter beyond p";
    EXPECT_EQ(strPlain, L"");
    EXPECT_EQ(DecodeLetters(L"server01"), L"server01");
}

namespace {

class PdmSettingsTest : public ::testing::Test {
protected:
    PdmSettingsTest() { cad::CommandLine::Instance().Clear(); }

    void Write(const wchar_t* name, const std::vector<std::wstring>& lines) {
        m_installation.WriteBytes(std::wstring(L"Data\\") + name, Cp936Lines(lines));
    }

    TempInstallation m_installation;
};

} // namespace

TEST_F(PdmSettingsTest, ValuesLoseTheirBlanksBeforeDecodingAndTheFirstLineWins) {
    Write(L"PdmDatabaseSettings.txt",
          {L"服务器名: " + EncodeLetters(L"db01"), L"用户名: hd g b",
           L"用户名: " + EncodeLetters(L"x"), L"", L"密码:" + EncodeLetters(L"nospace"),
           L"数据库: " + EncodeLetters(L"张工库")});
    Write(L"PdmDatabaseSettings2.txt", {L"数据库: " + EncodeLetters(L"users")});
    CPdmDatabaseSettings settings;
    EXPECT_EQ(settings.GetPdmServer(), L"db01");
    EXPECT_EQ(settings.GetPdmUser(), L"sa");
    // The key is "密码: " with its blank; a line without it is not the password.
    EXPECT_EQ(settings.GetPdmPassword(), L"");
    EXPECT_EQ(settings.GetPdmDatabase(), L"张工库");
    EXPECT_EQ(settings.GetUserDbDatabase(), L"users");
    EXPECT_EQ(settings.GetUserDbServer(), L"");
    EXPECT_EQ(settings.GetLoginUser(), L"");
    EXPECT_TRUE(cad::CommandLine::Instance().Text().empty());
}

TEST_F(PdmSettingsTest, TheFileServerAccountIsReadOnlyWithoutAnonymousAccess) {
    std::vector<std::wstring> lines{
        L"服务器名: " + EncodeLetters(L"ftp"), L"匿名访问: Yes",
        L"用户名: " + EncodeLetters(L"u"),     L"密码: " + EncodeLetters(L"p"),
        L"端口: " + EncodeLetters(L"21"),      L"目录: " + EncodeLetters(L"pdm")};
    Write(L"PdmDatabaseSettings3.txt", lines);
    {
        CPdmDatabaseSettings settings;
        EXPECT_EQ(settings.GetFileServer(), L"ftp");
        EXPECT_EQ(settings.GetFileServerAnonymous(), L"Yes");
        EXPECT_EQ(settings.GetFileServerUser(), L"");
        EXPECT_EQ(settings.GetFileServerPassword(), L"");
        EXPECT_EQ(settings.GetFileServerPort(), L"21");
        EXPECT_EQ(settings.GetFileServerFolder(), L"pdm");
    }
    lines[1] = L"匿名访问: N o";
    Write(L"PdmDatabaseSettings3.txt", lines);
    CPdmDatabaseSettings settings;
    EXPECT_EQ(settings.GetFileServerUser(), L"u");
    EXPECT_EQ(settings.GetFileServerPassword(), L"p");
}

TEST_F(PdmSettingsTest, TheLoginIsSavedEncodedWithoutBlanksAndReadBack) {
    CPdmDatabaseSettings settings;
    ASSERT_EQ(settings.SaveLoginSettings(L" 张 工 ", L"p w"), 1);
    EXPECT_EQ(m_installation.ReadBytes(L"Data\\PdmDatabaseSettings4.txt"),
              Cp936Lines({L"用户名: " + EncodeLetters(L"张工"), L"密码: " + EncodeLetters(L"pw")}));
    EXPECT_EQ(settings.GetLoginUser(), L"张工");
    EXPECT_EQ(CPdmDatabaseSettings().GetLoginPassword(), L"pw");
    // The password can be decoded by anyone who reads the file: only its owner may.
    EXPECT_EQ(std::filesystem::status(m_installation.NativePath(L"Data\\PdmDatabaseSettings4.txt"))
                  .permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // A file that cannot be written says so on the command line and keeps the old content.
    std::filesystem::remove(m_installation.NativePath(L"Data\\PdmDatabaseSettings4.txt"));
    m_installation.MakeFolder(L"Data\\PdmDatabaseSettings4.txt");
    EXPECT_EQ(settings.SaveLoginSettings(L"a", L"b"), 0);
    std::wstring path = m_installation.Path(L"Data\\PdmDatabaseSettings4.txt");
    EXPECT_TRUE(
        cad::CommandLine::Instance().Text().starts_with(L"打开文件" + path + L"时出错，错误码为 "));
    EXPECT_EQ(settings.GetLoginUser(), L"张工");
}

TEST(PdmConnection, TheConnectionStringIsExactAndValuesCannotAddAttributes) {
    EXPECT_EQ(CPdmDatabase::MakeConnectionString(L"db01", L"pdm", L"sa", L"pw"),
              L"Driver=SQL Server;Server=db01;Database=pdm;UID=sa;PWD=pw");
    EXPECT_EQ(CPdmDatabase::MakeConnectionString(L"db01", L"pdm", L"sa", L"a;Driver={x}"),
              L"Driver=SQL Server;Server=db01;Database=pdm;UID=sa;PWD={a;Driver={x}}}");
}

TEST(PdmConnection, WithoutSettingsTheConnectionFailsWithItsMessage) {
    TempInstallation installation;
    ui::ScriptedBackend boxes;
    CPdmDatabase pdm;
    EXPECT_EQ(pdm.IsConnected(), 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Boxes()[0].text.starts_with(L"对数据库的操作失败! 错误信息:"));
    EXPECT_GT(boxes.Boxes()[0].text.size(), std::wstring(L"对数据库的操作失败! 错误信息:").size());

    // An empty user name is no user, without asking the server.
    EXPECT_EQ(pdm.CheckUserLogin(L"", L"pw"), 2);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
    // Calls on the missing connection fail with the operation message.
    std::vector<std::wstring> codes, names;
    EXPECT_EQ(pdm.GetProductsOfManager(L"m", codes, names), 0);
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_TRUE(codes.empty());
}
