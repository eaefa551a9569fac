#include "platform/ui/wx/ControlView.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DesktopBackend.h"
#include "platform/ui/wx/DialogView.h"

#include <wx/app.h>
#include <wx/window.h>

namespace ui::desk {

ControlView::ControlView(DialogView& dialog, Control& control)
    : m_dialog(dialog), m_control(&control) {
    control.SetObserver(this);
}

ControlView::~ControlView() {
    Detach();
    if (m_widget) {
        // The widget may be the one whose event is being handled: it goes when the loop is idle.
        m_widget->Hide();
        wxTheApp->ScheduleForDestruction(m_widget);
    }
}

Dialog& ControlView::ModelDialog() const {
    return *m_dialog.Model();
}

DesktopBackend& ControlView::Backend() const {
    return m_dialog.Backend();
}

void ControlView::Detach() {
    if (!m_control)
        return;
    if (IsWindowAlive(m_control) && m_control->Observer() == this)
        m_control->SetObserver(nullptr);
    Backend().Unregister(*m_control);
    m_control = nullptr;
}

void ControlView::Attach(wxWindow* widget) {
    m_widget = widget;
    On(widget, wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == m_widget)
            m_widget = nullptr;
        event.Skip();
    });
    widget->SetFont(Backend().DialogFont());
    ApplyGeometry();
    widget->Show(m_control->IsWindowVisible());
    widget->Enable(m_control->IsWindowEnabled());
    Backend().Register(*m_control, *widget);
    // The model keeps the focus as Windows does; a widget the user focuses tells it.
    On(widget, wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
        if (m_control && !m_updating && Window::GetFocus() != m_control)
            m_control->SetFocus();
        event.Skip();
    });
    ShowText();
}

wxRect ControlView::ChildRect(const Control& child) const {
    return ToWx(child.GetRectInParent());
}

void ControlView::ApplyGeometry() {
    if (!m_widget || !m_control)
        return;
    wxRect rect = ToWx(m_control->GetRectInParent());
    if (Window* parent = m_control->GetParent(); parent && !parent->IsTopLevel())
        if (auto* parentControl = dynamic_cast<Control*>(parent))
            if (ControlView* parentView = m_dialog.ViewOf(*parentControl))
                rect = parentView->ChildRect(*m_control);
    rect = Fit(rect);
    if (m_widget->GetRect() != rect)
        m_widget->SetSize(rect);
}

void ControlView::OnWindowChanged(Window& window, WindowChange change, uintptr_t item) {
    if (&window != m_control || !m_widget)
        return;
    switch (change) {
    case WindowChange::Destroyed:
        Forget();
        Detach();
        m_dialog.DropView(window);
        return; // this view is gone
    case WindowChange::Geometry:
        ApplyGeometry();
        break;
    case WindowChange::Shown:
        m_widget->Show(m_control->IsWindowVisible());
        break;
    case WindowChange::Enabled:
        m_widget->Enable(m_control->IsWindowEnabled());
        break;
    case WindowChange::Text:
        ShowText();
        break;
    case WindowChange::ChildAdded:
        if (auto* child = dynamic_cast<Control*>(reinterpret_cast<Window*>(item)))
            m_dialog.AddControlView(*child);
        break;
    default:
        OnModelChanged(change, item);
        break;
    }
}

void ControlView::OnModelChanged(WindowChange, uintptr_t) {}

void ControlView::Later(std::function<void()> work) {
    std::weak_ptr<bool> alive = m_alive;
    wxTheApp->CallAfter([alive, work = std::move(work)] {
        if (!alive.expired())
            work();
    });
}

std::unique_ptr<ControlView> MakeControlView(DialogView& dialog, Control& control,
                                             wxWindow* parent) {
    switch (control.GetControlKind()) {
    case ControlKind::Static:
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return MakeButtonView(dialog, control, parent);
    case ControlKind::Edit:
        return MakeEditView(dialog, control, parent);
    case ControlKind::ComboBox:
        return MakeComboView(dialog, control, parent);
    case ControlKind::ListBox:
        return MakeListBoxView(dialog, control, parent);
    case ControlKind::Tree:
        return MakeTreeView(dialog, control, parent);
    case ControlKind::List:
        return MakeListView(dialog, control, parent);
    case ControlKind::PreviewFrame:
        return MakePreviewView(dialog, control, parent);
    }
    return nullptr;
}

} // namespace ui::desk
