// The management-file library's file: reading, writing, round trips and safe replacement.

#include "suite/OvXmInfo/ManageFileInfo.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/ui/ScriptedBackend.h"
#include "support/StyleCatalogue.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

using ovtest::Cp936Lines;
using ovtest::ScopedStyleCatalogue;
using ovtest::TempFolder;

namespace {

const std::vector<std::wstring> kCatalogue = {L"屏面布置图=屏面布置图", L"材料表=设备材料表",
                                              L"屏端子图"};

// Everything the library holds, as text, for comparing two reads.
std::vector<std::wstring> Dump(const CManageFileInfo& file) {
    std::vector<std::wstring> dump;
    for (const CExplainInfoNode& entry : file.Getm_ExplainInfoArray())
        dump.push_back(entry.Getm_StrTitle() + L"=" + entry.Getm_StrValue());
    for (const auto& pStyle : file.Getm_FileStyleNodeArray()) {
        dump.push_back(L"[" + pStyle->Getm_StyleNameNode().GetstrDisplayName() + L"|" +
                       pStyle->Getm_StyleNameNode().GetstrSysTypeName() + L"]");
        for (const auto& pFile : pStyle->Getm_FileInfoArray())
            dump.push_back(pFile->Getm_strFileName() + L"<" + pFile->Getm_strRemark() + L"> in " +
                           pFile->Getm_strFullPath());
    }
    return dump;
}

} // namespace

TEST(ManageFileInfo, AFileWrittenByTheLibraryReadsBackEqual) {
    ScopedStyleCatalogue catalogue(kCatalogue);
    TempFolder folder;
    folder.MakeFolder(L"P");
    CManageFileInfo file;
    file.SetPath_FileNameByFullPath(folder.Path(L"P\\"), 1);
    EXPECT_EQ(file.Getm_StrManageFilePathName(), folder.Path(L"P\\P.itm"));
    EXPECT_EQ(file.Getm_StrDirName(), L"P");
    file.Getm_ExplainInfoArray() = {
        {L"工程名称", L"甲站"}, {L"说明1", L""}, {L"备注", L"含<尖>括号"}};
    CFileStyleNodeInfo* pStyle = nullptr;
    ASSERT_EQ(file.AddOneNewStyData(L"设备材料表", nullptr, pStyle), 1);
    EXPECT_EQ(pStyle->Getm_StyleNameNode().GetstrSysTypeName(), L"材料表");
    pStyle->InsertOneFileInfoToArray(L"m.xls", L"清单>二");
    ASSERT_EQ(file.AddOneNewStyData(L"自定类型", nullptr, pStyle), 1);
    pStyle->InsertOneFileInfoToArray(L"1.dwg", L"");
    file.AddNoStyleFileByInputFileName(L"a.dwg");
    ASSERT_EQ(file.WriteManageFile(), 1);

    EXPECT_EQ(folder.ReadBytes(L"P\\P.itm"), Cp936Lines({L"$BEGIN NOTE OF PRJ",
                                                         L"$BEGIN_ONE_NOTE",
                                                         L"工程名称",
                                                         L"甲站",
                                                         L"$END_ONE_NOTE",
                                                         L"$BEGIN_ONE_NOTE",
                                                         L"说明1",
                                                         L"",
                                                         L"$END_ONE_NOTE",
                                                         L"$BEGIN_ONE_NOTE",
                                                         L"备注",
                                                         L"含<尖>括号",
                                                         L"$END_ONE_NOTE",
                                                         L"$END NOTE OF PRJ",
                                                         L"$BEGIN CONTENT OF PRJ",
                                                         L"a.dwg<>",
                                                         L"材料表:",
                                                         L"m.xls<清单>二>",
                                                         L"自定类型:",
                                                         L"1.dwg<>",
                                                         L"$End CONTENT OF PRJ",
                                                         L"$EOF"}));
    CManageFileInfo read;
    ASSERT_EQ(read.ReadManageFile(file.Getm_StrManageFilePathName()), 1);
    EXPECT_EQ(Dump(read), Dump(file));
    EXPECT_EQ(read.Getm_IsXmManageFile(), 1);
}

TEST(ManageFileInfo, AHandMadeWindowsFileReadsAsExpected) {
    ScopedStyleCatalogue catalogue(kCatalogue);
    TempFolder folder;
    folder.WriteBytes(
        L"S\\S.PRJ",
        Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"设备名称", L"1号柜",
                    L"$END_ONE_NOTE", L"松散说明", L"$END NOTE OF PRJ", L"$begin content of prj",
                    L"  屏端子图:", L"  D-01.dwg<端子排>  ", L"材料表:", L"m.xls<>", L":",
                    L"x.dwg<无类型>", L"$end content of prj", L"$eof"}));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(folder.Path(L"S\\s.prj")), 1);
    EXPECT_EQ(file.Getm_IsXmManageFile(), 0);
    EXPECT_EQ(Dump(file), (std::vector<std::wstring>{
                              L"设备名称=1号柜", L"说明1=松散说明", L"[|]",
                              L"x.dwg<无类型> in " + folder.Path(L"S"), L"[屏端子图|屏端子图]",
                              L"D-01.dwg<端子排> in " + folder.Path(L"S"), L"[设备材料表|材料表]",
                              L"m.xls<> in " + folder.Path(L"S")}));
    // Rewritten, the file keeps its meaning.
    ASSERT_EQ(file.WriteManageFile(), 1);
    CManageFileInfo again;
    ASSERT_EQ(again.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    EXPECT_EQ(Dump(again), Dump(file));
}

TEST(ManageFileInfo, TheDrawingListIsMadeOnFirstUseFromTheTextAsItWasRead) {
    ScopedStyleCatalogue catalogue(kCatalogue);
    TempFolder folder;
    std::string first =
        Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"设备名称", L"柜一",
                    L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"旁注", L"$BEGIN CONTENT OF PRJ",
                    L"屏端子图:", L"D-01.dwg<端子>", L"$End CONTENT OF PRJ", L"$EOF", L"尾行"});
    folder.WriteBytes(L"S\\S.prj", first);
    folder.WriteBytes(L"T\\T.prj", Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ",
                                               L"$BEGIN CONTENT OF PRJ", L"t.dwg<>",
                                               L"$END CONTENT OF PRJ", L"$EOF"}));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    // Another program changes the file before the list is first asked for: the records are
    // still those of the text that was read, as they would have been had they been made then.
    folder.WriteBytes(L"S\\S.prj", Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ"}));
    ASSERT_NE(file.FindStyNodeByInputFileName(L"D-01.dwg"), nullptr);
    EXPECT_EQ(Dump(file), (std::vector<std::wstring>{L"设备名称=柜一", L"[屏端子图|屏端子图]",
                                                     L"D-01.dwg<端子> in " + folder.Path(L"S")}));
    ASSERT_EQ(file.WriteManageFile(), 1);
    EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), first) << "nothing of the file is lost";

    // Written back before anything asked for the list, and read again into the same object.
    CManageFileInfo untouched;
    ASSERT_EQ(untouched.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    folder.WriteBytes(L"S\\S.prj", "");
    ASSERT_EQ(untouched.WriteManageFile(), 1);
    EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), first);
    ASSERT_EQ(untouched.ReadManageFile(folder.Path(L"T\\T.prj")), 1);
    EXPECT_EQ(Dump(untouched),
              (std::vector<std::wstring>{L"[|]", L"t.dwg<> in " + folder.Path(L"T")}));
}

TEST(ManageFileInfo, AFailedWriteLeavesTheOldFileIntactAndSaysSo) {
    for (ovtest::WriteFault fault : ovtest::kWriteFaults) {
        SCOPED_TRACE(ovtest::WriteFaultName(fault));
        TempFolder folder;
        std::string old =
            Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                        L"1.dwg<>", L"$End CONTENT OF PRJ", L"$EOF"});
        folder.WriteBytes(L"S\\S.prj", old);
        CManageFileInfo file;
        ASSERT_EQ(file.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
        file.AddNoStyleFileByInputFileName(L"2.dwg");
        cad::CommandLine::Instance().Clear();
        {
            ovtest::ScopedWriteFault armed(fault);
            EXPECT_EQ(file.WriteManageFile(), 0);
        }
        EXPECT_NE(cad::CommandLine::Instance().Text().find(L"S.prj 文件不能写入"),
                  std::wstring::npos);
        EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), old);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.NativePath(L"S")),
                                std::filesystem::directory_iterator()),
                  1)
            << "no temporary file is left behind";
        EXPECT_EQ(file.WriteManageFile(), 1);
        EXPECT_NE(folder.ReadBytes(L"S\\S.prj"), old);
    }
}

TEST(ManageFileInfo, AFileThatHoldsTheBytesAlreadyIsNotWrittenAgain) {
    TempFolder folder;
    folder.WriteBytes(L"S\\S.prj",
                      Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ", L"1.dwg<>"}, "\n"));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    auto inode = [&folder]() {
        struct stat info {};
        ::stat(folder.NativePath(L"S\\S.prj").c_str(), &info);
        return info.st_ino;
    };
    ino_t before = inode();
    ASSERT_EQ(file.WriteManageFile(), 1);
    ino_t written = inode();
    EXPECT_NE(written, before) << "another layout: written";
    ASSERT_EQ(file.WriteManageFile(), 1);
    EXPECT_EQ(inode(), written) << "the same bytes: left alone";
    file.AddNoStyleFileByInputFileName(L"2.dwg");
    ASSERT_EQ(file.WriteManageFile(), 1);
    EXPECT_NE(inode(), written);
}

TEST(ManageFileInfo, TextsTheCodePageCannotHoldAreReported) {
    TempFolder folder;
    folder.MakeFolder(L"S");
    CManageFileInfo file;
    file.SetPath_FileNameByFullPath(folder.Path(L"S"), 0);
    file.Getm_ExplainInfoArray() = {{L"设备名称", L"柜\U0001F600"}};
    cad::CommandLine::Instance().Clear();
    EXPECT_EQ(file.WriteManageFile(), 0);
    EXPECT_FALSE(folder.Exists(L"S\\S.prj")) << "never written with a \"?\" in its place";
    EXPECT_NE(cad::CommandLine::Instance().Text().find(L"不能保存的字符“\U0001F600”，文件未写入。"),
              std::wstring::npos);
}

TEST(ManageFileInfo, AFileSavedAsUtf8IsReadAsUtf8AndWrittenBackInTheCodePage) {
    TempFolder folder;
    // 设备名称 / 柜一, as a text editor saves them in UTF-8 without a byte-order mark: bytes
    // that are not valid CP936.
    std::string utf8 =
        "$BEGIN NOTE OF PRJ\r\n$BEGIN_ONE_NOTE\r\n"
        "\xE8\xAE\xBE\xE5\xA4\x87\xE5\x90\x8D\xE7\xA7\xB0\r\n"
        "\xE6\x9F\x9C\xE4\xB8\x80\r\n$END_ONE_NOTE\r\n"
        "$END NOTE OF PRJ\r\n$BEGIN CONTENT OF PRJ\r\n$End CONTENT OF PRJ\r\n$EOF\r\n";
    folder.WriteBytes(L"S\\S.prj", utf8);
    cad::CommandLine::Instance().Clear();
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    ASSERT_EQ(file.Getm_ExplainInfoArray().size(), 1u);
    EXPECT_EQ(file.Getm_ExplainInfoArray()[0].Getm_StrValue(), L"柜一");
    EXPECT_NE(cad::CommandLine::Instance().Text().find(L"已按UTF-8读取"), std::wstring::npos);
    EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), utf8) << "reading changes nothing";
    ASSERT_EQ(file.WriteManageFile(), 1);
    EXPECT_NE(folder.ReadBytes(L"S\\S.prj").find(ovtest::Cp936(L"设备名称\r\n柜一")),
              std::string::npos);
}

// The description block is decoded alone when it settles the file's encoding; a file it
// does not settle is decoded whole. Either way the records are those of the whole file's text.
TEST(ManageFileInfo, ReadingTheBlockAloneGivesWhatReadingTheWholeFileGives) {
    TempFolder folder;
    auto read = [&](const std::wstring& name, const std::string& bytes) {
        folder.WriteBytes(name, bytes);
        auto file = std::make_unique<CManageFileInfo>();
        EXPECT_EQ(file->ReadManageFile(folder.Path(name)), 1) << name;
        return file;
    };
    // A stray byte after the block survives the later decoding and the rewrite.
    std::string stray =
        Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"设备名称", L"柜一",
                    L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ", L"材料表:"}) +
        "a\xFF.dwg<>\r\n" + Cp936Lines({L"$End CONTENT OF PRJ", L"$EOF"});
    auto pStray = read(L"A\\A.prj", stray);
    ASSERT_EQ(pStray->Getm_FileStyleNodeArray().size(), 1u);
    EXPECT_EQ(pStray->Getm_FileStyleNodeArray()[0]->Getm_FileInfoArray()[0]->Getm_strFileName(),
              L"a\xDCFF.dwg");
    ASSERT_EQ(pStray->Getm_ExplainInfoArray().size(), 1u);
    folder.WriteBytes(L"A\\A.prj", "");
    ASSERT_EQ(pStray->WriteManageFile(), 1);
    EXPECT_EQ(folder.ReadBytes(L"A\\A.prj"), stray);

    // A note titled like the block's end marker: the block ends at the real marker.
    auto pTitled = read(L"B\\B.prj", Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE",
                                                 L"$END NOTE OF PRJ", L"值", L"$END_ONE_NOTE",
                                                 L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                                                 L"b.dwg<>", L"$End CONTENT OF PRJ", L"$EOF"}));
    EXPECT_EQ(Dump(*pTitled), (std::vector<std::wstring>{L"$END NOTE OF PRJ=值", L"[|]",
                                                         L"b.dwg<> in " + folder.Path(L"B")}));

    // A block of plain ASCII settles nothing: the drawings after it, saved as UTF-8 by a text
    // editor, are read as UTF-8.
    auto pUtf8 = read(L"C\\C.prj", "$BEGIN NOTE OF PRJ\r\n$END NOTE OF PRJ\r\n"
                                   "$BEGIN CONTENT OF PRJ\r\n"
                                   "\xE5\x9B\xBE"
                                   "1.dwg<\xE5\xA4\x87\xE6\xB3\xA8>\r\n"
                                   "$End CONTENT OF PRJ\r\n$EOF\r\n");
    EXPECT_EQ(Dump(*pUtf8),
              (std::vector<std::wstring>{L"[|]", L"图1.dwg<备注> in " + folder.Path(L"C")}));
}

TEST(ManageFileInfo, JudgeInputManageNameValid) {
    ui::ScriptedBackend boxes;
    TempFolder folder;
    folder.WriteBytes(L"P\\P.itm", "");
    folder.WriteBytes(L"Q\\other.prj", "");
    EXPECT_EQ(CManageFileInfo::JudgeInputManageNameValid(folder.Path(L"P\\p.ITM"), 1, nullptr, 1),
              1);
    EXPECT_EQ(CManageFileInfo::JudgeInputManageNameValid(folder.Path(L"P\\P.itm"), 0, nullptr, 1),
              0);
    EXPECT_EQ(CManageFileInfo::JudgeInputManageNameValid(L" ", 1, nullptr, 1), 0);
    EXPECT_EQ(CManageFileInfo::JudgeInputManageNameValid(folder.Path(L"R\\R.prj"), 0, nullptr, 1),
              0);
    EXPECT_EQ(
        CManageFileInfo::JudgeInputManageNameValid(folder.Path(L"Q\\other.prj"), 0, nullptr, 1), 0);
    EXPECT_EQ(
        CManageFileInfo::JudgeInputManageNameValid(folder.Path(L"Q\\other.prj"), 0, nullptr, 0), 0);
    std::vector<std::wstring> texts;
    for (const auto& box : boxes.Boxes()) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, L"Tessaline");
    }
    EXPECT_EQ(texts, (std::vector<std::wstring>{
                         L"“" + folder.Path(L"P\\P.itm") + L"”不是设备管理文件(*.prj)。",
                         L"没有指定项目管理文件。",
                         L"设备管理文件“" + folder.Path(L"R\\R.prj") + L"”不存在。",
                         L"设备管理文件“other.prj”与所在目录“Q”不同名，不能作为设备打开。"}));
}
