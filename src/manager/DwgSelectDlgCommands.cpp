// The drawing selection dialog's commands: delete the checked drawings, send copies of them,
// and move the rows dropped on the tree. Files change only through the management-file
// library (trash, no replacing without asking), and a record changes only after its file did.

#include "manager/DwgSelectDlg.h"

#include "drawing/EditOprt.h"
#include "platform/fs/FileSystem.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WaitCursor.h"
#include "records/DrawingRecordEdit.h"
#include "suite/OvXmInfo/XmComonPar.h"

#include <map>
#include <unordered_map>

namespace {

int Tell(ui::Window* pOwner, const std::wstring& strText, unsigned nButtons = ui::MB_OK) {
    return ui::MessageBox(pOwner, strText, L"Tessaline", nButtons | ui::MB_ICONEXCLAMATION);
}

} // namespace

void CDwgSelectDlg::OnDelete() {
    if (Tell(this, L"确实要删除选中图纸吗?", ui::MB_OKCANCEL) != ui::IDOK)
        return;
    // From the front; the first drawing that is open stops the rest, and what went before is
    // gone together with its records.
    std::map<int, std::vector<std::wstring>> removed; // container -> names
    size_t done = 0;
    for (; done < m_arrCheckedPaths.size(); ++done) {
        const std::wstring& strPath = m_arrCheckedPaths[done];
        std::wstring strName = CEditOprt::GetLastPathItem(strPath);
        if (CEditOprt::IsDocumentOpen(strPath)) {
            Tell(this, text::Format(L"文件“%s”删除失败,请先关闭该图纸!", strName));
            break;
        }
        if (fs::IsFile(strPath) && !g_XmComonPar.DeleteByShFileOperat(strPath, this, 1))
            break; // the library said why
        int nDrawing = m_Drawings.Find(strPath);
        if (nDrawing >= 0)
            removed[m_Drawings.Drawings()[static_cast<size_t>(nDrawing)].nContainer].push_back(
                strName);
    }
    m_arrCheckedPaths.erase(m_arrCheckedPaths.begin(),
                            m_arrCheckedPaths.begin() + static_cast<std::ptrdiff_t>(done));
    SetCheckedPaths(m_arrCheckedPaths);
    for (const auto& [nContainer, arrNames] : removed)
        RemoveDrawingRecords(m_Drawings.Containers()[static_cast<size_t>(nContainer)].strManageFile,
                             arrNames);
    if (done > 0)
        m_bChanged = true;
    Reload();
}

void CDwgSelectDlg::OnSend() {
    ui::FolderChooserRequest request;
    request.title = m_nIsXm ? L"选择项目发送位置" : L"选择设备发送位置";
    request.initialFolder = CEditOprt::GetParentPath(m_strFolder);
    if (!ui::CurrentBackend().ChooseFolder(this, request) || request.folder.empty())
        return;
    ui::CWaitCursor wait;
    // The copies go in the chosen folder below the container's own folder name; with 281
    // ticked, below the Equipment's folder (for a Project) and the type's name as users see it.
    std::wstring strRoot =
        CEditOprt::JoinPath(request.folder, CEditOprt::GetLastPathItem(m_strFolder));
    bool bTypeFolders = IsDlgButtonChecked(IDC_TYPE_FOLDERS) == ui::BST_CHECKED;
    // One copy per destination folder, in the order the folders are first met: each folder is
    // made once and looked at once.
    std::vector<std::pair<std::wstring, std::vector<std::wstring>>> arrGroups;
    std::unordered_map<std::wstring, size_t> mapGroup;
    for (const std::wstring& strPath : m_arrCheckedPaths) {
        int nDrawing = m_Drawings.Find(strPath);
        if (nDrawing < 0)
            continue;
        const CDwgSelectDrawing& drawing = m_Drawings.Drawings()[static_cast<size_t>(nDrawing)];
        std::wstring strDest = strRoot;
        if (bTypeFolders) {
            std::wstring strRelPath(drawing.RelPath());
            std::wstring strRelFolder = CEditOprt::GetParentPath(strRelPath);
            if (strRelPath.find(L'\\') != std::wstring::npos && !strRelFolder.empty())
                strDest = CEditOprt::JoinPath(strDest, strRelFolder);
            if (!drawing.DisplayType().empty())
                strDest = CEditOprt::JoinPath(strDest, drawing.DisplayType());
        }
        auto [found, bNew] = mapGroup.emplace(text::FoldCase(strDest), arrGroups.size());
        if (bNew)
            arrGroups.push_back({strDest, {}});
        arrGroups[found->second].second.push_back(drawing.strFullPath);
    }
    for (const auto& [strDest, arrPaths] : arrGroups) {
        // The folder first, so that a single drawing goes into it and not onto its name.
        if (!fs::CreateFolders(strDest)) {
            Tell(this,
                 text::Format(L"不能建立目录“%s”：%s", strDest, fs::ErrorText(fs::LastError())));
            return;
        }
        if (!g_XmComonPar.CopyByShFileOperat(CXmComonPar::GenStringForShFileOp(arrPaths), strDest,
                                             this))
            return; // cancelled, or the library said why
    }
}

bool CDwgSelectDlg::MoveDrawing(const CDwgSelectDrawing& drawing, int nContainer,
                                const std::wstring& strSysType) {
    const CDwgSelectContainer& from =
        m_Drawings.Containers()[static_cast<size_t>(drawing.nContainer)];
    const CDwgSelectContainer& to = m_Drawings.Containers()[static_cast<size_t>(nContainer)];
    if (nContainer == drawing.nContainer) {
        // Its own folder: the file stays, only the record changes type.
        if (strSysType == drawing.SysType())
            return false;
        std::wstring strName(drawing.FileName());
        if (!RemoveDrawingRecords(from.strManageFile, {strName}))
            return false;
        return InsertDrawingRecord(to.strManageFile, strSysType, strName, drawing.Remark()) != 0;
    }
    if (CEditOprt::IsDocumentOpen(drawing.strFullPath)) {
        Tell(this, text::Format(L"\n图纸%s已经打开，无法重命名\n", drawing.strFullPath));
        return false;
    }
    const std::wstring strOldName(drawing.FileName());
    std::wstring strName = strOldName;
    std::wstring strTarget = CEditOprt::JoinPath(to.strFolder, strName);
    if (fs::Exists(strTarget)) {
        strName = L"复件" + strName;
        strTarget = CEditOprt::JoinPath(to.strFolder, strName);
        if (fs::Exists(strTarget)) {
            Tell(this,
                 text::Format(L"“%s”已经存在，图纸“%s”没有移动。", strTarget, drawing.strFullPath));
            return false;
        }
    }
    std::vector<std::wstring> arrMoved;
    if (!g_XmComonPar.MoveByShFileOperat(drawing.strFullPath, strTarget, this, &arrMoved) ||
        arrMoved.empty())
        return false;
    RemoveDrawingRecords(from.strManageFile, {strOldName});
    InsertDrawingRecord(to.strManageFile, strSysType, strName, drawing.Remark());
    if (IsChecked(drawing.strFullPath)) {
        std::vector<std::wstring> arrPaths = m_arrCheckedPaths;
        for (std::wstring& strPath : arrPaths)
            if (text::EqualsNoCase(strPath, drawing.strFullPath))
                strPath = strTarget;
        SetCheckedPaths(std::move(arrPaths));
    }
    return true;
}

void CDwgSelectDlg::OnDrop() {
    // The rows are taken first: the caret put on a drawing selects that drawing's row.
    std::vector<CDwgSelectDrawing> arrRows;
    uintptr_t position = m_ListCtrl.GetFirstSelectedItemPosition();
    while (position) {
        size_t index = m_ListCtrl.GetItemData(m_ListCtrl.GetNextSelectedItem(position));
        if (index < m_Drawings.Drawings().size())
            arrRows.push_back(m_Drawings.Drawings()[index]);
    }
    m_TreeCtrl.SetFocus();
    ui::Point point = m_TreeCtrl.ScreenToClient(ui::CurrentBackend().GetCursorPos());
    ui::HTREEITEM item = m_TreeCtrl.HitTest(point);
    if (item)
        m_TreeCtrl.SelectItem(item);
    const NodeInfo* node = NodeOf(item);
    if (!node || m_TreeCtrl.GetItemText(item).empty()) {
        Tell(this, L"请拖动至有效的节点！");
        return;
    }
    // A type group, or a drawing of a type, gives that type; a container (the root or an
    // Equipment), or a drawing without type, the drawings without type.
    int nContainer = node->nContainer;
    std::wstring strSysType = node->kind == NodeInfo::Container ? L"" : node->strSysType;
    bool bChanged = false;
    for (const CDwgSelectDrawing& drawing : arrRows)
        bChanged = MoveDrawing(drawing, nContainer, strSysType) || bChanged;
    if (bChanged)
        m_bChanged = true;
    Reload();
}
