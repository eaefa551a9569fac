#pragma once
// The drawing view of the current document: model space drawn through the document's view
// (centre and height, which ZOOM and the realtime commands change too), zoomed by the wheel
// about the pointer, panned with the middle button, fitted to the drawing on request. While a
// placement loop waits, the pointer's moves and clicks and the keys Enter, Space and Esc are
// its input.

#include "DrawingRenderer.h"

#include "platform/cad/InputSource.h"

#include <wx/window.h>

#include <functional>

class AcApDocument;

namespace desk {

class DrawingView : public wxWindow {
public:
    explicit DrawingView(wxWindow* parent);

    // Where the pointer's input goes while a placement loop waits; null: nowhere.
    void SetInputSink(std::function<void(const cad::InputEvent&)> sink) {
        m_sink = std::move(sink);
    }
    // Called with the pointer's position in drawing units as it moves.
    void SetPointerReporter(std::function<void(double, double)> reporter) {
        m_reportPointer = std::move(reporter);
    }
    // Fits the drawing's extents into the view.
    void ZoomExtents();
    // The view of the current document on this window.
    ViewWindow CurrentView() const;
    // Repaints when what it shows has changed since the last paint (another document, another
    // view, entities added or removed).
    void RefreshIfChanged();

private:
    void OnPaint();
    void OnWheel(wxMouseEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnKey(wxKeyEvent& event);
    void Send(cad::InputKind kind, const wxPoint& pixel, int code = 0);

    std::function<void(const cad::InputEvent&)> m_sink;
    std::function<void(double, double)> m_reportPointer;
    wxPoint m_panFrom;
    bool m_panning = false;
    // What the last paint showed.
    const AcApDocument* m_shownDocument = nullptr;
    double m_shownCenterX = 0, m_shownCenterY = 0, m_shownHeight = 0;
    size_t m_shownEntities = 0;
};

} // namespace desk
