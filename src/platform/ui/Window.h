#pragma once
// Top-level windows as the module sees them: a caption, a kind (the host's frame, a dialog, a
// property sheet), shown or hidden, minimised or not, the active one. Created windows are
// registered, so that the host can answer FindWindow and EnumWindows by caption as Windows does.
// Dialogs of the user-interface port build on this class.

#include <functional>
#include <string>

namespace ui {

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

enum class WindowKind { Frame, Dialog, PropertySheet };

class Window {
public:
    explicit Window(std::wstring caption = L"", WindowKind kind = WindowKind::Dialog);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Makes the window exist as a top-level window (hidden until shown); false when it already
    // does.
    bool CreateWindowObject();
    // Ends its existence as a window; the object stays. False when it did not exist.
    bool DestroyWindow();
    bool IsWindow() const { return m_created; }

    const std::wstring& GetWindowText() const { return m_caption; }
    void SetWindowText(std::wstring caption) { m_caption = std::move(caption); }
    WindowKind Kind() const { return m_kind; }

    // Returns whether the window was visible before.
    bool ShowWindow(int showCommand);
    bool IsWindowVisible() const { return m_visible; }
    bool IsIconic() const { return m_minimized; }
    bool IsZoomed() const { return m_maximized; }
    // Makes it the active window; returns the window that was active (or null).
    Window* SetActiveWindow();
    static Window* GetActiveWindow();

private:
    std::wstring m_caption;
    WindowKind m_kind;
    bool m_created = false;
    bool m_visible = false;
    bool m_minimized = false;
    bool m_maximized = false;
};

// The first existing top-level window with exactly that caption (the class name is not
// looked at; pass null), or null.
Window* FindWindowW(const wchar_t* className, const wchar_t* caption);
// Visits the existing top-level windows in the order they were created until `visit` returns
// false.
void EnumWindows(const std::function<bool(Window*)>& visit);

} // namespace ui
