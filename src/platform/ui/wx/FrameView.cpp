#include "platform/ui/wx/FrameView.h"

#include "platform/ui/wx/ControlView.h"
#include "platform/ui/wx/DesktopBackend.h"

#include <wx/toplevel.h>

namespace ui::desk {

FrameView::FrameView(DesktopBackend& backend, Window& model, wxTopLevelWindow& frame)
    : m_backend(backend), m_model(&model), m_frame(&frame) {
    model.SetObserver(this);
    backend.Register(model, frame);
    frame.Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
        FollowWidget();
        event.Skip();
    });
    frame.Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        FollowWidget();
        event.Skip();
    });
    frame.Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == m_frame) {
            if (m_model && IsWindowAlive(m_model)) {
                m_model->SetObserver(nullptr);
                m_backend.Unregister(*m_model);
            }
            m_model = nullptr;
            m_frame = nullptr;
        }
        event.Skip();
    });
    FollowWidget();
}

FrameView::~FrameView() {
    if (m_model && IsWindowAlive(m_model) && m_model->Observer() == this) {
        m_model->SetObserver(nullptr);
        m_backend.Unregister(*m_model);
    }
}

void FrameView::OnWindowChanged(Window& window, WindowChange change, uintptr_t) {
    if (&window != m_model || !m_frame || m_updating)
        return;
    switch (change) {
    case WindowChange::Shown:
        if (m_model->IsIconic() != m_frame->IsIconized())
            m_frame->Iconize(m_model->IsIconic());
        if (m_model->IsZoomed() != m_frame->IsMaximized())
            m_frame->Maximize(m_model->IsZoomed());
        if (m_model->IsWindowVisible() != m_frame->IsShown())
            m_frame->Show(m_model->IsWindowVisible());
        break;
    case WindowChange::Enabled:
        m_frame->Enable(m_model->IsWindowEnabled());
        break;
    case WindowChange::Destroyed:
        m_backend.Unregister(*m_model);
        m_model = nullptr;
        break;
    default:
        break;
    }
}

void FrameView::FollowWidget() {
    Rect outer, insets;
    if (!m_model || !m_frame || !m_frame->IsShown() || m_frame->IsIconized() ||
        !MeasureTopLevel(*m_frame, outer, insets))
        return;
    Updating scope(m_updating);
    m_model->SetFrameInsets(insets);
    m_model->MoveWindow(outer);
}

bool MeasureTopLevel(const wxTopLevelWindow& window, Rect& outer, Rect& insets) {
    wxPoint position = window.GetPosition();
    wxSize size = window.GetSize();
    wxPoint client = window.ClientToScreen(wxPoint(0, 0));
    wxSize clientSize = window.GetClientSize();
    insets = {client.x - position.x, client.y - position.y,
              position.x + size.x - client.x - clientSize.x,
              position.y + size.y - client.y - clientSize.y};
    outer = {position.x, position.y, position.x + size.x, position.y + size.y};
    return insets.left >= 0 && insets.top >= 0 && insets.right >= 0 && insets.bottom >= 0;
}

} // namespace ui::desk
