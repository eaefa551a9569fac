// The drawing selection dialog in the scripted backend: what it shows, how the tree's and the
// list's check marks follow each other, and its delete, send and drop, with the records.

#include "manager/DwgSelectDlg.h"

#include "drawing/ContainerDrawings.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "platform/ui/UserActions.h"
#include "records/XmSb.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/ConsoleTranscript.h"
#include "support/HostSupport.h"
#include "support/SampleProject.h"
#include "support/StyleCatalogue.h"
#include "support/TreeText.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace ovtest;
namespace act = ui::act;
using D = CDwgSelectDlg;

namespace {

// P: its own 说明.dwg under SM and p0.dwg that no record lists; Equipment Q: u.dwg without
// type, PM with 图2.dwg and 图1.dwg (remark 面板), YL with 原理1.dwg; Equipment R: YL lists
// r1.dwg, which is missing.
class DwgSelect : public ::testing::Test {
protected:
    DwgSelect() : catalogue(SampleCatalogueLines()) {
        ::setenv("XDG_DATA_HOME", trash.Native().c_str(), 1);
        folder.WriteBytes(L"P\\P.itm",
                          ManageFileBytes({L"工程名称=某变电站"}, {L"SM:", L"说明.dwg<>"}));
        folder.WriteBytes(
            L"P\\Q\\Q.prj",
            ManageFileBytes({L"设备名称=1号柜"}, {L"u.dwg<>", L"PM:", L"图2.dwg<>",
                                                  L"图1.dwg<面板>", L"YL:", L"原理1.dwg<>"}));
        folder.WriteBytes(L"P\\R\\R.prj", ManageFileBytes({}, {L"YL:", L"r1.dwg<>"}));
        for (const wchar_t* drawing : {L"P\\说明.dwg", L"P\\p0.dwg", L"P\\Q\\u.dwg",
                                       L"P\\Q\\图1.dwg", L"P\\Q\\图2.dwg", L"P\\Q\\原理1.dwg"})
            folder.WriteBytes(drawing, "drawing");
    }
    ~DwgSelect() override {
        if (dialog)
            dialog->DestroyWindow();
    }

    D& Open(const std::wstring& manageFile = L"P\\P.itm") {
        std::vector<std::wstring> drawings;
        CollectContainerDrawings(folder.Path(manageFile), drawings);
        dialog = std::make_unique<D>(manageFile.ends_with(L".itm") ? 1 : 0, folder.Path(manageFile),
                                     std::vector<STRUCT_XMSB_FILESTYLE>{}, drawings);
        dialog->Create();
        return *dialog;
    }
    void Act(const ui::Action& action) { EXPECT_EQ(Boxes().Act(*dialog, action), L""); }
    ui::ScriptedBackend& Boxes() { return host.Boxes(); }
    // The item as a user reaches it, opening the branches on the way.
    ui::HTREEITEM Item(const std::wstring& path) {
        ui::HTREEITEM item = nullptr;
        return ui::OpenTreeItem(dialog->GetTreeCtrl(), path, item) ? item : nullptr;
    }
    std::vector<std::wstring> Rows() {
        std::vector<std::wstring> rows;
        auto& list = dialog->GetListCtrl();
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back((list.GetCheck(row) ? L"[x] " : L"[ ] ") + list.GetItemText(row, 0) +
                           L" " + list.GetItemText(row, 1));
        return rows;
    }
    std::vector<std::wstring> Lines(const std::wstring& file) {
        std::vector<std::wstring> lines;
        text::ReadTextLines(folder.Path(file), lines);
        return lines;
    }

    HostSession host;
    TempFolder folder;
    TempFolder trash;
    ScopedStyleCatalogue catalogue;
    std::unique_ptr<D> dialog;
};

} // namespace

TEST_F(DwgSelect, ShowsEveryExistingDrawingOnce) {
    D& dlg = Open();
    EXPECT_EQ(dlg.GetDlgItemText(D::IDC_FOLDER_LABEL), L"项目目录:");
    EXPECT_EQ(dlg.GetDlgItemText(D::IDC_FOLDER), folder.Path(L"P") + L"\\");
    EXPECT_EQ(dlg.IsDlgButtonChecked(D::IDC_TYPE_FOLDERS), ui::BST_CHECKED);
    // An Equipment's branch is filled when it is first opened.
    EXPECT_EQ(dlg.GetTreeCtrl().GetCount(), 8u);
    ASSERT_TRUE(Item(L"P|Q|屏面布置图|图2.dwg"));
    ASSERT_TRUE(Item(L"P|R|原理图"));
    EXPECT_EQ(TreeLines(dlg.GetTreeCtrl()),
              (std::vector<std::wstring>{L"P [0] +", L"  p0.dwg [5]", L"  说明书 [4] +",
                                         L"    说明.dwg [5]", L"  Q [2] +", L"    u.dwg [5]",
                                         L"    屏面布置图 [4]", L"      图2.dwg [5]",
                                         L"      图1.dwg [5]", L"    原理图 [4]",
                                         L"      原理1.dwg [5]", L"  R [2] +", L"    原理图 [4]"}))
        << "a record whose file is missing is not shown; a drawing without record is";
    EXPECT_EQ(Rows(),
              (std::vector<std::wstring>{L"[ ]  p0.dwg", L"[ ] 说明书 说明.dwg", L"[ ]  Q\\u.dwg",
                                         L"[ ] 屏面布置图 Q\\图2.dwg", L"[ ] 屏面布置图 Q\\图1.dwg",
                                         L"[ ] 原理图 Q\\原理1.dwg"}));
    EXPECT_TRUE(dlg.GetTreeCtrl().GetCheck(Item(L"P|R|原理图"))) << "an empty group shows checked";
    EXPECT_EQ(dlg.GetListCtrl().GetColumnWidth(2), 0);

    // An Equipment alone, with a drawing listed twice: once, under its first type.
    folder.WriteBytes(L"P\\Q\\Q.prj",
                      ManageFileBytes({}, {L"u.dwg<>", L"PM:", L"u.dwg<>", L"YL:", L"U.DWG<>"}));
    dlg.DestroyWindow();
    D& equipment = Open(L"P\\Q\\Q.prj");
    EXPECT_EQ(equipment.GetDlgItemText(D::IDC_FOLDER_LABEL), L"设备目录:");
    // Drawings without record in the order of the disk's listing.
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"[ ]  原理1.dwg", L"[ ]  图1.dwg",
                                                 L"[ ]  图2.dwg", L"[ ] 屏面布置图 u.dwg"}));
}

TEST_F(DwgSelect, FindsADrawingByItsPathInAnyCase) {
    // Linux holds names that differ only in case: the record takes the first by name, the
    // other shows among the drawings without record.
    folder.WriteBytes(L"P\\Q\\U.dwg", "drawing");
    D& dlg = Open();
    const CDwgSelectDrawings& drawings = dlg.GetDrawings();
    int found = drawings.Find(folder.Path(L"p\\q\\u.DWG"));
    ASSERT_GE(found, 0);
    EXPECT_EQ(drawings.Drawings()[static_cast<size_t>(found)].strFullPath,
              folder.Path(L"P\\Q\\U.dwg"));
    EXPECT_EQ(drawings.Drawings()[static_cast<size_t>(found)].RelPath(), L"Q\\U.dwg");
    EXPECT_EQ(drawings.Drawings()[static_cast<size_t>(found)].FileName(), L"U.dwg");
    EXPECT_EQ(drawings.Find(folder.Path(L"P\\说明.DWG")), 1) << "a Project's own drawing";
    EXPECT_LT(drawings.Find(folder.Path(L"P\\R\\r1.dwg")), 0) << "its file is missing";
    EXPECT_LT(drawings.Find(folder.Path(L"P\\Z\\u.dwg")), 0) << "no such container";
    EXPECT_LT(drawings.Find(L"u.dwg"), 0);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{
                          L"[ ]  p0.dwg", L"[ ] 说明书 说明.dwg", L"[ ]  Q\\U.dwg",
                          L"[ ]  Q\\u.dwg", L"[ ] 屏面布置图 Q\\图2.dwg",
                          L"[ ] 屏面布置图 Q\\图1.dwg", L"[ ] 原理图 Q\\原理1.dwg"}));
}

TEST_F(DwgSelect, TreeAndListFollowEachOther) {
    D& dlg = Open();
    // A type ticked in the tree ticks its drawings, the list follows, OK takes them.
    Act(act::Check(D::IDC_TREE, L"P|Q|屏面布置图"));
    EXPECT_TRUE(dlg.GetTreeCtrl().GetCheck(Item(L"P|Q|屏面布置图|图1.dwg")));
    EXPECT_EQ(Rows()[3], L"[x] 屏面布置图 Q\\图2.dwg");
    EXPECT_EQ(Rows()[4], L"[x] 屏面布置图 Q\\图1.dwg");
    // One row cleared in the list, then "全部选中": every row and every tree item is ticked.
    Act(act::Check(D::IDC_LIST, L"Q\\图1.dwg", false));
    EXPECT_FALSE(dlg.GetTreeCtrl().GetCheck(Item(L"P|Q|屏面布置图|图1.dwg")));
    EXPECT_FALSE(dlg.GetTreeCtrl().GetCheck(Item(L"P|Q|屏面布置图")));
    Act(act::RightClick(D::IDC_LIST, L"Q\\图1.dwg", D::ID_CHECK_ALL));
    for (const std::wstring& row : Rows())
        EXPECT_EQ(row.substr(0, 3), L"[x]");
    for (const std::wstring& line : TreeLines(dlg.GetTreeCtrl()))
        EXPECT_TRUE(dlg.GetTreeCtrl().GetCheck(Item(L"P"))) << line;
    Act(act::RightClick(D::IDC_LIST, L"Q\\图1.dwg", D::ID_UNCHECK_SELECTED));
    EXPECT_EQ(Rows()[4], L"[ ] 屏面布置图 Q\\图1.dwg");
    Act(act::RightClick(D::IDC_LIST, L"Q\\图1.dwg", D::ID_UNCHECK_ALL));
    Act(act::Check(D::IDC_TREE, L"P|Q|屏面布置图"));

    // A click on a drawing in the tree selects its row alone, and the row stays selected.
    Act(act::Select(D::IDC_TREE, L"P|Q|屏面布置图|图1.dwg"));
    auto& list = dlg.GetListCtrl();
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_EQ(list.GetNextItem(-1, ui::LVNI_SELECTED), 4);
    EXPECT_EQ(dlg.Getm_strPreviewFile(), folder.Path(L"P\\Q\\图1.dwg"));

    Act(act::Ok());
    EXPECT_EQ(dlg.GetResult(), ui::IDOK);
    EXPECT_EQ(
        dlg.Getm_arrCheckedPaths(),
        (std::vector<std::wstring>{folder.Path(L"P\\Q\\图2.dwg"), folder.Path(L"P\\Q\\图1.dwg")}));
    EXPECT_FALSE(dlg.Getm_bChanged());
}

TEST_F(DwgSelect, AnUnopenedEquipmentsTickCountsForAllItsDrawings) {
    D& dlg = Open();
    auto& tree = dlg.GetTreeCtrl();
    // Ticked and cleared while its branch is closed: the list follows each time.
    Act(act::Check(D::IDC_TREE, L"P|Q"));
    EXPECT_EQ(Rows()[2], L"[x]  Q\\u.dwg");
    EXPECT_EQ(Rows()[5], L"[x] 原理图 Q\\原理1.dwg");
    Act(act::Check(D::IDC_TREE, L"P|Q", false));
    for (const std::wstring& row : Rows())
        EXPECT_EQ(row.substr(0, 3), L"[ ]") << row;
    // Some of its drawings ticked in the list: the closed branch shows cleared but keeps them,
    // through a tick elsewhere in the tree and when it is opened.
    Act(act::Check(D::IDC_LIST, L"Q\\图1.dwg"));
    ASSERT_FALSE(tree.GetCheck(TreeItem(tree, L"P|Q")));
    Act(act::Check(D::IDC_TREE, L"P|p0.dwg"));
    EXPECT_EQ(Rows()[4], L"[x] 屏面布置图 Q\\图1.dwg");
    EXPECT_EQ(Rows()[3], L"[ ] 屏面布置图 Q\\图2.dwg");
    // Ticked from the keyboard and opened before the list took the tick: the branch shows it,
    // and OK takes all the Equipment's drawings.
    tree.SetCheck(TreeItem(tree, L"P|Q"), true);
    EXPECT_TRUE(tree.GetCheck(Item(L"P|Q|屏面布置图|图2.dwg")));
    Act(act::Ok());
    EXPECT_EQ(
        dlg.Getm_arrCheckedPaths(),
        (std::vector<std::wstring>{folder.Path(L"P\\p0.dwg"), folder.Path(L"P\\Q\\u.dwg"),
                                   folder.Path(L"P\\Q\\图2.dwg"), folder.Path(L"P\\Q\\图1.dwg"),
                                   folder.Path(L"P\\Q\\原理1.dwg")}));
}

TEST_F(DwgSelect, DeleteTakesTheTreesTicksAndTheRecords) {
    D& dlg = Open();
    Act(act::RightClick(D::IDC_LIST, L"p0.dwg", D::ID_CHECK_ALL));
    // With a drawing selected, a tick cleared in the tree counts all the same.
    Act(act::Select(D::IDC_TREE, L"P|Q|屏面布置图|图1.dwg"));
    Act(act::Check(D::IDC_TREE, L"P|Q|屏面布置图|图2.dwg", false));
    Boxes().QueueAnswer(ui::IDCANCEL);
    Act(act::Click(D::IDC_DELETE));
    EXPECT_TRUE(folder.Exists(L"P\\p0.dwg")) << "cancelled";
    Boxes().QueueAnswer(ui::IDOK);
    Act(act::Click(D::IDC_DELETE));
    EXPECT_EQ(Boxes().Boxes().back().text, L"确实要删除选中图纸吗?");
    EXPECT_TRUE(folder.Exists(L"P\\Q\\图2.dwg"));
    for (const wchar_t* gone : {L"P\\p0.dwg", L"P\\说明.dwg", L"P\\Q\\u.dwg", L"P\\Q\\图1.dwg"})
        EXPECT_FALSE(folder.Exists(gone)) << gone;
    EXPECT_TRUE(trash.Exists(L"Trash\\files\\图1.dwg"));
    CXmSb records(folder.Path(L"P\\Q\\Q.prj"));
    ASSERT_EQ(records.Getm_XmSbFileArray().size(), 2u) << "u.dwg's record went with it";
    EXPECT_EQ(records.Getm_XmSbFileArray()[0].arrFiles.size(), 1u);
    EXPECT_EQ(records.Getm_XmSbFileArray()[0].arrFiles[0].strFileName, L"图2.dwg");
    EXPECT_TRUE(records.Getm_XmSbFileArray()[1].arrFiles.empty());
    EXPECT_EQ(Lines(L"P\\P.itm").back(), L"$EOF");
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"[ ] 屏面布置图 Q\\图2.dwg"});
    EXPECT_TRUE(dlg.Getm_bChanged());
}

TEST_F(DwgSelect, AnOpenDrawingStopsTheDeletion) {
    SaveDrawing(folder.Path(L"P\\Q\\u.dwg"));
    ASSERT_EQ(acDocManager->appContextOpenDocument(folder.Path(L"P\\Q\\u.dwg").c_str()), Acad::eOk);
    Open();
    for (const wchar_t* item : {L"P|p0.dwg", L"P|说明书", L"P|Q|u.dwg", L"P|Q|原理图"})
        Act(act::Check(D::IDC_TREE, item));
    Boxes().QueueAnswer(ui::IDOK);
    Act(act::Click(D::IDC_DELETE));
    EXPECT_EQ(Boxes().Boxes().back().text, L"文件“u.dwg”删除失败,请先关闭该图纸!");
    EXPECT_FALSE(folder.Exists(L"P\\p0.dwg"));
    EXPECT_FALSE(folder.Exists(L"P\\说明.dwg"));
    EXPECT_TRUE(folder.Exists(L"P\\Q\\u.dwg"));
    EXPECT_TRUE(folder.Exists(L"P\\Q\\原理1.dwg")) << "nothing after the open drawing";
    EXPECT_EQ(Lines(L"P\\P.itm"),
              (std::vector<std::wstring>{L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称",
                                         L"某变电站", L"$END_ONE_NOTE", L"$END NOTE OF PRJ",
                                         L"$BEGIN CONTENT OF PRJ", L"SM:", L"$End CONTENT OF PRJ",
                                         L"$EOF"}));
    EXPECT_EQ(
        dialog->Getm_arrCheckedPaths(),
        (std::vector<std::wstring>{folder.Path(L"P\\Q\\u.dwg"), folder.Path(L"P\\Q\\原理1.dwg")}));
}

TEST_F(DwgSelect, SendingCopiesIntoTypeFoldersOrIntoOne) {
    TempFolder to;
    D& dlg = Open();
    Act(act::RightClick(D::IDC_LIST, L"p0.dwg", D::ID_CHECK_ALL));
    Boxes().QueueFolder(to.Path(L"甲"));
    Act(act::Click(D::IDC_SEND));
    EXPECT_EQ(Boxes().FolderRequests().back().title, L"选择项目发送位置");
    for (const wchar_t* copy : {L"甲\\P\\p0.dwg", L"甲\\P\\说明书\\说明.dwg", L"甲\\P\\Q\\u.dwg",
                                L"甲\\P\\Q\\屏面布置图\\图1.dwg", L"甲\\P\\Q\\原理图\\原理1.dwg"})
        EXPECT_TRUE(to.Exists(copy)) << copy;
    EXPECT_TRUE(folder.Exists(L"P\\Q\\图1.dwg")) << "copies, not moves";

    Act(act::Click(D::IDC_TYPE_FOLDERS));
    Boxes().QueueFolder(to.Path(L"乙"));
    Act(act::Click(D::IDC_SEND));
    for (const wchar_t* copy : {L"乙\\P\\p0.dwg", L"乙\\P\\说明.dwg", L"乙\\P\\u.dwg",
                                L"乙\\P\\图1.dwg", L"乙\\P\\原理1.dwg"})
        EXPECT_TRUE(to.Exists(copy)) << copy;
    for (const auto& box : Boxes().Boxes())
        ADD_FAILURE() << box.text;
    EXPECT_FALSE(dlg.Getm_bChanged());
}

TEST_F(DwgSelect, ARemarkedDrawingDroppedOnAnotherTypeKeepsItsNeighbours) {
    Open();
    Act(act::Drag(D::IDC_LIST, L"Q\\图1.dwg", D::IDC_TREE, L"P|说明书"));
    EXPECT_TRUE(folder.Exists(L"P\\图1.dwg"));
    EXPECT_FALSE(folder.Exists(L"P\\Q\\图1.dwg"));
    EXPECT_EQ(Lines(L"P\\Q\\Q.prj"),
              (std::vector<std::wstring>{L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"设备名称",
                                         L"1号柜", L"$END_ONE_NOTE", L"$END NOTE OF PRJ",
                                         L"$BEGIN CONTENT OF PRJ", L"u.dwg<>", L"PM:", L"图2.dwg<>",
                                         L"YL:", L"原理1.dwg<>", L"$End CONTENT OF PRJ", L"$EOF"}));
    CXmSb records(folder.Path(L"P\\P.itm"));
    ASSERT_EQ(records.Getm_XmSbFileArray().size(), 1u);
    const auto& files = records.Getm_XmSbFileArray()[0].arrFiles;
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].strFileName, L"图1.dwg");
    EXPECT_EQ(files[0].strRemark, L"面板");
    CManageFileInfo library;
    ASSERT_EQ(library.ReadManageFile(folder.Path(L"P\\P.itm")), 1);
    ASSERT_EQ(library.Getm_FileStyleNodeArray().size(), 1u);
    const auto& drawings = library.Getm_FileStyleNodeArray()[0]->Getm_FileInfoArray();
    ASSERT_EQ(drawings.size(), 2u);
    EXPECT_EQ(drawings[0]->Getm_strRemark(), L"面板");
    EXPECT_TRUE(dialog->Getm_bChanged());
    EXPECT_EQ(Rows()[1], L"[ ] 说明书 图1.dwg");
}

TEST_F(DwgSelect, DropsOnAnEquipmentOrAnUntypedDrawingRecordWithoutType) {
    Open();
    // The stand-in of a closed branch is gone once the branch opens: no drop lands anywhere.
    EXPECT_EQ(Boxes().Act(*dialog, act::Drag(D::IDC_LIST, L"p0.dwg", D::IDC_TREE, L"P|Q|…")),
              L"Control 260 has no item \"P|Q|…\".");
    EXPECT_TRUE(folder.Exists(L"P\\p0.dwg"));
    Boxes().Act(*dialog, act::Select(D::IDC_TREE, L"P|R|…"));
    EXPECT_FALSE(dialog->GetTreeCtrl().GetSelectedItem())
        << "a click on what is gone selects nothing";
    Act(act::Drag(D::IDC_LIST, L"p0.dwg", D::IDC_TREE, L"P|Q"));
    EXPECT_TRUE(folder.Exists(L"P\\Q\\p0.dwg"));
    Act(act::Drag(D::IDC_LIST, L"说明.dwg", D::IDC_TREE, L"P|Q|u.dwg"));
    EXPECT_TRUE(folder.Exists(L"P\\Q\\说明.dwg"));
    for (const auto& box : Boxes().Boxes())
        ADD_FAILURE() << box.text;
    std::vector<std::wstring> lines = Lines(L"P\\Q\\Q.prj");
    EXPECT_EQ(std::vector<std::wstring>(lines.begin() + 6, lines.begin() + 10),
              (std::vector<std::wstring>{L"$BEGIN CONTENT OF PRJ", L"说明.dwg<>", L"p0.dwg<>",
                                         L"u.dwg<>"}));
    EXPECT_EQ(Lines(L"P\\P.itm")[7], L"SM:");
    EXPECT_EQ(Lines(L"P\\P.itm")[8], L"$End CONTENT OF PRJ");

    // Onto its own folder: the file stays, the record changes type.
    Act(act::Drag(D::IDC_LIST, L"Q\\u.dwg", D::IDC_TREE, L"P|Q|原理图"));
    EXPECT_TRUE(folder.Exists(L"P\\Q\\u.dwg"));
    EXPECT_FALSE(folder.Exists(L"P\\Q\\复件u.dwg"));
    CXmSb records(folder.Path(L"P\\Q\\Q.prj"));
    EXPECT_EQ(records.Getm_XmSbFileArray().back().arrFiles.front().strFileName, L"u.dwg");

    // Outside every item.
    auto& tree = dialog->GetTreeCtrl();
    ui::gesture::Drag(dialog->GetListCtrl(), 0, tree, {4, tree.GetClientRect().bottom - 2});
    EXPECT_EQ(Boxes().Boxes().back().text, L"请拖动至有效的节点！");
}

TEST_F(DwgSelect, ATakenNameGetsTheCopyPrefixOnce) {
    folder.WriteBytes(L"P\\图2.dwg", "another");
    Open();
    Act(act::Drag(D::IDC_LIST, L"Q\\图2.dwg", D::IDC_TREE, L"P|说明书"));
    EXPECT_EQ(folder.ReadBytes(L"P\\复件图2.dwg"), "drawing");
    EXPECT_EQ(folder.ReadBytes(L"P\\图2.dwg"), "another");
    EXPECT_EQ(Lines(L"P\\P.itm")[8], L"复件图2.dwg<>");

    // Taken too: the drawing stays where it is, with its record, and the box names it.
    folder.WriteBytes(L"P\\Q\\图2.dwg", "third");
    folder.WriteBytes(L"P\\Q\\Q.prj", ManageFileBytes({}, {L"PM:", L"图2.dwg<x>"}));
    dialog->DestroyWindow();
    Open();
    Act(act::Drag(D::IDC_LIST, L"Q\\图2.dwg", D::IDC_TREE, L"P|说明书"));
    EXPECT_EQ(folder.ReadBytes(L"P\\Q\\图2.dwg"), "third");
    EXPECT_EQ(Boxes().Boxes().back().text, L"“" + folder.Path(L"P\\复件图2.dwg") +
                                               L"”已经存在，图纸“" + folder.Path(L"P\\Q\\图2.dwg") +
                                               L"”没有移动。");
    EXPECT_EQ(Lines(L"P\\Q\\Q.prj")[4], L"图2.dwg<x>");
}

TEST_F(DwgSelect, TheListGrowsWithTheDialog) {
    D& dlg = Open();
    ui::Rect list = dlg.GetListCtrl().GetRectInParent();
    ui::Rect tree = dlg.GetTreeCtrl().GetRectInParent();
    ui::Rect ok = dlg.GetDlgItem(ui::IDOK)->GetRectInParent();
    ui::Rect client = dlg.GetClientRect();
    dlg.SendMessage(ui::WM_SIZE, 0, ui::MAKELPARAM(client.Width() + 40, client.Height() + 30));
    EXPECT_EQ(dlg.GetListCtrl().GetRectInParent().Width(), list.Width() + 40);
    EXPECT_EQ(dlg.GetListCtrl().GetRectInParent().Height(), list.Height() + 30);
    EXPECT_EQ(dlg.GetTreeCtrl().GetRectInParent().Height(), tree.Height() + 30);
    EXPECT_EQ(dlg.GetTreeCtrl().GetRectInParent().Width(), tree.Width());
    EXPECT_EQ(dlg.GetDlgItem(ui::IDOK)->GetRectInParent().top, ok.top + 30);
}

// Driven by words, as the console host drives it: a type and an Equipment ticked, sent sorted
// by type, two drawings deleted and one dragged onto another type. The folders are written as
// <folder> and <to>.
TEST_F(DwgSelect, ConsoleTranscript) {
    TempFolder to;
    std::vector<std::wstring> drawings;
    CollectContainerDrawings(folder.Path(L"P\\P.itm"), drawings);
    std::wstring transcript;
    {
        Console console({L"check 260 P|说明书", L"check 260 P|Q", L"click 183", to.Path(L"发送"),
                         L"rclick 149 p0.dwg -> 276", L"check 149 p0.dwg", L"check 149 Q\\u.dwg",
                         L"click 282", L"ok", L"drag 149 Q\\图2.dwg => 260 P|Q|原理图", L"ok"});
        CDwgSelectDlg dlg(1, folder.Path(L"P\\P.itm"), {}, drawings);
        EXPECT_EQ(dlg.DoModal(), ui::IDOK);
        EXPECT_TRUE(dlg.Getm_bChanged());
        transcript = console.transcript;
    }
    EXPECT_TRUE(to.Exists(L"发送\\P\\说明书\\说明.dwg"));
    EXPECT_TRUE(to.Exists(L"发送\\P\\Q\\屏面布置图\\图1.dwg"));
    EXPECT_FALSE(folder.Exists(L"P\\p0.dwg"));
    EXPECT_FALSE(folder.Exists(L"P\\Q\\u.dwg"));
    EXPECT_TRUE(folder.Exists(L"P\\Q\\图1.dwg"));
    EXPECT_EQ(Lines(L"P\\Q\\Q.prj")[8], L"图1.dwg<面板>");
    EXPECT_EQ(Lines(L"P\\Q\\Q.prj")[10], L"图2.dwg<>") << "now under YL";
    transcript = text::ReplaceAll(text::ReplaceAll(transcript, to.Logical(), L"<to>"),
                                  folder.Logical(), L"<folder>");
    EXPECT_EQ(transcript, KeptTranscript("manager/transcripts/DwgSelectDlg.txt", transcript));
}
