// The drawing-type catalogue and its file.

#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/LogicalPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(AllStyNameInfo, LinesOfTheStyleFile) {
    CAllStyNameInfo catalogue;
    catalogue.SetStyleLines({L"; 说明", L"# 说明", L"", L" 屏面布置图 = 屏面布置 ", L"屏端子图",
                             L"屏面布置图=重复", L"=无系统名", L"坏<名=x", L"材料表=设备材料表"});
    std::vector<std::wstring> names;
    catalogue.GetDisplayNameStrArray(names);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"屏面布置", L"", L"设备材料表"}));
    EXPECT_EQ(catalogue.FindSysNameByDisplayName(L"屏面布置"), L"屏面布置图");
    EXPECT_EQ(catalogue.FindDisplayNameBySysName(L"材料表"), L"设备材料表");
    EXPECT_EQ(catalogue.FindDisplayNameBySysName(L"屏端子图"), L"");
    EXPECT_EQ(catalogue.FindSysNameByDisplayName(L""), L"")
        << "no type is found by an empty display name";
    EXPECT_EQ(catalogue.FindSysNameByDisplayName(L"未知"), L"");
}

TEST(AllStyNameInfo, TheBundledInstallationShipsTheNamedTypes) {
    CAllStyNameInfo catalogue;
    cad::CommandLine::Instance().Clear();
    ovtest::TempFolder folder;
    EXPECT_EQ(catalogue.SetStyleFileName(folder.Logical()), 0);
    EXPECT_EQ(cad::CommandLine::Instance().Text(),
              folder.Path(L"Data\\dwgstyle.dat") + L" 文件打不开，错误码为 3\n");

    ASSERT_EQ(catalogue.SetStyleFileName(fs::ToLogical(OV_SOURCE_DIR "/install")), 1);
    for (const wchar_t* name : {L"屏面布置图", L"屏端子图", L"原理图", L"接线图"})
        EXPECT_FALSE(catalogue.FindDisplayNameBySysName(name).empty()) << name;
}
