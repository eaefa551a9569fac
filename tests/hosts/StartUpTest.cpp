// How the programs start on an installation folder, and what the console host tells about its
// commands.

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    std::string output;
    int exitCode = -1;
};

// Runs a program with OVMANAGE_HOME set to `home`, standard input from `input`.
Outcome Start(const std::string& home, const std::string& program, const std::string& arguments,
              const std::string& input = "") {
    std::string command = "printf '" + input + "' | OVMANAGE_HOME='" + home + "' '" + program +
                          "' " + arguments + " 2>&1";
    Outcome run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    size_t count;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), count);
    int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(StartUp, AnInstallationFolderThatDoesNotExistStopsEveryProgramWithItsOwnStatus) {
    ovtest::TempFolder folder;
    std::string missing = folder.NativePath(L"no such installation").string();
    for (const auto& [program, arguments] :
         {std::pair<std::string, std::string>{OV_CONSOLE_HOST, ""},
          {OV_OVSYNC, "version"},
          {OV_OVINFO, "records x.prj"}}) {
        SCOPED_TRACE(program);
        Outcome run = Start(missing, program, arguments, "QUIT\\n");
        EXPECT_EQ(run.exitCode, 3);
        EXPECT_EQ(Count(run.output, "\n"), 1u) << run.output;
        EXPECT_NE(run.output.find("the installation folder " + missing + " does not exist"),
                  std::string::npos)
            << run.output;
    }
    // A usage error stays what it was.
    EXPECT_EQ(Start(missing, OV_OVSYNC, "frobnicate").exitCode, 2);
}

TEST(StartUp, AFolderWithoutItsDescriptionRunsOnTheDefaultsAndSaysSo) {
    ovtest::TempFolder folder;
    folder.MakeFolder(L"Data");
    Outcome run = Start(folder.Native().string(), OV_CONSOLE_HOST, "", "QUIT\\n");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Count(run.output, "no Installation.ini in " + folder.Native().string() +
                                    ": running on the defaults"),
              1u)
        << run.output;
}

TEST(StartUp, HelpListsTheModulesAndTheHostsCommands) {
    ovtest::TempInstallation installation;
    Outcome run = Start(installation.Native().string(), OV_CONSOLE_HOST, "", "HELP\\n?\\nQUIT\\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(Count(run.output, "Commands of OvManage: XMMANAGE SBMANAGE SAVETOXM SAVETOSB "
                                "XmOPenFile SbOPenFile CREATEINFOTABLE\n"),
              2u)
        << run.output;
    EXPECT_EQ(Count(run.output, "Host commands: SAVEAS QSAVE"), 2u);
    EXPECT_NE(run.output.find(" HELP ? "), std::string::npos);
}

} // namespace
