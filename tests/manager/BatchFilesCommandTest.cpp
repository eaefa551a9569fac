// Command 268 of the management window: the drawing selection dialog on the open container,
// and the window showing its files anew afterwards.

#include "ManageWindow.h"

#include "manager/DwgSelectDlg.h"
#include "platform/ui/Actions.h"

#include <gtest/gtest.h>

using namespace ovtest;
namespace act = ui::act;

namespace {

class BatchFilesCommand : public ManageWindow {};

} // namespace

TEST_F(BatchFilesCommand, AMoveShowsInTheWindowHoweverTheDialogClosed) {
    CManageDlg* window = Open(L"XMMANAGE");
    ASSERT_NE(window, nullptr);
    ASSERT_NE(TreeItem(window->GetSbTreeCtrl(), L"Q|屏面布置图|图1.dwg"), nullptr);
    Backend().Script(CDwgSelectDlg::IDD, {act::Drag(CDwgSelectDlg::IDC_LIST, L"Q\\图1.dwg",
                                                    CDwgSelectDlg::IDC_TREE, L"P|Q|原理图"),
                                          act::Close()});
    Act(window, act::RightClick(CManageDlg::IDC_SB_TREE, L"Q", 268));
    EXPECT_TRUE(Backend().Faults().empty());
    ASSERT_EQ(Backend().Dialogs().size(), 1u);
    EXPECT_EQ(Backend().Dialogs()[0].caption, L"文件批管理");
    EXPECT_EQ(TreeItem(window->GetSbTreeCtrl(), L"Q|屏面布置图|图1.dwg"), nullptr);
    EXPECT_NE(TreeItem(window->GetSbTreeCtrl(), L"Q|原理图|图1.dwg"), nullptr)
        << "cancelled, but a drawing moved: the window shows it";
    EXPECT_EQ(window->Getm_bBusy(), 0);
}
