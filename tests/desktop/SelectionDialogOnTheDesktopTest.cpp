// The drawing selection dialog through the real toolkit: an Equipment's branch filled as it
// is opened, a type ticked in the tree shows its rows ticked in the list, a row dragged by the
// pointer onto a type of the opened branch moves there, and the picture of the dialog for the
// documentation.

#include "DesktopTest.h"

#include "drawing/ContainerDrawings.h"
#include "manager/DwgSelectDlg.h"
#include "platform/cad/Host.h"
#include "platform/ui/UserActions.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/Screenshot.h"
#include "support/HostSupport.h"
#include "support/RecordLines.h"
#include "support/SampleProject.h"
#include "support/StyleCatalogue.h"
#include "support/TestSupport.h"
#include "support/TreeText.h"

#include <wx/button.h>
#include <wx/listctrl.h>

using namespace ovtest;

namespace {

class SelectionDialog : public DesktopTest {
protected:
    SelectionDialog() : catalogue(SampleCatalogueLines()) {
        cad::StartHost(cad::HostOptions());
        folder.WriteBytes(L"城东变电站\\城东变电站.itm",
                          ManageFileBytes({L"工程名称=城东220kV变电站"}, {L"SM:", L"说明.dwg<>"}));
        folder.WriteBytes(
            L"城东变电站\\1号主变保护柜\\1号主变保护柜.prj",
            ManageFileBytes({L"设备名称=1号主变保护柜"}, {L"PM:", L"A-01.dwg<面板>", L"A-02.dwg<>",
                                                          L"YL:", L"A-03.dwg<>", L"A-04.dwg<>"}));
        folder.WriteBytes(L"城东变电站\\2号主变保护柜\\2号主变保护柜.prj",
                          ManageFileBytes({}, {L"YL:", L"B-01.dwg<>"}));
        SaveDrawing(folder.Path(L"城东变电站\\说明.dwg"));
        for (const wchar_t* name : {L"A-01.dwg", L"A-02.dwg", L"A-03.dwg", L"A-04.dwg"})
            SaveDrawing(folder.Path(std::wstring(L"城东变电站\\1号主变保护柜\\") + name));
        SaveDrawing(folder.Path(L"城东变电站\\2号主变保护柜\\B-01.dwg"));
    }
    ~SelectionDialog() override { cad::StopHost(); }

    std::wstring ProjectFile() { return folder.Path(L"城东变电站\\城东变电站.itm"); }
    // As command 268 hands them to the dialog.
    std::vector<std::wstring> Drawings() {
        std::vector<std::wstring> drawings;
        CollectContainerDrawings(ProjectFile(), drawings);
        return drawings;
    }

    TempFolder folder;
    ScopedStyleCatalogue catalogue;
};

} // namespace

TEST_F(SelectionDialog, ATickedTypeShowsItsRowsTicked) {
    CDwgSelectDlg dialog(1, ProjectFile(), {}, Drawings());
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, CDwgSelectDlg::IDC_LIST);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetItemCount(), 6);
        CTreeCtrlEx& tree = dialog.GetTreeCtrl();
        // The Equipment's branch is filled as the toolkit opens it, as the click on its
        // button does.
        auto* treeWidget = WidgetOf<wxTreeCtrl>(dialog, CDwgSelectDlg::IDC_TREE);
        ASSERT_NE(treeWidget, nullptr);
        wxTreeItemId equipment = FindWidgetItem(*treeWidget, treeWidget->GetRootItem(),
                                                ui::desk::ToWx(L"1号主变保护柜"));
        ASSERT_TRUE(equipment.IsOk());
        ASSERT_EQ(treeWidget->GetChildrenCount(equipment, false), 1u) << "the stand-in alone";
        treeWidget->Expand(equipment);
        WaitFor([&] { return treeWidget->IsExpanded(equipment); });
        EXPECT_TRUE(treeWidget->IsExpanded(equipment));
        EXPECT_EQ(treeWidget->GetChildrenCount(equipment, false), 2u) << "its two types";
        ui::gesture::ToggleCheck(tree, TreeItem(tree, L"城东变电站|1号主变保护柜|屏面布置图"));
        ui::gesture::Click(dialog.GetListCtrl(), 1, 1);
        WaitFor([&] { return list->IsItemChecked(1) && list->IsItemChecked(2); });
        EXPECT_TRUE(list->IsItemChecked(1));
        EXPECT_TRUE(list->IsItemChecked(2));
        EXPECT_FALSE(list->IsItemChecked(3));
        Screenshot(*Backend().WidgetOf(&dialog), "DwgSelectDlg");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.Getm_arrCheckedPaths().size(), 2u);
}

TEST_F(SelectionDialog, ARowDraggedOntoATypeOfAnOpenedEquipmentMovesThere) {
    CDwgSelectDlg dialog(1, ProjectFile(), {}, Drawings());
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, CDwgSelectDlg::IDC_LIST);
        auto* treeWidget = WidgetOf<wxTreeCtrl>(dialog, CDwgSelectDlg::IDC_TREE);
        ASSERT_NE(list, nullptr);
        ASSERT_NE(treeWidget, nullptr);
        wxTreeItemId equipment = FindWidgetItem(*treeWidget, treeWidget->GetRootItem(),
                                                ui::desk::ToWx(L"1号主变保护柜"));
        ASSERT_TRUE(equipment.IsOk());
        treeWidget->Expand(equipment);
        ASSERT_TRUE(WaitFor([&] { return treeWidget->GetChildrenCount(equipment, false) == 2; }));
        wxTreeItemId target = FindWidgetItem(*treeWidget, equipment, ui::desk::ToWx(L"屏面布置图"));
        ASSERT_TRUE(target.IsOk());
        // The last row, 2号主变保护柜\B-01.dwg, dragged by the pointer onto the type.
        wxRect row;
        ASSERT_TRUE(list->GetItemRect(5, row));
        wxPoint from = list->ClientToScreen(row.GetPosition() + wxPoint(60, row.height / 2));
        wxPoint to = ItemCentre(*treeWidget, target);
        PressAndMove(from, to);
        ReleaseButton();
        WaitFor([&] { return folder.Exists(L"城东变电站\\1号主变保护柜\\B-01.dwg"); });
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_TRUE(folder.Exists(L"城东变电站\\1号主变保护柜\\B-01.dwg"));
    EXPECT_FALSE(folder.Exists(L"城东变电站\\2号主变保护柜\\B-01.dwg"));
    EXPECT_EQ(RecordLines(folder.Path(L"城东变电站\\1号主变保护柜\\1号主变保护柜.prj"), L" "),
              (std::vector<std::wstring>{L"PM B-01.dwg<>", L"PM A-01.dwg<面板>", L"PM A-02.dwg<>",
                                         L"YL A-03.dwg<>", L"YL A-04.dwg<>"}));
    EXPECT_TRUE(dialog.Getm_bChanged());
}
