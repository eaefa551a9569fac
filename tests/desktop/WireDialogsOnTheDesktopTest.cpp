// The wire list's dialogs through the real toolkit: the list with its columns and default rows,
// a row deleted after the question, and one row entered in the row dialog. Each test leaves a
// screenshot.

#include "DesktopTest.h"

#include "drawing/LineInfoDialog.h"
#include "drawing/ModfyLineInfoDlg.h"
#include "drawing/XmlDataOprt.h"
#include "platform/ui/wx/Convert.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/VoRezaZazUzavodo/MainLibBrowserDlg.h"
#include "support/TestSupport.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

using namespace ovtest;
using ui::desk::FromWx;

namespace {

class WireDialogs : public DesktopTest {
protected:
    WireDialogs() {
        installation.WriteBytes(
            L"Data\\DZBDXLXFH.txt",
            Cp936Lines({L"交流电流A:WL-BVR-4,导线_铜芯聚氯乙烯绝缘软线_BVR-4mm2,1.8",
                        L"普通导线:WL-BVR-1.5,导线_铜芯聚氯乙烯绝缘软线_BVR-1.5mm2,1.2"}));
        installation.WriteBytes(
            L"1号屏\\1号屏.prj",
            Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ",
                        L"$End CONTENT OF PRJ", L"$EOF"}));
        EXPECT_TRUE(file.ReadManageFile(installation.Path(L"1号屏\\1号屏.prj")));
    }
    wxWindow& Shown(const ui::Dialog& dialog) { return *Backend().WidgetOf(&dialog); }

    TempInstallation installation;
    CManageFileInfo file;
};

} // namespace

TEST_F(WireDialogs, TheListShowsTheDefaultRowsAndDeletesAfterAsking) {
    CModfyLineInfoDlg dialog(&file);
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, CModfyLineInfoDlg::IDC_LINE_LIST);
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->GetColumnCount(), 4);
        ASSERT_EQ(list->GetItemCount(), 7);
        EXPECT_EQ(FromWx(list->GetItemText(0, 2)), L"导线_铜芯聚氯乙烯绝缘软线_BVR-4mm2");
        EXPECT_EQ(FromWx(list->GetItemText(4, 1)), L"WL-BVR-1.5");
        EXPECT_GT(list->GetColumnWidth(2), list->GetColumnWidth(1)) << "a half against a fifth";
        Screenshot(Shown(dialog), "wire-list-dialog");
        wxRect row;
        ASSERT_TRUE(list->GetItemRect(6, row));
        Click(*list, row.GetPosition() + wxPoint(20, row.height / 2));
        boxes.Queue(wxID_OK);
        Click(*WidgetOf<wxButton>(dialog, CModfyLineInfoDlg::IDC_DELETE));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, L"是否删除选中的1项");
        EXPECT_EQ(list->GetItemCount(), 6);
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    CXmlDataOprt oprt;
    std::vector<STRUCT_LINEITEM> items;
    ASSERT_TRUE(oprt.ReadLineItems(installation.Path(L"1号屏\\OrvaneLineInfo.xml"), items));
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items.back().strStyle, L"两芯屏蔽线");
}

TEST_F(WireDialogs, TheRowDialogRefusesAUsedCategoryAndTakesANewOne) {
    CLineInfoDialog dialog;
    dialog.m_arrUsedStyles = {L"普通导线"};
    dialog.m_arrCodes = {L"WL-BVR-1.5", L"WL-BVR-4"};
    int result = RunModal(dialog, [&] {
        EXPECT_EQ(WidgetOf<wxComboBox>(dialog, CLineInfoDialog::IDC_CODE)->GetCount(), 2u);
        Enter(*WidgetOf<wxTextCtrl>(dialog, CLineInfoDialog::IDC_STYLE), L"普通导线");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, L"类别普通导线已经存在!");
        EXPECT_FALSE(dialog.HasEnded());
        Enter(*WidgetOf<wxTextCtrl>(dialog, CLineInfoDialog::IDC_STYLE), L"四芯屏蔽线");
        Pick(*WidgetOf<wxComboBox>(dialog, CLineInfoDialog::IDC_CODE), 1);
        Enter(*WidgetOf<wxComboBox>(dialog, CLineInfoDialog::IDC_LENGTH), L"2.0");
        Screenshot(Shown(dialog), "wire-row-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strStyle, L"四芯屏蔽线");
    EXPECT_EQ(dialog.m_strCode, L"WL-BVR-4");
    EXPECT_EQ(dialog.m_strLength, L"2.0");
}

// The row dialog's "导线库": the library's browser opens over it, Enter in its filter field
// filters, 选择 hands the component back and the row dialog takes its code, description and
// length.
TEST_F(WireDialogs, TheLibraryBrowserFiltersAndHandsTheComponentToTheRowDialog) {
    installation.WriteBytes(
        L"Data\\OvMainLib.txt",
        Cp936Lines({L"WL-BVR-1.5|铜芯聚氯乙烯绝缘软线|BVR-1.5mm2|导线|远东电缆|米",
                    L"WL-RVVP-2|铜芯聚氯乙烯护套屏蔽软电缆|RVVP-2×1.0mm2|屏蔽线|"
                    L"宝胜电缆|米||||||||||||| 2.0"}));
    bool browsed = false;
    Backend().SetModalDriver([&](ui::Dialog& running) {
        auto* browser = dynamic_cast<CMainLibBrowserDlg*>(&running);
        if (!browser)
            return;
        browsed = true;
        auto* list = WidgetOf<wxListCtrl>(*browser, CMainLibBrowserDlg::IDC_COMPONENTS);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetItemCount(), 2);
        auto* filter = WidgetOf<wxTextCtrl>(*browser, CMainLibBrowserDlg::IDC_FILTER);
        Click(*filter);
        Enter(*filter, L"rvvp");
        Key(WXK_RETURN);
        EXPECT_EQ(list->GetItemCount(), 1) << "Enter filters";
        Screenshot(Shown(*browser), "main-library-browser");
        Click(*WidgetOf<wxButton>(*browser, ui::IDOK));
    });
    CLineInfoDialog dialog;
    int result = RunModal(dialog, [&] {
        Enter(*WidgetOf<wxTextCtrl>(dialog, CLineInfoDialog::IDC_STYLE), L"两芯屏蔽线");
        Click(*WidgetOf<wxButton>(dialog, CLineInfoDialog::IDC_WIRE_LIBRARY));
        EXPECT_TRUE(WaitFor([&] {
            return !WidgetOf<wxComboBox>(dialog, CLineInfoDialog::IDC_CODE)->GetValue().empty();
        }));
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    Backend().SetModalDriver({});
    EXPECT_TRUE(browsed);
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strCode, L"WL-RVVP-2");
    EXPECT_EQ(dialog.m_strDescribe, L"屏蔽线_铜芯聚氯乙烯护套屏蔽软电缆_RVVP-2×1.0mm2");
    EXPECT_EQ(dialog.m_strLength, L"2.0");
}
