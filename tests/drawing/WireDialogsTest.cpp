// The wire list of a container: its file, its defaults and the two dialogs, run as a user runs
// them through the scripted backend.

#include "drawing/LineInfoDialog.h"
#include "drawing/ModfyLineInfoDlg.h"
#include "drawing/XmlDataOprt.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/VoRezaZazUzavodo/MainLibBrowserDlg.h"
#include "support/ConsoleTranscript.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;
using namespace ui::act;

namespace {

bool Opened(const ui::RecordedDialog& dialog, const std::wstring& line) {
    for (const std::wstring& opening : dialog.opening)
        if (opening == line)
            return true;
    return false;
}

class WireList : public ::testing::Test {
protected:
    WireList() {
        installation.WriteBytes(L"Data\\DZBDXLXFH.txt",
                                Cp936Lines({L"三芯屏蔽线:@", L"交流电流A：A1，铜线A，1.5",
                                            L"普通导线:P1,旧描述,1", L"普通导线:P2,普通线,2.5"}));
        installation.WriteBytes(
            L"E1\\E1.prj", Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ",
                                       L"$BEGIN CONTENT OF PRJ", L"$End CONTENT OF PRJ", L"$EOF"}));
        EXPECT_TRUE(file.ReadManageFile(installation.Path(L"E1\\E1.prj")));
    }
    std::vector<STRUCT_LINEITEM> Written() {
        CXmlDataOprt oprt;
        std::vector<STRUCT_LINEITEM> items;
        EXPECT_TRUE(oprt.ReadLineItems(installation.Path(L"E1\\OrvaneLineInfo.xml"), items))
            << oprt.Getm_strError();
        return items;
    }
    void WriteList(const std::vector<STRUCT_LINEITEM>& items) {
        CXmlDataOprt oprt;
        ASSERT_TRUE(oprt.WriteLineItems(installation.Path(L"E1\\OrvaneLineInfo.xml"), items));
    }
    int Run(std::vector<ui::Action> actions) {
        backend.Script(CModfyLineInfoDlg::IDD, std::move(actions));
        CModfyLineInfoDlg dialog(&file);
        return dialog.DoModal();
    }

    TempInstallation installation;
    ui::ScriptedBackend backend;
    CManageFileInfo file;
};

} // namespace

TEST_F(WireList, ANewContainerShowsTheSevenDefaultCategoriesWithTheirDefaultData) {
    ASSERT_EQ(Run({Ok()}), ui::IDOK);
    const ui::RecordedDialog& opened = backend.Dialogs()[0];
    EXPECT_EQ(opened.caption, L"设备导线信息修改");
    EXPECT_TRUE(Opened(opened, L"  164 static \"设备名称：\""));
    EXPECT_TRUE(Opened(opened, L"  165 static \"E1\""));
    EXPECT_EQ(Written(), (std::vector<STRUCT_LINEITEM>{{L"交流电流A", L"A1", L"铜线A", L"1.5"},
                                                       {L"交流电流B", L"", L"", L""},
                                                       {L"交流电流C", L"", L"", L""},
                                                       {L"交流电流N", L"", L"", L""},
                                                       {L"普通导线", L"P2", L"普通线", L"2.5"},
                                                       {L"两芯屏蔽线", L"", L"", L""},
                                                       {L"三芯屏蔽线", L"@", L"", L""}}))
        << "full-width separators read as ASCII ones; the last entry of a category wins";
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(WireList, OnlyAnItemWithoutAnyDataTakesTheDefaultsAndTheListKeepsItsOrder) {
    WriteList(
        {{L"普通导线", L"", L"", L""}, {L"交流电流A", L"", L"自定", L""}, {L"X", L"", L"", L""}});
    ASSERT_EQ(Run({Ok()}), ui::IDOK);
    EXPECT_EQ(Written(), (std::vector<STRUCT_LINEITEM>{{L"普通导线", L"P2", L"普通线", L"2.5"},
                                                       {L"交流电流A", L"", L"自定", L""},
                                                       {L"X", L"", L"", L""}}));
}

TEST_F(WireList, AddTakesANewCategoryAndRefusesOneTheListHas) {
    WriteList({{L"a", L"C1", L"D", L"1"}, {L"b", L"c1", L"D2", L"1"}});
    backend.Script(CLineInfoDialog::IDD, {Type(227, L"  "), Ok(), Type(227, L"A"), Ok(),
                                          Type(227, L" c "), Type(179, L" K "), Ok()});
    ASSERT_EQ(Run({Click(160), Ok()}), ui::IDOK);
    ASSERT_EQ(backend.Dialogs().size(), 2u);
    const ui::RecordedDialog& add = backend.Dialogs()[1];
    EXPECT_EQ(add.caption, L"添加");
    EXPECT_TRUE(Opened(add, L"  179 combo \"\" [C1]")) << "choices are distinct without case";
    EXPECT_TRUE(Opened(add, L"  184 combo \"\" [1]"));
    ASSERT_EQ(backend.Boxes().size(), 2u);
    EXPECT_EQ(backend.Boxes()[0].text, L"类别不允许为空");
    EXPECT_EQ(backend.Boxes()[1].text, L"类别A已经存在!");
    EXPECT_EQ(backend.Boxes()[1].caption, L"Tessaline");
    EXPECT_EQ(backend.Boxes()[1].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(Written().back(), (STRUCT_LINEITEM{L"c", L"K", L"", L""})) << "fields are trimmed";
    EXPECT_TRUE(backend.Faults().empty()) << backend.Faults()[0];
}

TEST_F(WireList, ModifyKeepsTheRowsOwnCategoryButNotAnotherRows) {
    WriteList({{L"a", L"1", L"", L""}, {L"b", L"2", L"", L""}});
    backend.Script(CLineInfoDialog::IDD,
                   {Type(227, L"B"), Ok(), Type(227, L"A"), Type(181, L"说明"), Ok()});
    ASSERT_EQ(Run({Select(159, L"a"), Click(161), Ok()}), ui::IDOK);
    EXPECT_EQ(backend.Dialogs()[1].caption, L"修改");
    EXPECT_TRUE(Opened(backend.Dialogs()[1], L"  227 edit \"a\" focus"));
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"类别B已经存在!");
    EXPECT_EQ(Written(),
              (std::vector<STRUCT_LINEITEM>{{L"A", L"1", L"说明", L""}, {L"b", L"2", L"", L""}}));
}

TEST_F(WireList, DeleteAsksWithTheNumberOfSelectedRowsAndDragMovesThem) {
    WriteList({{L"a", L"", L"", L""},
               {L"b", L"", L"", L""},
               {L"c", L"", L"", L""},
               {L"d", L"", L"", L""}});
    backend.SetKeyDown(ui::VK_CONTROL, true);
    backend.QueueAnswer(ui::IDCANCEL);
    backend.QueueAnswer(ui::IDOK);
    int result = Run({Select(159, L"a"), Select(159, L"c"), Click(163), Click(163), Cancel()});
    EXPECT_EQ(result, ui::IDCANCEL);
    ASSERT_EQ(backend.Boxes().size(), 2u);
    EXPECT_EQ(backend.Boxes()[0].text, L"是否删除选中的2项");
    EXPECT_EQ(backend.Boxes()[0].flags & ui::MB_TYPEMASK, ui::MB_OKCANCEL);
    backend.SetKeyDown(ui::VK_CONTROL, false);
    EXPECT_EQ(Written().size(), 4u) << "Cancel writes nothing";

    backend.Clear();
    ASSERT_EQ(Run({Select(159, L"c"), Drag(159, L"c", 159, L"a"), Select(159, L"a"),
                   Drag(159, L"a", 159, L""), Ok()}),
              ui::IDOK);
    std::vector<std::wstring> order;
    for (const STRUCT_LINEITEM& item : Written())
        order.push_back(item.strStyle);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"c", L"b", L"d", L"a"}))
        << "c dropped on a goes before it; a dropped below the rows goes to the end";
    EXPECT_TRUE(backend.Faults().empty()) << backend.Faults()[0];
}

TEST_F(WireList, TheLibrarysRecordFillsCodeDescriptionAndLength) {
    installation.WriteBytes(
        L"Data\\OvMainLib.txt",
        Cp936Lines({L"# 演示", L"W1|铜线|BVR-1.5|导线|厂|米||||||||||||| 1.2 ", L"W2", L"W3||||"}));
    WriteList({});
    backend.Script(CMainLibBrowserDlg::IDD, {Type(301, L"bvr"), Key(301, ui::VK_RETURN), Ok()});
    backend.Script(CMainLibBrowserDlg::IDD, {Type(301, L"w2"), Key(301, ui::VK_RETURN), Ok()});
    backend.Script(CMainLibBrowserDlg::IDD, {Cancel()});
    backend.Script(CLineInfoDialog::IDD, {Type(227, L"X"), Click(222), Ok()});
    backend.Script(CLineInfoDialog::IDD, {Type(227, L"Y"), Click(222), Click(222), Ok()});
    ASSERT_EQ(Run({Click(160), Click(160), Ok()}), ui::IDOK);
    EXPECT_EQ(Written(), (std::vector<STRUCT_LINEITEM>{{L"X", L"W1", L"导线_铜线_BVR-1.5", L"1.2"},
                                                       {L"Y", L"W2", L"", L""}}))
        << "a short record gives empty values and no stray \"_\"; a cancelled browse changes "
           "nothing";
    EXPECT_TRUE(backend.Faults().empty()) << backend.Faults()[0];
}

TEST_F(WireList, AFailedWriteSaysWhyAndKeepsTheDialogWithItsEdits) {
    installation.WriteBytes(L"E1\\OrvaneLineInfo.xml", "<Tessaline><LINEITEM style='a'");
    backend.QueueAnswer(ui::IDOK);  // the unreadable file is reported
    backend.QueueAnswer(ui::IDNO);  // not replaced
    backend.QueueAnswer(ui::IDYES); // replaced
    backend.Script(CLineInfoDialog::IDD, {Type(227, L"新"), Ok()});
    ASSERT_EQ(Run({Click(160), Ok(), Ok()}), ui::IDOK);
    ASSERT_EQ(backend.Boxes().size(), 3u);
    std::wstring path = installation.Path(L"E1\\OrvaneLineInfo.xml");
    EXPECT_EQ(backend.Boxes()[0].text.rfind(L"导线信息文件\"" + path + L"\"无法读取：", 0), 0u)
        << backend.Boxes()[0].text;
    EXPECT_EQ(backend.Boxes()[1].text,
              L"导线信息文件\"" + path + L"\"无法读取，是否用当前列表替换它？");
    EXPECT_EQ(Written(), (std::vector<STRUCT_LINEITEM>{{L"新", L"", L"", L""}}))
        << "an unreadable list shows no rows, not the defaults";

    backend.Clear();
    backend.Script(CLineInfoDialog::IDD, {Type(227, L"更新"), Ok()});
    {
        FileSizeLimit limit(16);
        EXPECT_EQ(Run({Click(160), Ok(), Cancel()}), ui::IDCANCEL);
    }
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text,
              L"导线信息文件\"" + path + L"\"保存失败：文件超过了允许的大小");
    EXPECT_EQ(Written().size(), 1u) << "the old list stays";
}

TEST_F(WireList, AProjectsDialogSaysProject) {
    installation.WriteBytes(
        L"P\\P.itm", Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ",
                                 L"$BEGIN CONTENT OF PRJ", L"$End CONTENT OF PRJ", L"$EOF"}));
    CManageFileInfo project;
    ASSERT_TRUE(project.ReadManageFile(installation.Path(L"P\\P.itm")));
    backend.Script(CModfyLineInfoDlg::IDD, {Cancel()});
    CModfyLineInfoDlg dialog(&project);
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    EXPECT_EQ(backend.Dialogs()[0].caption, L"项目导线信息修改");
    EXPECT_TRUE(Opened(backend.Dialogs()[0], L"  164 static \"项目名称：\""));
    EXPECT_FALSE(installation.Exists(L"P\\OrvaneLineInfo.xml"));
}

TEST_F(WireList, ConsoleTranscript) {
    installation.WriteBytes(
        L"Data\\OvMainLib.txt",
        Cp936Lines({L"W1|铜线|BVR-1.5|导线|厂|米||||||||||||| 1.2", L"W2|屏蔽线"}));
    WriteList({{L"交流电流A", L"A1", L"铜线A", L"1.5"}, {L"普通导线", L"", L"", L""}});
    ovtest::Console console({L"select 159 普通导线", L"click 161", L"click 222", L"type 301 w1",
                             L"key 301 enter", L"ok", L"ok", L"drag 159 普通导线 => 159 交流电流A",
                             L"ok"});
    CModfyLineInfoDlg dialog(&file);
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(console.transcript, ovtest::KeptTranscript("drawing/transcripts/ModfyLineInfoDlg.txt",
                                                         console.transcript));
    EXPECT_EQ(Written()[0], (STRUCT_LINEITEM{L"普通导线", L"W1", L"导线_铜线_BVR-1.5", L"1.2"}));
}
