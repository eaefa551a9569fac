#include "DrawingView.h"

#include "platform/cad/BuiltinCommands.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/Documents.h"

#include <wx/dcbuffer.h>
#include <wx/graphics.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace desk {

namespace {

// A wheel notch zooms by this factor.
constexpr double kWheelZoom = 1.25;

} // namespace

DrawingView::DrawingView(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetCursor(wxCursor(wxCURSOR_CROSS));
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refresh(false);
        event.Skip();
    });
    Bind(wxEVT_MOUSEWHEEL, &DrawingView::OnWheel, this);
    for (auto type :
         {wxEVT_MOTION, wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN, wxEVT_MIDDLE_UP})
        Bind(type, &DrawingView::OnMouse, this);
    Bind(wxEVT_KEY_DOWN, &DrawingView::OnKey, this);
}

ViewWindow DrawingView::CurrentView() const {
    ViewWindow view;
    wxSize size = GetClientSize();
    view.pixelWidth = std::max(size.x, 1);
    view.pixelHeight = std::max(size.y, 1);
    if (AcApDocument* document = acDocManager->curDocument()) {
        view.centerX = document->viewCenter().x;
        view.centerY = document->viewCenter().y;
        view.height = document->viewHeight();
    }
    return view;
}

void DrawingView::RefreshIfChanged() {
    AcApDocument* document = acDocManager->curDocument();
    AcDbBlockTableRecord* space = document ? document->database()->modelSpace() : nullptr;
    size_t entities = space ? space->entityHandles().size() : 0;
    ViewWindow view = CurrentView();
    if (document != m_shownDocument || entities != m_shownEntities ||
        view.centerX != m_shownCenterX || view.centerY != m_shownCenterY ||
        view.height != m_shownHeight)
        Refresh(false);
}

void DrawingView::OnPaint() {
    wxAutoBufferedPaintDC dc(this);
    std::unique_ptr<wxGraphicsContext> context(wxGraphicsContext::Create(dc));
    ViewWindow view = CurrentView();
    AcApDocument* document = acDocManager->curDocument();
    m_shownDocument = document;
    m_shownCenterX = view.centerX;
    m_shownCenterY = view.centerY;
    m_shownHeight = view.height;
    m_shownEntities = 0;
    if (!document || !context) {
        dc.SetBackground(*wxBLACK_BRUSH);
        dc.Clear();
        return;
    }
    if (AcDbBlockTableRecord* space = document->database()->modelSpace())
        m_shownEntities = space->entityHandles().size();
    RenderModelSpace(*document->database(), *context, view);
}

void DrawingView::ZoomExtents() {
    AcApDocument* document = acDocManager->curDocument();
    AcDbExtents extents;
    if (!document || !cad::CurrentModelSpaceExtents(extents))
        return;
    ViewWindow view = CurrentView();
    double width = extents.maxPoint().x - extents.minPoint().x;
    double height = extents.maxPoint().y - extents.minPoint().y;
    // The whole drawing with a small margin, as tall as the window's shape needs.
    double shown = std::max(height, width * view.pixelHeight / view.pixelWidth) * 1.05;
    document->setView({(extents.minPoint().x + extents.maxPoint().x) / 2,
                       (extents.minPoint().y + extents.maxPoint().y) / 2, 0.0},
                      std::max(shown, 1e-6));
    Refresh(false);
}

void DrawingView::OnWheel(wxMouseEvent& event) {
    AcApDocument* document = acDocManager->curDocument();
    if (!document || event.GetWheelRotation() == 0)
        return;
    ViewWindow view = CurrentView();
    // The point under the pointer stays where it is.
    wxPoint2DDouble pointer = view.ToModel(event.GetX(), event.GetY());
    double factor = event.GetWheelRotation() > 0 ? 1.0 / kWheelZoom : kWheelZoom;
    double height = view.height * factor;
    document->setView({pointer.m_x + (view.centerX - pointer.m_x) * factor,
                       pointer.m_y + (view.centerY - pointer.m_y) * factor, 0.0},
                      height);
    Refresh(false);
}

void DrawingView::OnMouse(wxMouseEvent& event) {
    ViewWindow view = CurrentView();
    wxPoint2DDouble point = view.ToModel(event.GetX(), event.GetY());
    if (event.GetEventType() == wxEVT_MIDDLE_DOWN) {
        m_panning = true;
        m_panFrom = event.GetPosition();
        CaptureMouse();
    } else if (event.GetEventType() == wxEVT_MIDDLE_UP) {
        m_panning = false;
        if (HasCapture())
            ReleaseMouse();
    } else if (event.GetEventType() == wxEVT_MOTION) {
        if (m_reportPointer)
            m_reportPointer(point.m_x, point.m_y);
        if (m_panning) {
            if (AcApDocument* document = acDocManager->curDocument()) {
                wxPoint moved = event.GetPosition() - m_panFrom;
                document->setView({view.centerX - moved.x / view.Scale(),
                                   view.centerY + moved.y / view.Scale(), 0.0},
                                  view.height);
                m_panFrom = event.GetPosition();
                Refresh(false);
            }
        } else {
            Send(cad::InputKind::PointerMove, event.GetPosition());
        }
    } else if (event.GetEventType() == wxEVT_LEFT_DOWN) {
        SetFocus();
        Send(cad::InputKind::Pick, event.GetPosition());
    } else if (event.GetEventType() == wxEVT_RIGHT_DOWN) {
        Send(cad::InputKind::RightButton, event.GetPosition());
    }
    event.Skip();
}

void DrawingView::OnKey(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case WXK_ESCAPE:
        Send(cad::InputKind::Cancel, wxDefaultPosition);
        break;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        Send(cad::InputKind::Key, wxDefaultPosition, 13);
        break;
    case WXK_SPACE:
        Send(cad::InputKind::Key, wxDefaultPosition, 32);
        break;
    default:
        event.Skip();
        break;
    }
}

void DrawingView::Send(cad::InputKind kind, const wxPoint& pixel, int code) {
    if (!m_sink)
        return;
    cad::InputEvent input;
    input.kind = kind;
    input.code = code;
    if (pixel != wxDefaultPosition) {
        wxPoint2DDouble point = CurrentView().ToModel(pixel.x, pixel.y);
        input.point = {point.m_x, point.m_y, 0.0};
    }
    m_sink(input);
}

} // namespace desk
