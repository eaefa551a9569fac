#include "platform/text/CodePage.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "support/TestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>

using ovtest::TempFolder;
using ovtest::TempInstallation;

TEST(InstallPath, TheBundledInstallationWhenNoHomeIsSet) {
    ::unsetenv("OVMANAGE_HOME");
    ASSERT_EQ(Ov2002ReloadInstallation(), 1);
    std::wstring main = GetInstallPath_TL();
    EXPECT_TRUE(main.size() > 8 && main.substr(main.size() - 8) == L"\\install") << main.size();
    EXPECT_EQ(std::wstring(GetTessalLocalInstallPath()), main);
    EXPECT_EQ(GetCurTessalInstallStyle(), 0);
    EXPECT_EQ(std::wstring(OvGetTessalCurVer()), L"1");
}

TEST(InstallPath, FoldersKindServerVersionAndCodePageFromTheDescription) {
    TempFolder shared;
    TempInstallation installation;
    installation.WriteBytes(L"Installation.ini",
                            "# comment\nMainFolder=.\nLocalFolder=local/\nCommonResourceFolder=" +
                                shared.Native().string() +
                                "/\nKind=2\nServer=1\nVersion=2\nCodePage=GB18030\n");
    ASSERT_EQ(Ov2002ReloadInstallation(), 1);
    EXPECT_EQ(std::wstring(GetInstallPath_TL()), installation.Logical());
    EXPECT_EQ(std::wstring(GetTessalLocalInstallPath()), installation.Path(L"local"));
    EXPECT_EQ(std::wstring(GetTessalCommonResInstallPath()), shared.Logical())
        << "no trailing backslash";
    EXPECT_EQ(GetCurTessalInstallStyle(), 2);
    EXPECT_EQ(IsServerTessal(), 1);
    EXPECT_EQ(std::wstring(OvGetTessalCurVer()), L"2");
    EXPECT_EQ(text::AnsiCodePage().Name(), "GB18030");

    installation.WriteBytes(L"Installation.ini", "CodePage=NOPE\n");
    EXPECT_EQ(Ov2002ReloadInstallation(), 0);
    EXPECT_EQ(text::AnsiCodePage().Name(), "CP936");
    EXPECT_EQ(GetCurTessalInstallStyle(), 0);
    // A folder with a control character names no folder (found by fuzzing: a NUL cut the path
    // short, to the installation folder with a trailing backslash).
    installation.WriteBytes(L"Installation.ini",
                            "MainFolder=a" + std::string(1, '\0') + "b\nKind=1\n");
    EXPECT_EQ(Ov2002ReloadInstallation(), 0);
    EXPECT_EQ(std::wstring(GetInstallPath_TL()), installation.Logical());
    EXPECT_EQ(GetCurTessalInstallStyle(), 1);
}
