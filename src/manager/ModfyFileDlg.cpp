#include "manager/ModfyFileDlg.h"

#include "controls/ModuleResources.h"
#include "drawing/EditOprt.h"
#include "platform/ui/DataExchange.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

ui::DialogTemplate ModfyFileTemplate() {
    using ui::ControlKind;
    return {CModfyFileDlg::IDD,
            L"修改文件",
            220,
            80,
            0,
            {{ui::IDC_STATIC, ControlKind::Static, L"文件名称：", 7, 9, 44, 9},
             {CModfyFileDlg::IDC_FILE_NAME, ControlKind::Edit, L"", 53, 7, 160, 13},
             {ui::IDC_STATIC, ControlKind::Static, L"文件备注：", 7, 29, 44, 9},
             {CModfyFileDlg::IDC_FILE_REMARK, ControlKind::Edit, L"", 53, 27, 160, 13},
             {ui::IDOK, ControlKind::PushButton, L"确定", 99, 57, 54, 15, ui::BS_DEFPUSHBUTTON},
             {ui::IDCANCEL, ControlKind::PushButton, L"取消", 159, 57, 54, 15}}};
}

} // namespace

CModfyFileDlg::CModfyFileDlg(CFileInfoNode* pFileNode, ui::Window* pParent)
    : ui::Dialog(ModfyFileTemplate(), pParent), m_pFileNode(pFileNode) {}

void CModfyFileDlg::DoDataExchange(ui::DataExchange& exchange) {
    ui::DDX_Text(exchange, IDC_FILE_NAME, m_strFileName);
    ui::DDX_Text(exchange, IDC_FILE_REMARK, m_strRemark);
}

bool CModfyFileDlg::OnInitDialog() {
    if (m_pFileNode) {
        m_strFileName = CEditOprt::RemoveExtension(m_pFileNode->Getm_strFileName());
        m_strRemark = m_pFileNode->Getm_strRemark();
    }
    ui::Dialog::OnInitDialog();
    SetIcon(IDI_OVMANAGE, true);
    GetDlgItem(ui::IDOK)->EnableWindow(!m_strFileName.empty());
    return true;
}

bool CModfyFileDlg::OnCommand(int id, unsigned code) {
    if (id == IDC_FILE_NAME && code == ui::EN_CHANGE) {
        GetDlgItem(ui::IDOK)->EnableWindow(!GetDlgItemText(IDC_FILE_NAME).empty());
        return true;
    }
    return false;
}

void CModfyFileDlg::OnOK() {
    UpdateData(true);
    if (m_pFileNode && m_strRemark != m_pFileNode->Getm_strRemark()) {
        m_pFileNode->Setm_strRemark(m_strRemark);
        CFileStyleNodeInfo* pStyle = m_pFileNode->Getm_pStyleNode();
        if (CManageFileInfo* pManageFile = pStyle ? pStyle->Getm_pManageFileInfo() : nullptr)
            pManageFile->WriteManageFile();
    }
    EndDialog(ui::IDOK);
}
