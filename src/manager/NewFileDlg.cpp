#include "manager/NewFileDlg.h"

#include "controls/ModuleResources.h"
#include "drawing/ContainerDrawings.h"
#include "drawing/EditOprt.h"
#include "manager/NewFileNames.h"
#include "platform/fs/FileSystem.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/MessageBox.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

ui::DialogTemplate NewFileTemplate() {
    using ui::ControlKind;
    return {CNewFileDlg::IDD,
            L"新建文件",
            196,
            82,
            0,
            {{ui::IDC_STATIC, ControlKind::Static, L"文件模板选择", 7, 9, 52, 9},
             {CNewFileDlg::IDC_TEMPLATE, ControlKind::ComboBox, L"", 62, 7, 127, 90,
              ui::CBS_DROPDOWNLIST},
             {ui::IDC_STATIC, ControlKind::Static, L"新建文件名称", 7, 31, 52, 9},
             {CNewFileDlg::IDC_FILE_NAME, ControlKind::Edit, L"", 62, 29, 127, 13},
             {ui::IDOK, ControlKind::PushButton, L"确 定", 62, 58, 56, 15, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取 消", 133, 58, 56, 15}}};
}

} // namespace

CNewFileDlg::CNewFileDlg(ui::Window* pParent) : ui::Dialog(NewFileTemplate(), pParent) {}

void CNewFileDlg::PrepareFor(const CManageFileInfo& container) {
    m_strFolder = container.Getm_StrFullPathName();
    m_strBookNumber.clear();
    for (const CExplainInfoNode& entry : container.Getm_ExplainInfoArray())
        if (entry.Getm_StrTitle() == L"设备图册号") {
            m_strBookNumber = entry.Getm_StrValue();
            break;
        }
    std::vector<std::wstring> arrDrawings;
    CollectContainerDrawings(container.Getm_StrManageFilePathName(), arrDrawings);
    m_nHighestNumber = HighestTrailingNumber(arrDrawings);
}

void CNewFileDlg::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_CBString(exchange, IDC_TEMPLATE, m_strTemplateName);
    ui::DDX_Text(exchange, IDC_FILE_NAME, m_strFileName);
}

bool CNewFileDlg::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    if (m_strTemplateFolder.empty())
        m_strTemplateFolder = CEditOprt::JoinPath(GetInstallPath_TL(), kDrawingTemplateFolder);
    // The templates are listed by their path, so the process's current directory stays put.
    auto* combo = GetDlgItemAs<ui::ComboBox>(IDC_TEMPLATE);
    for (const std::wstring& strPath :
         fs::FindMatches(CEditOprt::JoinPath(m_strTemplateFolder, L"*.dwt")))
        combo->AddString(CEditOprt::GetLastPathItem(strPath));
    SetDlgItemText(IDC_FILE_NAME, ProposeNewFileName(m_strBookNumber, m_nHighestNumber));
    SelectTemplateByName();
    return true;
}

void CNewFileDlg::SelectTemplateByName() {
    auto* combo = GetDlgItemAs<ui::ComboBox>(IDC_TEMPLATE);
    if (combo->SelectString(-1, TemplateForFileName(GetDlgItemText(IDC_FILE_NAME))) == ui::CB_ERR)
        combo->SelectString(-1, kFallbackTemplate);
}

bool CNewFileDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_FILE_NAME && code == ui::EN_CHANGE) {
        SelectTemplateByName();
        return true;
    }
    return false;
}

void CNewFileDlg::OnOK() {
    UpdateData(true);
    if (m_strFileName.empty()) {
        ui::MessageBox(this, L"文件名不能为空！", L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(ui::IDOK);
}
