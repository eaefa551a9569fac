// The window's modify command (203): the running-tool guard and a full refresh first, then the
// modification dialog of the selected Project or Equipment, whose folder is renamed afterwards
// when the dialog ends with another folder name. The remembered current Project and Equipment
// follow a renamed folder, and the refresh selects the container again by its new folder.

#include "drawing/RunningToolGuard.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/text/WideString.h"
#include "records/ModfyXmSbDlg.h"
#include "store/RememberedContainers.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

void CManageDlg::OnModifyCommand() {
    if (CheckRunningTools(this))
        return;
    // The records may have changed on disk since the trees were built: the dialog works on
    // fresh ones. The refresh selects again what was selected.
    RefreshTree(1);
    if (m_CurSelInfo.m_nTreeUsed == 1) {
        if (m_CurSelInfo.m_pXmNode)
            ModifyContainer(m_CurSelInfo.m_pXmNode);
        return;
    }
    if (!m_CurSelInfo.m_pSbNode)
        return;
    if (m_CurSelInfo.m_nSbKind == 1)
        ModifyContainer(static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode));
    else if (m_CurSelInfo.m_nSbKind == 2)
        ModifyStyle(static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode));
    else if (m_CurSelInfo.m_nSbKind == 3)
        ModifyDrawing(static_cast<CDrawTreeFileNode*>(m_CurSelInfo.m_pSbNode));
}

void CManageDlg::ModifyContainer(CXmSbTreeNodeInfo* pNode) {
    CManageFileInfo* pFile = pNode->Getm_pManageFileInfo();
    bool bRoot = pNode == m_pRootNode.get();
    std::wstring strOldFolder = pFile->Getm_StrFullPathName();
    std::wstring strNewFolder;
    {
        CCommandScope scope(*this);
        std::wstring strNewName;
        {
            CModuleResourceScope resources;
            CModfyXmSbDlg dialog(pFile, this);
            if (dialog.DoModal() == ui::IDOK)
                strNewName = dialog.Getm_strFolderName();
        }
        if (!strNewName.empty() && !text::EqualsNoCase(strNewName, pFile->Getm_StrDirName()) &&
            pNode->Getm_pXmSbInfo()->ChangeFileAndPathName(strNewName, this)) {
            strNewFolder = pFile->Getm_StrFullPathName();
            FollowMovedFolder(strOldFolder, strNewFolder);
            if (bRoot)
                m_strOpenManageFile = pFile->Getm_StrManageFilePathName();
        }
    }
    // The refresh replaces every node: pNode and pFile are gone after it.
    RefreshTree(1);
    if (!strNewFolder.empty())
        CXmSbTreeNodeInfo::SerachAndSelectXmSbTreeNode(m_pRootNode.get(), strNewFolder);
}
