#include "platform/ui/Window.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

// Never destroyed: windows that are static objects unregister themselves at exit, after
// ordinary statics are gone.
std::vector<Window*>& TopLevelWindows() {
    static auto* windows = new std::vector<Window*>();
    return *windows;
}

Window* g_active = nullptr;

} // namespace

Window::Window(std::wstring caption, WindowKind kind)
    : m_caption(std::move(caption)), m_kind(kind) {}

Window::~Window() {
    DestroyWindow();
}

bool Window::CreateWindowObject() {
    if (m_created)
        return false;
    m_created = true;
    TopLevelWindows().push_back(this);
    return true;
}

bool Window::DestroyWindow() {
    if (!m_created)
        return false;
    m_created = false;
    m_visible = false;
    auto& windows = TopLevelWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    if (g_active == this)
        g_active = nullptr;
    return true;
}

bool Window::ShowWindow(int showCommand) {
    bool wasVisible = m_visible;
    switch (showCommand) {
    case SW_HIDE:
        m_visible = false;
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        m_visible = true;
        m_minimized = true;
        break;
    case SW_MAXIMIZE:
        m_visible = true;
        m_minimized = false;
        m_maximized = true;
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        m_visible = true;
        m_minimized = false;
        m_maximized = false;
        break;
    default:
        m_visible = true;
        break;
    }
    return wasVisible;
}

Window* Window::SetActiveWindow() {
    Window* previous = g_active;
    if (m_created)
        g_active = this;
    return previous;
}

Window* Window::GetActiveWindow() {
    return g_active;
}

Window* FindWindowW(const wchar_t*, const wchar_t* caption) {
    if (!caption)
        return nullptr;
    for (Window* window : TopLevelWindows())
        if (window->GetWindowText() == caption)
            return window;
    return nullptr;
}

void EnumWindows(const std::function<bool(Window*)>& visit) {
    std::vector<Window*> snapshot = TopLevelWindows();
    for (Window* window : snapshot)
        if (!visit(window))
            return;
}

} // namespace ui
