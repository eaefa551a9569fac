// The window's cut (194), copy (195) and paste (196): the paste data names the item that was
// cut or copied; pasting copies or moves its files into the folder the selection stands for
// and enters them in the destination's records, and after a move takes them out of the
// source's. Moving a type or drawing within its own container only moves records.

#include "drawing/EditOprt.h"
#include "manager/ManageDlg.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "records/ManageFileNotes.h"
#include "store/RememberedContainers.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

void Tell(ui::Window* pOwner, const std::wstring& strText) {
    ui::MessageBox(pOwner, strText, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

// The folder and name by which the paste data finds a node again.
void DescribeNode(CTreeDataNode* pNode, int nKind, std::wstring& strFolder, std::wstring& strName) {
    strName.clear();
    if (nKind == 0 || nKind == 1) {
        strFolder =
            static_cast<CXmSbTreeNodeInfo*>(pNode)->Getm_pManageFileInfo()->Getm_StrFullPathName();
    } else if (nKind == 2) {
        auto* pStyle = static_cast<CDrawFileStyleNode*>(pNode);
        strFolder = pStyle->Getm_pManageFileInfo()->Getm_StrFullPathName();
        strName = pStyle->Getm_pFileStyleNodeInfo()->Getm_StyleNameNode().GetstrSysTypeName();
    } else {
        const CFileInfoNode* pFile = static_cast<CDrawTreeFileNode*>(pNode)->Getm_pFileInfoNode();
        strFolder = pFile->Getm_strFullPath();
        strName = pFile->Getm_strFileName();
    }
}

// A name for a copy beside the original: "重 " in front, as often as a file of that name is
// there already.
std::wstring CopyNameIn(const std::wstring& strFolder, const std::wstring& strName) {
    std::wstring strNewName = strName;
    do
        strNewName = L"重 " + strNewName;
    while (fs::Exists(CEditOprt::JoinPath(strFolder, strNewName)));
    return strNewName;
}

} // namespace

std::wstring CManageDlg::TargetFolder() const {
    const CXmSbTreeNodeInfo* pProject = m_CurSelInfo.m_pXmNode;
    std::wstring strProjectFolder =
        pProject ? pProject->Getm_pManageFileInfo()->Getm_StrFullPathName() : std::wstring();
    if (m_CurSelInfo.m_nTreeUsed == 1 || !m_CurSelInfo.m_pSbNode)
        return strProjectFolder;
    CTreeDataNode* pNode = m_CurSelInfo.m_pSbNode;
    switch (m_CurSelInfo.m_nSbKind) {
    case 1:
        return static_cast<CXmSbTreeNodeInfo*>(pNode)
            ->Getm_pManageFileInfo()
            ->Getm_StrFullPathName();
    case 2:
        return static_cast<CDrawFileStyleNode*>(pNode)
            ->Getm_pManageFileInfo()
            ->Getm_StrFullPathName();
    case 3:
        return static_cast<CDrawTreeFileNode*>(pNode)->Getm_pFileInfoNode()->Getm_strFullPath();
    default:
        return strProjectFolder;
    }
}

CTreeDataNode* CManageDlg::FindPasteSourceNode() const {
    const CCopyOrCutSrcData& data = m_CopyOrCutSrcData;
    if (!data.m_bHasData)
        return nullptr;
    return CXmSbTreeNodeInfo::FindTreeDataNode(m_pRootNode.get(), data.m_strFolder, data.m_strName,
                                               data.m_nSrcKind);
}

bool CManageDlg::IsSelectionPasteSource() const {
    const CCopyOrCutSrcData& data = m_CopyOrCutSrcData;
    std::wstring strFolder;
    std::wstring strName;
    if (m_CurSelInfo.m_nTreeUsed == 1) {
        if (!m_CurSelInfo.m_pXmNode || data.m_nSrcKind != 0)
            return false;
        DescribeNode(m_CurSelInfo.m_pXmNode, 0, strFolder, strName);
    } else {
        if (!m_CurSelInfo.m_pSbNode || m_CurSelInfo.m_nSbKind != data.m_nSrcKind)
            return false;
        DescribeNode(m_CurSelInfo.m_pSbNode, m_CurSelInfo.m_nSbKind, strFolder, strName);
    }
    return text::EqualsNoCase(strFolder, data.m_strFolder) &&
           (data.m_nSrcKind == 3 ? text::EqualsNoCase(strName, data.m_strName)
                                 : strName == data.m_strName);
}

bool CManageDlg::IsPasteAllowedHere() const {
    CPasteContext context;
    context.bHasData = m_CopyOrCutSrcData.m_bHasData != 0;
    context.nSrcKind = m_CopyOrCutSrcData.m_nSrcKind;
    context.bCopy = m_CopyOrCutSrcData.m_bCopy != 0;
    context.bXmTree = m_CurSelInfo.m_nTreeUsed == 1;
    context.bProjectMode = m_nMode == 1;
    context.bHasXmNode = m_CurSelInfo.m_pXmNode != nullptr;
    context.bHasSbNode = m_CurSelInfo.m_pSbNode != nullptr;
    context.nSbKind = m_CurSelInfo.m_nSbKind;
    context.bOntoSource = context.bHasData && IsSelectionPasteSource();
    return IsPasteAllowed(context);
}

void CManageDlg::OnCutOrCopy(int bCopy) {
    CCopyOrCutSrcData& data = m_CopyOrCutSrcData;
    data.m_bCopy = bCopy;
    if (m_CurSelInfo.m_nTreeUsed == 1) {
        if (!m_CurSelInfo.m_pXmNode || m_CurSelInfo.m_pXmNode == m_pRootNode.get())
            return;
        data.m_nSrcKind = 0;
        DescribeNode(m_CurSelInfo.m_pXmNode, 0, data.m_strFolder, data.m_strName);
    } else {
        if (!m_CurSelInfo.m_pSbNode)
            return;
        data.m_nSrcKind = m_CurSelInfo.m_nSbKind;
        DescribeNode(m_CurSelInfo.m_pSbNode, data.m_nSrcKind, data.m_strFolder, data.m_strName);
    }
    data.m_bHasData = 1;
}

void CManageDlg::PasteWithLabelNotesKept() {
    std::wstring strOpenFile = m_strOpenManageFile;
    std::vector<std::wstring> arrNotes = ReadLabelNoteLines(strOpenFile);
    OnPasteCommand();
    RestoreLabelNoteLines(strOpenFile, arrNotes);
}

void CManageDlg::OnPasteCommand() {
    CCopyOrCutSrcData& data = m_CopyOrCutSrcData;
    if (!data.m_bHasData) {
        Tell(this, L"无粘贴数据！");
        return;
    }
    if (!IsPasteAllowedHere())
        return;
    CTreeDataNode* pSource = FindPasteSourceNode();
    std::wstring strTarget = TargetFolder();
    if (!pSource) {
        data.Clear();
        Tell(this, L"无粘贴数据！");
        return;
    }
    if (strTarget.empty())
        return;
    const int nKind = data.m_nSrcKind;
    const bool bCopy = data.m_bCopy != 0;

    // The source: a container's folder, a type's drawings, or one drawing.
    auto* pSrcContainer = nKind <= 1 ? static_cast<CXmSbTreeNodeInfo*>(pSource) : nullptr;
    auto* pSrcStyle = nKind == 2 ? static_cast<CDrawFileStyleNode*>(pSource) : nullptr;
    auto* pSrcDrawing = nKind == 3 ? static_cast<CDrawTreeFileNode*>(pSource) : nullptr;
    std::vector<std::wstring> arrSources;
    std::wstring strSrcFolder;
    if (pSrcContainer) {
        strSrcFolder = pSrcContainer->Getm_pManageFileInfo()->Getm_StrFullPathName();
        arrSources.push_back(strSrcFolder);
    } else if (pSrcStyle) {
        strSrcFolder = pSrcStyle->Getm_pManageFileInfo()->Getm_StrFullPathName();
        pSrcStyle->Getm_pFileStyleNodeInfo()->GetFilePathNameStrArray(arrSources);
    } else {
        strSrcFolder = pSrcDrawing->Getm_pFileInfoNode()->Getm_strFullPath();
        arrSources.push_back(pSrcDrawing->Getm_pFileInfoNode()->GetFilePathName());
    }
    // Names are compared without regard to case: "P\Q" and "p\q" are one folder, and a drawing
    // pasted there under another spelling would be pasted onto itself.
    const bool bSameFolder = text::EqualsNoCase(strSrcFolder, strTarget);
    const bool bRecordsOnly = !bCopy && bSameFolder && nKind >= 2;

    // The destination: a container, or a type (after a drawing of it).
    CXmSbTreeNodeInfo* pDestContainer = nullptr;
    CFileStyleNodeInfo* pDestStyle = nullptr;
    CFileInfoNode* pDestAfter = nullptr;
    if (m_CurSelInfo.m_nTreeUsed == 1 || !m_CurSelInfo.m_pSbNode)
        pDestContainer = m_CurSelInfo.m_pXmNode;
    else if (m_CurSelInfo.m_nSbKind == 1)
        pDestContainer = static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode);
    else if (m_CurSelInfo.m_nSbKind == 2)
        pDestStyle =
            static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode)->Getm_pFileStyleNodeInfo();
    else if (m_CurSelInfo.m_nSbKind == 3) {
        pDestAfter = static_cast<CDrawTreeFileNode*>(m_CurSelInfo.m_pSbNode)->Getm_pFileInfoNode();
        pDestStyle = pDestAfter->Getm_pStyleNode();
    }
    CManageFileInfo* pDestFile = pDestContainer ? pDestContainer->Getm_pManageFileInfo()
                                                : pDestStyle->Getm_pManageFileInfo();

    // A drawing goes into another container only where no other type lists its name.
    std::wstring strNewName =
        pSrcDrawing ? pSrcDrawing->Getm_pFileInfoNode()->Getm_strFileName() : std::wstring();
    if (pSrcDrawing && !bSameFolder) {
        CFileStyleNodeInfo* pHolder = pDestFile->FindStyNodeByInputFileName(strNewName);
        bool bDestHolds =
            pDestStyle ? pHolder == pDestStyle : pHolder && !pHolder->Getm_bIsExistStyleName();
        if (pHolder && !bDestHolds) {
            std::wstring strText;
            if (pHolder->Getm_bIsExistStyleName())
                strText =
                    text::Format(L"在“%s”下,", pHolder->Getm_StyleNameNode().GetstrDisplayName());
            strText += L"已经存在一同名文件“";
            strText += strNewName;
            strText += L"”，不能在此处粘贴文件。";
            Tell(this, strText);
            return;
        }
    }
    // Nothing open in the host is moved away under it.
    if (!bCopy && !bRecordsOnly && RefuseOpenDrawings(arrSources, kOpenDrawingRefusal, true))
        return;

    // The files. A copy within its own folder gets the names of copies.
    std::vector<CFileInfoNode> arrEntered;
    if (pSrcStyle)
        for (const auto& pFile : pSrcStyle->Getm_pFileStyleNodeInfo()->Getm_FileInfoArray())
            arrEntered.emplace_back(*pFile);
    else if (pSrcDrawing)
        arrEntered.emplace_back(*pSrcDrawing->Getm_pFileInfoNode());
    std::vector<std::wstring> arrMoved;
    if (bCopy && bSameFolder && nKind >= 2) {
        CBusyScope busy(*this);
        for (CFileInfoNode& file : arrEntered) {
            std::wstring strCopyName = CopyNameIn(strTarget, file.Getm_strFileName());
            if (!g_XmComonPar.CopyByShFileOperat(file.GetFilePathName(),
                                                 CEditOprt::JoinPath(strTarget, strCopyName), this))
                return;
            file.Setm_strFileName(strCopyName);
        }
    } else if (!bRecordsOnly) {
        std::wstring strDest = pSrcDrawing ? CEditOprt::JoinPath(strTarget, strNewName) : strTarget;
        std::wstring strList = CXmComonPar::GenStringForShFileOp(arrSources);
        CBusyScope busy(*this);
        int bDone = bCopy ? g_XmComonPar.CopyByShFileOperat(strList, strDest, this)
                          : g_XmComonPar.MoveByShFileOperat(strList, strDest, this, &arrMoved);
        if (!bDone && arrMoved.empty())
            return;
        if (!bCopy) {
            // Only what arrived is entered: a declined replacement keeps its records.
            std::vector<CFileInfoNode> arrArrived;
            for (const CFileInfoNode& file : arrEntered)
                for (const std::wstring& strMoved : arrMoved)
                    if (text::EqualsNoCase(strMoved, file.GetFilePathName()))
                        arrArrived.push_back(file);
            arrEntered = std::move(arrArrived);
        }
    }

    // The destination's records.
    std::wstring strMessage;
    if (pSrcContainer) {
        if (bCopy || !arrMoved.empty())
            pDestContainer->Getm_pXmSbInfo()->SearchVaildChildXmSbOneLevel(0);
    } else if (bRecordsOnly && pSrcStyle) {
        // The records move from one type of the container to another: the source's node goes
        // before the merge takes records out of it.
        CFileStyleNodeInfo* pSrcRecord = pSrcStyle->Getm_pFileStyleNodeInfo();
        CDrawFileStyleNode::DeleteTreeNode(pSrcStyle, 0);
        strMessage = pDestFile->AddStyleAndFileByInputNode(*pSrcRecord, pDestStyle);
        if (pSrcRecord->Getm_FileInfoArray().empty() && pSrcRecord != pDestStyle)
            pDestFile->DeleteStyleNode(pSrcRecord);
    } else if (pSrcStyle && !(bCopy && bSameFolder)) {
        CFileStyleNodeInfo entered(pSrcStyle->Getm_pFileStyleNodeInfo()->Getm_StyleNameNode(), 1);
        for (const CFileInfoNode& file : arrEntered)
            entered.AddOneFileNodeByInputNode(file);
        strMessage = pDestFile->AddStyleAndFileByInputNode(entered, pDestStyle);
    } else {
        if (bRecordsOnly) {
            CDrawTreeFileNode::DeleteTreeNode(pSrcDrawing, 1);
            pSrcDrawing = nullptr;
        }
        // Copies of a type's drawings within its container join the type they were copied
        // from, unless a type was chosen.
        CFileStyleNodeInfo* pInto = pDestStyle;
        if (!pInto && pSrcStyle)
            pInto = pSrcStyle->Getm_pFileStyleNodeInfo();
        for (const CFileInfoNode& file : arrEntered) {
            if (pInto)
                pInto->AddOneFileNodeByInputNode(file, pDestAfter);
            else
                pDestFile->AddNoStyleFileByInputNode(file);
        }
    }
    pDestFile->WriteManageFile();
    if (!strMessage.empty())
        Tell(this, strMessage);

    // After a move the source's records go.
    if (!bCopy && !bRecordsOnly) {
        if (pSrcContainer && !fs::Exists(strSrcFolder)) {
            FollowMovedFolder(
                strSrcFolder,
                CEditOprt::JoinPath(strTarget, CEditOprt::GetLastPathItem(strSrcFolder)));
            CXmSbTreeNodeInfo::DeleteTreeCtrlNode(pSrcContainer, 1);
        } else if (pSrcStyle) {
            CManageFileInfo* pSrcFile = pSrcStyle->Getm_pManageFileInfo();
            CDrawFileStyleNode::DeleteTreeDataNodeIfFileDel(pSrcStyle);
            pSrcFile->WriteManageFile();
        } else if (pSrcDrawing && !arrEntered.empty()) {
            CManageFileInfo* pSrcFile = pSrcDrawing->Getm_pParentNode()->Getm_pManageFileInfo();
            CDrawTreeFileNode::DeleteTreeNode(pSrcDrawing, 1);
            pSrcFile->WriteManageFile();
        }
    }
    if (!bCopy)
        data.Clear();
    RefreshTree(0);
}
