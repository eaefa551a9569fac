#include "drawing/DlgInfoTable.h"

#include "controls/ModuleResources.h"
#include "drawing/DlgInfoTableParaSet.h"
#include "drawing/EditOprt.h"
#include "drawing/InfoTableData.h"
#include "frame/ManageGlobals.h"
#include "platform/text/Format.h"
#include "platform/ui/MessageBox.h"
#include "records/ExplainBlockText.h"
#include "store/OperateMdb.h"
#include "store/WordList.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

ui::DialogTemplate InfoTableTemplate() {
    using ui::ControlKind;
    using D = CDlgInfoTable;
    return {D::IDD,
            L"设备描述信息表格输出",
            260,
            196,
            0,
            {{D::IDC_ENTRY_LIST, ControlKind::List, L"", 7, 7, 246, 158,
              ui::LVS_REPORT | ui::LVS_SHOWSELALWAYS | ui::LVS_SINGLESEL},
             {D::IDC_PARAMETERS, ControlKind::PushButton, L"参数设置", 7, 174, 60, 15},
             {ui::IDOK, ControlKind::PushButton, L"确定", 143, 174, 52, 15, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取消", 201, 174, 52, 15}}};
}

} // namespace

CDlgInfoTable::CDlgInfoTable(CManageFileInfo* pManageFileInfo, ui::Window* pParent)
    : ui::Dialog(InfoTableTemplate(), pParent), m_pManageFileInfo(pManageFileInfo), m_editor(this) {
    Bind(IDC_ENTRY_LIST, m_List);
}

CDlgInfoTable::~CDlgInfoTable() = default;

bool CDlgInfoTable::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    m_editor.SetListCtrl(&m_List);
    m_List.SetComboColumns({1});
    m_editor.SetExplainInfoArray(
        infotable::BuildEntries(m_pManageFileInfo->Getm_ExplainInfoArray()));
    m_editor.Fill();
    GetDlgItem(ui::IDOK)->SetFocus();
    return false; // the focus is set
}

void CDlgInfoTable::OfferWords(int nRow) {
    const std::vector<CExplainInfoNode>& entries = m_editor.Getm_ExplainInfoArray();
    if (nRow < 0 || nRow >= static_cast<int>(entries.size()))
        return;
    std::vector<std::wstring>& arrChoices = m_List.Getm_ChoiceArray();
    GetWordList(infotable::WordKeyOf(entries[static_cast<size_t>(nRow)].Getm_StrTitle()),
                arrChoices, m_pOperateMdb);
    if (arrChoices.empty())
        arrChoices.assign(2, L"");
}

bool CDlgInfoTable::OnCommand(int id, unsigned code) {
    if (id != IDC_PARAMETERS || code != ui::BN_CLICKED)
        return false;
    CModuleResourceScope resources;
    CDlgInfoTableParaSet dialog(this);
    dialog.DoModal();
    return true;
}

bool CDlgInfoTable::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                              ui::LRESULT& result) {
    if (message == WM_LIST_FILLCHOICES) {
        if (static_cast<int>(lParam) == 1)
            OfferWords(static_cast<int>(wParam));
        result = 0;
        return true;
    }
    if (message == WM_LIST_COMBOCOMMIT) {
        m_editor.TakeValueFromList(m_List.Getm_nCurRow());
        result = 0;
        return true;
    }
    return ui::Dialog::OnMessage(message, wParam, lParam, result);
}

bool CDlgInfoTable::WriteDescription() {
    std::vector<CExplainInfoNode>& description = m_pManageFileInfo->Getm_ExplainInfoArray();
    std::vector<CExplainInfoNode> previous = description;
    infotable::MergeIntoDescription(m_editor.Getm_ExplainInfoArray(), description);
    if (m_pManageFileInfo->WriteManageFile()) {
        if (m_pManageFileInfo->Getm_IsXmManageFile())
            explain::PushProjectValuesToEquipments(m_pManageFileInfo->Getm_StrManageFilePathName());
        return true;
    }
    // The record in memory stays what the file holds, and no table is drawn from values that
    // are nowhere stored.
    description = previous;
    ui::MessageBox(
        this,
        text::Format(L"%s管理文件“%s”不能写入：%s。",
                     m_pManageFileInfo->Getm_IsXmManageFile() ? L"项目" : L"设备",
                     m_pManageFileInfo->Getm_StrManageFilePathName(),
                     CEditOprt::WriteFailureReason(m_pManageFileInfo->Getm_nLastWriteError())),
        L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return false;
}

void CDlgInfoTable::OnOK() {
    int nEditedRow = m_List.Getm_nCurRow();
    m_List.FinishEditing();
    m_editor.TakeValueFromList(nEditedRow);
    if (!WriteDescription())
        return;
    std::vector<std::wstring>& arrTitles = infotable::EntryTitles();
    std::vector<std::wstring>& arrValues = infotable::EntryValues();
    arrTitles.clear();
    arrValues.clear();
    for (int nRow = 0; nRow < m_List.GetItemCount(); ++nRow) {
        arrTitles.push_back(m_List.GetItemText(nRow, 0));
        arrValues.push_back(m_List.GetItemText(nRow, 1));
    }
    CEditOprt::SendCommandString(L"(Command)\nCREATEINFOTABLE\n");
    EndDialog(ui::IDOK);
}
