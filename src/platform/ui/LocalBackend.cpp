#include "platform/ui/LocalBackend.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Window.h"

#include <cerrno>
#include <vector>

namespace ui {

bool LocalBackend::ChooseFile(Window*, FileChooserRequest&) {
    return false;
}

bool LocalBackend::ChooseFolder(Window*, FolderChooserRequest&) {
    return false;
}

unsigned LocalBackend::TrackPopupMenu(Window*, const Menu&, Point) {
    return 0;
}

void LocalBackend::RunModal(Dialog& dialog) {
    dialog.EndDialog(IDCANCEL);
}

Rect LocalBackend::FrameInsets(unsigned style) const {
    // The classic theme's frame: a thin dialog frame, or the sizing border of a resizable one.
    int border = (style & WS_THICKFRAME) ? 4 : 3;
    return {border, border + 22, border, border};
}

bool LocalBackend::PostMessage(Window* target, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (!target)
        return false;
    m_posted.push_back({target, message, wParam, lParam});
    return true;
}

void LocalBackend::RequestPaint(Window* window) {
    m_paints.push_back(window);
}

void LocalBackend::SetTimer(Window* window, uintptr_t id, unsigned milliseconds) {
    m_timers[{window, id}] = milliseconds;
}

void LocalBackend::KillTimer(Window* window, uintptr_t id) {
    m_timers.erase({window, id});
}

void LocalBackend::PumpMessages() {
    // Loops nest as Windows' message loops do: a modal dialog that a posted message opened (a
    // menu's command) pumps the messages posted to it while it runs; what is left when it
    // ends is served by the loop that opened it.
    for (;;) {
        if (!m_posted.empty()) {
            Posted posted = m_posted.front();
            m_posted.pop_front();
            if (IsWindowAlive(posted.target) && posted.target->IsWindow())
                posted.target->SendMessage(posted.message, posted.wParam, posted.lParam);
            continue;
        }
        if (!m_paints.empty()) {
            Window* window = m_paints.front();
            m_paints.pop_front();
            if (IsWindowAlive(window) && window->IsWindow() && window->NeedsPaint())
                window->SendMessage(WM_PAINT);
            continue;
        }
        break;
    }
}

int LocalBackend::OpenWithAssociatedProgram(const std::wstring&) {
    return ENOSYS;
}

void LocalBackend::BeginDragImage(const std::wstring& text, const std::wstring& icon, Point hotSpot,
                                  Point screen) {
    m_dragHotSpot = hotSpot;
    m_drag.active = true;
    m_drag.text = text;
    m_drag.icon = icon;
    m_drag.visible = true;
    m_drag.position = {screen.x - hotSpot.x, screen.y - hotSpot.y};
}

void LocalBackend::MoveDragImage(Point screen, bool visible) {
    if (!m_drag.active)
        return;
    m_drag.position = {screen.x - m_dragHotSpot.x, screen.y - m_dragHotSpot.y};
    m_drag.visible = visible;
}

void LocalBackend::EndDragImage() {
    m_drag.active = false;
    m_drag.visible = false;
}

void LocalBackend::SetKeyDown(unsigned virtualKey, bool down) {
    if (down)
        m_keysDown.insert(virtualKey);
    else
        m_keysDown.erase(virtualKey);
}

Window* LocalBackend::WindowFromPoint(Point screen) const {
    std::vector<Window*> windows;
    EnumWindows([&windows](Window* window) {
        windows.push_back(window);
        return true;
    });
    // The window created last lies on top.
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        Window* top = *window;
        if (!top->IsWindowVisible() || !top->GetWindowRect().PtInRect(screen))
            continue;
        Point client = top->ScreenToClient(screen);
        return top->GetClientRect().PtInRect(client) ? top->ChildWindowFromPoint(client) : top;
    }
    return nullptr;
}

std::wstring LocalBackend::Perform(Dialog& dialog, const Action& action) {
    m_pendingMenu = action.kind == ActionKind::RightClick ? action.menu : 0;
    m_menuShown = false;
    if (action.copy)
        SetKeyDown(VK_CONTROL, true);
    std::wstring error = ApplyAction(dialog, action);
    if (action.copy)
        SetKeyDown(VK_CONTROL, false);
    if (error.empty() && m_pendingMenu && !m_menuShown)
        error = L"No menu was shown to choose " + std::to_wstring(m_pendingMenu) + L" from.";
    m_pendingMenu = 0;
    PumpMessages();
    return error;
}

void LocalBackend::FireTimers() {
    std::vector<std::pair<Window*, uintptr_t>> timers;
    for (const auto& timer : m_timers)
        timers.push_back(timer.first);
    for (const auto& [window, id] : timers)
        FireTimer(window, id);
}

bool LocalBackend::FireTimer(Window* window, uintptr_t id) {
    if (!HasTimer(window, id))
        return false;
    if (!IsWindowAlive(window) || !window->IsWindow()) {
        m_timers.erase({window, id});
        return false;
    }
    window->SendMessage(WM_TIMER, id);
    PumpMessages();
    return true;
}

} // namespace ui
