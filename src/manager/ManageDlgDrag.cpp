// Dragging an item between the window's trees: the item is taken as by cut, the pointer shows
// whether it may be dropped where it is (copy with Ctrl held), and letting go pastes it there.
// A drag that ends where nothing may be dropped forgets the item.

#include "manager/ManageDlg.h"
#include "platform/ui/Backend.h"
#include "platform/ui/ImageList.h"
#include "suite/OvXmInfo/XmSbTreeNodeInfo.h"

namespace {

// The module's copy cursor (an arrow with a plus).
constexpr int kCopyCursor = 115;

} // namespace

void CManageDlg::OnBeginDrag(bool bXmTree, ui::HTREEITEM hItem) {
    if (m_bBusy)
        return;
    ui::TreeCtrl& tree = bXmTree ? m_XmTreeCtrl : m_SbTreeCtrl;
    tree.SelectItem(hItem);
    m_CurSelInfo.m_nTreeUsed = bXmTree ? 1 : 0;
    if (bXmTree ? !m_CurSelInfo.m_pXmNode || m_CurSelInfo.m_pXmNode == m_pRootNode.get()
                : !m_CurSelInfo.m_pSbNode || (m_nMode == 0 && m_CurSelInfo.m_nSbKind == 1))
        return;
    OnCutOrCopy(0);
    if (!m_CopyOrCutSrcData.m_bHasData)
        return;
    int nImage = 0;
    int nSelectedImage = 0;
    tree.GetItemImage(hItem, nImage, nSelectedImage);
    const ui::ImageList* pImages = tree.GetImageList();
    std::wstring strIcon =
        pImages && nImage < pImages->GetImageCount() ? pImages->GetIconName(nImage) : L"";
    ui::Backend& backend = ui::CurrentBackend();
    backend.BeginDragImage(tree.GetItemText(hItem), strIcon, {8, 8}, backend.GetCursorPos());
    m_Drag = {};
    m_Drag.bDragging = true;
}

void CManageDlg::OnDragMove(ui::Point ptScreen, bool bControl) {
    ui::Backend& backend = ui::CurrentBackend();
    backend.MoveDragImage(ptScreen, false);
    ui::Window* pWindow = backend.WindowFromPoint(ptScreen);
    if (pWindow != m_Drag.pLastWindow) {
        for (ui::TreeCtrl* pTree : {&m_XmTreeCtrl, &m_SbTreeCtrl})
            if (m_Drag.pLastWindow == pTree)
                pTree->SelectDropTarget(nullptr);
        m_Drag.pLastWindow = pWindow;
    }
    int nCursor = ui::IDC_NO;
    m_Drag.bCanDrop = false;
    if (pWindow == &m_XmTreeCtrl || pWindow == &m_SbTreeCtrl) {
        bool bXmTree = pWindow == &m_XmTreeCtrl;
        SelectItemUnderCursor(bXmTree);
        ui::TreeCtrl& tree = bXmTree ? m_XmTreeCtrl : m_SbTreeCtrl;
        tree.SelectDropTarget(tree.GetSelectedItem());
        m_CopyOrCutSrcData.m_bCopy = bControl ? 1 : 0;
        m_Drag.bCanDrop = IsPasteAllowedHere();
        if (m_Drag.bCanDrop)
            nCursor = bControl ? kCopyCursor : ui::IDC_ARROW;
    }
    backend.SetDragCursor(nCursor);
    backend.MoveDragImage(ptScreen, true);
}

void CManageDlg::OnDragControlKey() {
    if (!m_Drag.bDragging || !m_Drag.bCanDrop)
        return;
    m_CopyOrCutSrcData.m_bCopy = 1;
    ui::CurrentBackend().SetDragCursor(kCopyCursor);
}

void CManageDlg::OnDragButtonUp(ui::Point ptScreen, bool bControl) {
    ui::Backend& backend = ui::CurrentBackend();
    backend.EndDragImage();
    backend.SetDragCursor(ui::kCursorNone);
    bool bCanDrop = m_Drag.bCanDrop;
    m_Drag = {};
    m_XmTreeCtrl.SelectDropTarget(nullptr);
    m_SbTreeCtrl.SelectDropTarget(nullptr);
    if (!bCanDrop) {
        m_CopyOrCutSrcData.Clear();
        return;
    }
    ui::Window* pWindow = backend.WindowFromPoint(ptScreen);
    if (pWindow != &m_XmTreeCtrl && pWindow != &m_SbTreeCtrl)
        return;
    m_CurSelInfo.m_nTreeUsed = pWindow == &m_XmTreeCtrl ? 1 : 0;
    m_CopyOrCutSrcData.m_bCopy = bControl ? 1 : 0;
    PasteWithLabelNotesKept();
}
