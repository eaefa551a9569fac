#include "platform/ui/Control.h"

namespace ui {

Control::Control(ControlKind kind) : Window(L"", WindowKind::Control), m_controlKind(kind) {}

void Control::ModifyStyle(unsigned remove, unsigned add) {
    unsigned style = (m_style & ~remove) | add;
    if (style == m_style)
        return;
    m_style = style;
    Notify(WindowChange::State);
}

void Control::CreateFromTemplate(Window* parent, const ControlTemplate& line, const Rect& pixels) {
    m_id = line.id;
    m_style = line.style;
    if (line.kind != m_controlKind)
        m_controlKind = line.kind;
    Window::SetWindowText(line.text);
    MoveWindow(pixels, false);
    SetParent(parent);
    CreateWindowObject();
    if (line.style & WS_DISABLED)
        EnableWindow(false);
    if (!(line.style & WS_HIDDEN))
        ShowWindow(SW_SHOW);
}

bool Control::OnChildNotify(unsigned, WPARAM, LPARAM, LRESULT*) {
    return false;
}

LRESULT Control::WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
    Window* sender = nullptr;
    if (message == WM_COMMAND)
        sender = reinterpret_cast<Window*>(lParam);
    else if (message == WM_NOTIFY && lParam)
        sender = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    if (sender && IsWindowAlive(sender))
        if (auto* child = dynamic_cast<Control*>(sender)) {
            LRESULT result = 0;
            if (child->OnChildNotify(message, wParam, lParam, &result))
                return result;
        }
    return Window::WindowProc(message, wParam, lParam);
}

LRESULT Control::NotifyCommand(unsigned code) {
    Window* parent = GetParent();
    if (!parent)
        return 0;
    return parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(m_id), code),
                               reinterpret_cast<LPARAM>(this));
}

LRESULT Control::NotifyParent(NMHDR& header, int code) {
    Window* parent = GetParent();
    if (!parent)
        return 0;
    header.hwndFrom = this;
    header.idFrom = static_cast<uintptr_t>(m_id);
    header.code = code;
    return parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(m_id),
                               reinterpret_cast<LPARAM>(&header));
}

void Button::SetCheck(int check) {
    if (check == m_check)
        return;
    m_check = check;
    Notify(WindowChange::State);
}

void Edit::SetWindowText(std::wstring text) {
    if (m_limit && text.size() > m_limit)
        text.resize(m_limit);
    if (text == GetWindowText())
        return;
    Window::SetWindowText(std::move(text));
    NotifyCommand(EN_CHANGE);
}

void Edit::SetReadOnly(bool readOnly) {
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
}

LRESULT Edit::WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS)
        NotifyCommand(EN_SETFOCUS);
    else if (message == WM_KILLFOCUS)
        NotifyCommand(EN_KILLFOCUS);
    return Control::WindowProc(message, wParam, lParam);
}

Canvas& PreviewFrame::GetCanvas() {
    Rect client = GetClientRect();
    if (m_canvas.Width() != client.Width() || m_canvas.Height() != client.Height())
        m_canvas.Resize(client.Width(), client.Height(), GetSysColor(COLOR_BTNFACE));
    return m_canvas;
}

Control* FindControl(Window& parent, int id, bool deep) {
    for (Window* child : parent.GetChildren()) {
        auto* control = dynamic_cast<Control*>(child);
        if (control && control->GetDlgCtrlID() == id)
            return control;
    }
    if (deep)
        for (Window* child : parent.GetChildren())
            if (Control* found = FindControl(*child, id, true))
                return found;
    return nullptr;
}

} // namespace ui
