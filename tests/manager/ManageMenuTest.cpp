// The trees' context menu: the state of each item for each selection, both modes and every
// working mode, and what the window does with the command chosen.

#include "ManageWindow.h"

#include "manager/ManageDlgResources.h"
#include "manager/ManageMenuStates.h"
#include "platform/cad/CommandStack.h"
#include "platform/ui/Actions.h"

#include <algorithm>

using namespace ovtest;
using namespace ui::act;
using Lines = std::vector<std::wstring>;

namespace {

constexpr int E = kMenuItemEnabled;
constexpr int G = kMenuItemGrayed;
constexpr int R = kMenuItemRemoved;

CTreeMenuContext Content(bool projectMode, int kind, bool projectNode = true) {
    CTreeMenuContext context;
    context.bXmTree = false;
    context.bProjectMode = projectMode;
    context.bHasXmNode = projectNode;
    context.bXmNodeIsRoot = projectNode;
    context.bHasSbNode = kind != 4;
    context.nSbKind = kind;
    return context;
}

CTreeMenuContext ProjectTree(bool root) {
    CTreeMenuContext context;
    context.bXmTree = true;
    context.bHasXmNode = true;
    context.bXmNodeIsRoot = root;
    return context;
}

std::vector<int> States(const std::vector<unsigned>& ids, const CTreeMenuContext& context) {
    std::vector<int> states;
    for (unsigned id : ids)
        states.push_back(TreeMenuItemState(id, context));
    return states;
}

} // namespace

TEST(TreeMenuStates, OpenCloseAndTemplatesFollowTheKindOfSelection) {
    const std::vector<unsigned> ids = {192, 120, 193, 206, 210, 190, 191, 194, 201};
    // The Equipment window's own Equipment: close and save as template, never open.
    EXPECT_EQ(States(ids, Content(false, 1, false)), (std::vector<int>{R, R, E, E, G, R, R, G, E}));
    EXPECT_EQ(States(ids, Content(false, 3, false)), (std::vector<int>{E, E, R, R, G, R, R, E, E}));
    EXPECT_EQ(States(ids, Content(false, 2, false)), (std::vector<int>{G, G, R, R, G, R, R, G, E}));
    EXPECT_EQ(States(ids, Content(false, 4, false)), (std::vector<int>{R, R, G, R, G, R, R, G, G}));
    EXPECT_EQ(States(ids, Content(true, 1)), (std::vector<int>{E, E, R, E, G, R, G, E, E}));
    EXPECT_EQ(States(ids, Content(true, 4)), (std::vector<int>{G, G, R, R, G, R, E, G, G}));
    EXPECT_EQ(States(ids, ProjectTree(true)), (std::vector<int>{G, G, E, E, G, E, E, G, E}));
    EXPECT_EQ(States(ids, ProjectTree(false)), (std::vector<int>{E, E, G, E, G, E, E, E, E}));
    CTreeMenuContext nothing = ProjectTree(false);
    nothing.bHasXmNode = false;
    EXPECT_EQ(States(ids, nothing), (std::vector<int>{G, G, G, R, G, G, G, G, G}));
}

TEST(TreeMenuStates, TheSummaryAndTheExportsDependOnTheWorkingMode) {
    const std::vector<unsigned> ids = {282, 239, 241, 243, 245, 247, 251};
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        CTreeMenuContext equipment = Content(true, 1);
        equipment.nWorkingMode = mode;
        std::vector<int> expected(7, mode == 2 ? G : E);
        std::fill(expected.begin() + 1, expected.end(), mode == 2 ? E : G);
        EXPECT_EQ(States(ids, equipment), expected);
        CTreeMenuContext drawing = Content(true, 3);
        drawing.nWorkingMode = mode;
        EXPECT_EQ(States(ids, drawing), std::vector<int>(7, G)) << "neither follows a drawing";
        CTreeMenuContext empty = Content(true, 4);
        empty.nWorkingMode = mode;
        EXPECT_EQ(States(ids, empty), expected) << "the Project, with nothing in the content tree";
    }
}

TEST(TreeMenuStates, BatchCreationIsNeverOfferedAndWebPublishingOnlyWhenRegistered) {
    CTreeMenuContext erp = ProjectTree(true);
    erp.nWorkingMode = 1;
    EXPECT_EQ(TreeMenuItemState(122, erp), G);
    EXPECT_EQ(TreeMenuItemState(122, ProjectTree(true)), R);
    CTreeMenuContext erpContent = Content(true, 1);
    erpContent.nWorkingMode = 1;
    EXPECT_EQ(TreeMenuItemState(122, erpContent), R);

    CTreeMenuContext web = Content(true, 1);
    web.bWebPublishing = true;
    EXPECT_EQ(TreeMenuItemState(210, web), E);
    web.nSbKind = 3;
    EXPECT_EQ(TreeMenuItemState(210, web), R) << "removed where saving as a template is";

    CTreeMenuContext emptyType = Content(false, 2, false);
    EXPECT_EQ(TreeMenuItemState(197, emptyType), E);
    emptyType.bStyleHasFiles = false;
    EXPECT_EQ(TreeMenuItemState(197, emptyType), G) << "nothing to send";
    EXPECT_EQ(TreeMenuItemState(196, ProjectTree(false)), G);
    for (unsigned always : {268u, 202u, 171u, 217u})
        EXPECT_EQ(TreeMenuItemState(always, CTreeMenuContext{}), E);
}

TEST(TreeMenuStates, ImportsAndNewItemsFollowTheirOwnRules) {
    const std::vector<unsigned> ids = {198, 208, 199, 209, 200, 207, 213, 204, 205, 215};
    EXPECT_EQ(States(ids, ProjectTree(true)), (std::vector<int>{E, E, E, E, E, E, E, E, G, E}));
    EXPECT_EQ(States(ids, Content(true, 4)), (std::vector<int>{G, G, E, E, E, E, G, E, G, E}));
    EXPECT_EQ(States(ids, Content(true, 3)), (std::vector<int>{G, G, G, G, G, G, G, G, G, G}));
    EXPECT_EQ(States(ids, Content(true, 2)), (std::vector<int>{G, G, G, G, E, E, E, G, E, G}));
    EXPECT_EQ(States(ids, Content(false, 1, false)),
              (std::vector<int>{G, G, G, G, E, E, E, E, G, E}));
}

TEST(TreeMenuStates, TheModifyItemIsNamedAfterTheSelection) {
    EXPECT_EQ(TreeMenuModifyCaption(ProjectTree(true)), L"项目信息查询修改");
    EXPECT_EQ(TreeMenuModifyCaption(Content(true, 1)), L"设备信息查询修改");
    EXPECT_EQ(TreeMenuModifyCaption(Content(true, 3)), L"文件信息修改");
    EXPECT_EQ(TreeMenuModifyCaption(Content(true, 2)), L"");
    ui::Menu menu(ManageTreeMenuTemplate());
    ApplyTreeMenuStates(*menu.GetSubMenu(0), Content(false, 1, false));
    EXPECT_EQ(menu.GetMenuString(203, ui::MF_BYCOMMAND), L"设备信息查询修改");
    EXPECT_EQ(menu.GetMenuState(203, ui::MF_BYCOMMAND), 0u);
    EXPECT_EQ(menu.GetMenuState(192, ui::MF_BYCOMMAND), ui::kMenuError);
    EXPECT_EQ(menu.GetMenuState(210, ui::MF_BYCOMMAND), ui::MF_GRAYED);
}

namespace {

bool Offers(const ui::RecordedMenu& menu, const std::wstring& line) {
    return std::find(menu.lines.begin(), menu.lines.end(), line) != menu.lines.end();
}

bool Mentions(const ui::RecordedMenu& menu, unsigned id) {
    std::wstring prefix = L"  " + std::to_wstring(id) + L" ";
    for (const std::wstring& line : menu.lines)
        if (line.rfind(prefix, 0) == 0 || line.rfind(L"  " + prefix, 0) == 0)
            return true;
    return false;
}

} // namespace

TEST_F(ManageWindow, ARightClickOnTheEquipmentOffersClosingButNotOpening) {
    CManageDlg* window = Open(L"SBMANAGE");
    Act(window, RightClick(125, L"Q"));
    ASSERT_EQ(Backend().Menus().size(), 1u);
    const ui::RecordedMenu& menu = Backend().Menus()[0];
    EXPECT_TRUE(Offers(menu, L"  193 关闭(&C)"));
    EXPECT_TRUE(Offers(menu, L"  206 保存为模板"));
    EXPECT_TRUE(Offers(menu, L"  203 设备信息查询修改"));
    EXPECT_FALSE(Mentions(menu, 192));
    EXPECT_FALSE(Mentions(menu, 120));
    EXPECT_FALSE(Mentions(menu, 190));
    EXPECT_TRUE(Offers(menu, L"  210 图档Web发布... (grayed)"));
    EXPECT_EQ(window->Getm_CurSelInfo().m_nTreeUsed, 0);
    EXPECT_EQ(host.CurrentDatabase() ? host.Current()->myLockMode() : AcAp::kNotLocked,
              AcAp::kNotLocked)
        << "the document is locked only while the menu is shown";
}

TEST_F(ManageWindow, NoMenuWithoutADrawingOrWhileACommandWaits) {
    CManageDlg* window = Open(L"XMMANAGE");
    window->Setm_bBusy(1);
    Act(window, RightClick(125, L"Q"));
    Act(window, Key(125, ui::VK_DELETE));
    window->Setm_bBusy(0);
    acDocManager->closeAll();
    Act(window, RightClick(124, L"P"));
    EXPECT_TRUE(Backend().Menus().empty());
    EXPECT_TRUE(CommandLines().empty());
}

TEST_F(ManageWindow, RightClickingEmptySpaceOfAProjectsContentClearsItsSelection) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, Select(125, L"Q"));
    Act(window, RightClick(125, L""));
    EXPECT_EQ(window->GetSbTreeCtrl().GetSelectedItem(), nullptr);
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 4);
    const ui::RecordedMenu& menu = Backend().Menus().back();
    EXPECT_TRUE(Offers(menu, L"  191 新建设备...")) << "a Project without content selection";
    EXPECT_TRUE(Offers(menu, L"  203 修改... (grayed)"));

    // In an Equipment window the selection stays.
    window = Open(L"SBMANAGE");
    Act(window, RightClick(125, L""));
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 1);
}

TEST_F(ManageWindow, ARightClickOnTheHighlightedEquipmentAfterAProjectClickOffersItsCommands) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, Select(125, L"Q"));
    // A click on the Project already selected forgets the content selection; the Equipment
    // stays highlighted, and a right click on it must find it again.
    Act(window, Select(124, L"P"));
    EXPECT_EQ(window->Getm_CurSelInfo().m_pSbNode, nullptr);
    Act(window, RightClick(125, L"Q"));
    EXPECT_NE(window->Getm_CurSelInfo().m_pSbNode, nullptr);
    EXPECT_EQ(window->Getm_CurSelInfo().m_nSbKind, 1);
    EXPECT_TRUE(Offers(Backend().Menus().back(), L"  203 设备信息查询修改"));
}

TEST_F(ManageWindow, ACommandTheMenuNeverOffersIsRefusedAndRefreshRuns) {
    CManageDlg* window = Open(L"XMMANAGE");
    // 190 from the content tree, which the menu never offers, is no command.
    Act(window, RightClick(125, L"Q"));
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(190, 0), 0);
    ASSERT_EQ(Backend().Boxes().size(), 1u);
    EXPECT_EQ(Backend().Boxes()[0].text, L"无效命令。");
    EXPECT_EQ(Backend().Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);

    installation.WriteBytes(L"P\\Q\\新图.dwg", "drawing");
    installation.WriteBytes(L"P\\Q\\Q.prj",
                            ManageFileBytes({}, {L"PM:", L"新图.dwg<>", L"图1.dwg<>"}));
    Act(window, RightClick(125, L"Q", 202));
    EXPECT_NE(TreeItem(window->GetSbTreeCtrl(), L"Q|屏面布置图|新图.dwg"), nullptr);
    EXPECT_EQ(window->GetSbTreeCtrl().GetSelectedItem(), TreeItem(window->GetSbTreeCtrl(), L"Q"));
}

TEST_F(ManageWindow, WebPublishingIsOfferedWhenItsCommandIsRegistered) {
    acedRegCmds()->addCommand(L"OvWeb", L"OVWEB_INVOKEBY_XMMANAGE", L"OVWEB_INVOKEBY_XMMANAGE",
                              ACRX_CMD_TRANSPARENT, [] {});
    CManageDlg* window = Open(L"SBMANAGE");
    Act(window, RightClick(125, L"Q"));
    EXPECT_TRUE(Offers(Backend().Menus().back(), L"  210 图档Web发布..."));
    Act(window, RightClick(125, L"Q|原理图"));
    EXPECT_FALSE(Mentions(Backend().Menus().back(), 210));
    acedRegCmds()->removeGroup(L"OvWeb");
}
