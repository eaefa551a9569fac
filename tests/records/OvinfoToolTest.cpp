// The ovinfo tool as scripts run it: UTF-8 report and exit status.

#include "platform/image/Png.h"
#include "records/DrawingLocation.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/PreviewFiles.h"
#include "support/TestSupport.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace ovtest;

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

// A path quoted for the shell.
std::string Quoted(const std::filesystem::path& path) {
    std::string quoted = "'";
    quoted += path.string();
    quoted += "'";
    return quoted;
}

} // namespace

TEST(OvinfoTool, PrintsTheRecordsInUtf8OrTheSystemsMessage) {
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm",
                      Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"甲站",
                                  L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                                  L"a.dwg<无类型>", L"材料表:", L"m.xls<清单>",
                                  L"$End CONTENT OF PRJ", L"$EOF"}));
    ToolRun run = RunOvinfo("records " + Quoted(folder.NativePath(L"P\\P.itm")));
    EXPECT_EQ(run.status, 0);
    // The bundled installation's catalogue shows 材料表 as 设备材料表.
    EXPECT_EQ(
        run.output,
        "工程名称\t甲站\n类型\t设备材料表\t材料表\n\tm.xls\t清单\n无类型的文件\n\ta.dwg\t无类型\n");

    run = RunOvinfo("records " + Quoted(folder.NativePath(L"P\\Q.itm")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("文件打不开，错误码为 2"), std::string::npos) << run.output;
    EXPECT_EQ(RunOvinfo("").status, 2);
}

TEST(OvinfoTool, PreviewPrintsWhatWasReadAndWritesThePaintedPicture) {
    TempFolder folder;
    std::vector<uint32_t> colours(256, 0x808080);
    colours[0] = 0;
    colours[7] = 0xFFFFFF;
    std::string dib = Dib(3, 2, 8, colours, [](int x, int) { return x == 1 ? 7u : 0u; });
    folder.WriteBytes(L"a.dwg", DwgLikeFile("AC1015", {{1, "hd"}, {2, dib}}));
    std::string png = folder.NativePath(L"a.png").string();
    ToolRun run =
        RunOvinfo("preview " + Quoted(folder.NativePath(L"a.dwg")) + " --png " + Quoted(png));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "{\"version\":\"AC1015\",\"picture\":true,\"reason\":\"ok\",\"code\":2,"
                          "\"start\":105,\"size\":1072,\"width\":3,\"height\":2,\"top_down\":false,"
                          "\"bpp\":8,\"colors\":256,\"black\":1,\"white\":1}\n");
    image::RgbImage picture;
    std::string reason;
    ASSERT_TRUE(image::DecodePng(folder.ReadBytes(L"a.png"), 0, picture, reason)) << reason;
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.rgb, (std::vector<uint8_t>{255, 255, 255, 0, 0, 0, 255, 255, 255, 255, 255,
                                                 255, 0, 0, 0, 255, 255, 255}))
        << "black and white swapped, as the windows show it";

    folder.WriteBytes(L"b.dwg", std::string("AC1\x80") + "15");
    run = RunOvinfo("preview " + Quoted(folder.NativePath(L"b.dwg")));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output.rfind("{\"version\":\"AC1\\u008015\",\"picture\":false,\"reason\":\"a "
                               "drawing older than R13",
                               0),
              0u)
        << run.output;
    run = RunOvinfo("preview " + Quoted(folder.NativePath(L"missing.dwg")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cannot be opened"), std::string::npos) << run.output;
}

TEST(OvinfoTool, TitleAndLocationOfADrawing) {
    HostSession host;
    TempFolder folder;
    SaveDrawing(folder.Path(L"a.dwg"), [](AcDbDatabase& db) {
        AddTitleBlock(db, {100, 0, 0}, {L"$BEGINETITLE", L"", L"图样名称|0|20|50|0|5|0.7|宋体"});
        AddText(db, {110, 10, 0}, L"主接线图");
        SetDrawingLocation(&db, L"1号柜");
    });
    std::string file = Quoted(folder.NativePath(L"a.dwg"));
    ToolRun run = RunOvinfo("title " + file);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "{\"title_block\":true,\"cells\":[{\"label\":\"图样名称\",\"x1\":100,"
                          "\"y1\":20,\"x2\":150,\"y2\":0,\"text_height\":5,\"width_factor\":0.7,"
                          "\"text_style\":\"宋体\"}],\"drawing_name\":\"主接线图\"}\n");
    run = RunOvinfo("location " + file);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "{\"location\":\"1号柜\"}\n");

    folder.WriteBytes(L"b.dwg", "AC1024");
    run = RunOvinfo("title " + Quoted(folder.NativePath(L"b.dwg")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cannot be read as a drawing"), std::string::npos) << run.output;
    EXPECT_EQ(RunOvinfo("location").status, 2);
}
