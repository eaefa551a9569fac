// Every dialog of the module opened through the real toolkit: checked through its widgets,
// driven by the toolkit's events (pointer and keys through the input simulator), one full OK
// path and, where the dialog refuses, the refusal with its message box. Each test leaves a
// screenshot of its dialog.

#include "DesktopTest.h"

#include "controls/SortedListCtrl.h"
#include "drawing/DlgFormatForSave.h"
#include "manager/InputNameDlg.h"
#include "manager/ModfyFileDlg.h"
#include "manager/NewFileDlg.h"
#include "manager/StyleEditDlg.h"
#include "platform/ui/wx/Convert.h"
#include "records/OneInfoDlg.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "support/StyleCatalogue.h"
#include "support/TestSupport.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

using namespace ovtest;
using ui::desk::FromWx;

namespace {

class Dialogs : public DesktopTest {
protected:
    wxWindow& Shown(const ui::Dialog& dialog) { return *Backend().WidgetOf(&dialog); }
};

} // namespace

TEST_F(Dialogs, StyleEditTakesAPickedTypeAndRefusesASystemName) {
    ScopedStyleCatalogue catalogue{{L"PM=屏面布置图", L"YL=原理图", L"JX=接线图"}};
    CStyleEditDlg dialog(L"选择添加的类型名称");
    int result = RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListBox>(dialog, CStyleEditDlg::IDC_STYLE_LIST);
        ASSERT_EQ(list->GetCount(), 3u);
        EXPECT_EQ(FromWx(list->GetString(1)), L"原理图");
        EXPECT_FALSE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled()) << "no name yet";
        Enter(*WidgetOf<wxTextCtrl>(dialog, CStyleEditDlg::IDC_STYLE_NAME), L"PM");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, L"输入的类型名称“PM”是已经定义的一系统类型，不能采用。"
                                         L"\n\n若一定要用，请先修改类型名称定义。");
        EXPECT_FALSE(dialog.HasEnded());
        Pick(*list, 1);
        EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, CStyleEditDlg::IDC_SYSTEM_TYPE)->GetValue()),
                  L"系统类型:YL");
        EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, CStyleEditDlg::IDC_STYLE_NAME)->GetValue()),
                  L"原理图");
        Screenshot(Shown(dialog), "style-edit-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strStyleName, L"原理图");
}

TEST_F(Dialogs, InputNameEnablesOkWithANameAndTakesEnter) {
    CInputNameDlg dialog(L"请输入保存的模板设备名称");
    dialog.m_strLabel = L"模板名称";
    int result = RunModal(dialog, [&] {
        EXPECT_EQ(FromWx(WidgetOf<wxStaticText>(dialog, CInputNameDlg::IDC_NAME_LABEL)->GetLabel()),
                  L"模板名称");
        EXPECT_EQ(FromWx(static_cast<wxDialog&>(Shown(dialog)).GetTitle()),
                  L"请输入保存的模板设备名称");
        EXPECT_FALSE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled());
        auto* name = WidgetOf<wxTextCtrl>(dialog, CInputNameDlg::IDC_NAME);
        Click(*name);
        Type("Cab-7");
        EXPECT_TRUE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled());
        Enter(*WidgetOf<wxTextCtrl>(dialog, CInputNameDlg::IDC_SECOND_TEXT), L"十号开关柜");
        Screenshot(Shown(dialog), "input-name-dialog");
        Click(*name);
        Key(WXK_RETURN);
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strName, L"Cab-7");
    EXPECT_EQ(dialog.m_strSecondText, L"十号开关柜");
}

TEST_F(Dialogs, NewFileProposesTheNextNameAndTheTemplateOfItsNumber) {
    TempFolder templates;
    for (const wchar_t* name :
         {L"ACAD.dwt", L"MB-1标准封面.dwt", L"MB-1标准目录图框.dwt", L"MB-1标准屏面布置图.dwt",
          L"MB-1标准压板定义及排列图.dwt", L"MB-1标准图框.dwt"})
        templates.WriteBytes(name, "t");
    CNewFileDlg dialog;
    dialog.m_strBookNumber = L"B1";
    dialog.m_nHighestNumber = 12;
    dialog.m_strTemplateFolder = templates.Path(L"");
    int result = RunModal(dialog, [&] {
        auto* name = WidgetOf<wxTextCtrl>(dialog, CNewFileDlg::IDC_FILE_NAME);
        auto* combo = WidgetOf<wxComboBox>(dialog, CNewFileDlg::IDC_TEMPLATE);
        EXPECT_EQ(FromWx(name->GetValue()), L"B1-13");
        EXPECT_EQ(FromWx(combo->GetValue()), L"MB-1标准图框.dwt");
        Enter(*name, L"B1-02");
        EXPECT_EQ(FromWx(combo->GetValue()), L"MB-1标准目录图框.dwt") << "the contents frame";
        Screenshot(Shown(dialog), "new-file-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strFileName, L"B1-02");
    EXPECT_EQ(dialog.m_strTemplateName, L"MB-1标准目录图框.dwt");
}

TEST_F(Dialogs, ModifyFileShowsTheNameWithoutItsExtensionAndNeedsOne) {
    TempFolder folder;
    CFileInfoNode file(L"原理图-01.dwg", L"第一版", folder.Path(L"原理图-01.dwg"));
    CModfyFileDlg dialog(&file);
    int result = RunModal(dialog, [&] {
        auto* name = WidgetOf<wxTextCtrl>(dialog, CModfyFileDlg::IDC_FILE_NAME);
        EXPECT_EQ(FromWx(name->GetValue()), L"原理图-01");
        EXPECT_EQ(FromWx(WidgetOf<wxTextCtrl>(dialog, CModfyFileDlg::IDC_FILE_REMARK)->GetValue()),
                  L"第一版");
        Enter(*name, L"");
        EXPECT_FALSE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled()) << "an empty name";
        Enter(*name, L"原理图-02");
        EXPECT_TRUE(WidgetOf<wxButton>(dialog, ui::IDOK)->IsEnabled());
        Screenshot(Shown(dialog), "modify-file-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strFileName, L"原理图-02");
}

TEST_F(Dialogs, OneInfoRefusesAColonAndTakesTheEntry) {
    TempInstallation installation;
    COneInfoDlg dialog(L"添加描述信息", L"标题", L"具体内容");
    int result = RunModal(dialog, [&] {
        Enter(*WidgetOf<wxTextCtrl>(dialog, COneInfoDlg::IDC_INFO_TITLE), L"工程:名称");
        Enter(*WidgetOf<wxComboBox>(dialog, COneInfoDlg::IDC_INFO_VALUE), L"某变电站");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, L"\"标题\"中，不能包括字符':'。");
        EXPECT_EQ(boxes.Boxes()[0].caption, L"Tessaline");
        Enter(*WidgetOf<wxTextCtrl>(dialog, COneInfoDlg::IDC_INFO_TITLE), L"工程名称");
        Screenshot(Shown(dialog), "one-info-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_strTitle, L"工程名称");
    EXPECT_EQ(dialog.m_strValue, L"某变电站");
}

TEST_F(Dialogs, FormatForSaveChecksTheCallersYearAndTakesTheClickedOne) {
    CDlgFormatForSave dialog;
    dialog.m_nFormatYear = 2007;
    int result = RunModal(dialog, [&] {
        EXPECT_TRUE(WidgetOf<wxRadioButton>(dialog, CDlgFormatForSave::IDC_RADIO_2007)->GetValue());
        EXPECT_FALSE(
            WidgetOf<wxRadioButton>(dialog, CDlgFormatForSave::IDC_RADIO_2010)->GetValue());
        Click(*WidgetOf<wxRadioButton>(dialog, CDlgFormatForSave::IDC_RADIO_2004));
        EXPECT_TRUE(WidgetOf<wxRadioButton>(dialog, CDlgFormatForSave::IDC_RADIO_2004)->GetValue());
        EXPECT_FALSE(
            WidgetOf<wxRadioButton>(dialog, CDlgFormatForSave::IDC_RADIO_2007)->GetValue());
        Screenshot(Shown(dialog), "format-for-save-dialog");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    EXPECT_EQ(result, ui::IDOK);
    EXPECT_EQ(dialog.m_nFormatYear, 2004);
}

namespace {

constexpr int kList = 140;

// The in-place editing list in a dialog that offers choices for its value column.
class ListParent : public ui::Dialog {
public:
    ListParent()
        : ui::Dialog(ui::DialogTemplate{
              952,
              L"描述信息",
              240,
              110,
              0,
              {{kList, ui::ControlKind::List, L"", 7, 7, 226, 76, ui::LVS_REPORT},
               {ui::IDOK, ui::ControlKind::PushButton, L"确定", 129, 89, 50, 14,
                ui::BS_DEFPUSHBUTTON},
               {ui::IDCANCEL, ui::ControlKind::PushButton, L"取消", 183, 89, 50, 14}}}) {
        Bind(kList, list);
    }
    bool OnInitDialog() override {
        list.SetExtendedStyle(ui::LVS_EX_FULLROWSELECT | ui::LVS_EX_GRIDLINES);
        list.InsertColumn(0, L"标题", ui::LVCFMT_LEFT, 120);
        list.InsertColumn(1, L"具体内容", ui::LVCFMT_LEFT, 200);
        const wchar_t* titles[] = {L"工程名称", L"设备名称", L"设备型号"};
        for (int row = 0; row < 3; ++row)
            list.InsertItem(row, titles[row]);
        list.SetComboColumns({1});
        return true;
    }
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM, ui::LRESULT&) override {
        if (message == WM_LIST_FILLCHOICES)
            list.Getm_ChoiceArray() = {L"甲变电站", L"乙变电站"};
        else if (message == WM_LIST_COMBOCOMMIT)
            commits.push_back(list.GetItemText(list.Getm_nCurRow(), 1));
        else
            return false;
        return true;
    }

    CSortedListCtrl list;
    std::vector<std::wstring> commits;
};

} // namespace

TEST_F(Dialogs, TheInPlaceListPutsItsComboOverTheClickedCell) {
    ListParent dialog;
    RunModal(dialog, [&] {
        auto* list = WidgetOf<wxListCtrl>(dialog, kList);
        wxRect cell;
        ASSERT_TRUE(list->GetSubItemRect(1, 1, cell));
        Click(*list, cell.GetPosition() + wxPoint(cell.width / 2, cell.height / 2));
        auto* combo = WidgetOf<wxComboBox>(dialog, kList + CSortedListCtrl::kComboIdOffset);
        ASSERT_NE(combo, nullptr) << "the list made its combo box";
        EXPECT_TRUE(combo->IsShown());
        EXPECT_EQ(combo->GetParent(), list);
        EXPECT_EQ(combo->GetPosition(), cell.GetPosition()) << "over the cell the user sees";
        EXPECT_EQ(combo->GetCount(), 2u);
        Pick(*combo, 1);
        EXPECT_EQ(dialog.list.GetItemText(1, 1), L"乙变电站");
        EXPECT_EQ(FromWx(list->GetItemText(1, 1)), L"乙变电站");
        Screenshot(Shown(dialog), "in-place-list");
        Click(*WidgetOf<wxButton>(dialog, ui::IDOK));
    });
    ASSERT_FALSE(dialog.commits.empty());
    EXPECT_EQ(dialog.commits.back(), L"乙变电站");
}
