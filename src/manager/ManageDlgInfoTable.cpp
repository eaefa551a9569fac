// The window's way to the information table (283): the selected Equipment's layout drawing is
// made the current drawing, unless one of the Equipment's drawings is current already, and the
// table dialog runs on the Equipment's description.

#include "drawing/DlgInfoTable.h"
#include "drawing/EditOprt.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/MessageBox.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

namespace {

// The type whose first drawing is the layout drawing of an Equipment.
constexpr const wchar_t* kLayoutType = L"屏面布置图";

bool IsCurrentDrawingOf(const CManageFileInfo& manageFile) {
    std::wstring strFolder;
    std::wstring strName;
    if (!CEditOprt::IsDrawingTitled() || !CEditOprt::GetDrawingFolder(strFolder) ||
        !CEditOprt::GetDrawingName(strName))
        return false;
    return text::EqualsNoCase(text::TrimRight(strFolder, L"\\"),
                              text::TrimRight(manageFile.Getm_StrFullPathName(), L"\\")) &&
           manageFile.FindStyNodeByInputFileName(strName) != nullptr;
}

// The layout drawing made current; false (after telling why) when there is none.
bool OpenLayoutDrawing(const CManageFileInfo& manageFile, ui::Window* pOwner) {
    const CFileStyleNodeInfo* pStyle = manageFile.FindStyNodeByInputSysOrDisName(kLayoutType);
    const CFileInfoNode* pLayout = nullptr;
    if (pStyle)
        for (const auto& pFile : pStyle->Getm_FileInfoArray())
            if (pFile->IsDwgFileName()) {
                pLayout = pFile.get();
                break;
            }
    if (!pLayout) {
        ui::MessageBox(pOwner,
                       text::Format(L"设备“%s”中没有%s，无法输出设备描述信息表格。",
                                    manageFile.Getm_StrDirName(), kLayoutType),
                       L"Tessaline", ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    std::wstring strPath = pLayout->GetFilePathName();
    if (!CEditOprt::IsFileExist(strPath)) {
        ui::MessageBox(pOwner, text::Format(L"\"%s\"文件不存在，无法打开。", strPath), L"Tessaline",
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    return CEditOprt::OpenOrActivateDrawing(strPath, 1) != 0;
}

} // namespace

void CManageDlg::OnInfoTable() {
    if (m_CurSelInfo.m_nTreeUsed != 0 || m_CurSelInfo.m_nSbKind != 1 || !m_CurSelInfo.m_pSbNode)
        return;
    CManageFileInfo* pFile = SelectedContainerFile();
    CBusyScope busy(*this);
    if (!IsCurrentDrawingOf(*pFile) && !OpenLayoutDrawing(*pFile, this))
        return;
    CDocumentLockScope lock;
    CModuleResourceScope resources;
    CDlgInfoTable dialog(pFile, this);
    dialog.DoModal();
}
