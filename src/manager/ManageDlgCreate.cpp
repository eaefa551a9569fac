// The window's commands for a new Project (190) and a new Equipment (191): the creation dialog
// for the selected Project, then a full refresh that selects the new container.

#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/ui/MessageBox.h"
#include "records/CreatXmSbDlg.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

void CManageDlg::OnCreateCommand(unsigned id) {
    bool bIsXm = id == 190;
    // New containers are made in a Project window, a Project from the project tree only.
    if (m_nMode != 1 || !m_CurSelInfo.m_pXmNode || (bIsXm && m_CurSelInfo.m_nTreeUsed != 1)) {
        ui::MessageBox(this, L"无效命令。", L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    std::wstring strParentFolder =
        m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo()->Getm_StrFullPathName();
    std::wstring strNewFolder;
    {
        CBusyScope busy(*this);
        CDocumentLockScope lock;
        CModuleResourceScope resources;
        CCreatXmSbDlg dialog(strParentFolder, bIsXm ? 1 : 0, this);
        if (dialog.DoModal() == ui::IDOK)
            strNewFolder = dialog.Getm_strNewFolder();
    }
    if (strNewFolder.empty())
        return;
    // The whole tree is built again from disk: the new container, a template's drawings and
    // the parent's children all show, and the new container is selected.
    RefreshTree(1);
    CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(m_pRootNode.get(), strNewFolder);
}
