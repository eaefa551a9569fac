// The creation dialog through the real toolkit: an Equipment of a Project from a template, its
// book number and name typed in place and the name following them, and OK making the folder.
// Leaves the screenshot of the dialog.

#include "DesktopTest.h"

#include "controls/SortedListCtrl.h"
#include "platform/cad/Host.h"
#include "platform/ui/wx/Convert.h"
#include "records/CreatXmSbDlg.h"
#include "support/HostSupport.h"
#include "support/SampleProject.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

using namespace ovtest;
using ui::desk::FromWx;

namespace {

using D = CCreatXmSbDlg;

class CreateDialog : public DesktopTest {
protected:
    CreateDialog() {
        cad::StartHost(cad::HostOptions());
        MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                       {L"CREATE TABLE \"OV项目设备描述信息\" (WORD TEXT)",
                        L"INSERT INTO \"OV项目设备描述信息\" VALUES ('设备图册号'), ('设备名称'), "
                        L"('设备型号'), ('工程名称')",
                        L"CREATE TABLE \"OV设备名称\" (WORD TEXT)",
                        L"INSERT INTO \"OV设备名称\" VALUES ('1号主变保护柜'), ('2号主变保护柜')"});
        installation.WriteBytes(
            L"城东变电站\\城东变电站.itm",
            ManageFileBytes({L"工程名称=城东220kV变电站新建工程", L"工程合同号=HT2024-0012"}, {}));
        installation.WriteBytes(L"Template\\prjs\\保护柜模板\\保护柜模板.prj",
                                ManageFileBytes({L"设备名称=模板柜"}, {L"原理图:", L"01.dwg<>"}));
        SaveDrawing(installation.Path(L"Template\\prjs\\保护柜模板\\01.dwg"));
    }
    ~CreateDialog() override { cad::StopHost(); }
    wxWindow& Shown(const ui::Dialog& dialog) { return *Backend().WidgetOf(&dialog); }
    // Clicks the value cell of the row: the list puts its combo box over it.
    wxComboBox* OpenCell(const ui::Dialog& dialog, int row) {
        auto* list = WidgetOf<wxListCtrl>(dialog, D::IDC_EXPLAIN_LIST);
        wxRect cell;
        if (!list->GetSubItemRect(row, 1, cell))
            return nullptr;
        Click(*list, cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2));
        return WidgetOf<wxComboBox>(dialog, D::IDC_EXPLAIN_LIST + CSortedListCtrl::kComboIdOffset);
    }

    TempInstallation installation;
};

} // namespace

TEST_F(CreateDialog, AnEquipmentFromATemplateIsNamedByItsBookNumberAndName) {
    CCreatXmSbDlg dialog(installation.Path(L"城东变电站"), 0);
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, D::IDC_EXPLAIN_LIST);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetItemCount(), 3);
        EXPECT_EQ(FromWx(list->GetItemText(0, 0)), L"设备图册号");
        EXPECT_TRUE(WidgetOf<wxCheckBox>(dialog, D::IDC_USE_TEMPLATE)->GetValue());
        EXPECT_FALSE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled()) << "no name yet";
        wxComboBox* combo = OpenCell(dialog, 0);
        ASSERT_NE(combo, nullptr);
        Enter(*combo, L"B7");
        combo = OpenCell(dialog, 1);
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->GetCount(), 2u) << "the words of the equipment name";
        Pick(*combo, 0);
        EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, D::IDC_NAME)->GetValue()),
                  L"B7-1号主变保护柜");
        EXPECT_TRUE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled());
        Screenshot(Shown(dialog), "create-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.Getm_strNewFolder(), installation.Path(L"城东变电站\\B7-1号主变保护柜"));
    EXPECT_TRUE(installation.Exists(L"城东变电站\\B7-1号主变保护柜\\01.dwg"));
    EXPECT_TRUE(boxes.Boxes().empty());
}
