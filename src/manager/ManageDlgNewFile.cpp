// New drawing (213): a drawing made from a drawing template under a proposed name in the
// selected container or type, with the drawings that hold the name moved up to make room.

#include "drawing/EditOprt.h"
#include "drawing/OpenSaveClose.h"
#include "drawing/RunningToolGuard.h"
#include "manager/DrawingNameShift.h"
#include "manager/ManageDlg.h"
#include "manager/NewFileDlg.h"
#include "manager/NewFileNames.h"
#include "manager/Renumbering.h"
#include "platform/cad/CommandLine.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"
#include "suite/OvXmInfo/DrawFileStyleNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

#include <filesystem>
#include <vector>

namespace {

// A new file's name with ".dwg" added unless it ends so.
std::wstring WithDrawingExtension(const std::wstring& strName) {
    if (strName.size() >= 4 && text::EqualsNoCase(strName.substr(strName.size() - 4), L".dwg"))
        return strName;
    return strName + L".dwg";
}

// The drawings after the new one move up from its number; the new record itself is the
// reference, not one of the drawings that move.
void RenumberAfterNewDrawing(ui::TreeCtrl& tree, ui::HTREEITEM hStyleItem,
                             const CFileInfoNode* pNewFile, ui::Window* pOwner) {
    std::vector<CFileInfoNode*> arrFiles =
        RenumberingWalk(tree, NextItemInTreeOrder(tree, hStyleItem));
    std::erase(arrFiles, pNewFile);
    std::vector<std::wstring> arrNames;
    for (const CFileInfoNode* pFile : arrFiles)
        arrNames.push_back(pFile->Getm_strFileName());
    std::vector<std::wstring> arrNewNames =
        PlanRenumbering(pNewFile->Getm_strFileName(), arrNames, 1, 1);
    ApplyRenumbering(arrFiles, arrNewNames, pOwner);
}

// The new drawing's record: in the type (a name starting with a digit moves the numbers after
// it up, where the installation renumbers), or among the drawings without type.
void RecordNewDrawing(CManageFileInfo& manageFile, CFileStyleNodeInfo* pStyle,
                      const std::wstring& strFileName, ui::TreeCtrl& tree, ui::HTREEITEM hStyleItem,
                      ui::Window* pOwner) {
    if (!pStyle) {
        manageFile.AddNoStyleFileByInputFileName(strFileName);
        manageFile.WriteManageFile();
        return;
    }
    CFileInfoNode* pNewFile = pStyle->InsertOneFileInfoToArray(strFileName, L"");
    manageFile.WriteManageFile();
    if (pNewFile && hStyleItem && IsRenumberingOn() && strFileName.front() >= L'0' &&
        strFileName.front() <= L'9')
        RenumberAfterNewDrawing(tree, hStyleItem, pNewFile, pOwner);
}

} // namespace

void CManageDlg::OnNewDrawing() {
    if (CheckRunningTools(this))
        return;
    CManageFileInfo* pManageFile = nullptr;
    CFileStyleNodeInfo* pStyle = nullptr;
    ui::HTREEITEM hStyleItem = nullptr;
    if (m_CurSelInfo.m_nTreeUsed == 1 || !m_CurSelInfo.m_pSbNode) {
        if (m_CurSelInfo.m_pXmNode)
            pManageFile = m_CurSelInfo.m_pXmNode->Getm_pManageFileInfo();
    } else if (m_CurSelInfo.m_nSbKind == 1) {
        pManageFile =
            static_cast<CXmSbTreeNodeInfo*>(m_CurSelInfo.m_pSbNode)->Getm_pManageFileInfo();
    } else if (m_CurSelInfo.m_nSbKind == 2) {
        pStyle =
            static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode)->Getm_pFileStyleNodeInfo();
        pManageFile = pStyle->Getm_pManageFileInfo();
        hStyleItem = m_CurSelInfo.m_hSbItem;
    }
    if (!pManageFile)
        return;
    std::wstring strFolder = pManageFile->Getm_StrFullPathName();
    bool bChanged = false;
    std::wstring strFileName;
    std::wstring strTemplate;
    {
        CCommandScope scope(*this);
        {
            CModuleResourceScope resources;
            CNewFileDlg dialog(this);
            dialog.PrepareFor(*pManageFile);
            if (dialog.DoModal() != ui::IDOK)
                return;
            strFileName = WithDrawingExtension(dialog.m_strFileName);
            // Neither the number's template nor ACAD.dwt is listed: ACAD.dwt is looked for.
            strTemplate = dialog.m_strTemplateName.empty() ? std::wstring(kFallbackTemplate)
                                                           : dialog.m_strTemplateName;
        }
        // The name becomes a file in the container's folder: "..\x" would put it elsewhere.
        if (!CEditOprt::CheckFileName(strFileName, this))
            return;
        // Every refusal comes before anything is moved or made.
        if (strFolder.empty()) {
            ui::MessageBox(this, L"无导入位置。", L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return;
        }
        if (pStyle) {
            std::wstring strClash = SameNameClash(*pStyle, strFileName);
            if (!strClash.empty()) {
                ui::MessageBox(this, strClash + kSameNameRefusalEnd, L"Tessaline",
                               ui::MB_OK | ui::MB_ICONEXCLAMATION);
                return;
            }
        }
        std::wstring strTarget = CEditOprt::JoinPath(strFolder, strFileName);
        std::error_code ignored;
        std::filesystem::current_path(fs::ToNative(strFolder), ignored);
        std::wstring strTemplatePath = CEditOprt::JoinPath(
            CEditOprt::JoinPath(GetInstallPath_TL(), kDrawingTemplateFolder), strTemplate);

        std::vector<std::wstring> arrChain = PlanNameShift(strTarget);
        int bShifted = 1;
        if (!arrChain.empty()) {
            if (ui::MessageBox(this, L"是否联动修改其余图形文件名？", L"Tessaline",
                               ui::MB_OKCANCEL | ui::MB_ICONINFORMATION) != ui::IDOK)
                return;
            if (RefuseOpenDrawings(arrChain, kOpenDrawingRefusal, true))
                return;
            // A shift that stops part way keeps the renames made: their records follow them.
            std::vector<std::pair<std::wstring, std::wstring>> arrRenamed;
            bShifted = ApplyNameShift(arrChain, arrRenamed, this);
            RenameShiftedRecords(*pManageFile, arrRenamed);
            bChanged = !arrRenamed.empty();
        }
        if (bShifted) {
            if (!fs::IsFile(strTemplatePath)) {
                acutPrintf(L"\n模板文件%s不存在\n", strTemplatePath);
                strTemplatePath = L"acad.dwt";
            }
            if (NewDrawingFromTemplateAs(strTemplatePath, strTarget)) {
                RecordNewDrawing(*pManageFile, pStyle, strFileName, m_SbTreeCtrl, hStyleItem, this);
                bChanged = true;
            } else {
                acutPrintf(L"\n图纸%s未能建立。\n", strTarget);
            }
        }
    }
    if (bChanged)
        SortByFileName();
}
