// The content reader CXmSb, and its agreement with the management-file library.

#include "records/XmSb.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempFolder;

TEST(XmSb, ReadsTypesFilesAndTheRawDescription) {
    TempFolder folder;
    folder.WriteBytes(L"S\\S.prj", Cp936Lines({L"$BEGIN NOTE OF PRJ",
                                               L"$BEGIN_ONE_NOTE",
                                               L"设备名称",
                                               L"柜",
                                               L"$END_ONE_NOTE",
                                               L"$End NOTE OF PRJ",
                                               L"$BEGIN CONTENT OF PRJ",
                                               L"loose.dwg<无类型>",
                                               L"屏面布置图:",
                                               L"a.dwg<x>",
                                               L"A.DWG<y>",
                                               L"b.dwg<备注>",
                                               L"",
                                               L"屏端子图:",
                                               L"c.dwg<>",
                                               L"屏面布置图:",
                                               L"d.dwg<a>b>",
                                               L"$end content of prj",
                                               L"e.dwg<不在内容中>",
                                               L"$EOF",
                                               L"屏端子图:",
                                               L"f.dwg<>"},
                                              "\n"));
    CXmSb xmsb(folder.Path(L"S\\S.prj"));
    EXPECT_EQ(xmsb.Getm_StrDescription(), L"$BEGIN_ONE_NOTE\r\n设备名称\r\n柜\r\n$END_ONE_NOTE");
    const auto& types = xmsb.Getm_XmSbFileArray();
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0].strStyleName, L"");
    EXPECT_EQ(types[1].strStyleName, L"屏面布置图");
    ASSERT_EQ(types[1].arrFiles.size(), 3u);
    EXPECT_EQ(types[1].arrFiles[0].strRemark, L"x") << "a.dwg and A.DWG: the first stays";
    EXPECT_EQ(types[1].arrFiles[1].strRemark, L"备注");
    EXPECT_EQ(types[1].arrFiles[2].strRemark, L"a>b");
    EXPECT_EQ(types[2].arrFiles.size(), 1u) << "nothing after the content section's end counts";
    EXPECT_TRUE(xmsb.FileExists());
    EXPECT_EQ(xmsb.TakeXmSbFileArray().size(), 3u);
    EXPECT_TRUE(xmsb.Getm_XmSbFileArray().empty()) << "handed over";

    folder.WriteBytes(L"S\\S.txt", "");
    EXPECT_TRUE(CXmSb(folder.Path(L"S\\S.txt")).FileExists()) << "there, though not read";
    EXPECT_FALSE(CXmSb(folder.Path(L"S\\T.prj")).FileExists());
}

TEST(XmSb, AgreesWithTheLibraryOnAFileTheLibraryWrote) {
    TempFolder folder;
    folder.MakeFolder(L"S");
    CManageFileInfo manageFile;
    manageFile.SetPath_FileNameByFullPath(folder.Path(L"S"), 0);
    CFileStyleNodeInfo* pStyle = nullptr;
    ASSERT_EQ(manageFile.AddOneNewStyData(L"屏端子图", nullptr, pStyle), 1);
    pStyle->InsertOneFileInfoToArray(L"1.dwg", L"端子");
    pStyle->InsertOneFileInfoToArray(L"2.dwg", L"");
    manageFile.AddNoStyleFileByInputFileName(L"z.dwg");
    ASSERT_EQ(manageFile.WriteManageFile(), 1);

    CXmSb xmsb(manageFile.Getm_StrManageFilePathName());
    ASSERT_EQ(xmsb.Getm_XmSbFileArray().size(), manageFile.Getm_FileStyleNodeArray().size());
    for (size_t i = 0; i < xmsb.Getm_XmSbFileArray().size(); ++i) {
        const STRUCT_XMSB_FILE& read = xmsb.Getm_XmSbFileArray()[i];
        const CFileStyleNodeInfo& style = *manageFile.Getm_FileStyleNodeArray()[i];
        EXPECT_EQ(read.strStyleName, style.Getm_StyleNameNode().GetstrSysTypeName());
        ASSERT_EQ(read.arrFiles.size(), style.Getm_FileInfoArray().size());
        for (size_t j = 0; j < read.arrFiles.size(); ++j) {
            EXPECT_EQ(read.arrFiles[j].strFileName,
                      style.Getm_FileInfoArray()[j]->Getm_strFileName());
            EXPECT_EQ(read.arrFiles[j].strRemark, style.Getm_FileInfoArray()[j]->Getm_strRemark());
        }
    }
}
