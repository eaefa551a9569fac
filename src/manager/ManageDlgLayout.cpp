// The management window's layout: the one-tree layout of an Equipment window, the place it
// takes when no placement was saved, the sizing rules and the preview frame's painting.

#include "controls/DrawDwgPreview.h"
#include "manager/ManageDlg.h"
#include "platform/cad/Host.h"
#include "platform/ui/Backend.h"

namespace {

// Moves a control by (dx, dy) and changes its size by (dw, dh), in its parent's pixels.
void Shift(ui::Window* control, int dx, int dy, int dw, int dh) {
    if (!control)
        return;
    ui::Rect rect = control->GetRectInParent();
    control->MoveWindow(rect.left + dx, rect.top + dy, rect.Width() + dw, rect.Height() + dh);
}

// The host's MDI client area, where the drawings are, in screen pixels; the screen's work area
// while the host shows no frame (the console host).
ui::Rect DrawingArea() {
    ui::Rect area = acedGetAcadFrame()->MdiClient().GetWindowRect();
    return area.IsRectEmpty() ? ui::CurrentBackend().WorkArea() : area;
}

} // namespace

void CManageDlg::SetOneTreeLayout() {
    ui::Window* pXmTree = GetDlgItem(IDC_XM_TREE);
    pXmTree->ShowWindow(ui::SW_HIDE);
    ui::Rect content = m_SbTreeCtrl.GetRectInParent();
    content.top = pXmTree->GetRectInParent().top + 8;
    m_SbTreeCtrl.MoveWindow(content);
}

void CManageDlg::PlaceAtDrawingArea() {
    ui::Rect area = DrawingArea();
    ui::Rect insets = GetFrameInsets();
    int nWidth = m_InitClientSize.cx + insets.left + insets.right;
    MoveWindow(area.left, area.top, nWidth, area.Height());
}

void CManageDlg::OnSize(unsigned type, int width, int height) {
    if (type == ui::SIZE_MINIMIZED || !m_bClientSizeKnown)
        return;
    int dx = width - m_InitClientSize.cx;
    int dy = height - m_InitClientSize.cy;
    Shift(GetDlgItem(IDC_OPEN), dx, 0, 0, 0);
    Shift(GetDlgItem(IDC_PATH), 0, 0, dx, 0);
    Shift(&m_XmTreeCtrl, 0, 0, dx, 0);
    Shift(&m_SbTreeCtrl, 0, 0, dx, dy);
    Shift(&m_PreviewFrame, dx / 2, dy, 0, 0);
    m_InitClientSize = {width, height};
    Invalidate();
    RedrawWindow();
}

void CManageDlg::OnPaint() {
    // Every pixel of the frame is painted each time: the background alone without a drawing,
    // the picture on its background otherwise, so no earlier picture ever stays.
    CDrawDwgPreview::PaintFrame(m_strPreviewFile, m_PreviewFrame);
}
