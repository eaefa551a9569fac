#pragma once
// The toolkit dialog of a dialog model: built when the model is created, with a control view
// per control, placed where the model says. It shows, hides, moves and ends as the model does;
// the close box, the keys and the user's moving and sizing go to the model as the gestures and
// messages Windows would send.

#include "platform/ui/Window.h"

#include <wx/dialog.h>

#include <map>
#include <memory>

namespace ui {
class Control;
class Dialog;
} // namespace ui

namespace ui::desk {

class ControlView;
class DesktopBackend;

class DialogView : public wxDialog, public WindowObserver {
public:
    DialogView(DesktopBackend& backend, Dialog& dialog, wxWindow* parent);
    ~DialogView() override;

    // The model, or null once it is destroyed.
    Dialog* Model() const { return m_dialog; }
    DesktopBackend& Backend() const { return m_backend; }
    // Makes the view of a control (made with the dialog or added later) if it has none yet.
    void AddControlView(Control& control);
    ControlView* ViewOf(const Control& control) const;
    // Forgets the view of a control whose model was destroyed.
    void DropView(const Window& control);
    // Runs the dialog's modal loop until the model ends it; false when it had ended already.
    bool RunModalLoop();

    void OnWindowChanged(Window& window, WindowChange change, uintptr_t item) override;

private:
    void ApplyGeometry();
    void FollowWidgetGeometry();
    void Detach();
    void OnCloseBox(wxCloseEvent& event);
    void OnKey(wxKeyEvent& event);
    void OnMoveOrSize();

    DesktopBackend& m_backend;
    Dialog* m_dialog;
    std::map<const Control*, std::unique_ptr<ControlView>> m_views;
    bool m_updating = false;
    bool m_placed = false;
};

} // namespace ui::desk
