// The management window opened in both modes: its trees, the selection it follows, the
// current-Equipment mark, refreshing, sorting and the open button.

#include "ManageWindow.h"

#include "frame/ManageCommands.h"
#include "platform/cad/MessageFilters.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

using namespace ovtest;
using namespace ui::act;
using Lines = std::vector<std::wstring>;

namespace {

const Lines kProjectContent = {
    L"Q [2]",        L"  屏面布置图 [4]",  L"    图2.dwg [5]", L"    图1.dwg [5]",
    L"  原理图 [4]", L"    原理1.dwg [5]", L"  清单.xls [5]",  L"R [2]",
    L"说明书 [4]",   L"  说明.dwg [5]"};

} // namespace

TEST_F(ManageWindow, AProjectWindowShowsTheRememberedProject) {
    CManageDlg* window = Open(L"XMMANAGE");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowText(), L"项目管理");
    EXPECT_EQ(window->Getm_nMode(), 1);
    EXPECT_TRUE(window->IsWindowVisible());
    EXPECT_EQ(ui::Window::GetActiveWindow(), window);
    EXPECT_EQ(window->GetIcon(true), 117);
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_LOCATION), L"项目位置");
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_PATH), installation.Path(L"P"));
    EXPECT_EQ(window->Getm_strOpenManageFile(), installation.Path(L"P\\P.itm"));
    for (int hidden : {128, 171, 1})
        EXPECT_FALSE(window->GetDlgItem(hidden)->IsWindowVisible()) << hidden;
    EXPECT_TRUE(window->GetXmTreeCtrl().IsWindowVisible());
    EXPECT_TRUE(window->GetXmTreeCtrl().IsWindowEnabled());
    EXPECT_TRUE(window->GetSbTreeCtrl().IsWindowEnabled());
    EXPECT_EQ(window->GetToolTip().GetTipText(window->GetDlgItem(CManageDlg::IDC_PATH)),
              L"项目设备路径：");
    EXPECT_EQ(window->GetToolTip().GetStyle(), ui::TTS_ALWAYSTIP);
    EXPECT_TRUE(Backend().HasTimer(window, 1));

    EXPECT_EQ(TreeLines(window->GetXmTreeCtrl()), (Lines{L"P [0] + *", L"  S [0]"}));
    // Q holds drawings, so its types came in the rescan; R's folder holds none. The first
    // tick marks Q, the Equipment the suite works on.
    Backend().FireTimers();
    Lines marked = kProjectContent;
    marked[0] = L"Q [3]";
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl()), marked);
    EXPECT_EQ(window->Getm_CurSelInfo().m_pXmNode, window->Getm_pRootNode());
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 4);
    EXPECT_TRUE(Backend().Boxes().empty());
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(ManageWindow, AnEquipmentWindowHasOneTree) {
    CManageDlg* window = Open(L"SBMANAGE");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetWindowText(), L"设备管理");
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_LOCATION), L"设备位置");
    EXPECT_FALSE(window->GetXmTreeCtrl().IsWindowVisible());
    ui::Rect projects = window->GetXmTreeCtrl().GetRectInParent();
    ui::Rect content = window->GetSbTreeCtrl().GetRectInParent();
    EXPECT_EQ(content.top, projects.top + 8);
    EXPECT_EQ(content.left, projects.left);
    EXPECT_EQ(content.Width(), projects.Width());
    // The bottom stays where the template puts it, moved with the window's size since.
    ui::Rect client =
        window->MapDialogRect(ui::ControlTemplate(0, ui::ControlKind::Static, L"", 0, 0, 184, 400));
    ui::Rect original = window->MapDialogRect(
        ui::ControlTemplate(125, ui::ControlKind::Tree, L"", 4, 94, 176, 206));
    EXPECT_EQ(content.bottom, window->GetClientRect().Height() - (client.bottom - original.bottom));
    Backend().FireTimers();
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl()),
              (Lines{L"Q [3] + *", L"  屏面布置图 [4]", L"    图2.dwg [5]", L"    图1.dwg [5]",
                     L"  原理图 [4]", L"    原理1.dwg [5]", L"  清单.xls [5]"}));
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 1);
    EXPECT_EQ(window->Getm_strSelectionText(), L"设备：Q\r\n工程名称：某变电站\r\n设备名称：1号柜");
}

TEST_F(ManageWindow, EachCommandBuildsAFreshWindowOfItsKind) {
    CManageDlg* equipment = Open(L"SBMANAGE");
    acedRegisterFilterWinMsg(FilterMouseMsg);
    CManageDlg* project = Open(L"XMMANAGE");
    EXPECT_EQ(ui::FindWindowW(nullptr, L"设备管理"), nullptr);
    EXPECT_EQ(cad::RegisteredFilterCount(), 0);
    EXPECT_EQ(project->GetWindowText(), L"项目管理");
    CManageDlg* again = Open(L"XMMANAGE");
    int windows = 0;
    ui::EnumWindows([&windows](ui::Window* window) {
        windows += window->GetWindowText() == L"项目管理";
        return true;
    });
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(g_pManageDlg, again);
    (void)equipment;
}

TEST_F(ManageWindow, WithoutARememberedFileTheTreesAreEmptyAndSaySo) {
    installation.WriteBytes(L"Data\\default.dat", "");
    CManageDlg* window = Open(L"SBMANAGE");
    EXPECT_EQ(window->GetSbTreeCtrl().GetCount(), 0u);
    EXPECT_FALSE(window->GetSbTreeCtrl().IsWindowEnabled());
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_SELECTION_TEXT), L"当前没有打开的设备。");
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_PATH), L"");
    EXPECT_TRUE(Backend().Boxes().empty()) << "an empty path is no file to refuse";

    Remember(L"Data\\recent.dat", L"P\\Q\\Q.prj");
    window = Open(L"XMMANAGE");
    EXPECT_EQ(window->GetXmTreeCtrl().GetCount(), 0u);
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_SELECTION_TEXT), L"当前没有打开的项目。");
    ASSERT_EQ(Backend().Boxes().size(), 1u);
    EXPECT_EQ(Backend().Boxes()[0].text,
              L"“" + installation.Path(L"P\\Q\\Q.prj") + L"”不是项目管理文件(*.itm)。");
}

TEST_F(ManageWindow, SelectingShowsWhatIsSelectedAndThePreviewFile) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, Select(125, L"Q|屏面布置图|图1.dwg"));
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 3);
    EXPECT_EQ(window->Getm_strPreviewFile(), installation.Path(L"P\\Q\\图1.dwg"));
    EXPECT_EQ(window->Getm_strSelectionText(), L"图1.dwg") << "a drawing is open in the host";
    Act(window, Select(125, L"Q|原理图"));
    EXPECT_EQ(window->Getm_strPreviewFile(), L"");
    EXPECT_EQ(window->Getm_strSelectionText(), L"类型名称：原理图\r\n系统类型：YL");

    // R's drawings come when it is selected.
    Act(window, Select(125, L"R"));
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 1);
    EXPECT_NE(TreeItem(window->GetSbTreeCtrl(), L"R|原理图|r1.dwg"), nullptr);

    // A sub-Project shows its own Equipments.
    Act(window, Expand(124, L"P"));
    Act(window, Select(124, L"P|S"));
    EXPECT_EQ(window->Getm_CurSelInfo().m_pXmNode->Getm_pManageFileInfo()->Getm_StrDirName(), L"S");
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 4);
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl()), Lines{L"T [2]"});
    EXPECT_EQ(window->Getm_strSelectionText(), L"项目：S\r\n工程名称：扩建");
    Act(window, Select(125, L"T"));
    Act(window, Select(125, L"T|材料表|t1.dwg"));
    EXPECT_EQ(window->Getm_strPreviewFile(), installation.Path(L"P\\S\\T\\t1.dwg"));
}

TEST_F(ManageWindow, TheTimerMarksTheCurrentEquipmentOnlyWhenItChanges) {
    CManageDlg* window = Open(L"XMMANAGE");
    ui::TreeCtrl& content = window->GetSbTreeCtrl();
    auto image = [&content](const wchar_t* item) {
        int image = 0;
        int selected = 0;
        content.GetItemImage(TreeItem(content, item), image, selected);
        return image;
    };
    Backend().FireTimers();
    EXPECT_EQ(image(L"Q"), 3);
    EXPECT_EQ(image(L"R"), 2);
    content.SetItemImage(TreeItem(content, L"Q"), 2, 2);
    Backend().FireTimers();
    EXPECT_EQ(image(L"Q"), 2) << "the same file: nothing is marked again";
    installation.WriteBytes(L"Data\\default.dat",
                            Cp936(text::FoldCase(installation.Path(L"P\\Q\\Q.prj"))));
    Backend().FireTimers();
    EXPECT_EQ(image(L"Q"), 2) << "the same file in another case";

    Remember(L"Data\\default.dat", L"P\\R\\R.prj");
    Backend().FireTimers();
    EXPECT_EQ(image(L"Q"), 2);
    EXPECT_EQ(image(L"R"), 3);
    installation.WriteBytes(L"Data\\default.dat", "");
    Backend().FireTimers();
    EXPECT_EQ(image(L"R"), 2) << "no current Equipment";

    Remember(L"Data\\default.dat", L"P\\Q\\Q.prj");
    Backend().FireTimers();
    content.SetItemImage(TreeItem(content, L"Q"), 2, 2);
    window->RefreshTree(0);
    Backend().FireTimers();
    EXPECT_EQ(image(L"Q"), 3) << "after a refresh the Equipments are marked again";
}

TEST_F(ManageWindow, MarkingAndTheRescanLeaveTheSelectionAsItWas) {
    CManageDlg* window = Open(L"XMMANAGE");
    EXPECT_EQ(window->Getm_CurSelInfo().m_pSbNode, nullptr);
    Remember(L"Data\\default.dat", L"P\\R\\R.prj");
    Backend().FireTimers();
    const CManageDlg::CCurSelInfoOfTree& selection = window->Getm_CurSelInfo();
    EXPECT_EQ(selection.m_hSbItem, nullptr);
    EXPECT_EQ(selection.m_pSbNode, nullptr) << "no Equipment the user never picked";
    EXPECT_EQ(selection.m_nSbKind, 4);
    // A right click on empty space then offers nothing of an Equipment.
    Act(window, RightClick(125, L""));
    ASSERT_EQ(Backend().Menus().size(), 1u);
    const Lines& menu = Backend().Menus()[0].lines;
    EXPECT_NE(std::find(menu.begin(), menu.end(), L"  201 删除(&D) (grayed)"), menu.end());

    Act(window, Select(125, L"Q|原理图"));
    window->RefreshTree(0);
    EXPECT_EQ(selection.m_nSbKind, 2);
    EXPECT_EQ(window->GetSbTreeCtrl().GetSelectedItem(),
              TreeItem(window->GetSbTreeCtrl(), L"Q|原理图"));
}

TEST_F(ManageWindow, ADeletedDrawingLeavesItsTypeSelectedAfterARefresh) {
    CManageDlg* window = Open(L"SBMANAGE");
    Act(window, Select(125, L"Q|屏面布置图|图1.dwg"));
    std::filesystem::remove(installation.NativePath(L"P\\Q\\图1.dwg"));
    window->RefreshTree(0);
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 2);
    EXPECT_EQ(window->GetSbTreeCtrl().GetSelectedItem(),
              TreeItem(window->GetSbTreeCtrl(), L"Q|屏面布置图"));

    Act(window, Select(125, L"Q|原理图|原理1.dwg"));
    window->RefreshTree(1);
    EXPECT_EQ(window->GetSbTreeCtrl().GetSelectedItem(),
              TreeItem(window->GetSbTreeCtrl(), L"Q|原理图|原理1.dwg"))
        << "a drawing still there is selected again";
    Act(window, Select(125, L"Q|清单.xls"));
    std::filesystem::remove(installation.NativePath(L"P\\Q\\清单.xls"));
    window->RefreshTree(1);
    EXPECT_EQ(window->GetSbTreeCtrl().GetSelectedItem(), TreeItem(window->GetSbTreeCtrl(), L"Q"))
        << "a file without type leaves its Equipment selected";
}

TEST_F(ManageWindow, ARefreshKeepsOpenEquipmentsOpenAndAFailedOneEmptiesTheTrees) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, Expand(125, L"Q"));
    window->RefreshTree(1);
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl())[0], L"Q [2] +");
    Act(window, Collapse(125, L"Q"));
    window->RefreshTree(0);
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl())[0], L"Q [2]");

    std::filesystem::remove(installation.NativePath(L"P\\P.itm"));
    window->RefreshTree(1);
    EXPECT_EQ(window->GetXmTreeCtrl().GetCount(), 0u);
    EXPECT_EQ(window->Getm_pRootNode(), nullptr);
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_SELECTION_TEXT), L"当前没有打开的项目。");
}

TEST_F(ManageWindow, TheOpenButtonSwitchesModeOnlyForAFileItShows) {
    CManageDlg* window = Open(L"XMMANAGE");
    installation.WriteBytes(L"P\\Bad\\Other.prj", ManageFileBytes({}, {}));
    Backend().QueueFile(installation.Path(L"P\\Bad\\Other.prj"));
    Act(window, Click(129));
    ASSERT_EQ(Backend().FileRequests().size(), 1u);
    const ui::FileChooserRequest& request = Backend().FileRequests()[0];
    EXPECT_EQ(request.title, L"选择项目");
    EXPECT_EQ(request.filter,
              L"Tessaline项目管理文件(*.itm)|*.ITM|Tessaline设备管理文件(*.prj)|*.prj|");
    EXPECT_EQ(request.initialFolder, installation.Path(L"P"));
    EXPECT_EQ(request.flags, ui::OFN_NOCHANGEDIR | ui::OFN_FILEMUSTEXIST | ui::OFN_LONGNAMES);
    ASSERT_EQ(Backend().Boxes().size(), 1u) << "the library says why";
    EXPECT_EQ(window->Getm_nMode(), 1);
    EXPECT_EQ(window->GetWindowText(), L"项目管理");
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_LOCATION), L"项目位置");
    EXPECT_EQ(window->Getm_strOpenManageFile(), installation.Path(L"P\\P.itm"));
    EXPECT_EQ(TreeLines(window->GetXmTreeCtrl())[0], L"P [0] + *");

    Backend().QueueFile(installation.Path(L"P\\R\\R.PRJ"));
    Act(window, Click(129));
    EXPECT_EQ(window->Getm_nMode(), 0);
    EXPECT_EQ(window->GetWindowText(), L"设备管理");
    EXPECT_EQ(window->GetDlgItemText(CManageDlg::IDC_LOCATION), L"设备位置");
    EXPECT_EQ(window->Getm_strOpenManageFile(), installation.Path(L"P\\R\\R.PRJ"));
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl())[0], L"R [2] + *");
    EXPECT_EQ(installation.ReadBytes(L"Data\\default.dat"),
              Cp936(installation.Path(L"P\\R\\R.PRJ")));
    EXPECT_EQ(std::filesystem::current_path(), installation.NativePath(L"P\\R"));
    Backend().QueueFile(L"");
    Act(window, Click(129));
    EXPECT_EQ(Backend().FileRequests()[2].title, L"选择设备");
    EXPECT_EQ(Backend().FileRequests()[2].filter,
              L"Tessaline设备管理文件(*.prj)|*.prj|Tessaline项目管理文件(*.itm)|*.ITM|");
    EXPECT_EQ(window->Getm_nMode(), 0) << "cancelled: nothing changes";
}

TEST_F(ManageWindow, SortingByFileNameOrdersAndKeepsTheDrawings) {
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "BSF\r\n");
    CManageDlg* window = Open(L"SBMANAGE");
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl())[2], L"    图1.dwg [5]")
        << "a BSF installation sorts at start-up";
    EXPECT_NE(installation.ReadBytes(L"P\\Q\\Q.prj").find(Cp936(L"图1.dwg<面板>\r\n图2.dwg")),
              std::string::npos);
}

TEST_F(ManageWindow, AfterASaveOrInVersion1TheWindowShowsEverythingOpen) {
    g_bExpandTreeAfterSave = 1;
    CManageDlg* window = Open(L"XMMANAGE");
    EXPECT_EQ(g_bExpandTreeAfterSave, 0);
    const Lines expanded = {
        L"Q [2] +",        L"  屏面布置图 [4] +", L"    图2.dwg [5]", L"    图1.dwg [5]",
        L"  原理图 [4] +", L"    原理1.dwg [5]",  L"  清单.xls [5]",  L"R [2] +",
        L"  原理图 [4] +", L"    r1.dwg [5]",     L"说明书 [4]",      L"  说明.dwg [5]"};
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl()), expanded)
        << "a type at the top is closed again by the expansion adjustment";
    window = Open(L"XMMANAGE");
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl()), kProjectContent) << "once only";

    installation.WriteBytes(L"LocalData\\awork.sys", "");
    window = Open(L"XMMANAGE");
    EXPECT_EQ(TreeLines(window->GetSbTreeCtrl()), expanded) << "version 1 is the default";
}
