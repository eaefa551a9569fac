#pragma once
// A top-level window the host made itself (its main frame), tied to its model: the model's
// shown, minimised and enabled states move the widget; the widget's place and size, which the
// user and the window manager change, move the model.

#include "platform/ui/Window.h"

class wxTopLevelWindow;

namespace ui::desk {

class DesktopBackend;

// Where a shown top-level widget is on the screen (with its frame) and the frame's widths
// around its client area; false while the toolkit has not caught up with the window manager.
bool MeasureTopLevel(const wxTopLevelWindow& window, Rect& outer, Rect& insets);

class FrameView : public WindowObserver {
public:
    FrameView(DesktopBackend& backend, Window& model, wxTopLevelWindow& frame);
    ~FrameView() override;
    FrameView(const FrameView&) = delete;
    FrameView& operator=(const FrameView&) = delete;

    // Null once the toolkit destroyed the frame.
    wxTopLevelWindow* Widget() const { return m_frame; }

    void OnWindowChanged(Window& window, WindowChange change, uintptr_t item) override;

private:
    void FollowWidget();

    DesktopBackend& m_backend;
    Window* m_model;
    wxTopLevelWindow* m_frame;
    bool m_updating = false;
};

} // namespace ui::desk
