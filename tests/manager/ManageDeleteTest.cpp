// The window's delete command: the prompts, what goes with a Project, an Equipment, a type and
// a drawing, the drawings renumbered after a numbered one, and what is refused.

#include "TreeOperations.h"

#include "store/RememberedContainers.h"
#include "support/DrawingSupport.h"

using namespace ovtest;
using namespace ui::act;

TEST_F(TreeOperations, DeletingANumberedDrawingRenumbersTheDrawingsAfterItAcrossTypes) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, Collapse(125, L"N|原理图"));
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"N|屏面布置图|03-B.dwg", 201));
    ASSERT_EQ(Backend().Boxes().size(), 1u);
    EXPECT_EQ(LastBox().text, L"确实要删除图纸“03-B.dwg”吗?");
    EXPECT_EQ(LastBox().caption, L"确认删除");
    EXPECT_EQ(LastBox().flags, ui::MB_YESNO | ui::MB_ICONEXCLAMATION);
    EXPECT_FALSE(installation.Exists(L"P\\N\\03-B.dwg"));
    EXPECT_EQ(Content(L"P\\N\\03-C.dwg"), "04-C.dwg");
    EXPECT_EQ(Content(L"P\\N\\04-D.dwg"), "010-D.dwg") << "zero-filled to two digits";
    EXPECT_EQ(Content(L"P\\N\\05-E.dwg"), "011-E.dwg") << "on through the closed type";
    EXPECT_EQ(Listed(L"P\\N\\N.prj"),
              (std::vector<std::wstring>{L": 图1.dwg<>", L"PM: 01-A.dwg<>", L"PM: 02-X.dwg<>",
                                         L"PM: 03-C.dwg<>", L"PM: 04-D.dwg<>", L"PM: 原理1.dwg<>",
                                         L"YL: 说明.dwg<>", L"YL: 05-E.dwg<>"}));
    ui::HTREEITEM item = nullptr;
    EXPECT_TRUE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"N|原理图|05-E.dwg", item));
    EXPECT_EQ(LockCount(), 0);
    EXPECT_EQ(window->Getm_bBusy(), 0);
}

TEST_F(TreeOperations, DeletingAnUnnumberedDrawingRenumbersNothing) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"N|原理图|说明.dwg", 201));
    EXPECT_FALSE(installation.Exists(L"P\\N\\说明.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\N\\011-E.dwg")) << "not \"-E.dwg\"";
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"YL: 011-E.dwg<>");
}

TEST_F(TreeOperations, RenumberingWaitsForVersionOtherThanOne) {
    installation.WriteBytes(L"LocalData\\awork.sys", Cp936Lines({L"软件当前版本: 1"}));
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"N|屏面布置图|03-B.dwg", 201));
    EXPECT_FALSE(installation.Exists(L"P\\N\\03-B.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\N\\04-C.dwg"));
}

TEST_F(TreeOperations, NoOrAnOpenDrawingLeavesEverythingAndReleasesTheDocument) {
    SaveDrawing(installation.Path(L"P\\N\\04-C.dwg"), {}, AcDb::kDHL_1800);
    std::string before = installation.ReadBytes(L"P\\N\\N.prj");
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDNO);
    Act(window, RightClick(125, L"N|屏面布置图|02-X.dwg", 201));
    EXPECT_TRUE(installation.Exists(L"P\\N\\02-X.dwg"));
    EXPECT_EQ(LockCount(), 0);
    EXPECT_EQ(window->Getm_bBusy(), 0);

    ASSERT_EQ(acDocManager->appContextOpenDocument(installation.Path(L"P\\N\\04-C.dwg").c_str()),
              Acad::eOk);
    size_t boxes = Backend().Boxes().size();
    Act(window, RightClick(125, L"N|屏面布置图", 201));
    ASSERT_EQ(Backend().Boxes().size(), boxes + 1) << "refused before the prompt";
    EXPECT_EQ(LastBox().text, L"文件“04-C.dwg”删除失败,请先关闭该图纸!");
    EXPECT_EQ(LastBox().caption, L"Tessaline");
    Act(window, RightClick(125, L"N", 201));
    EXPECT_EQ(LastBox().text, L"文件“04-C.dwg”删除失败,请先关闭该图纸!")
        << "nor the Equipment holding it";
    EXPECT_TRUE(installation.Exists(L"P\\N\\04-C.dwg"));
    EXPECT_EQ(installation.ReadBytes(L"P\\N\\N.prj"), before);
    EXPECT_EQ(LockCount(), 0);
}

TEST_F(TreeOperations, DeletingATypeTakesItsDrawingsButNotTheFolder) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"N|原理图", 201));
    EXPECT_EQ(Backend().Boxes().front().text, L"确实要删除类型“原理图”和它所包含的图纸吗?");
    EXPECT_FALSE(installation.Exists(L"P\\N\\说明.dwg"));
    EXPECT_FALSE(installation.Exists(L"P\\N\\011-E.dwg"));
    EXPECT_TRUE(installation.Exists(L"P\\N\\N.prj"));
    EXPECT_EQ(Listed(L"P\\N\\N.prj").back(), L"PM: 原理1.dwg<>");
    EXPECT_TRUE(trash.Exists(L"Trash\\files\\011-E.dwg")) << "they can be restored";

    // R's type lists a drawing that is not in the folder: its record goes all the same.
    Act(window, Select(125, L"R"));
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"R|原理图", 201));
    EXPECT_TRUE(Listed(L"P\\R\\R.prj").empty());
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(TreeOperations, DeletingAnEquipmentForgetsItWhenItWasTheCurrentOne) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(125, L"Q", 201));
    EXPECT_EQ(Backend().Boxes().front().text, L"确实要删除设备“Q”及其文件夹吗?");
    EXPECT_FALSE(installation.Exists(L"P\\Q"));
    EXPECT_EQ(GetDefaultContainerPath(), L"");
    EXPECT_EQ(GetRecentContainerPath(), installation.Path(L"P\\P.itm"));
    ui::HTREEITEM item = nullptr;
    EXPECT_FALSE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"Q", item));
    EXPECT_TRUE(ui::FindTreeItem(window->GetSbTreeCtrl(), L"R", item));
}

TEST_F(TreeOperations, DeletingTheOpenProjectEmptiesTheWindow) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDYES);
    Act(window, RightClick(124, L"P", 201));
    EXPECT_EQ(Backend().Boxes().front().text, L"确实要删除项目“P”及其文件夹吗?");
    EXPECT_FALSE(installation.Exists(L"P"));
    EXPECT_EQ(GetRecentContainerPath(), L"");
    EXPECT_EQ(GetDefaultContainerPath(), L"") << "the current Equipment lay inside it";
    EXPECT_EQ(window->Getm_pRootNode(), nullptr);
    EXPECT_EQ(window->GetXmTreeCtrl().GetCount(), 0u);
    EXPECT_EQ(window->GetSbTreeCtrl().GetCount(), 0u);
}

TEST_F(TreeOperations, TheDeleteKeyDeletesFromTheProjectTree) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, Select(124, L"P|S"));
    Backend().QueueAnswer(ui::IDYES);
    Act(window, Key(124, ui::VK_DELETE));
    EXPECT_EQ(Backend().Boxes().front().text, L"确实要删除项目“S”及其文件夹吗?");
    EXPECT_FALSE(installation.Exists(L"P\\S"));
    ui::HTREEITEM item = nullptr;
    EXPECT_FALSE(ui::FindTreeItem(window->GetXmTreeCtrl(), L"P|S", item));
}
