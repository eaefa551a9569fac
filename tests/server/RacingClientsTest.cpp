// Two client processes of one machine send folders to the same site at the same moment, with
// the ovsync tool: every entry must reach the catalogue, and no lock may be left behind.

#include "FtpTestSite.h"

#include "platform/text/Utf8.h"
#include "server/OperateVersionFile.h"

#include <fcntl.h>
#include <set>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

pid_t StartSendFolder(const ovtest::TempFolder& installation, const std::wstring& folder) {
    std::string home = "OVMANAGE_HOME=" + installation.Native().string();
    std::vector<char*> environment;
    for (char** variable = environ; *variable != nullptr; ++variable)
        if (std::string_view(*variable).substr(0, 14) != "OVMANAGE_HOME=")
            environment.push_back(*variable);
    environment.push_back(home.data());
    environment.push_back(nullptr);

    std::string program = OV_OVSYNC_PATH;
    std::string local = installation.NativePath(folder).string();
    std::string base = "Template\\prjs";
    std::string command = "send-folder";
    std::vector<char*> arguments = {program.data(), command.data(), local.data(), base.data(),
                                    nullptr};
    std::string output = installation.NativePath(L"ovsync.log").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    EXPECT_EQ(posix_spawn(&child, program.c_str(), &actions, nullptr, arguments.data(),
                          environment.data()),
              0);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

int ExitCode(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TwoClients, SendingAtTheSameTimeLosesNoEntryAndLeavesNoLock) {
    ovtest::FtpTestSite site;
    ovtest::TempFolder first, second;
    std::set<std::wstring> expected;
    for (auto [installation, name] : {std::pair{&first, L"柜A"}, std::pair{&second, L"柜B"}}) {
        installation->WriteBytes(L"Installation.ini", "Kind=1\nCodePage=CP936\n");
        installation->MakeFolder(L"TempFTP");
        site.WriteLoginFile(*installation);
        std::wstring folder = L"Template\\prjs\\" + std::wstring(name);
        expected.insert(folder);
        for (const wchar_t* file : {L"1.dwg", L"2.dwg", L"3.prj"}) {
            installation->WriteBytes(std::wstring(name) + L"\\" + file, "x");
            expected.insert(folder + L"\\" + file);
        }
    }
    pid_t a = StartSendFolder(first, L"柜A");
    pid_t b = StartSendFolder(second, L"柜B");
    EXPECT_EQ(ExitCode(a), 0) << first.ReadBytes(L"ovsync.log");
    EXPECT_EQ(ExitCode(b), 0) << second.ReadBytes(L"ovsync.log");

    std::vector<std::wstring> lines = site.Lines(L"Server.xml");
    std::vector<std::wstring> entries = CatalogueEntryLines(lines);
    std::set<std::wstring> files;
    for (const std::wstring& entry : entries)
        files.insert(ParseCatalogueEntry(entry).m_strFile);
    EXPECT_EQ(files, expected);
    EXPECT_EQ(entries.size(), expected.size()) << "one entry per file";
    EXPECT_FALSE(site.Exists(L"Server.xml.bak"));
    EXPECT_TRUE(site.Exists(L"Template\\prjs\\柜B\\3.prj"));
}

} // namespace
