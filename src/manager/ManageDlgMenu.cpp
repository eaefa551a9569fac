// The trees' context menu: the selection under the pointer, the states of the items, and the
// routing of the commands chosen.

#include "drawing/EditOprt.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/DrawingCommands.h"
#include "manager/ManageDlg.h"
#include "manager/ManageDlgResources.h"
#include "manager/ManageMenuStates.h"
#include "platform/ui/Backend.h"
#include "platform/ui/MessageBox.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

void CManageDlg::SelectItemUnderCursor(bool bXmTree) {
    ui::TreeCtrl& tree = bXmTree ? m_XmTreeCtrl : m_SbTreeCtrl;
    ui::Point point = tree.ScreenToClient(ui::CurrentBackend().GetCursorPos());
    unsigned flags = 0;
    ui::HTREEITEM hItem = tree.HitTest(point, &flags);
    if (hItem && (flags & ui::TVHT_ONITEM)) {
        // The highlighted item selected again brings no selection notice, though a click in
        // the project tree may have made the window forget it meanwhile: take it up again.
        if (tree.GetSelectedItem() != hItem)
            tree.SelectItem(hItem);
        else if (bXmTree)
            OnXmTreeSelect(false);
        else
            OnSbTreeSelChanged();
    } else if (!bXmTree && m_nMode == 1)
        tree.SelectItem(nullptr);
    m_CurSelInfo.m_nTreeUsed = bXmTree ? 1 : 0;
}

void CManageDlg::OnTreeRightClick(bool bXmTree) {
    if (CEditOprt::GetDocumentCount() < 1 || m_bBusy)
        return;
    SelectItemUnderCursor(bXmTree);

    CTreeMenuContext context;
    context.bXmTree = bXmTree;
    context.bProjectMode = m_nMode == 1;
    context.bHasXmNode = m_CurSelInfo.m_pXmNode != nullptr;
    context.bXmNodeIsRoot = context.bHasXmNode && m_CurSelInfo.m_pXmNode == m_pRootNode.get();
    context.bHasSbNode = m_CurSelInfo.m_pSbNode != nullptr;
    context.nSbKind = m_CurSelInfo.m_nSbKind;
    if (context.bHasSbNode && context.nSbKind == 2)
        context.bStyleHasFiles = !static_cast<CDrawFileStyleNode*>(m_CurSelInfo.m_pSbNode)
                                      ->Getm_pFileStyleNodeInfo()
                                      ->Getm_FileInfoArray()
                                      .empty();
    context.nWorkingMode = GetErpOrCadMode();
    context.bWebPublishing = IsWebPublishingRegistered() != 0;
    context.bPasteAllowed = IsPasteAllowedHere();

    CDocumentLockScope lock;
    ui::Menu menu(ManageTreeMenuTemplate());
    ui::Menu* pPopup = menu.GetSubMenu(0);
    ApplyTreeMenuStates(*pPopup, context);
    ui::Point cursor = ui::CurrentBackend().GetCursorPos();
    // The chosen command comes back as WM_COMMAND once the menu and the lock are gone.
    pPopup->TrackPopupMenu(ui::TPM_RIGHTBUTTON, cursor.x, cursor.y, this);
}

bool CManageDlg::RouteMenuCommand(unsigned id) {
    switch (id) {
    case 202:
        RefreshTree(1);
        return true;
    case 217:
        SortByFileName();
        return true;
    case 190:
    case 191:
        OnCreateCommand(id);
        return true;
    case 192:
        OnOpenCommand();
        return true;
    case 193:
        OnCloseContainer();
        return true;
    case 171:
        OnBatchOpenSaveClose();
        return true;
    case 120:
        OnViewDrawingInformation();
        return true;
    case 210:
        OnWebPublishing();
        return true;
    case 215:
        OnWireInformation();
        return true;
    case 268:
        OnBatchFileManage();
        return true;
    case 283:
        OnInfoTable();
        return true;
    case 203:
        OnModifyCommand();
        return true;
    case 239:
    case 241:
    case 243:
    case 245:
    case 247:
    case 251:
    case 282:
        OnExport(id);
        return true;
    case 201:
        OnDeleteCommand();
        return true;
    case 194:
    case 195:
        OnCutOrCopy(id == 195 ? 1 : 0);
        return true;
    case 196:
        PasteWithLabelNotesKept();
        return true;
    case 204:
        OnAddStyle();
        return true;
    case 205:
        OnDeleteStyleOnly();
        return true;
    case 198:
    case 208:
        OnImportContainer(1, id == 208);
        return true;
    case 199:
    case 209:
        OnImportContainer(0, id == 209);
        return true;
    case 200:
    case 207:
        OnImportDrawings(id == 207);
        return true;
    case 197:
        OnSendTo();
        return true;
    case 213:
        OnNewDrawing();
        return true;
    case 206:
        OnSaveAsTemplate();
        return true;
    case 122:
        OnBatchCreateEquipments();
        return true;
    default:
        return false;
    }
}
