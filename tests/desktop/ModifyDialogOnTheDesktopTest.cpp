// The modification dialog through the real toolkit: an Equipment's description shown, its book
// number changed in place, and OK carrying it into the drawing files' names. Leaves the
// screenshot of the dialog.

#include "DesktopTest.h"

#include "controls/SortedListCtrl.h"
#include "platform/cad/Host.h"
#include "platform/ui/wx/Convert.h"
#include "records/ModfyXmSbDlg.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
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

class ModifyDialog : public DesktopTest {
protected:
    ModifyDialog() {
        cad::StartHost(cad::HostOptions());
        MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                       {L"CREATE TABLE \"OV项目设备描述信息\" (WORD TEXT)",
                        L"INSERT INTO \"OV项目设备描述信息\" VALUES ('工程合同号'), ('设备型号')",
                        L"CREATE TABLE \"OV设备图册号\" (WORD TEXT)",
                        L"INSERT INTO \"OV设备图册号\" VALUES ('B7'), ('B8')"});
        installation.WriteBytes(
            L"城东变电站\\城东变电站.itm",
            ManageFileBytes({L"工程名称=城东220kV变电站新建工程", L"工程合同号=HT2024-0012"}, {}));
        installation.WriteBytes(L"城东变电站\\1号主变保护柜\\1号主变保护柜.prj",
                                ManageFileBytes({L"设备名称=1号主变保护柜", L"设备图册号=A",
                                                 L"设备型号=PRC-31A", L"原理图标号=1n"},
                                                {L"原理图:", L"A-01.dwg<封面>", L"A-02.dwg<>"}));
        for (const wchar_t* name : {L"A-01.dwg", L"A-02.dwg"})
            SaveDrawing(installation.Path(std::wstring(L"城东变电站\\1号主变保护柜\\") + name));
        EXPECT_EQ(
            file.ReadManageFile(installation.Path(L"城东变电站\\1号主变保护柜\\1号主变保护柜.prj")),
            1);
    }
    ~ModifyDialog() override { cad::StopHost(); }
    wxWindow& Shown(const ui::Dialog& dialog) { return *Backend().WidgetOf(&dialog); }

    TempInstallation installation;
    CManageFileInfo file;
};

} // namespace

TEST_F(ModifyDialog, AnEquipmentsBookNumberChangedInPlaceRenamesItsDrawings) {
    CModfyXmSbDlg dialog(&file);
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, CModfyXmSbDlg::IDC_EXPLAIN_LIST);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetItemCount(), 5);
        EXPECT_EQ(FromWx(list->GetItemText(1, 0)), L"设备图册号");
        EXPECT_FALSE(WidgetOf<wxCheckBox>(dialog, CModfyXmSbDlg::IDC_RENAME_XM_FOLDER)->IsShown());
        EXPECT_TRUE(WidgetOf<wxCheckBox>(dialog, CModfyXmSbDlg::IDC_RENAME_SB_FOLDER)->GetValue());
        Pick(*WidgetOf<wxComboBox>(dialog, CModfyXmSbDlg::IDC_FILE_PATTERN), 1);
        wxRect cell;
        ASSERT_TRUE(list->GetSubItemRect(1, 1, cell));
        Click(*list, cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2));
        auto* combo = WidgetOf<wxComboBox>(dialog, CModfyXmSbDlg::IDC_EXPLAIN_LIST +
                                                       CSortedListCtrl::kComboIdOffset);
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->GetCount(), 2u) << "the words of the book number";
        Pick(*combo, 0);
        Screenshot(Shown(dialog), "modify-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.Getm_strFolderName(), L"B7-1号主变保护柜");
    EXPECT_TRUE(installation.Exists(L"城东变电站\\1号主变保护柜\\B7-01.dwg"));
    EXPECT_TRUE(boxes.Boxes().empty());
}
