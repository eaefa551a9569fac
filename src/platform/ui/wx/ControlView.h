#pragma once
// The view of one control model: its widget, kept up to date from the model, and the user's
// input on the widget turned into gestures on the model. Writing into a widget raises toolkit
// events; the view marks those writes (m_updating) and compares before it writes, so that only
// what the user does reaches the model.

#include "platform/ui/Window.h"

#include <wx/event.h>
#include <wx/gdicmn.h>

#include <functional>
#include <memory>

class wxWindow;

namespace ui {
class Control;
class Dialog;
} // namespace ui

namespace ui::desk {

class DesktopBackend;
class DialogView;

// Marks the writes of a view into its widget for their duration (nested writes included).
class Updating {
public:
    explicit Updating(bool& flag) : m_flag(flag), m_old(flag) { flag = true; }
    ~Updating() { m_flag = m_old; }
    Updating(const Updating&) = delete;
    Updating& operator=(const Updating&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

class ControlView : public WindowObserver {
public:
    ControlView(DialogView& dialog, Control& control);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // Null once the model is destroyed.
    Control* Model() const { return m_control; }
    wxWindow* Widget() const { return m_widget; }
    DialogView& View() const { return m_dialog; }
    Dialog& ModelDialog() const;
    DesktopBackend& Backend() const;

    void OnWindowChanged(Window& window, WindowChange change, uintptr_t item) override;

    // Where a child control's widget goes inside this one's (editors placed over a list's
    // cells); by default the child's own rectangle.
    virtual wxRect ChildRect(const Control& child) const;

protected:
    // Takes the widget: font, place, shown and enabled state from the model, focus tracking.
    void Attach(wxWindow* widget);
    // What a kind does with the changes the base does not handle (texts, states, items).
    virtual void OnModelChanged(WindowChange change, uintptr_t item);
    // Shows the model's text in the widget.
    virtual void ShowText() {}
    // The widget's rectangle for the model's (a combo box's rectangle holds its dropped list).
    virtual wxRect Fit(const wxRect& rect) const { return rect; }
    // The model is gone: views that keep item maps drop them here.
    virtual void Forget() {}
    void ApplyGeometry();
    // Runs `work` once the toolkit has finished the event being handled, if this view still
    // exists then.
    void Later(std::function<void()> work);
    // Binds a handler of the widget's events that runs only while this view exists: a widget
    // outlives its view until the loop is idle.
    template <typename Event, typename Handler>
    void On(wxEvtHandler* widget, const wxEventTypeTag<Event>& type, Handler handler) {
        widget->Bind(type, [alive = std::weak_ptr<bool>(m_alive), handler](Event& event) {
            if (alive.expired())
                event.Skip();
            else
                handler(event);
        });
    }

    bool m_updating = false;

private:
    void Detach();

    DialogView& m_dialog;
    Control* m_control;
    wxWindow* m_widget = nullptr;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// The view for a control's kind, with its widget made as a child of `parent`.
std::unique_ptr<ControlView> MakeControlView(DialogView& dialog, Control& control,
                                             wxWindow* parent);

// The kinds (one file each).
std::unique_ptr<ControlView> MakeButtonView(DialogView& dialog, Control& control, wxWindow* parent);
std::unique_ptr<ControlView> MakeEditView(DialogView& dialog, Control& control, wxWindow* parent);
std::unique_ptr<ControlView> MakeComboView(DialogView& dialog, Control& control, wxWindow* parent);
std::unique_ptr<ControlView> MakeListBoxView(DialogView& dialog, Control& control,
                                             wxWindow* parent);
std::unique_ptr<ControlView> MakeTreeView(DialogView& dialog, Control& control, wxWindow* parent);
std::unique_ptr<ControlView> MakeListView(DialogView& dialog, Control& control, wxWindow* parent);
std::unique_ptr<ControlView> MakePreviewView(DialogView& dialog, Control& control,
                                             wxWindow* parent);

} // namespace ui::desk
