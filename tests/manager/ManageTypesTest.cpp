// Adding, deleting and renaming drawing types, and renaming a drawing with the numbered
// drawings after it following its new number.

#include "TreeOperations.h"

#include "manager/ModfyFileDlg.h"
#include "manager/StyleEditDlg.h"
#include "support/DrawingSupport.h"

using namespace ovtest;
using namespace ui::act;

TEST_F(TreeOperations, AnAddedTypeIsSelected) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CStyleEditDlg::IDD, {Type(CStyleEditDlg::IDC_STYLE_NAME, L"材料表"), Ok()});
    Act(window, RightClick(125, L"N", 204));
    EXPECT_EQ(Backend().Dialogs().back().caption, L"选择添加的类型名称");
    EXPECT_NE(installation.ReadBytes(L"P\\N\\N.prj").find(Cp936(L"CL:")), std::string::npos);
    EXPECT_EQ(SelectedText(window), L"材料表");
    EXPECT_EQ(LockCount(), 0);

    Backend().Script(CStyleEditDlg::IDD, {Cancel()});
    Act(window, RightClick(124, L"P", 204));
    EXPECT_EQ(LockCount(), 0) << "Cancel gives the document back";
    EXPECT_EQ(window->Getm_bBusy(), 0);
}

TEST_F(TreeOperations, DeletingATypeKeepsItsDrawingsWithoutType) {
    CManageDlg* window = Open(L"XMMANAGE");
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(205, 0), 0);
    EXPECT_EQ(LastBox().text, L"未选择删除的类型");
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"N|原理图", 205));
    EXPECT_EQ(LastBox().text, L"确认删除类型“原理图”？");
    EXPECT_TRUE(installation.Exists(L"P\\N\\说明.dwg"));
    EXPECT_EQ(
        Listed(L"P\\N\\N.prj"),
        (std::vector<std::wstring>{L": 图1.dwg<>", L": 说明.dwg<>", L": 011-E.dwg<>",
                                   L"PM: 01-A.dwg<>", L"PM: 02-X.dwg<>", L"PM: 03-B.dwg<>",
                                   L"PM: 04-C.dwg<>", L"PM: 010-D.dwg<>", L"PM: 原理1.dwg<>"}));
    EXPECT_EQ(SelectedText(window), L"N");
    ui::HTREEITEM item = nullptr;
    EXPECT_TRUE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"N|说明.dwg", item));
}

TEST_F(TreeOperations, ARenamedTypeOrOneMergedIntoAnotherStaysSelected) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CStyleEditDlg::IDD, {Type(CStyleEditDlg::IDC_STYLE_NAME, L"说明书"), Ok()});
    Act(window, RightClick(125, L"N|原理图", 203));
    EXPECT_EQ(Backend().Dialogs().back().caption, L"修改类型名称");
    EXPECT_EQ(SelectedText(window), L"说明书");
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"SM: 011-E.dwg<>");

    Backend().Script(CStyleEditDlg::IDD,
                     {Type(CStyleEditDlg::IDC_STYLE_NAME, L"屏面布置图"), Ok()});
    Act(window, RightClick(125, L"N|说明书", 203));
    EXPECT_EQ(SelectedText(window), L"屏面布置图");
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"PM: 011-E.dwg<>");
    EXPECT_EQ(LockCount(), 0);
}

TEST_F(TreeOperations, ARenamedDrawingTakesTheNumberedDrawingsAfterItAlong) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CModfyFileDlg::IDD, {Type(CModfyFileDlg::IDC_FILE_NAME, L"05-X"), Ok()});
    Act(window, RightClick(125, L"N|屏面布置图|02-X.dwg", 203));
    EXPECT_EQ(Content(L"P\\N\\05-X.dwg"), "02-X.dwg");
    EXPECT_EQ(Content(L"P\\N\\06-B.dwg"), "03-B.dwg");
    EXPECT_EQ(Content(L"P\\N\\07-C.dwg"), "04-C.dwg");
    EXPECT_EQ(Content(L"P\\N\\08-D.dwg"), "010-D.dwg");
    EXPECT_EQ(Content(L"P\\N\\09-E.dwg"), "011-E.dwg");
    EXPECT_EQ(Content(L"P\\N\\01-A.dwg"), "01-A.dwg") << "drawings before it stay";
    EXPECT_EQ(SelectedText(window), L"05-X.dwg");
    EXPECT_EQ(LockCount(), 0);
}

TEST_F(TreeOperations, ANameThatLeadsOutOfTheFolderOrAnOpenDrawingIsRefused) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CModfyFileDlg::IDD, {Type(CModfyFileDlg::IDC_FILE_NAME, L"..\\x"), Ok()});
    Act(window, RightClick(125, L"N|屏面布置图|02-X.dwg", 203));
    EXPECT_EQ(LastBox().text, L"“..\\x”不能用作文件名称。");
    EXPECT_TRUE(installation.Exists(L"P\\N\\02-X.dwg"));
    EXPECT_FALSE(installation.Exists(L"P\\x.dwg"));

    SaveDrawing(installation.Path(L"P\\N\\02-X.dwg"), {}, AcDb::kDHL_1800);
    ASSERT_EQ(acDocManager->appContextOpenDocument(installation.Path(L"P\\N\\02-X.dwg").c_str()),
              Acad::eOk);
    Backend().Script(CModfyFileDlg::IDD, {Type(CModfyFileDlg::IDC_FILE_NAME, L"05-X"), Ok()});
    Act(window, RightClick(125, L"N|屏面布置图|02-X.dwg", 203));
    EXPECT_EQ(LastBox().text,
              L"\n图纸" + installation.Path(L"P\\N\\02-X.dwg") + L"已经打开，无法重命名\n");
    EXPECT_TRUE(installation.Exists(L"P\\N\\02-X.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\N\\03-B.dwg")) << "no renumbering without the rename";
    EXPECT_EQ(LockCount(), 0);
}
