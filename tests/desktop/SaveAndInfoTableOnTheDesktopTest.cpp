// The save dialog and the information table's two dialogs through the real toolkit: a new
// drawing saved into an Equipment under a type picked in the tree, and the table's values and
// parameters. Each test leaves a screenshot.

#include "DesktopTest.h"

#include "controls/SortedListCtrl.h"
#include "drawing/DlgInfoTable.h"
#include "drawing/DlgInfoTableParaSet.h"
#include "drawing/FileSaveDlg.h"
#include "drawing/InfoTableData.h"
#include "frame/ManageCommands.h"
#include "platform/cad/Host.h"
#include "platform/ui/wx/Convert.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

using namespace ovtest;
using ui::desk::FromWx;

namespace {

class SaveAndInfoTable : public DesktopTest {
protected:
    SaveAndInfoTable() {
        cad::StartHost(cad::HostOptions());
        installation.WriteBytes(L"Data\\dwgstyle.dat", Cp936Lines(SampleCatalogueLines()));
        WriteSampleProject(installation);
        installation.WriteBytes(L"Data\\recent.dat",
                                Cp936(installation.Path(L"P\\P.itm") + L"\r\n"));
        installation.WriteBytes(L"Data\\default.dat",
                                Cp936(installation.Path(L"P\\Q\\Q.prj") + L"\r\n"));
        HandInstallationFoldersToLibraries();
    }
    ~SaveAndInfoTable() override {
        infotable::TableParameters() = infotable::Parameters();
        cad::StopHost();
    }
    wxWindow& Shown(const ui::Dialog& dialog) { return *Backend().WidgetOf(&dialog); }

    TempInstallation installation;
};

} // namespace

TEST_F(SaveAndInfoTable, SaveDialogPutsANewDrawingIntoTheEquipment) {
    CFileSaveDlg dialog(false);
    int result = RunModal(dialog, [&] {
        auto* tree = WidgetOf<wxTreeCtrl>(dialog, CFileSaveDlg::IDC_SB_TREE);
        ASSERT_NE(tree, nullptr);
        EXPECT_FALSE(WidgetOf<wxTreeCtrl>(dialog, CFileSaveDlg::IDC_XM_TREE)->IsShown());
        EXPECT_FALSE(WidgetOf<wxRadioButton>(dialog, CFileSaveDlg::IDC_KIND_XM)->IsEnabled());
        EXPECT_TRUE(WidgetOf<wxRadioButton>(dialog, CFileSaveDlg::IDC_KIND_SB)->GetValue());
        // The Equipment's item shows its types; the first type is picked.
        wxTreeItemIdValue cookie;
        wxTreeItemId equipment = tree->GetFirstChild(tree->GetRootItem(), cookie);
        ASSERT_TRUE(equipment.IsOk());
        wxTreeItemIdValue typeCookie;
        wxTreeItemId type = tree->GetFirstChild(equipment, typeCookie);
        while (type.IsOk() && FromWx(tree->GetItemText(type)) != L"屏面布置图")
            type = tree->GetNextChild(equipment, typeCookie);
        ASSERT_TRUE(type.IsOk());
        wxRect row;
        ASSERT_TRUE(tree->GetBoundingRect(type, row, true));
        Click(*tree, row.GetPosition() + wxPoint(row.width / 2, row.height / 2));
        EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, CFileSaveDlg::IDC_STYLE)->GetValue()),
                  L"屏面布置图");
        EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, CFileSaveDlg::IDC_OWNER_NAME)->GetValue()),
                  L"Q");
        Enter(*WidgetOf<wxTextCtrl>(dialog, CFileSaveDlg::IDC_FILE_NAME), L"面板布置");
        Enter(*WidgetOf<wxTextCtrl>(dialog, CFileSaveDlg::IDC_REMARK), L"正面");
        Screenshot(Shown(dialog), "save-file-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_TRUE(installation.Exists(L"P\\Q\\面板布置.dwg"));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);
    const CFileStyleNodeInfo* style = file.FindStyNodeByInputFileName(L"面板布置.dwg");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Getm_StyleNameNode().GetstrSysTypeName(), L"PM");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(SaveAndInfoTable, InfoTableDialogTakesAValueAndItsParameters) {
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);
    CDlgInfoTable dialog(&file);
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, CDlgInfoTable::IDC_ENTRY_LIST);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetItemCount(), 11);
        EXPECT_EQ(FromWx(list->GetItemText(10, 0)), L"屏柜所属厂站");
        Screenshot(Shown(dialog), "info-table-dialog");
        CDlgInfoTableParaSet parameters(&dialog);
        int inner = RunModal(parameters, [&] {
            EXPECT_EQ(
                FromWx(WidgetOf<wxTextCtrl>(parameters, CDlgInfoTableParaSet::IDC_C2)->GetValue()),
                L"65");
            Enter(*WidgetOf<wxTextCtrl>(parameters, CDlgInfoTableParaSet::IDC_C2), L"70");
            Screenshot(Shown(parameters), "info-table-parameters-dialog");
            Click(*WidgetOf<wxButton>(parameters, ui::IDOK));
        });
        EXPECT_EQ(inner, ui::IDOK);
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(infotable::TableParameters().c2, 70.0);
    EXPECT_EQ(infotable::EntryValues().size(), 11u);
}
