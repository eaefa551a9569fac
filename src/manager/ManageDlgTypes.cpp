// The window's commands on drawing types and on one drawing's name: add a type (204), delete a
// type keeping its drawings (205), and modify (203) on a type (its name) or a drawing (its
// file name and remark; the numbered drawings after it follow a new number).

#include "drawing/EditOprt.h"
#include "manager/ManageDlg.h"
#include "manager/ModfyFileDlg.h"
#include "manager/Renumbering.h"
#include "manager/StyleEditDlg.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/DrawTreeManageFileInfo.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

void Tell(ui::Window* pOwner, const std::wstring& strText) {
    ui::MessageBox(pOwner, strText, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

// The type name the dialog ends with; false after Cancel.
bool AskStyleName(const std::wstring& strTitle, std::wstring& strName, ui::Window* pOwner) {
    CModuleResourceScope resources;
    CStyleEditDlg dialog(strTitle, pOwner);
    dialog.m_strStyleName = strName;
    if (dialog.DoModal() != ui::IDOK)
        return false;
    strName = text::Trim(dialog.m_strStyleName);
    return true;
}

} // namespace

void CManageDlg::OnAddStyle() {
    CXmSbTreeNodeInfo* pContainer = nullptr;
    if (m_CurSelInfo.m_nTreeUsed == 1 || !m_CurSelInfo.m_pSbNode)
        pContainer = m_CurSelInfo.m_pXmNode;
    else if (m_CurSelInfo.m_nSbKind == 1)
        pContainer = static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode);
    if (!pContainer)
        return;
    CManageFileInfo* pManageFile = pContainer->Getm_pManageFileInfo();
    std::wstring strFolder = pManageFile->Getm_StrFullPathName();
    std::wstring strSysName;
    {
        CCommandScope scope(*this);
        std::wstring strName;
        if (!AskStyleName(L"选择添加的类型名称", strName, this))
            return;
        if (strName.empty()) {
            Tell(this, L"无类型名称!");
            return;
        }
        CFileStyleNodeInfo* pNewStyle = nullptr;
        if (!pManageFile->AddOneNewStyData(strName, this, pNewStyle))
            return;
        strSysName = pNewStyle->Getm_StyleNameNode().GetstrSysTypeName();
        // A Project's types stand among its Equipments: the new one is selected below.
        if (pContainer->GetNodeKind() == kTreeNodeProject)
            m_SbTreeCtrl.SelectItem(nullptr);
        pManageFile->WriteManageFile();
    }
    RefreshTree(0);
    CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(m_pRootNode.get(), strFolder, strSysName, 2);
}

void CManageDlg::OnDeleteStyleOnly() {
    if (m_CurSelInfo.m_nTreeUsed == 1 || !m_CurSelInfo.m_pSbNode || m_CurSelInfo.m_nSbKind != 2) {
        Tell(this, L"未选择删除的类型");
        return;
    }
    auto* pStyleNode = static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode);
    CFileStyleNodeInfo* pStyle = pStyleNode->Getm_pFileStyleNodeInfo();
    if (!pStyle->Getm_FileInfoArray().empty() &&
        ui::MessageBox(this, text::Format(L"确认删除类型“%s”？", pStyleNode->GetShownName()),
                       L"Tessaline", ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
        return;
    CXmSbTreeNodeInfo* pContainer = pStyleNode->Getm_pParentNode();
    CManageFileInfo* pManageFile = pStyle->Getm_pManageFileInfo();
    // The selection leaves the type before its item goes: to its Equipment, or to nothing.
    ui::HTREEITEM hContainer =
        pContainer->GetNodeKind() == kTreeNodeEquipment ? pContainer->GetTreeItem() : nullptr;
    m_SbTreeCtrl.SelectItem(hContainer);
    if (!hContainer)
        m_CurSelInfo.ClearSb();
    CDrawFileStyleNode::DeleteTreeNode(pStyleNode, 0);
    pStyle->DeleteStyleOnly();
    pManageFile->WriteManageFile();
    RefreshTree(0);
}

void CManageDlg::ModifyStyle(CDrawFileStyleNode* pStyleNode) {
    CXmSbTreeNodeInfo* pContainer = pStyleNode->Getm_pParentNode();
    CManageFileInfo* pManageFile = pStyleNode->Getm_pManageFileInfo();
    std::wstring strFolder = pManageFile->Getm_StrFullPathName();
    std::wstring strSysName;
    {
        CCommandScope scope(*this);
        std::wstring strName =
            pStyleNode->Getm_pFileStyleNodeInfo()->Getm_StyleNameNode().GetstrDisplayName();
        std::wstring strOldName = strName;
        if (!AskStyleName(L"修改类型名称", strName, this))
            return;
        if (strName.empty()) {
            Tell(this, L"无类型名称!");
            return;
        }
        if (strName == strOldName)
            return;
        m_CurSelInfo.ClearSb();
        CDrawFileStyleNode* pNewNode =
            CDrawTreeManageFileInfo::ModfyStyleNameToNew(pContainer, strName, pStyleNode);
        if (!pNewNode)
            return;
        strSysName = pNewNode->Getm_pFileStyleNodeInfo()->Getm_StyleNameNode().GetstrSysTypeName();
        pManageFile->WriteManageFile();
        if (ui::HTREEITEM hItem = pNewNode->GetTreeItem())
            m_SbTreeCtrl.SelectItem(hItem);
    }
    RefreshTree(0);
    CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(m_pRootNode.get(), strFolder, strSysName, 2);
}

void CManageDlg::ModifyDrawing(CDrawTreeFileNode* pDrawingNode) {
    CFileInfoNode* pFile = pDrawingNode->Getm_pFileInfoNode();
    std::wstring strFolder = pFile->Getm_strFullPath();
    std::wstring strOldName = pFile->Getm_strFileName();
    std::wstring strNewName = strOldName;
    {
        CCommandScope scope(*this);
        std::wstring strName;
        {
            CModuleResourceScope resources;
            CModfyFileDlg dialog(pFile, this);
            if (dialog.DoModal() != ui::IDOK)
                return;
            strName = dialog.m_strFileName;
        }
        ui::CWaitCursor waitCursor;
        std::wstring strExtension = CEditOprt::GetExtension(strOldName);
        strNewName = strName;
        if (!strExtension.empty()) {
            strNewName += L".";
            strNewName += strExtension;
        }
        // The name becomes a file name in the container's folder: "..\x" or "a/b" would put
        // the drawing elsewhere, "CON" or "x." would not be a file on every installation.
        if (!CEditOprt::CheckFileName(strName, this) || !CEditOprt::CheckFileName(strNewName, this))
            return;
        if (!text::EqualsNoCase(strNewName, strOldName)) {
            std::wstring strOldPath = pFile->GetFilePathName();
            if (RefuseOpenDrawings({strOldPath}, kOpenDrawingRefusal, true))
                return;
            if (!g_XmComonPar.RenameByShFileOperat(
                    strOldPath, CEditOprt::JoinPath(strFolder, strNewName), this))
                return;
            pFile->Setm_strFileName(strNewName);
            pFile->Getm_pStyleNode()->Getm_pManageFileInfo()->WriteManageFile();
            // Only a rename that took place moves the numbers of the drawings after it.
            std::wstring strNewNumber = NumberPrefix(strNewName);
            if (IsRenumberingOn() && !strNewNumber.empty() &&
                strNewNumber != NumberPrefix(strOldName))
                if (ui::HTREEITEM hItem = pDrawingNode->GetTreeItem())
                    RenumberDrawingsFrom(m_SbTreeCtrl, NextItemInTreeOrder(m_SbTreeCtrl, hItem),
                                         strNewName, 1, 0, this);
        } else {
            strNewName = strOldName;
        }
    }
    RefreshTree(0);
    CXmSbTreeNodeInfo::SerachAndSelectStyDwgTreeNode(m_pRootNode.get(), strFolder, strNewName, 3);
}
