#include "platform/ui/Window.h"

#include "platform/text/WideString.h"
#include "platform/ui/Backend.h"

#include <algorithm>
#include <map>
#include <unordered_set>
#include <vector>

namespace ui {

namespace {

// Never destroyed: windows that are static objects unregister themselves at exit, after
// ordinary statics are gone.
std::vector<Window*>& TopLevelWindows() {
    static auto* windows = new std::vector<Window*>();
    return *windows;
}

std::unordered_set<const Window*>& LiveWindows() {
    static auto* windows = new std::unordered_set<const Window*>();
    return *windows;
}

Window* g_active = nullptr;
Window* g_focus = nullptr;
Window* g_capture = nullptr;

} // namespace

Window::Window(std::wstring caption, WindowKind kind)
    : m_caption(std::move(caption)), m_kind(kind) {
    LiveWindows().insert(this);
}

Window::~Window() {
    Window::DestroyWindow();
    SetParent(nullptr);
    for (Window* child : m_children)
        child->m_parent = nullptr;
    LiveWindows().erase(this);
}

void Window::SetParent(Window* parent) {
    if (m_parent && !IsTopLevel()) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    m_parent = parent;
    if (m_parent && !IsTopLevel()) {
        m_parent->m_children.push_back(this);
        m_parent->Notify(WindowChange::ChildAdded, reinterpret_cast<uintptr_t>(this));
    }
}

Window* Window::ChildWindowFromPoint(Point client) {
    // Later children lie above earlier ones, as editors placed over a list's cells do.
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child) {
        Window* window = *child;
        if (!window->IsWindowVisible() || !window->GetRectInParent().PtInRect(client))
            continue;
        Rect rect = window->GetRectInParent();
        return window->ChildWindowFromPoint({client.x - rect.left, client.y - rect.top});
    }
    return this;
}

bool Window::CreateWindowObject() {
    if (m_created)
        return false;
    m_created = true;
    if (IsTopLevel())
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
    if (g_focus == this)
        g_focus = nullptr;
    if (g_capture == this)
        g_capture = nullptr;
    Notify(WindowChange::Destroyed);
    return true;
}

void Window::SetWindowText(std::wstring caption) {
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    Notify(WindowChange::Text);
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
    Notify(WindowChange::Shown);
    return wasVisible;
}

bool Window::EnableWindow(bool enable) {
    bool wasDisabled = !m_enabled;
    if (m_enabled != enable) {
        m_enabled = enable;
        Notify(WindowChange::Enabled);
    }
    return wasDisabled;
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

Rect Window::GetWindowRect() const {
    if (IsTopLevel() || !m_parent)
        return m_rect;
    return m_parent->ClientToScreen(m_rect);
}

void Window::MoveWindow(const Rect& rect, bool repaint) {
    if (rect == m_rect)
        return;
    bool resized = rect.GetSize() != m_rect.GetSize();
    m_rect = rect;
    Notify(WindowChange::Geometry);
    if (resized && m_created) {
        Rect client = GetClientRect();
        SendMessage(WM_SIZE, m_maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    MAKELPARAM(client.Width(), client.Height()));
    }
    if (repaint)
        Invalidate();
}

Rect Window::GetClientRect() const {
    int width = m_rect.Width() - m_frameInsets.left - m_frameInsets.right;
    int height = m_rect.Height() - m_frameInsets.top - m_frameInsets.bottom;
    return {0, 0, std::max(width, 0), std::max(height, 0)};
}

Point Window::ClientToScreen(Point point) const {
    Rect outer = GetWindowRect();
    return {point.x + outer.left + m_frameInsets.left, point.y + outer.top + m_frameInsets.top};
}

Point Window::ScreenToClient(Point point) const {
    Rect outer = GetWindowRect();
    return {point.x - outer.left - m_frameInsets.left, point.y - outer.top - m_frameInsets.top};
}

Rect Window::ClientToScreen(Rect rect) const {
    Point origin = ClientToScreen(Point{0, 0});
    rect.OffsetRect(origin.x, origin.y);
    return rect;
}

Rect Window::ScreenToClient(Rect rect) const {
    Point origin = ClientToScreen(Point{0, 0});
    rect.OffsetRect(-origin.x, -origin.y);
    return rect;
}

LRESULT Window::SendMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(message, wParam, lParam);
}

bool Window::PostMessage(unsigned message, WPARAM wParam, LPARAM lParam) {
    return CurrentBackend().PostMessage(this, message, wParam, lParam);
}

LRESULT Window::WindowProc(unsigned message, WPARAM wParam, LPARAM) {
    if (message == WM_PAINT)
        ValidateRect();
    else if (message == WM_SETREDRAW)
        SetRedraw(wParam != 0);
    return 0;
}

void Window::SetRedraw(bool redraw) {
    if (redraw == m_redraw)
        return;
    m_redraw = redraw;
    if (redraw) {
        Notify(WindowChange::Items);
        Invalidate();
    }
}

Window* Window::SetFocus() {
    Window* previous = g_focus;
    if (previous == this)
        return previous;
    g_focus = this;
    if (previous && IsWindowAlive(previous))
        previous->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(this));
    if (g_focus == this)
        SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(previous));
    return previous;
}

Window* Window::GetFocus() {
    return g_focus;
}

Window* Window::SetCapture() {
    Window* previous = g_capture;
    g_capture = this;
    return previous;
}

Window* Window::GetCapture() {
    return g_capture;
}

bool Window::ReleaseCapture() {
    g_capture = nullptr;
    return true;
}

void Window::Invalidate() {
    if (!m_needsPaint) {
        m_needsPaint = true;
        if (m_created)
            CurrentBackend().RequestPaint(this);
    }
}

void Window::Notify(WindowChange change, uintptr_t item) {
    if (m_observer && m_redraw)
        m_observer->OnWindowChanged(*this, change, item);
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

bool IsWindowAlive(const Window* window) {
    return window && LiveWindows().count(window) != 0;
}

unsigned RegisterWindowMessageW(const wchar_t* name) {
    static auto* registered = new std::map<std::wstring, unsigned>();
    if (!name || !*name)
        return 0;
    std::wstring key = text::FoldCase(name);
    auto found = registered->find(key);
    if (found != registered->end())
        return found->second;
    unsigned number = 0xC000 + static_cast<unsigned>(registered->size());
    if (number > 0xFFFF)
        return 0;
    registered->emplace(std::move(key), number);
    return number;
}

} // namespace ui
