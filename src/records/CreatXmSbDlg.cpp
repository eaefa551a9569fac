// The creation dialog: its template, opening, naming, templates, suggestions and OK. The
// creation itself is create::CreatXmSb (CreatXmSbRules.cpp).

#include "records/CreatXmSbDlg.h"

#include "controls/ModuleResources.h"
#include "drawing/DlgSelectName.h"
#include "drawing/EditOprt.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/WaitCursor.h"
#include "store/HistoryDataOprt.h"
#include "store/OperateMdb.h"
#include "store/WordList.h"
#include "store/WorkingMode.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"

namespace {

ui::DialogTemplate CreatXmSbTemplate() {
    using ui::ControlKind;
    using D = CCreatXmSbDlg;
    return {
        D::IDD,
        L"",
        330,
        247,
        0,
        {{D::IDC_PROMPT, ControlKind::Static, L"", 7, 7, 250, 8},
         {D::IDC_NAME, ControlKind::Edit, L"", 7, 18, 250, 13},
         {D::IDC_PDM, ControlKind::PushButton, L"PDM库", 263, 17, 60, 14},
         {D::IDC_PARENT_LINE, ControlKind::Static, L"", 7, 36, 316, 8},
         {D::IDC_LOCATION_LINE, ControlKind::Static, L"", 7, 47, 316, 8},
         {D::IDC_EXPLAIN_LABEL, ControlKind::Static, L"", 7, 63, 100, 8},
         {D::IDC_NAMING_LABEL, ControlKind::Static, L"命名方式：", 160, 63, 42, 8},
         {D::IDC_NAMING, ControlKind::ComboBox, L"", 204, 61, 119, 80, ui::CBS_DROPDOWNLIST},
         {D::IDC_EXPLAIN_LIST, ControlKind::List, L"", 7, 77, 316, 105,
          ui::LVS_REPORT | ui::LVS_SHOWSELALWAYS},
         {D::IDC_USE_TEMPLATE, ControlKind::CheckBox, L"使用模板", 7, 189, 50, 10},
         {D::IDC_SERVER_TEMPLATES, ControlKind::CheckBox, L"服务器端模板", 60, 189, 70, 10},
         {D::IDC_TEMPLATES_LABEL, ControlKind::Static, L"模板列表:", 134, 190, 38, 8},
         {D::IDC_TEMPLATES, ControlKind::ComboBox, L"", 174, 187, 149, 80, ui::CBS_DROPDOWNLIST},
         {D::IDC_FROM_TEMPLATE_LABEL, ControlKind::Static, L"是否以模板新建", 7, 207, 60, 8},
         {D::IDC_FROM_TEMPLATE_YES, ControlKind::RadioButton, L"是", 70, 206, 25, 10},
         {D::IDC_FROM_TEMPLATE_NO, ControlKind::RadioButton, L"否", 98, 206, 25, 10},
         {D::IDC_CHOOSE_TEMPLATE, ControlKind::PushButton, L"选择模板", 128, 204, 60, 14},
         {ui::IDOK, ControlKind::PushButton, L"确定", 217, 226, 50, 14, ui::BS_DEFPUSHBUTTON},
         {ui::IDCANCEL, ControlKind::PushButton, L"取消", 273, 226, 50, 14}}};
}

} // namespace

CCreatXmSbDlg::CCreatXmSbDlg(std::wstring strParentFolder, int bIsXm, ui::Window* pParent)
    : ui::Dialog(CreatXmSbTemplate(), pParent), m_strParentFolder(std::move(strParentFolder)),
      m_bIsXm(bIsXm), m_editor(this) {
    Bind(IDC_EXPLAIN_LIST, m_List);
}

CCreatXmSbDlg::~CCreatXmSbDlg() = default;

bool CCreatXmSbDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    ShowKind();

    m_editor.SetListCtrl(&m_List);
    m_List.SetComboColumns({1});
    std::vector<std::wstring> arrDefaultTitles;
    m_bDictionaryTried = true;
    m_pOperateMdb = OpenLocalWordDictionary();
    if (m_pOperateMdb)
        GetWordListFrom(*m_pOperateMdb, kDefaultTitlesTable, arrDefaultTitles);
    std::wstring strParentName = CEditOprt::GetLastPathItem(m_strParentFolder);
    m_editor.SetExplainInfoArray(create::InitialRows(
        arrDefaultTitles,
        CEditOprt::JoinPath(m_strParentFolder,
                            strParentName + L"." + CManageFileInfo::Getm_StrXmFileExt()),
        m_bIsXm));
    m_editor.Fill();

    for (const std::wstring& strScheme : create::NamingSchemes(m_bIsXm))
        Naming()->AddString(strScheme);
    CheckRadioButton(IDC_FROM_TEMPLATE_YES, IDC_FROM_TEMPLATE_NO, IDC_FROM_TEMPLATE_NO);
    GetDlgItem(IDC_CHOOSE_TEMPLATE)->EnableWindow(false);
    RestoreHistory();
    RefreshTemplates();
    OnNamingChanged();
    OnNameChanged();
    SetTimer(kNamingTimer, 100);
    return true;
}

void CCreatXmSbDlg::ShowKind() {
    SetWindowText(m_bIsXm ? L"新建项目" : L"新建设备");
    SetDlgItemText(IDC_PROMPT, m_bIsXm ? L"请输入新建项目的名称：" : L"请输入新建设备的名称：");
    SetDlgItemText(IDC_EXPLAIN_LABEL, m_bIsXm ? L"项目描述信息:" : L"设备描述信息:");
    SetDlgItemText(IDC_PARENT_LINE,
                   std::wstring(L"属于项目:") + CEditOprt::GetLastPathItem(m_strParentFolder));
    GetDlgItem(IDC_PDM)->EnableWindow(IsErpMode() != 0);
    if (IsServerTessal())
        GetDlgItem(IDC_SERVER_TEMPLATES)->ShowWindow(ui::SW_HIDE);
}

void CCreatXmSbDlg::RestoreHistory() {
    CHistoryDataOprt history;
    int nScheme = 0, bUse = 0, bServer = 0;
    history.GetHistoryInt(m_bIsXm ? kHistoryXmNaming : kHistorySbNaming, nScheme);
    history.GetHistoryInt(m_bIsXm ? kHistoryXmUseTemplate : kHistorySbUseTemplate, bUse);
    history.GetHistoryInt(m_bIsXm ? kHistoryXmServerTemplates : kHistorySbServerTemplates, bServer);
    if (nScheme < 0 || nScheme >= Naming()->GetCount())
        nScheme = 0;
    Naming()->SetCurSel(nScheme);
    CheckDlgButton(IDC_USE_TEMPLATE, bUse ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    CheckDlgButton(IDC_SERVER_TEMPLATES,
                   bServer && !IsServerTessal() ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void CCreatXmSbDlg::RememberHistory() {
    CHistoryDataOprt history;
    history.SetHistoryInt(m_bIsXm ? kHistoryXmNaming : kHistorySbNaming, Naming()->GetCurSel());
    history.SetHistoryInt(m_bIsXm ? kHistoryXmUseTemplate : kHistorySbUseTemplate,
                          IsTicked(IDC_USE_TEMPLATE) ? 1 : 0);
    history.SetHistoryInt(m_bIsXm ? kHistoryXmServerTemplates : kHistorySbServerTemplates,
                          IsTicked(IDC_SERVER_TEMPLATES) ? 1 : 0);
}

bool CCreatXmSbDlg::IsCustomNaming() const {
    return Naming()->GetCurSel() == Naming()->GetCount() - 1;
}

void CCreatXmSbDlg::OnNameChanged() {
    std::wstring strName = GetDlgItemText(IDC_NAME);
    GetDlgItem(ui::IDOK)->EnableWindow(!text::Trim(strName).empty());
    SetDlgItemText(IDC_LOCATION_LINE,
                   std::wstring(L"新建位置:") +
                       CEditOprt::JoinPath(m_strParentFolder, text::TrimRight(strName)));
}

void CCreatXmSbDlg::OnNamingChanged() {
    bool bCustom = IsCustomNaming();
    NameEdit()->SetReadOnly(!bCustom);
    if (!bCustom) {
        ApplyNaming();
        return;
    }
    NameEdit()->SetFocus();
    NameEdit()->SetSel(0, -1);
}

void CCreatXmSbDlg::ApplyNaming() {
    if (IsCustomNaming())
        return;
    std::wstring strName =
        create::ProposeName(m_editor.Getm_ExplainInfoArray(), m_bIsXm, Naming()->GetCurSel());
    // Setting the same text again would only send a change and redraw the field.
    if (!strName.empty() && strName != GetDlgItemText(IDC_NAME))
        SetDlgItemText(IDC_NAME, strName);
}

void CCreatXmSbDlg::RefreshTemplates() {
    std::wstring strInstall = IsTicked(IDC_SERVER_TEMPLATES) ? GetTessalCommonResInstallPath()
                                                             : GetTessalLocalInstallPath();
    m_arrTemplates = create::FindTemplates(create::TemplateRoot(strInstall, m_bIsXm), m_bIsXm);
    Templates()->ResetContent();
    for (size_t i = 0; i < m_arrTemplates.size(); ++i)
        Templates()->AddString(
            create::TemplateComboText(static_cast<int>(i) + 1, m_arrTemplates[i].strName));
    EnableTemplateControls();
}

void CCreatXmSbDlg::EnableTemplateControls() {
    bool bUse = IsTicked(IDC_USE_TEMPLATE);
    GetDlgItem(IDC_TEMPLATES)->EnableWindow(bUse);
    GetDlgItem(IDC_TEMPLATES_LABEL)->EnableWindow(bUse);
    GetDlgItem(IDC_SERVER_TEMPLATES)->EnableWindow(bUse);
    // A ticked box offers the first template at once, so that OK does not quietly make the
    // container without one.
    if (!bUse)
        Templates()->SetCurSel(-1);
    else if (Templates()->GetCurSel() < 0 && Templates()->GetCount() > 0)
        Templates()->SetCurSel(0);
}

void CCreatXmSbDlg::OnFromTemplate(bool bYes) {
    GetDlgItem(IDC_CHOOSE_TEMPLATE)->EnableWindow(bYes);
    if (!bYes) {
        m_strChosenTemplateFolder.clear();
        return;
    }
    ChooseTemplateFile();
}

void CCreatXmSbDlg::ChooseTemplateFile() {
    for (;;) {
        ui::FileChooserRequest request;
        request.title = m_bIsXm ? L"选择新建项目的模板" : L"选择新建设备的模板";
        request.filter = m_bIsXm ? L"Tessaline项目管理文件(*.itm)|*.ITM|"
                                 : L"Tessaline设备管理文件(*.prj)|*.prj|";
        request.initialFolder =
            m_bIsXm ? g_XmComonPar.Getm_StrXmTemplatePath() : g_XmComonPar.Getm_StrSbTemplatePath();
        request.flags = ui::OFN_FILEMUSTEXIST | ui::OFN_HIDEREADONLY;
        if (!ui::CurrentBackend().ChooseFile(this, request)) {
            if (m_strChosenTemplateFolder.empty()) {
                CheckRadioButton(IDC_FROM_TEMPLATE_YES, IDC_FROM_TEMPLATE_NO, IDC_FROM_TEMPLATE_NO);
                GetDlgItem(IDC_CHOOSE_TEMPLATE)->EnableWindow(false);
            }
            return;
        }
        if (CManageFileInfo::JudgeInputManageNameValid(request.fileName, m_bIsXm, this, 1)) {
            m_strChosenTemplateFolder = CEditOprt::GetParentPath(request.fileName);
            return;
        }
        if (!m_strChosenTemplateFolder.empty())
            return;
    }
}

void CCreatXmSbDlg::OnPdm() {
    CDlgSelectName dialog(this);
    dialog.m_bSelectXm = m_bIsXm ? 1 : 0;
    if (dialog.DoModal() != ui::IDOK)
        return;
    // The pick is a name chosen by hand: the naming scheme must not overwrite it.
    Naming()->SetCurSel(Naming()->GetCount() - 1);
    NameEdit()->SetReadOnly(false);
    SetDlgItemText(IDC_NAME, dialog.m_strResultName);
    NameEdit()->SetFocus();
    NameEdit()->SetSel(0, -1);
    if (!m_bIsXm)
        m_strModel = dialog.m_strResultModel;
}

void CCreatXmSbDlg::OfferWords(int nRow) {
    std::vector<std::wstring>& arrWords = m_List.Getm_ChoiceArray();
    arrWords.clear();
    const std::vector<CExplainInfoNode>& rows = m_editor.Getm_ExplainInfoArray();
    if (nRow < 0 || nRow >= static_cast<int>(rows.size()))
        return;
    if (!m_pOperateMdb && !m_bDictionaryTried) {
        m_bDictionaryTried = true;
        m_pOperateMdb = OpenLocalWordDictionary();
    }
    if (!m_pOperateMdb)
        return;
    // Terminal rows share one word list.
    std::wstring strKey = rows[static_cast<size_t>(nRow)].Getm_StrTitle();
    if (strKey.find(L"端子") != std::wstring::npos)
        strKey = L"端子型号";
    GetWordListFrom(*m_pOperateMdb, strKey, arrWords);
}

void CCreatXmSbDlg::OnTimer(uintptr_t id) {
    if (id == kNamingTimer)
        ApplyNaming();
    else
        ui::Dialog::OnTimer(id);
}

bool CCreatXmSbDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_NAME && code == ui::EN_CHANGE) {
        OnNameChanged();
        return true;
    }
    if (id == IDC_NAMING && code == ui::CBN_SELCHANGE) {
        OnNamingChanged();
        return true;
    }
    if (code != ui::BN_CLICKED)
        return ui::Dialog::OnCommand(id, code);
    switch (id) {
    case IDC_USE_TEMPLATE:
        EnableTemplateControls();
        return true;
    case IDC_SERVER_TEMPLATES:
        RefreshTemplates();
        return true;
    case IDC_FROM_TEMPLATE_YES:
    case IDC_FROM_TEMPLATE_NO:
        OnFromTemplate(id == IDC_FROM_TEMPLATE_YES);
        return true;
    case IDC_CHOOSE_TEMPLATE:
        ChooseTemplateFile();
        return true;
    case IDC_PDM:
        OnPdm();
        return true;
    default:
        return ui::Dialog::OnCommand(id, code);
    }
}

bool CCreatXmSbDlg::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                              ui::LRESULT& result) {
    if (message == WM_LIST_FILLCHOICES) {
        if (static_cast<int>(lParam) == 1)
            OfferWords(static_cast<int>(wParam));
        result = 0;
        return true;
    }
    if (message == WM_LIST_COMBOCOMMIT) {
        m_editor.TakeValueFromList(m_List.Getm_nCurRow());
        ApplyNaming();
        result = 0;
        return true;
    }
    return ui::Dialog::OnMessage(message, wParam, lParam, result);
}

void CCreatXmSbDlg::OnOK() {
    // An edit in place that is still open belongs to the description.
    int nEditedRow = m_List.Getm_nCurRow();
    m_List.FinishEditing();
    m_editor.TakeValueFromList(nEditedRow);
    ApplyNaming();
    create::CCreateRequest request;
    request.strParentFolder = m_strParentFolder;
    request.strName = text::TrimRight(GetDlgItemText(IDC_NAME));
    if (request.strName.empty())
        return;
    request.bIsXm = m_bIsXm;
    request.strCaption = GetWindowText();
    int nTemplate = Templates()->GetCurSel();
    if (IsTicked(IDC_USE_TEMPLATE) && nTemplate >= 0 &&
        nTemplate < static_cast<int>(m_arrTemplates.size())) {
        request.strTemplateFolder = m_arrTemplates[static_cast<size_t>(nTemplate)].strFolder;
        request.strTemplateText = Templates()->GetLBText(nTemplate);
    }
    request.strModel = m_strModel;
    request.entries = m_editor.Getm_ExplainInfoArray();
    {
        ui::CWaitCursor waitCursor;
        if (!create::CreatXmSb(request, this))
            return;
    }
    m_strNewFolder = CEditOprt::GetParentPath(create::NewManageFilePath(request));
    KillTimer(kNamingTimer);
    RememberHistory();
    EndDialog(ui::IDOK);
}
