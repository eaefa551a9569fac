// The ovinfo tool as scripts run it: UTF-8 report and exit status.

#include "support/TestSupport.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using ovtest::Cp936Lines;
using ovtest::TempFolder;

namespace {

struct ToolRun {
    int status = -1;
    std::string output;
};

ToolRun RunOvinfo(const std::string& arguments) {
    ToolRun run;
    std::string command = std::string(OVINFO_PROGRAM) + " " + arguments + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

TEST(OvinfoTool, PrintsTheRecordsInUtf8OrTheSystemsMessage) {
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm",
                      Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"甲站",
                                  L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                                  L"a.dwg<无类型>", L"材料表:", L"m.xls<清单>",
                                  L"$End CONTENT OF PRJ", L"$EOF"}));
    ToolRun run = RunOvinfo("records '" + folder.NativePath(L"P\\P.itm").string() + "'");
    EXPECT_EQ(run.status, 0);
    // The bundled installation's catalogue shows 材料表 as 设备材料表.
    EXPECT_EQ(
        run.output,
        "工程名称\t甲站\n类型\t设备材料表\t材料表\n\tm.xls\t清单\n无类型的文件\n\ta.dwg\t无类型\n");

    run = RunOvinfo("records '" + folder.NativePath(L"P\\Q.itm").string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("文件打不开，错误码为 2"), std::string::npos) << run.output;
    EXPECT_EQ(RunOvinfo("").status, 2);
}
