// The modification dialog: its template, opening, and the editing of the description. OK is in
// ModfyXmSbDlgOk.cpp.

#include "records/ModfyXmSbDlg.h"

#include "controls/ModuleResources.h"
#include "drawing/DlgSelectName.h"
#include "platform/text/WideString.h"
#include "records/ExplainInfo.h"
#include "records/ModfyXmSbRules.h"
#include "store/HistoryDataOprt.h"
#include "store/OperateMdb.h"
#include "store/WordList.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <algorithm>

namespace {

ui::DialogTemplate ModfyXmSbTemplate() {
    using ui::ControlKind;
    using D = CModfyXmSbDlg;
    return {
        D::IDD,
        L"",
        330,
        236,
        0,
        {{D::IDC_FOLDER_LABEL, ControlKind::Static, L"", 7, 9, 44, 8},
         {D::IDC_FOLDER, ControlKind::Edit, L"", 53, 7, 214, 13},
         {D::IDC_EXPLAIN_LIST, ControlKind::List, L"", 7, 26, 260, 132,
          ui::LVS_REPORT | ui::LVS_SHOWSELALWAYS},
         {D::IDC_ADD, ControlKind::PushButton, L"添加", 273, 26, 50, 14},
         {D::IDC_MODIFY, ControlKind::PushButton, L"修改", 273, 44, 50, 14},
         {D::IDC_DELETE, ControlKind::PushButton, L"删除", 273, 62, 50, 14},
         {D::IDC_PDM, ControlKind::PushButton, L"PDM库", 273, 80, 50, 14},
         {D::IDC_WRITE_DRAWINGS, ControlKind::CheckBox, L"联动修改图纸封面及图纸中标题栏的填写信息",
          7, 164, 220, 10},
         {D::IDC_RENAME_SB_FOLDER, ControlKind::CheckBox, L"联动修改设备目录", 7, 179, 100, 10},
         {D::IDC_RENAME_XM_FOLDER, ControlKind::CheckBox, L"联动修改项目目录", 7, 179, 100, 10},
         {D::IDC_NAMING_LABEL, ControlKind::Static, L"命名方式：", 112, 180, 42, 8},
         {D::IDC_NAMING, ControlKind::ComboBox, L"", 156, 178, 111, 60, ui::CBS_DROPDOWNLIST},
         {D::IDC_SB_NOTE, ControlKind::Static, L"注：命名方式(设备图册号-设备名称)", 112, 180, 155,
          8},
         {D::IDC_RENAME_FILES, ControlKind::CheckBox, L"联动修改图形文件名", 7, 196, 100, 10},
         {D::IDC_FILE_PATTERN, ControlKind::ComboBox, L"", 112, 194, 155, 60, ui::CBS_DROPDOWNLIST},
         {ui::IDOK, ControlKind::PushButton, L"确定", 217, 215, 50, 14, ui::BS_DEFPUSHBUTTON},
         {ui::IDCANCEL, ControlKind::PushButton, L"取消", 273, 215, 50, 14}}};
}

} // namespace

CModfyXmSbDlg::CModfyXmSbDlg(CManageFileInfo* pManageFileInfo, ui::Window* pParent)
    : ui::Dialog(ModfyXmSbTemplate(), pParent), m_pManageFileInfo(pManageFileInfo), m_editor(this) {
    Bind(IDC_EXPLAIN_LIST, m_List);
}

CModfyXmSbDlg::~CModfyXmSbDlg() = default;

bool CModfyXmSbDlg::IsXm() const {
    return m_pManageFileInfo->Getm_IsXmManageFile() != 0;
}

bool CModfyXmSbDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    ShowKindControls();
    m_strFolderName = m_pManageFileInfo->Getm_StrDirName();
    SetDlgItemText(IDC_FOLDER, m_strFolderName);

    m_editor.SetListCtrl(&m_List);
    m_List.SetComboColumns({1});
    LoadEntries();
    RestoreBoxes();
    EnableButtons();
    return true;
}

void CModfyXmSbDlg::ShowKindControls() {
    bool bIsXm = IsXm();
    SetWindowText(bIsXm ? L"项目修改" : L"设备修改");
    SetDlgItemText(IDC_FOLDER_LABEL, bIsXm ? L"项目目录：" : L"设备目录：");
    GetDlgItem(IDC_RENAME_XM_FOLDER)->ShowWindow(bIsXm ? ui::SW_SHOW : ui::SW_HIDE);
    GetDlgItem(IDC_RENAME_SB_FOLDER)->ShowWindow(bIsXm ? ui::SW_HIDE : ui::SW_SHOW);
    GetDlgItem(IDC_NAMING)->ShowWindow(bIsXm ? ui::SW_SHOW : ui::SW_HIDE);
    GetDlgItem(IDC_NAMING_LABEL)->ShowWindow(bIsXm ? ui::SW_SHOW : ui::SW_HIDE);
    GetDlgItem(IDC_SB_NOTE)->ShowWindow(bIsXm ? ui::SW_HIDE : ui::SW_SHOW);

    auto* pNaming = GetDlgItemAs<ui::ComboBox>(IDC_NAMING);
    pNaming->AddString(modify::kContractFirst);
    pNaming->AddString(modify::kNameFirst);
    pNaming->SetCurSel(0);
    auto* pPattern = GetDlgItemAs<ui::ComboBox>(IDC_FILE_PATTERN);
    pPattern->AddString(L"页号*.dwg");
    pPattern->AddString(L"设备图册号-页号*.dwg");
    pPattern->SetCurSel(0);
}

void CModfyXmSbDlg::LoadEntries() {
    std::vector<CExplainInfoNode> entries = m_pManageFileInfo->Getm_ExplainInfoArray();
    std::vector<std::wstring> arrDefaultTitles;
    GetWordList(kDefaultTitlesTable, arrDefaultTitles, m_pOperateMdb);
    m_editor.SetExplainInfoArray(entries);
    m_editor.AddDefaultTitles(arrDefaultTitles);
    entries = m_editor.Getm_ExplainInfoArray();
    if (!IsXm())
        modify::FillFromParentProject(
            entries, modify::ReadParentProjectEntries(m_pManageFileInfo->Getm_StrFullPathName()));
    modify::OrderEntries(entries, IsXm());
    // A Project in the "BSF" working mode shows its project-level rows only.
    if (IsXm() && GetErpOrCadMode() == 2) {
        auto firstHidden =
            std::stable_partition(entries.begin(), entries.end(), [](const CExplainInfoNode& e) {
                return text::StartsWith(e.Getm_StrTitle(), L"工程");
            });
        m_arrHiddenEntries.assign(firstHidden, entries.end());
        entries.erase(firstHidden, entries.end());
    }
    m_editor.SetExplainInfoArray(entries);
    m_editor.Fill();
    if (m_List.GetItemCount() > 0) {
        m_List.SetItemState(0, ui::LVIS_SELECTED | ui::LVIS_FOCUSED,
                            ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
        m_List.SetSelectionMark(0);
    }
    m_arrSnapshot = AllEntries();
}

void CModfyXmSbDlg::RestoreBoxes() {
    CHistoryDataOprt history;
    auto restore = [&history, this](int nKey, int id) {
        int nValue = 0;
        history.GetHistoryInt(nKey, nValue);
        CheckDlgButton(id, nValue ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    };
    restore(kHistoryWriteDrawings, IDC_WRITE_DRAWINGS);
    restore(kHistoryRenameSbFolder, IDC_RENAME_SB_FOLDER);
    restore(kHistoryRenameXmFolder, IDC_RENAME_XM_FOLDER);
    restore(kHistoryRenameFiles, IDC_RENAME_FILES);
    UpdateFolderReadOnly();
}

void CModfyXmSbDlg::UpdateFolderReadOnly() {
    FolderEdit()->SetReadOnly(IsTicked(FolderBoxId()) || IsTicked(IDC_RENAME_FILES));
}

void CModfyXmSbDlg::EnableButtons() {
    unsigned nSelected = m_List.GetSelectedCount();
    GetDlgItem(IDC_MODIFY)->EnableWindow(nSelected == 1);
    GetDlgItem(IDC_DELETE)->EnableWindow(nSelected >= 1);
    GetDlgItem(IDC_PDM)->EnableWindow(IsErpMode() != 0);
}

void CModfyXmSbDlg::OfferWords(int nRow) {
    const std::vector<CExplainInfoNode>& entries = m_editor.Getm_ExplainInfoArray();
    if (nRow < 0 || nRow >= static_cast<int>(entries.size()))
        return;
    // Terminal rows share one word list.
    std::wstring strKey = entries[static_cast<size_t>(nRow)].Getm_StrTitle();
    if (strKey.find(L"端子") != std::wstring::npos)
        strKey = L"端子型号";
    GetWordList(strKey, m_List.Getm_ChoiceArray(), m_pOperateMdb);
}

void CModfyXmSbDlg::OnPdm() {
    CDlgSelectName dialog(this);
    dialog.m_bSelectXm = IsXm() ? 1 : 0;
    if (dialog.DoModal() != ui::IDOK)
        return;
    // A picked name would be rebuilt from the description by OK while the folder box is
    // ticked: the pick is what the user wants, as with a name typed by hand.
    CheckDlgButton(FolderBoxId(), ui::BST_UNCHECKED);
    UpdateFolderReadOnly();
    SetDlgItemText(IDC_FOLDER, dialog.m_strResultName);
    FolderEdit()->SetFocus();
    FolderEdit()->SetSel(0, -1);
    if (IsXm())
        return;
    std::vector<CExplainInfoNode> entries = m_editor.Getm_ExplainInfoArray();
    auto model = std::find_if(entries.begin(), entries.end(), [](const CExplainInfoNode& e) {
        return e.Getm_StrTitle() == explain::kEquipmentModel;
    });
    int nRow = static_cast<int>(model - entries.begin());
    if (model != entries.end())
        model->Setm_StrValue(dialog.m_strResultModel);
    else
        entries.emplace_back(explain::kEquipmentModel, dialog.m_strResultModel);
    m_editor.SetExplainInfoArray(entries);
    m_editor.Fill(nRow);
    EnableButtons();
}

bool CModfyXmSbDlg::OnCommand(int id, unsigned code) {
    if (code != ui::BN_CLICKED)
        return ui::Dialog::OnCommand(id, code);
    switch (id) {
    case IDC_ADD:
        m_editor.AddExplainInfo();
        break;
    case IDC_MODIFY:
        m_editor.ModifyExplainInfo();
        break;
    case IDC_DELETE:
        m_editor.DeleteExplainInfo();
        break;
    case IDC_PDM:
        OnPdm();
        break;
    case IDC_RENAME_SB_FOLDER:
    case IDC_RENAME_XM_FOLDER:
    case IDC_RENAME_FILES:
        UpdateFolderReadOnly();
        return true;
    default:
        return ui::Dialog::OnCommand(id, code);
    }
    EnableButtons();
    return true;
}

bool CModfyXmSbDlg::OnNotify(int id, ui::NMHDR& header, ui::LRESULT& result) {
    if (id == IDC_EXPLAIN_LIST && header.code == ui::NM_DBLCLK) {
        if (m_List.GetSelectedCount() == 1)
            m_editor.ModifyExplainInfo();
        result = 0;
        return true;
    }
    if (id == IDC_EXPLAIN_LIST && header.code == ui::LVN_ITEMCHANGED) {
        EnableButtons();
        result = 0;
        return true;
    }
    return ui::Dialog::OnNotify(id, header, result);
}

bool CModfyXmSbDlg::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
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
