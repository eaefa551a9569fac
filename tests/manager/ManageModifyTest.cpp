// The window's modify command on Projects and Equipments: the guard, the dialog, the folder
// renamed, the remembered containers following it and the container selected again.

#include "ManageWindow.h"

#include "platform/ui/Actions.h"
#include "records/ModfyXmSbDlg.h"
#include "store/RememberedContainers.h"

using namespace ovtest;
using namespace ui::act;

namespace {

class ManageModify : public ManageWindow {
protected:
    int ModifyDialogsRun() {
        int count = 0;
        for (const ui::RecordedDialog& dialog : Backend().Dialogs())
            count += dialog.templateId == CModfyXmSbDlg::IDD;
        return count;
    }
    std::wstring SelectedText(CManageDlg* window, bool xmTree) {
        ui::TreeCtrl& tree = xmTree ? window->GetXmTreeCtrl() : window->GetSbTreeCtrl();
        ui::HTREEITEM item = tree.GetSelectedItem();
        return item ? tree.GetItemText(item) : L"";
    }
};

} // namespace

TEST_F(ManageModify, RenamingTheOpenProjectTakesTheRememberedPathsAlong) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CModfyXmSbDlg::IDD, {Ok()});
    Act(window, RightClick(124, L"P", 203));
    ASSERT_EQ(Backend().Dialogs().back().caption, L"项目修改");
    EXPECT_TRUE(installation.Exists(L"某变电站\\某变电站.itm")) << "named after 工程名称";
    EXPECT_FALSE(installation.Exists(L"P"));
    EXPECT_EQ(GetRecentContainerPath(), installation.Path(L"某变电站\\某变电站.itm"));
    EXPECT_EQ(GetDefaultContainerPath(), installation.Path(L"某变电站\\Q\\Q.prj"))
        << "the current Equipment lay inside it";
    EXPECT_EQ(SelectedText(window, true), L"某变电站");
    EXPECT_EQ(window->Getm_strOpenManageFile(), installation.Path(L"某变电站\\某变电站.itm"));
    EXPECT_TRUE(Backend().Faults().empty()) << Backend().Faults()[0];
}

TEST_F(ManageModify, RenamingAnEquipmentChangesTheCurrentOneOnlyWhenItWasIt) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CModfyXmSbDlg::IDD, {Ok()});
    Act(window, RightClick(125, L"R", 203));
    ASSERT_EQ(Backend().Dialogs().back().caption, L"设备修改");
    EXPECT_TRUE(installation.Exists(L"P\\2号柜\\2号柜.prj"));
    EXPECT_EQ(GetDefaultContainerPath(), installation.Path(L"P\\Q\\Q.prj"))
        << "renaming R does not make it the current Equipment";
    EXPECT_EQ(SelectedText(window, false), L"2号柜");

    Backend().Script(CModfyXmSbDlg::IDD, {Ok()});
    Act(window, RightClick(125, L"Q", 203));
    EXPECT_EQ(GetDefaultContainerPath(), installation.Path(L"P\\1号柜\\1号柜.prj"));
    EXPECT_EQ(GetRecentContainerPath(), installation.Path(L"P\\P.itm"));
}

TEST_F(ManageModify, ARunningToolOrACancelledDialogLeavesTheFolder) {
    CManageDlg* window = Open(L"XMMANAGE");
    ui::Window tool(L"明细表");
    tool.CreateWindowObject();
    Act(window, RightClick(125, L"Q", 203));
    EXPECT_EQ(ModifyDialogsRun(), 0);
    EXPECT_EQ(Backend().Boxes().back().text, L"\n在此操作前，请关闭正在运行的\"明细表\"");
    tool.DestroyWindow();

    Backend().Script(CModfyXmSbDlg::IDD, {Cancel()});
    Act(window, RightClick(125, L"Q", 203));
    EXPECT_TRUE(installation.Exists(L"P\\Q\\Q.prj"));
    EXPECT_EQ(SelectedText(window, false), L"Q");
}
