// The management window's trees: loading a management file, the rescan of the content tree,
// the expansion adjustment, following the selection in both trees and marking the current
// Equipment.

#include "drawing/EditOprt.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "store/ReadAworkSys.h"
#include "store/RememberedContainers.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

// Item texts are compared as the window reads them, at most this many characters.
constexpr size_t kItemTextLimit = 1024;

// Whether the container's folder holds a file matching "*.dwg". A drawing the management
// file lists answers at once in most folders; only when none of them is there is the folder
// searched.
bool FolderHoldsDrawings(const CManageFileInfo& manageFile) {
    const std::wstring& strFolder = manageFile.Getm_StrFullPathName();
    for (const auto& pStyle : manageFile.Getm_FileStyleNodeArray())
        for (const auto& pFile : pStyle->Getm_FileInfoArray())
            if (pFile->IsDwgFileName() &&
                fs::IsFile(CEditOprt::JoinPath(strFolder, pFile->Getm_strFileName())))
                return true;
    return CEditOprt::IsFileExist(CEditOprt::JoinPath(strFolder, L"*.dwg")) != 0;
}

CXmSbTreeNodeInfo* AsContainer(CTreeDataNode* pNode, int nKind) {
    return nKind == 0 || nKind == 1 ? static_cast<CXmSbTreeNodeInfo*>(pNode) : nullptr;
}

} // namespace

CXmSbTreeNodeInfo* CManageDlg::SearchRoot() const {
    return m_CurSelInfo.m_pXmNode ? m_CurSelInfo.m_pXmNode : m_pRootNode.get();
}

void CManageDlg::ReplaceRootNode(std::unique_ptr<CXmSbTreeNodeInfo> pRootNode) {
    // Whatever either selection pointed at belongs to the old root.
    m_CurSelInfo.ClearXm();
    m_CurSelInfo.ClearSb();
    m_pRootNode = std::move(pRootNode);
}

void CManageDlg::ClearTrees() {
    m_XmTreeCtrl.DeleteAllItems();
    m_SbTreeCtrl.DeleteAllItems();
    m_CurSelInfo.ClearXm();
    m_CurSelInfo.ClearSb();
    m_XmTreeCtrl.EnableWindow(false);
    m_SbTreeCtrl.EnableWindow(false);
    m_strPathText.clear();
    m_strSelectionText = m_nMode == 1 ? L"当前没有打开的项目。" : L"当前没有打开的设备。";
    UpdateData(false);
}

int CManageDlg::LoadManageFile(const std::wstring& strPath, int nMode) {
    if (strPath.empty())
        return 0;
    if (!CManageFileInfo::JudgeInputManageNameValid(strPath, nMode, this, 1))
        return 0;
    auto pRecord = std::make_unique<CXmSbInfo>();
    if (!pRecord->SetPrimerInfoByInputManageFilePathName(strPath))
        return 0;
    ReplaceRootNode(std::make_unique<CXmSbTreeNodeInfo>(pRecord.release()));
    // What was cut or copied belonged to the records just replaced.
    m_CopyOrCutSrcData.Clear();
    m_pRootNode->Getm_pXmSbInfo()->SearchVaildChildXmSbOneLevel(1);
    std::wstring strFolder = CEditOprt::GetParentPath(strPath);
    if (!strFolder.empty()) {
        m_XmTreeCtrl.DeleteAllItems();
        m_SbTreeCtrl.DeleteAllItems();
        m_strPathText = strFolder;
        m_XmTreeCtrl.EnableWindow(true);
        m_SbTreeCtrl.EnableWindow(true);
        UpdateData(false);
        CXmSbTreeNodeInfo::InsertXmSbNameItemToTree(m_pRootNode.get());
    }
    CXmSbTreeNodeInfo::SelectTreeNode(m_pRootNode.get());
    if (CReadAworkSys().GetSoftCurVersion() == 1 || g_bExpandTreeAfterSave) {
        g_bExpandTreeAfterSave = 0;
        CXmSbTreeNodeInfo::ExpandAllThisTreeNode(m_pRootNode.get());
    }
    RescanContentTree();
    AdjustTopLevelExpansion(m_SbTreeCtrl);
    return 1;
}

void CManageDlg::RescanContentTree() {
    // The current Project's file is written back before the top items are gone through; nothing
    // on the way changes it, so writing it again before each of them would write the same.
    if (m_CurSelInfo.m_pXmNode && m_SbTreeCtrl.GetRootItem())
        m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo()->WriteManageFile();
    // The selection is not touched: each Equipment is looked up on its own.
    for (ui::HTREEITEM hItem = m_SbTreeCtrl.GetRootItem(); hItem;
         hItem = m_SbTreeCtrl.GetNextSiblingItem(hItem)) {
        CTreeDataNode* pNode = nullptr;
        int nKind = 4;
        CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(SearchRoot(), hItem, 0, pNode, nKind);
        if (nKind != 1)
            continue;
        auto* pEquipment = static_cast<CXmSbTreeNodeInfo*>(pNode);
        CManageFileInfo* pManageFile = pEquipment->Getm_pManageFileInfo();
        if (FolderHoldsDrawings(*pManageFile)) {
            CXmSbTreeNodeInfo::SerachAndInsertChildItem(pEquipment, m_nSortFlag);
            m_strSelectionText = CXmSbTreeNodeInfo::GetNameAndExplainStr(pEquipment);
        }
        std::wstring strText = m_SbTreeCtrl.GetItemText(hItem).substr(0, kItemTextLimit);
        for (const std::wstring& strExpanded : m_arrExpandedNames)
            if (text::EqualsNoCase(strText, strExpanded)) {
                m_SbTreeCtrl.Expand(hItem, ui::TVE_EXPAND);
                break;
            }
        pManageFile->WriteManageFile();
    }
}

void CManageDlg::AdjustTopLevelExpansion(ui::TreeCtrl& tree) {
    for (ui::HTREEITEM hItem = tree.GetRootItem(); hItem; hItem = tree.GetNextSiblingItem(hItem)) {
        int nImage = 0;
        int nSelectedImage = 0;
        tree.GetItemImage(hItem, nImage, nSelectedImage);
        if (nImage == kImageStyle)
            tree.Expand(hItem, ui::TVE_COLLAPSE);
        else if (nImage == kImageProject)
            tree.Expand(hItem, ui::TVE_EXPAND);
    }
}

void CManageDlg::ScrollFirstContentItemToTop() {
    if (ui::HTREEITEM hFirst = m_SbTreeCtrl.GetRootItem())
        m_SbTreeCtrl.SelectSetFirstVisible(hFirst);
}

void CManageDlg::CollectExpandedEquipmentNames(std::vector<std::wstring>& arrNames) const {
    arrNames.clear();
    for (ui::HTREEITEM hItem = m_SbTreeCtrl.GetRootItem(); hItem;
         hItem = m_SbTreeCtrl.GetNextSiblingItem(hItem)) {
        CTreeDataNode* pNode = nullptr;
        int nKind = 4;
        CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(SearchRoot(), hItem, 0, pNode, nKind);
        if (nKind == 1 && m_SbTreeCtrl.GetItemState(hItem, ui::TVIS_EXPANDED))
            arrNames.push_back(m_SbTreeCtrl.GetItemText(hItem).substr(0, kItemTextLimit));
    }
}

void CManageDlg::OnXmTreeSelect(bool bSelectionChanged) {
    CTreeDataNode* pNode = nullptr;
    int nKind = 4;
    ui::HTREEITEM hItem = m_XmTreeCtrl.GetSelectedItem();
    CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(m_pRootNode.get(), hItem, 1, pNode, nKind);
    auto* pProject = nKind == 0 ? AsContainer(pNode, nKind) : nullptr;
    if (!pProject) {
        m_strSelectionText.clear();
        UpdateData(false);
        return;
    }
    m_CurSelInfo.ClearSb();
    m_CurSelInfo.m_hXmItem = hItem;
    m_CurSelInfo.m_pXmNode = pProject;
    if (bSelectionChanged)
        CXmSbTreeNodeInfo::SerachAndInsertChildItem(pProject, m_nSortFlag);
    m_strSelectionText = CXmSbTreeNodeInfo::GetNameAndExplainStr(pProject);
    UpdateData(false);
}

void CManageDlg::OnXmTreeItemExpanded(const ui::NMTREEVIEW& notice) {
    CTreeDataNode* pNode = nullptr;
    int nKind = 4;
    CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(m_pRootNode.get(), notice.itemNew.hItem, 1, pNode,
                                                  nKind);
    if (nKind == 0)
        CXmSbTreeNodeInfo::SerachAndInsertChildXm(AsContainer(pNode, nKind));
}

void CManageDlg::OnSbTreeSelChanged() {
    m_strPreviewFile.clear();
    m_strSelectionText.clear();
    m_CurSelInfo.ClearSb();
    ui::HTREEITEM hItem = m_SbTreeCtrl.GetSelectedItem();
    CTreeDataNode* pNode = nullptr;
    int nKind = 4;
    CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(SearchRoot(), hItem, 0, pNode, nKind);
    if (pNode) {
        m_CurSelInfo.m_hSbItem = hItem;
        m_CurSelInfo.m_pSbNode = pNode;
        m_CurSelInfo.m_nSbKind = nKind;
    }
    if (nKind == 1) {
        auto* pEquipment = AsContainer(pNode, nKind);
        CXmSbTreeNodeInfo::SerachAndInsertChildItem(pEquipment, m_nSortFlag);
        m_strSelectionText = CXmSbTreeNodeInfo::GetNameAndExplainStr(pEquipment);
    } else if (nKind == 2) {
        m_strSelectionText = CDrawFileStyleNode::GetTwoStyleNameForEditString(
            static_cast<CDrawFileStyleNode*>(pNode));
    } else if (nKind == 3) {
        const CFileInfoNode* pFile = static_cast<CDrawTreeFileNode*>(pNode)->Getm_pFileInfoNode();
        m_strPreviewFile =
            CEditOprt::JoinPath(pFile->Getm_strFullPath(), pFile->Getm_strFileName());
        if (CEditOprt::GetDocumentCount() >= 1)
            m_strSelectionText = pFile->Getm_strFileName();
    }
    Invalidate(); // the preview frame is painted by the window
    UpdateData(false);
}

void CManageDlg::OnSbTreeDoubleClick() {
    ui::Point point = m_SbTreeCtrl.ScreenToClient(ui::CurrentBackend().GetCursorPos());
    unsigned flags = 0;
    ui::HTREEITEM hItem = m_SbTreeCtrl.HitTest(point, &flags);
    if (hItem && (flags & ui::TVHT_ONITEM))
        m_SbTreeCtrl.SelectItem(hItem);
    OpenSelectedDrawing();
}

void CManageDlg::OnTimer(uintptr_t id) {
    if (id == kMarkTimer)
        MarkCurrentEquipment();
}

void CManageDlg::MarkCurrentEquipment() {
    std::wstring strPath = GetDefaultContainerPath();
    if (text::EqualsNoCase(strPath, m_strLastDefaultPath))
        return;
    m_strLastDefaultPath = strPath;
    std::wstring strFolder = CEditOprt::GetParentPath(strPath);
    for (ui::HTREEITEM hItem = m_SbTreeCtrl.GetRootItem(); hItem;
         hItem = m_SbTreeCtrl.GetNextSiblingItem(hItem)) {
        CTreeDataNode* pNode = nullptr;
        int nKind = 4;
        CXmSbTreeNodeInfo::FindSelTreeNodeByHtreeitem(SearchRoot(), hItem, 0, pNode, nKind);
        if (nKind != 1)
            continue;
        bool bCurrent = text::EqualsNoCase(
            AsContainer(pNode, nKind)->Getm_pManageFileInfo()->Getm_StrFullPathName(), strFolder);
        int nImage = bCurrent ? kImageEquipmentCurrent : kImageEquipment;
        m_SbTreeCtrl.SetItemImage(hItem, nImage, nImage);
    }
    AdjustTopLevelExpansion(m_SbTreeCtrl);
}
