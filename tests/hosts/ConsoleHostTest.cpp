// Scripted sessions of the console host, run as a separate program the way a person runs it.

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbSymbolTable.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

using ovtest::TempInstallation;

namespace {

struct Session {
    std::string output;
    int exitCode = -1;
};

class ConsoleHost : public ::testing::Test {
protected:
    // Runs the host in the installation with the script (UTF-8) and the extra arguments.
    Session Run(const std::string& script, const std::string& arguments = "") {
        installation.WriteBytes(L"session.scr", script);
        std::string command = std::string("cd '") + installation.Native().string() + "' && '" +
                              OV_CONSOLE_HOST + "' --script session.scr " + arguments + " 2>&1";
        Session session;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return session;
        std::array<char, 4096> buffer{};
        size_t count;
        while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            session.output.append(buffer.data(), count);
        int status = ::pclose(pipe);
        session.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return session;
    }
    std::string Native(const std::wstring& relative) const {
        return installation.NativePath(relative).string();
    }

    TempInstallation installation;
};

} // namespace

TEST_F(ConsoleHost, SaveToSbSavesADrawingOfAnEquipmentFolderInPlace) {
    installation.WriteBytes(L"Q\\Q.prj", "$BEGIN NOTE OF PRJ\r\n");
    installation.WriteBytes(L"Data\\default.dat", ovtest::Cp936(L"\\x\\Q\\Q.prj\r\n"));
    Session session = Run("TEXT 10,10 5 0 屏柜 A\n"
                          "SAVEAS 2010 " +
                          Native(L"Q\\图1.dwg") +
                          "\n"
                          "LINE 0,0 100,50\n"
                          "SAVETOSB\n"
                          "QUIT\n");
    EXPECT_EQ(session.exitCode, 0) << session.output;
    EXPECT_NE(session.output.find("Command: SAVETOSB"), std::string::npos) << session.output;
    EXPECT_NE(session.output.find("文件\"图1.dwg\"已经保存在设备\"Q\"中"), std::string::npos)
        << session.output;
    AcDbDatabase saved(false, true);
    ASSERT_EQ(saved.readDwgFile(installation.Path(L"Q\\图1.dwg").c_str()), Acad::eOk);
    EXPECT_EQ(saved.modelSpace()->entityIds().size(), 2u)
        << "the line added after SAVEAS is in the file";
}

TEST_F(ConsoleHost, MessageBoxesPrintCaptionIconAndTextAndTakeAnswers) {
    Session session = Run("SAVETOXM\n"
                          "LINE 0,0 1,1\n"
                          "CLOSE\n"
                          "no\n"
                          "DOCUMENTS\n"
                          "QUIT\n");
    EXPECT_EQ(session.exitCode, 0) << session.output;
    EXPECT_NE(session.output.find("[Tessaline] (exclamation) 当前没有打开的项目文件。"),
              std::string::npos)
        << session.output;
    EXPECT_NE(session.output.find("[ovcad] (question) Save changes to Drawing1.dwg?"),
              std::string::npos);
    EXPECT_NE(session.output.find("Yes/No/Cancel? no\n-> No"), std::string::npos) << session.output;
    EXPECT_NE(session.output.find("No drawing is open."), std::string::npos) << session.output;
}

TEST_F(ConsoleHost, AnswersListSpeaksForTheUserAndTheModuleSaysWhatIsMissing) {
    Session session = Run("LINE 0,0 1,1\n"
                          "XMMANAGE\n"
                          "win\n"
                          "QUIT\n"
                          "DOCUMENTS\n",
                          "--answers cancel,no --profile '" + Native(L"profile.ini") + "'");
    EXPECT_EQ(session.exitCode, 0);
    // No Project is remembered in this installation: the window says so.
    EXPECT_NE(session.output.find("== 项目管理 (101) =="), std::string::npos) << session.output;
    EXPECT_NE(session.output.find("当前没有打开的项目。"), std::string::npos) << session.output;
    EXPECT_NE(session.output.find("-> Cancel"), std::string::npos) << session.output;
    // QUIT was cancelled, so the script went on to DOCUMENTS; at the end of the script the
    // changes are given up with a note.
    EXPECT_NE(session.output.find(" 1 * Drawing1.dwg (changed)"), std::string::npos)
        << session.output;
    EXPECT_NE(session.output.find("The changes to Drawing1.dwg are not saved."), std::string::npos);
}

TEST_F(ConsoleHost, BadArgumentsAndMissingScriptsAreRefused) {
    EXPECT_EQ(Run("QUIT\n", "--answers maybe").exitCode, 2);
    EXPECT_EQ(Run("QUIT\n", "--script").exitCode, 2);
    Session missing = Run("QUIT\n", "--script '" + Native(L"none.scr") + "'");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.output.find("cannot read the script"), std::string::npos);
}

TEST(ShippedTemplate, IsWhatTheHostWritesToday) {
    ovtest::TempFolder folder;
    std::string command = std::string("'") + OV_CONSOLE_HOST + "' --write-template '" +
                          folder.NativePath(L"acad.dwt").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string expected = folder.ReadBytes(L"acad.dwt");
    std::FILE* file = std::fopen(OV_SOURCE_DIR "/install/Support/TEMPLATE/acad.dwt", "rb");
    ASSERT_NE(file, nullptr) << "install/Support/TEMPLATE/acad.dwt is missing";
    std::string actual;
    std::array<char, 4096> buffer{};
    size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
        actual.append(buffer.data(), count);
    std::fclose(file);
    EXPECT_EQ(actual, expected)
        << "regenerate it: build/dev/src/hosts/ovcad/ovcad --write-template "
           "install/Support/TEMPLATE/acad.dwt";
}
