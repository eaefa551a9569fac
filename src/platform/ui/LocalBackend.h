#pragma once
// The part of a backend that needs no toolkit: posted messages, repaints and timers handled in
// the process's own loop, the pointer and the keys as the last user action left them. The
// scripted backend, the console backend and the default backend build on it.

#include "platform/ui/Actions.h"
#include "platform/ui/Backend.h"

#include <deque>
#include <map>
#include <set>
#include <utility>

namespace ui {

class LocalBackend : public Backend {
public:
    bool ChooseFile(Window* owner, FileChooserRequest& request) override;
    bool ChooseFolder(Window* owner, FolderChooserRequest& request) override;
    unsigned TrackPopupMenu(Window* owner, const Menu& menu, Point screen) override;
    void DialogCreated(Dialog&) override {}
    void RunModal(Dialog& dialog) override;
    Size DialogBaseUnits() const override { return {6, 13}; }
    Rect FrameInsets(unsigned style) const override;
    Rect WorkArea() const override { return {0, 0, 1280, 800}; }

    bool PostMessage(Window* target, unsigned message, WPARAM wParam, LPARAM lParam) override;
    void RequestPaint(Window* window) override;
    void SetTimer(Window* window, uintptr_t id, unsigned milliseconds) override;
    void KillTimer(Window* window, uintptr_t id) override;
    void PumpMessages() override;

    void WaitCursorChanged(int) override {}
    Point GetCursorPos() const override { return m_cursor; }
    void SetCursorPos(Point screen) override { m_cursor = screen; }
    bool IsKeyDown(unsigned virtualKey) const override { return m_keysDown.count(virtualKey) != 0; }
    void SetKeyDown(unsigned virtualKey, bool down);
    Window* WindowFromPoint(Point screen) const override;
    // The drag's feedback is kept for whoever looks (tests, the console's transcript).
    struct DragFeedback {
        bool active = false;
        std::wstring text;
        std::wstring icon;
        Point position;
        bool visible = false;
        int cursor = kCursorNone;
    };
    void BeginDragImage(const std::wstring& text, const std::wstring& icon, Point hotSpot,
                        Point screen) override;
    void MoveDragImage(Point screen, bool visible) override;
    void EndDragImage() override;
    void SetDragCursor(int cursor) override { m_drag.cursor = cursor; }
    const DragFeedback& GetDragFeedback() const { return m_drag; }
    // There is no desktop to hand the file to.
    int OpenWithAssociatedProgram(const std::wstring& path) override;

    // Sends WM_TIMER once for every running timer (of windows that still exist), as if each
    // period had passed, then pumps.
    void FireTimers();
    // Sends WM_TIMER for one timer if it runs; false when it does not.
    bool FireTimer(Window* window, uintptr_t id);
    bool HasTimer(Window* window, uintptr_t id) const { return m_timers.count({window, id}) != 0; }

    // Does a scripted action to a dialog, holding Ctrl for a copying drag and the menu answer
    // of a right click for TrackPopupMenu, then handles what was posted. "" or why nothing was
    // done.
    std::wstring Perform(Dialog& dialog, const Action& action);

protected:
    // The popup-menu command the action being performed goes on with (0: none), and whether a
    // menu took it.
    unsigned m_pendingMenu = 0;
    bool m_menuShown = false;

private:
    struct Posted {
        Window* target;
        unsigned message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::deque<Posted> m_posted;
    std::deque<Window*> m_paints;
    std::map<std::pair<Window*, uintptr_t>, unsigned> m_timers;
    Point m_cursor;
    std::set<unsigned> m_keysDown;
    DragFeedback m_drag;
    Point m_dragHotSpot;
};

} // namespace ui
