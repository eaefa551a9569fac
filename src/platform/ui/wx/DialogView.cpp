#include "platform/ui/wx/DialogView.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/UserActions.h"
#include "platform/ui/wx/ControlView.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DesktopBackend.h"
#include "platform/ui/wx/FrameView.h"
#include "platform/ui/wx/Keys.h"

namespace ui::desk {

namespace {

long StyleOf(unsigned style) {
    long flags = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
    if (style & WS_THICKFRAME)
        flags |= wxRESIZE_BORDER;
    if (style & WS_MAXIMIZEBOX)
        flags |= wxMAXIMIZE_BOX;
    if (style & WS_MINIMIZEBOX)
        flags |= wxMINIMIZE_BOX;
    return flags;
}

} // namespace

DialogView::DialogView(DesktopBackend& backend, Dialog& dialog, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWx(dialog.GetWindowText()), wxDefaultPosition, wxDefaultSize,
               StyleOf(dialog.GetTemplate().style)),
      m_backend(backend), m_dialog(&dialog) {
    SetFont(backend.DialogFont());
    SetClientSize(ToWx(dialog.GetClientRect()).GetSize());
    dialog.SetObserver(this);
    backend.Register(dialog, *this);
    for (Control* control : dialog.Controls())
        AddControlView(*control);
    Bind(wxEVT_CLOSE_WINDOW, &DialogView::OnCloseBox, this);
    Bind(wxEVT_CHAR_HOOK, &DialogView::OnKey, this);
    Bind(wxEVT_MOVE, [this](wxMoveEvent& event) {
        OnMoveOrSize();
        event.Skip();
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        OnMoveOrSize();
        event.Skip();
    });
    Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
        // The toolkit places a dialog itself when it first shows; the model's place wins.
        if (event.IsShown() && !m_placed) {
            m_placed = true;
            ApplyGeometry();
        }
        event.Skip();
    });
    Bind(wxEVT_ACTIVATE, [this](wxActivateEvent& event) {
        if (event.GetActive() && m_dialog && m_dialog->IsWindow())
            m_dialog->SetActiveWindow();
        event.Skip();
    });
    if (dialog.IsWindowVisible() && !dialog.IsModal())
        Show();
}

DialogView::~DialogView() {
    Detach();
}

void DialogView::Detach() {
    if (m_dialog) {
        if (IsWindowAlive(m_dialog) && m_dialog->Observer() == this)
            m_dialog->SetObserver(nullptr);
        m_backend.Unregister(*m_dialog);
        m_dialog = nullptr;
    }
    m_views.clear();
}

void DialogView::AddControlView(Control& control) {
    if (m_views.count(&control))
        return;
    wxWindow* parent = this;
    if (auto* owner = dynamic_cast<Control*>(control.GetParent()))
        if (ControlView* view = ViewOf(*owner); view && view->Widget())
            parent = view->Widget();
    if (std::unique_ptr<ControlView> view = MakeControlView(*this, control, parent))
        m_views[&control] = std::move(view);
}

ControlView* DialogView::ViewOf(const Control& control) const {
    auto found = m_views.find(&control);
    return found == m_views.end() ? nullptr : found->second.get();
}

void DialogView::DropView(const Window& control) {
    m_views.erase(static_cast<const Control*>(&control));
}

bool DialogView::RunModalLoop() {
    if (!m_dialog || m_dialog->HasEnded())
        return false;
    ShowModal();
    return true;
}

void DialogView::OnWindowChanged(Window& window, WindowChange change, uintptr_t item) {
    if (&window != m_dialog)
        return;
    switch (change) {
    case WindowChange::Text:
        SetTitle(ToWx(m_dialog->GetWindowText()));
        break;
    case WindowChange::Geometry:
        if (!m_updating)
            ApplyGeometry();
        break;
    case WindowChange::Shown:
        if (m_dialog->IsIconic() != IsIconized())
            Iconize(m_dialog->IsIconic());
        if (m_dialog->IsZoomed() != IsMaximized())
            Maximize(m_dialog->IsZoomed());
        // A modal dialog shows when its loop starts.
        if (!m_dialog->IsModal() && m_dialog->IsWindowVisible() != IsShown())
            Show(m_dialog->IsWindowVisible());
        break;
    case WindowChange::Enabled:
        Enable(m_dialog->IsWindowEnabled());
        break;
    case WindowChange::ChildAdded:
        if (auto* control = dynamic_cast<Control*>(reinterpret_cast<Window*>(item)))
            AddControlView(*control);
        break;
    case WindowChange::Ended:
        if (IsModal())
            EndModal(m_dialog->GetResult());
        break;
    case WindowChange::Destroyed:
        Detach();
        if (IsModal())
            EndModal(IDCANCEL);
        Hide();
        Destroy();
        break;
    default:
        break;
    }
}

void DialogView::ApplyGeometry() {
    if (!m_dialog)
        return;
    wxSize client = ToWx(m_dialog->GetClientRect()).GetSize();
    if (GetClientSize() != client)
        SetClientSize(client);
    Rect outer = m_dialog->GetWindowRect();
    if (!IsShown())
        return;
    // The toolkit remembers where it last put the window and skips a move to the same place,
    // but the window manager (or its absence) may have put it elsewhere: the place on the screen
    // is what counts.
    Rect insets = m_dialog->GetFrameInsets();
    wxPoint origin = ClientToScreen(wxPoint(0, 0));
    wxPoint wanted(outer.left, outer.top);
    if (origin == wanted + wxPoint(insets.left, insets.top) && GetPosition() == wanted)
        return;
    if (GetPosition() == wanted)
        Move(wanted + wxPoint(1, 0));
    Move(wanted);
}

void DialogView::OnMoveOrSize() {
    Rect outer, insets;
    if (!m_dialog || !IsShown() || IsIconized() || !MeasureTopLevel(*this, outer, insets))
        return;
    m_backend.LearnFrameInsets(insets);
    if (outer == m_dialog->GetWindowRect() && insets == m_dialog->GetFrameInsets())
        return;
    Updating scope(m_updating);
    m_dialog->SetFrameInsets(insets);
    m_dialog->MoveWindow(outer);
}

void DialogView::OnCloseBox(wxCloseEvent& event) {
    if (!event.CanVeto() || !m_dialog) {
        event.Skip();
        return;
    }
    event.Veto();
    gesture::Close(*m_dialog);
}

void DialogView::OnKey(wxKeyEvent& event) {
    unsigned key = VirtualKeyOf(event);
    if (!m_dialog || key == 0 || event.AltDown()) {
        event.Skip();
        return;
    }
    Window* target = m_backend.ModelOf(wxWindow::FindFocus());
    auto* control = dynamic_cast<Control*>(target);
    // Enter and Escape belong to the dialog (a multi-line edit field types Enter); the report
    // list's model moves its own selection.
    bool keyIsTheModels = key == VK_RETURN || key == VK_ESCAPE;
    if (key == VK_RETURN && control && control->GetControlKind() == ControlKind::Edit &&
        (control->GetStyle() & ES_MULTILINE))
        keyIsTheModels = false;
    if (control && control->GetControlKind() == ControlKind::List && key != VK_TAB)
        keyIsTheModels = true;
    bool delivered = gesture::PressKey(*m_dialog, control, key);
    if (delivered && !keyIsTheModels && m_dialog && m_dialog->IsWindow())
        event.Skip();
}

} // namespace ui::desk
