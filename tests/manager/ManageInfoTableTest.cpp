// The window's way to the information table (283): offered for Equipments only, it makes the
// Equipment's layout drawing current and runs the table dialog, whose OK starts the table.

#include "ManageWindow.h"

#include "drawing/DlgInfoTable.h"
#include "platform/ui/Actions.h"
#include "records/ExplainInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/DrawingSupport.h"

using namespace ovtest;
using namespace ui::act;

namespace {

class ManageInfoTable : public ManageWindow {
protected:
    ManageInfoTable() {
        // Q's layout type lists 图2.dwg first.
        SaveDrawing(installation.Path(L"P\\Q\\图2.dwg"));
    }
    std::wstring CurrentFile() const { return host.Current()->fileName(); }
    // The menu's lines as the last right click showed them.
    bool MenuOffered(unsigned id) {
        const ui::RecordedMenu& menu = host.Boxes().Menus().back();
        std::wstring prefix = std::to_wstring(id) + L" ";
        for (const std::wstring& line : menu.lines)
            if (line.find(prefix) != std::wstring::npos &&
                line.find(L"(grayed)") == std::wstring::npos)
                return true;
        return false;
    }
};

} // namespace

TEST_F(ManageInfoTable, AnEquipmentsTableOpensItsLayoutDrawingAndStartsTheTable) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CDlgInfoTable::IDD,
                     {Cell(CDlgInfoTable::IDC_ENTRY_LIST, 0, 1),
                      Type(CDlgInfoTable::IDC_ENTRY_LIST + CSortedListCtrl::kComboIdOffset, L"3"),
                      Ok()});
    Act(window, RightClick(CManageDlg::IDC_SB_TREE, L"Q", 283));
    EXPECT_TRUE(MenuOffered(283));
    EXPECT_EQ(CurrentFile(), installation.Path(L"P\\Q\\图2.dwg"));
    ASSERT_EQ(host.Current()->pendingStrings().size(), 1u);
    EXPECT_EQ(host.Current()->pendingStrings()[0].text, L"(Command)\nCREATEINFOTABLE\n");
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);
    EXPECT_EQ(explain::FindValueByTitle(file.Getm_ExplainInfoArray(), L"设备数量"), L"3");
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(ManageInfoTable, OnlyEquipmentsOfferItAndOneWithoutLayoutSaysSo) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(CManageDlg::IDC_SB_TREE, L"Q|屏面布置图"));
    EXPECT_FALSE(MenuOffered(283)) << "a drawing type";
    Act(window, RightClick(CManageDlg::IDC_XM_TREE, L"P"));
    EXPECT_FALSE(MenuOffered(283)) << "a Project";

    std::wstring before = CurrentFile();
    Act(window, RightClick(CManageDlg::IDC_SB_TREE, L"R", 283));
    ASSERT_FALSE(Backend().Boxes().empty());
    EXPECT_EQ(Backend().Boxes().back().text,
              L"设备“R”中没有屏面布置图，无法输出设备描述信息表格。");
    EXPECT_EQ(CurrentFile(), before);
}
