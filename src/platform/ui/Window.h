#pragma once
// Windows as the module sees them: top-level windows (the host's frame, dialogs, property
// sheets) and the controls inside dialogs. Each has a text, a rectangle, a shown and an
// enabled state and a message procedure; messages are sent (handled at once) or posted
// (handled when the backend's loop runs next). Top-level windows are registered, so that the
// host can answer FindWindow and EnumWindows by caption as Windows does.
//
// A backend that shows real widgets watches the windows through an observer: every change of
// a window's model is reported to it, and it brings its widget up to date.

#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// Window styles the dialogs look at.
inline constexpr unsigned WS_MAXIMIZEBOX = 0x00010000;
inline constexpr unsigned WS_MINIMIZEBOX = 0x00020000;
inline constexpr unsigned WS_THICKFRAME = 0x00040000;
inline constexpr unsigned WS_DISABLED = 0x08000000;
// Ours: a control that starts hidden (templates list visible controls by default).
inline constexpr unsigned WS_HIDDEN = 0x20000000;

enum class WindowKind { Frame, Dialog, PropertySheet, Control };

// What changed in a window, for the observer. `item` names the tree item or list row for the
// item-level changes and is 0 otherwise.
enum class WindowChange {
    Created,
    Destroyed,
    Text,
    Geometry,
    Shown,
    Enabled,
    State,        // checked, read-only, selection of a simple control, ...
    Items,        // the items of a list, combo, tree or menu as a whole
    ItemInserted, // one tree item or list row
    ItemDeleted,
    ItemChanged,
    Selection,
    Scroll,
    Painted, // a preview frame's picture
    ChildAdded,
    Ended, // a modal dialog's EndDialog: its modal loop ends
};

class Window;

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void OnWindowChanged(Window& window, WindowChange change, uintptr_t item) = 0;
};

class Window {
public:
    explicit Window(std::wstring caption = L"", WindowKind kind = WindowKind::Dialog);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window exist (hidden until shown); false when it already does. Top-level
    // windows join the list FindWindow searches.
    bool CreateWindowObject();
    // Ends its existence as a window; the object stays. False when it did not exist.
    virtual bool DestroyWindow();
    bool IsWindow() const { return m_created; }

    const std::wstring& GetWindowText() const { return m_caption; }
    // Edit controls report a new text to their parent, as Windows does for WM_SETTEXT.
    virtual void SetWindowText(std::wstring caption);
    WindowKind Kind() const { return m_kind; }
    bool IsTopLevel() const { return m_kind != WindowKind::Control; }

    // Returns whether the window was visible before.
    virtual bool ShowWindow(int showCommand);
    bool IsWindowVisible() const { return m_visible; }
    bool IsIconic() const { return m_minimized; }
    bool IsZoomed() const { return m_maximized; }
    // Returns whether the window was disabled before.
    bool EnableWindow(bool enable = true);
    bool IsWindowEnabled() const { return m_enabled; }
    // Makes it the active window; returns the window that was active (or null).
    Window* SetActiveWindow();
    static Window* GetActiveWindow();

    // The parent of a control; the owner of a top-level window. Controls are listed as their
    // parent's children, in the order they joined (the tab order of a dialog).
    Window* GetParent() const { return m_parent; }
    void SetParent(Window* parent);
    const std::vector<Window*>& GetChildren() const { return m_children; }
    // The deepest shown child (or this window) under a point of this window's client area.
    Window* ChildWindowFromPoint(Point client);

    // Geometry. A top-level window's rectangle is in screen coordinates, a control's in its
    // parent's client coordinates; the client area of a top-level window lies inside its
    // frame by the frame's insets.
    Rect GetWindowRect() const;
    Rect GetRectInParent() const { return m_rect; }
    // A window whose size changes gets WM_SIZE with its new client size, as in Windows.
    void MoveWindow(const Rect& rect, bool repaint = true);
    void MoveWindow(int x, int y, int width, int height, bool repaint = true) {
        MoveWindow(Rect{x, y, x + width, y + height}, repaint);
    }
    Rect GetClientRect() const;
    // Frame widths: left, top (with the caption), right, bottom.
    void SetFrameInsets(const Rect& insets) { m_frameInsets = insets; }
    const Rect& GetFrameInsets() const { return m_frameInsets; }
    Point ClientToScreen(Point point) const;
    Point ScreenToClient(Point point) const;
    Rect ClientToScreen(Rect rect) const;
    Rect ScreenToClient(Rect rect) const;

    // Messages. SendMessage runs the window's procedure now; PostMessage queues the message for
    // the backend's loop.
    LRESULT SendMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool PostMessage(unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam);

    // Keyboard focus: the window that had it gets WM_KILLFOCUS, this one WM_SETFOCUS. Returns
    // the window that had it.
    Window* SetFocus();
    static Window* GetFocus();

    // Mouse capture: while a window holds it, the pointer's moves and the button's release of
    // a drag go to it, wherever the pointer is (a list that drags its rows follows the drag
    // itself). Returns the window that held it.
    Window* SetCapture();
    static Window* GetCapture();
    static bool ReleaseCapture();

    // Asks for a repaint; the backend sends WM_PAINT when its loop runs next.
    void Invalidate();
    bool NeedsPaint() const { return m_needsPaint; }
    void ValidateRect() { m_needsPaint = false; }
    // Off: changes are not shown until it is turned on again, which shows them all at once.
    void SetRedraw(bool redraw);
    bool IsRedrawOn() const { return m_redraw; }

    void SetObserver(WindowObserver* observer) { m_observer = observer; }
    WindowObserver* Observer() const { return m_observer; }

protected:
    void Notify(WindowChange change, uintptr_t item = 0);

private:
    std::wstring m_caption;
    WindowKind m_kind;
    Window* m_parent = nullptr;
    std::vector<Window*> m_children;
    Rect m_rect;
    Rect m_frameInsets;
    bool m_created = false;
    bool m_visible = false;
    bool m_enabled = true;
    bool m_minimized = false;
    bool m_maximized = false;
    bool m_needsPaint = false;
    bool m_redraw = true;
    WindowObserver* m_observer = nullptr;
};

// The first existing top-level window with exactly that caption (the class name is not
// looked at; pass null), or null.
Window* FindWindowW(const wchar_t* className, const wchar_t* caption);
// Visits the existing top-level windows in the order they were created until `visit` returns
// false.
void EnumWindows(const std::function<bool(Window*)>& visit);
// Whether the pointer names a window that exists now (a message may outlive its target).
bool IsWindowAlive(const Window* window);
// A message number of the range 0xC000 to 0xFFFF for a name, the same for the same name
// (compared without regard to case) for the life of the process; 0 for an empty name or when
// the range is used up.
unsigned RegisterWindowMessageW(const wchar_t* name);

} // namespace ui
