// The window's imports and its send-to: a Project or Equipment copied in from elsewhere or from
// the template folder (198, 208, 199, 209), drawings copied into the selected container or
// type (200 any files, 207 the typical-drawing library), and the selection copied to a backup
// folder (197).

#include "drawing/EditOprt.h"
#include "manager/ManageDlg.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/MessageBox.h"
#include "records/ManageFileNotes.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/OvXmInfo/XmSbInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

#include <filesystem>

namespace {

// The name buffer the drawing import gives the file chooser, in characters.
constexpr size_t kImportNameBuffer = 2562;

void Tell(ui::Window* pOwner, const std::wstring& strText) {
    ui::MessageBox(pOwner, strText, L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

std::wstring CurrentDirectory() {
    std::error_code ignored;
    return fs::ToLogical(std::filesystem::current_path(ignored));
}

void ChangeCurrentDirectory(const std::wstring& strFolder) {
    std::error_code ignored;
    std::filesystem::current_path(fs::ToNative(strFolder), ignored);
}

// The characters a Windows chooser needs for the choice: one path and two zeros, or the folder,
// each name and their zeros and a last zero.
size_t ChooserBufferLength(const std::vector<std::wstring>& arrPaths) {
    if (arrPaths.size() == 1)
        return arrPaths.front().size() + 2;
    size_t nLength = CEditOprt::GetParentPath(arrPaths.front()).size() + 2;
    for (const std::wstring& strPath : arrPaths)
        nLength += CEditOprt::GetLastPathItem(strPath).size() + 1;
    return nLength;
}

bool AllValuesEmpty(const CManageFileInfo& manageFile) {
    for (const CExplainInfoNode& entry : manageFile.Getm_ExplainInfoArray())
        if (!text::Trim(entry.Getm_StrValue()).empty())
            return false;
    return true;
}

} // namespace

std::wstring CManageDlg::SameNameClash(const CFileStyleNodeInfo& destStyle,
                                       const std::wstring& strName) {
    CFileStyleNodeInfo* pHolder =
        destStyle.Getm_pManageFileInfo()->FindStyNodeByInputFileName(strName);
    if (!pHolder || pHolder == &destStyle)
        return L"";
    std::wstring strClash =
        pHolder->Getm_bIsExistStyleName()
            ? text::Format(L"在类型“%s”下,", pHolder->Getm_StyleNameNode().GetstrDisplayName())
            : std::wstring(L"在无类型的文件中,");
    strClash += L"存在同名文件“";
    strClash += strName;
    strClash += L"”";
    return strClash;
}

void CManageDlg::OnImportContainer(int bIsXm, int bFromTemplate) {
    std::wstring strTarget = TargetFolder();
    CXmSbTreeNodeInfo* pDest = m_CurSelInfo.m_pXmNode;
    if (strTarget.empty() || !pDest) {
        Tell(this, L"无导入位置。");
        return;
    }
    std::wstring strDestFolder = pDest->Getm_pManageFileInfo()->Getm_StrFullPathName();
    CCommandScope scope(*this);
    ui::FileChooserRequest request;
    request.title = bIsXm ? L"选择导入的项目" : L"选择导入的设备";
    request.filter =
        bIsXm ? L"Tessaline项目管理文件(*.itm)|*.ITM|" : L"Tessaline设备管理文件(*.prj)|*.prj|";
    request.initialFolder = !bFromTemplate ? CurrentDirectory()
                            : bIsXm        ? g_XmComonPar.Getm_StrXmTemplatePath()
                                           : g_XmComonPar.Getm_StrSbTemplatePath();
    request.flags = ui::OFN_NOCHANGEDIR | ui::OFN_FILEMUSTEXIST | ui::OFN_LONGNAMES;
    if (!ui::CurrentBackend().ChooseFile(this, request))
        return;
    const std::wstring& strFile = request.fileName;
    if (!CManageFileInfo::JudgeInputManageNameValid(strFile, bIsXm, this, 1))
        return;
    std::wstring strContainer = CEditOprt::GetParentPath(strFile);
    ChangeCurrentDirectory(strContainer);
    if (!g_XmComonPar.CopyByShFileOperat(strContainer, strTarget, this))
        return;
    pDest->Getm_pXmSbInfo()->SearchVaildChildXmSbOneLevel(0);
    RefreshTree(0);

    // A Project without description may take the one of the Project the container came from.
    std::wstring strOrigin = CEditOprt::GetParentPath(strContainer);
    std::vector<std::wstring> arrOriginFiles =
        fs::FindMatches(CEditOprt::JoinPath(strOrigin, L"*.itm"));
    auto* pDestNode = static_cast<CXmSbTreeNodeInfo*>(
        CXmSbTreeNodeInfo::FindTreeDataNode(m_pRootNode.get(), strDestFolder, L"", 0));
    CManageFileInfo* pDestFile = pDestNode ? pDestNode->Getm_pManageFileInfo() : nullptr;
    if (!arrOriginFiles.empty() && pDestFile && AllValuesEmpty(*pDestFile)) {
        if (ui::MessageBox(this, L"是否要用设备的工程信息填写此项目的工程信息！", L"Tessaline",
                           ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
            return;
        CManageFileInfo origin;
        if (origin.ReadManageFile(arrOriginFiles.front())) {
            std::vector<std::pair<std::wstring, std::wstring>> arrPairs;
            for (const CExplainInfoNode& entry : origin.Getm_ExplainInfoArray())
                arrPairs.emplace_back(entry.Getm_StrTitle(), entry.Getm_StrValue());
            if (FillDescriptionValues(pDestFile->Getm_ExplainInfoArray(), arrPairs))
                pDestFile->WriteManageFile();
        }
    }
    AdjustTopLevelExpansion(m_XmTreeCtrl);
    AdjustTopLevelExpansion(m_SbTreeCtrl);
}

void CManageDlg::OnImportDrawings(int bTypicalLibrary) {
    if (bTypicalLibrary) {
        ImportDrawings(1);
        return;
    }
    std::wstring strOpenFile = m_strOpenManageFile;
    std::vector<std::wstring> arrNotes = ReadLabelNoteLines(strOpenFile);
    ImportDrawings(0);
    RestoreLabelNoteLines(strOpenFile, arrNotes);
}

void CManageDlg::ImportDrawings(int bTypicalLibrary) {
    CCommandScope scope(*this);
    ui::FileChooserRequest request;
    request.title = L"选择导入的文件";
    request.filter =
        bTypicalLibrary ? L"DWG File(*.dwg)|*.dwg|" : L"All File(*.*)|*.*|DWG File(*.dwg)|*.dwg|";
    request.initialFolder =
        bTypicalLibrary ? g_XmComonPar.Getm_StrStandardDwgPath() : CurrentDirectory();
    request.flags =
        ui::OFN_ALLOWMULTISELECT | ui::OFN_FILEMUSTEXIST | ui::OFN_NOCHANGEDIR | ui::OFN_LONGNAMES;
    if (!ui::CurrentBackend().ChooseFile(this, request))
        return;
    std::vector<std::wstring> arrPaths = request.fileNames;
    // The Windows chooser fails when the names do not fit its buffer, and nothing is imported.
    if (arrPaths.empty() || ChooserBufferLength(arrPaths) > kImportNameBuffer) {
        ui::MessageBox(this, L"请减少选择的文件数目。", L"", ui::MB_OK);
        return;
    }
    ChangeCurrentDirectory(CEditOprt::GetParentPath(arrPaths.front()));

    // Into a type, a name another type of the container lists stays out.
    CFileStyleNodeInfo* pDestStyle = nullptr;
    if (m_CurSelInfo.m_nTreeUsed == 0 && m_CurSelInfo.m_pSbNode && m_CurSelInfo.m_nSbKind == 2)
        pDestStyle =
            static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode)->Getm_pFileStyleNodeInfo();
    if (pDestStyle) {
        std::wstring strRefused;
        std::vector<std::wstring> arrKept;
        for (const std::wstring& strPath : arrPaths) {
            std::wstring strName = CEditOprt::GetLastPathItem(strPath);
            std::wstring strClash = SameNameClash(*pDestStyle, strName);
            if (strClash.empty())
                arrKept.push_back(strPath);
            strRefused += strClash;
        }
        if (!strRefused.empty()) {
            strRefused += kSameNameRefusalEnd;
            Tell(this, strRefused);
        }
        arrPaths = std::move(arrKept);
    }
    std::wstring strTarget = TargetFolder();
    if (strTarget.empty()) {
        Tell(this, L"无导入位置。");
        return;
    }
    if (arrPaths.empty() || !g_XmComonPar.CopyByShFileOperat(
                                CXmComonPar::GenStringForShFileOp(arrPaths), strTarget, this))
        return;

    CManageFileInfo* pManageFile = nullptr;
    if (pDestStyle) {
        for (const std::wstring& strPath : arrPaths)
            pDestStyle->InsertOneFileInfoToArray(CEditOprt::GetLastPathItem(strPath), L"");
        pManageFile = pDestStyle->Getm_pManageFileInfo();
    } else if (m_CurSelInfo.m_nTreeUsed == 1 || !m_CurSelInfo.m_pSbNode ||
               m_CurSelInfo.m_nSbKind == 1) {
        pManageFile = SelectedContainerFile();
        if (pManageFile)
            for (const std::wstring& strPath : arrPaths)
                pManageFile->AddNoStyleFileByInputFileName(CEditOprt::GetLastPathItem(strPath));
    }
    if (pManageFile)
        pManageFile->WriteManageFile();
    RefreshTree(0);
    AdjustTopLevelExpansion(m_SbTreeCtrl);
}

void CManageDlg::OnSendTo() {
    std::vector<std::wstring> arrSources;
    std::wstring strTitle;
    std::wstring strStart;
    if (m_CurSelInfo.m_nTreeUsed == 1 || (m_CurSelInfo.m_pSbNode && m_CurSelInfo.m_nSbKind == 1)) {
        CXmSbTreeNodeInfo* pContainer =
            m_CurSelInfo.m_nTreeUsed == 1 ? m_CurSelInfo.m_pXmNode
                                          : static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode);
        if (!pContainer)
            return;
        const CManageFileInfo* pFile = pContainer->Getm_pManageFileInfo();
        strStart = pFile->Getm_StrFullPathName();
        arrSources.push_back(strStart);
        strTitle = text::Format(pFile->Getm_IsXmManageFile() ? L"选择项目“%s”的备份位置"
                                                             : L"选择设备“%s”的备份位置",
                                pFile->Getm_StrDirName());
    } else if (m_CurSelInfo.m_pSbNode && m_CurSelInfo.m_nSbKind == 2) {
        auto* pStyleNode = static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode);
        pStyleNode->Getm_pFileStyleNodeInfo()->GetFilePathNameStrArray(arrSources);
        strStart = pStyleNode->Getm_pManageFileInfo()->Getm_StrFullPathName();
        strTitle =
            text::Format(L"选择类型“%s”所包含图形文件的备份位置", pStyleNode->GetShownName());
    } else if (m_CurSelInfo.m_pSbNode && m_CurSelInfo.m_nSbKind == 3) {
        const CFileInfoNode* pFile =
            static_cast<CDrawTreeFileNode*>(m_CurSelInfo.m_pSbNode)->Getm_pFileInfoNode();
        arrSources.push_back(pFile->GetFilePathName());
        strStart = pFile->Getm_strFullPath();
        strTitle = text::Format(L"选择文件“%s”的备份位置", pFile->Getm_strFileName());
    }
    if (arrSources.empty())
        return;
    CBusyScope busy(*this);
    ui::FolderChooserRequest request;
    request.title = strTitle;
    request.initialFolder = strStart;
    if (!ui::CurrentBackend().ChooseFolder(this, request))
        return;
    g_XmComonPar.CopyByShFileOperat(CXmComonPar::GenStringForShFileOp(arrSources), request.folder,
                                    this);
}
