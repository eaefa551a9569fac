#include "platform/ui/Dialog.h"

#include "platform/ui/Backend.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/MessageBox.h"

namespace ui {

Dialog::Dialog(DialogTemplate dialogTemplate, Window* parent)
    : Window(dialogTemplate.caption, WindowKind::Dialog), m_template(std::move(dialogTemplate)) {
    SetParent(parent);
}

Dialog::~Dialog() {
    Dialog::DestroyWindow();
}

void Dialog::Bind(int id, Control& control) {
    m_bound[id] = &control;
}

std::unique_ptr<Control> Dialog::MakeControl(ControlKind kind) const {
    switch (kind) {
    case ControlKind::Static:
    case ControlKind::GroupBox:
        return std::make_unique<Static>(kind);
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return std::make_unique<Button>(kind);
    case ControlKind::Edit:
        return std::make_unique<Edit>();
    case ControlKind::ComboBox:
        return std::make_unique<ComboBox>();
    case ControlKind::ListBox:
        return std::make_unique<ListBox>();
    case ControlKind::Tree:
        return std::make_unique<TreeCtrl>();
    case ControlKind::List:
        return std::make_unique<ListCtrl>();
    case ControlKind::PreviewFrame:
        return std::make_unique<PreviewFrame>();
    }
    return std::make_unique<Static>();
}

Rect Dialog::MapDialogRect(const ControlTemplate& line) const {
    return DialogUnitsToPixels(line, CurrentBackend().DialogBaseUnits());
}

bool Dialog::Build(Window* parent) {
    if (IsWindow())
        return false;
    if (parent)
        SetParent(parent);
    Backend& backend = CurrentBackend();
    m_ended = false;
    m_result = 0;
    Window::SetWindowText(m_template.caption.empty() ? GetWindowText() : m_template.caption);
    Size client = DialogUnitsToPixels(m_template, backend.DialogBaseUnits());
    Rect insets = backend.FrameInsets(m_template.style);
    SetFrameInsets(insets);
    Size outer{client.cx + insets.left + insets.right, client.cy + insets.top + insets.bottom};
    // New dialogs stand in the middle of the screen's work area.
    Rect area = backend.WorkArea();
    Point origin{area.left + (area.Width() - outer.cx) / 2,
                 area.top + (area.Height() - outer.cy) / 2};
    Window::MoveWindow(Rect::FromSize(origin, outer), false);
    m_normalRect = GetWindowRect();
    CreateWindowObject();
    for (const ControlTemplate& line : m_template.controls) {
        auto bound = m_bound.find(line.id);
        if (bound != m_bound.end() && line.id != IDC_STATIC) {
            bound->second->CreateFromTemplate(this, line, MapDialogRect(line));
            m_order.push_back(bound->second);
        } else {
            AddControl(MakeControl(line.kind), this, line, MapDialogRect(line));
        }
    }
    backend.DialogCreated(*this);
    if (SendMessage(WM_INITDIALOG) != 0) {
        // As Windows does, the first control that takes input gets the focus.
        for (Control* control : m_order) {
            ControlKind kind = control->GetControlKind();
            if (kind != ControlKind::Static && kind != ControlKind::GroupBox &&
                kind != ControlKind::PreviewFrame && control->IsWindowVisible() &&
                control->IsWindowEnabled()) {
                control->SetFocus();
                break;
            }
        }
    }
    return true;
}

Control& Dialog::AddControl(std::unique_ptr<Control> control, Window* parent,
                            const ControlTemplate& line, const Rect& pixels) {
    Control& added = *control;
    added.CreateFromTemplate(parent, line, pixels);
    m_order.push_back(&added);
    m_owned.push_back(std::move(control));
    return added;
}

int Dialog::DoModal() {
    m_modal = true;
    if (!Build(GetParent()))
        return -1;
    Window* owner = GetParent();
    bool ownerWasDisabled = owner ? owner->EnableWindow(false) : false;
    if (!m_ended) {
        ShowWindow(SW_SHOW);
        CurrentBackend().RunModal(*this);
    }
    if (owner && IsWindowAlive(owner))
        owner->EnableWindow(!ownerWasDisabled);
    int result = m_result;
    DestroyWindow();
    m_modal = false;
    return result;
}

bool Dialog::Create(Window* parent) {
    m_modal = false;
    return Build(parent);
}

bool Dialog::DestroyWindow() {
    if (!IsWindow())
        return false;
    for (uintptr_t id : m_timers)
        CurrentBackend().KillTimer(this, id);
    m_timers.clear();
    SendMessage(WM_DESTROY);
    // Controls bound from members of a derived class are gone already when the dialog is
    // destroyed by its own destructor.
    for (auto control = m_order.rbegin(); control != m_order.rend(); ++control)
        if (IsWindowAlive(*control))
            (*control)->DestroyWindow();
    for (auto& bound : m_bound)
        if (IsWindowAlive(bound.second))
            bound.second->SetParent(nullptr);
    m_order.clear();
    m_owned.clear();
    return Window::DestroyWindow();
}

void Dialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_modal)
        Notify(WindowChange::Ended);
    else
        ShowWindow(SW_HIDE);
}

bool Dialog::ShowWindow(int showCommand) {
    bool wasZoomed = IsZoomed();
    bool wasIconic = IsIconic();
    if (!wasZoomed && !wasIconic &&
        (showCommand == SW_MAXIMIZE || showCommand == SW_MINIMIZE ||
         showCommand == SW_SHOWMINIMIZED))
        m_normalRect = GetWindowRect();
    bool wasVisible = Window::ShowWindow(showCommand);
    Rect client = GetClientRect();
    if (IsZoomed() && !wasZoomed) {
        Window::MoveWindow(CurrentBackend().WorkArea());
    } else if (IsIconic() && !wasIconic) {
        SendMessage(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(client.Width(), client.Height()));
    } else if ((wasZoomed || wasIconic) && !IsZoomed() && !IsIconic()) {
        if (GetWindowRect() == m_normalRect) {
            client = GetClientRect();
            SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
        } else {
            Window::MoveWindow(m_normalRect);
        }
    }
    return wasVisible;
}

Control* Dialog::GetDlgItem(int id) const {
    for (Control* control : m_order)
        if (control->GetDlgCtrlID() == id)
            return control;
    return nullptr;
}

std::wstring Dialog::GetDlgItemText(int id) const {
    Control* control = GetDlgItem(id);
    return control ? control->GetWindowText() : std::wstring();
}

void Dialog::SetDlgItemText(int id, const std::wstring& text) {
    if (Control* control = GetDlgItem(id))
        control->SetWindowText(text);
}

int Dialog::IsDlgButtonChecked(int id) const {
    auto* button = GetDlgItemAs<Button>(id);
    return button ? button->GetCheck() : 0;
}

void Dialog::CheckDlgButton(int id, int check) {
    if (auto* button = GetDlgItemAs<Button>(id))
        button->SetCheck(check);
}

void Dialog::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (Control* control : m_order) {
        int id = control->GetDlgCtrlID();
        if (id >= firstId && id <= lastId)
            if (auto* button = dynamic_cast<Button*>(control))
                button->SetCheck(id == checkId ? BST_CHECKED : BST_UNCHECKED);
    }
}

bool Dialog::UpdateData(bool saveAndValidate) {
    DataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.Failed();
}

void Dialog::SetTimer(uintptr_t id, unsigned milliseconds) {
    m_timers.insert(id);
    CurrentBackend().SetTimer(this, id, milliseconds);
}

void Dialog::KillTimer(uintptr_t id) {
    m_timers.erase(id);
    CurrentBackend().KillTimer(this, id);
}

void Dialog::SetIcon(int iconId, bool big) {
    (big ? m_bigIcon : m_smallIcon) = iconId;
}

bool Dialog::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    if (!placement)
        return false;
    placement->flags = 0;
    placement->showCmd = IsIconic()   ? SW_SHOWMINIMIZED
                         : IsZoomed() ? SW_SHOWMAXIMIZED
                                      : SW_SHOWNORMAL;
    placement->ptMinPosition = {-1, -1};
    placement->ptMaxPosition = {-1, -1};
    placement->rcNormalPosition = (IsIconic() || IsZoomed()) ? m_normalRect : GetWindowRect();
    return true;
}

bool Dialog::SetWindowPlacement(const WINDOWPLACEMENT& placement) {
    m_normalRect = placement.rcNormalPosition;
    if (!IsIconic() && !IsZoomed())
        Window::MoveWindow(placement.rcNormalPosition);
    ShowWindow(static_cast<int>(placement.showCmd));
    return true;
}

void Dialog::RedrawWindow() {
    if (NeedsPaint() && IsWindow())
        SendMessage(WM_PAINT);
}

LRESULT Dialog::WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? 1 : 0;
    case WM_COMMAND: {
        int id = static_cast<int>(LOWORD(wParam));
        unsigned code = HIWORD(wParam);
        auto* sender = reinterpret_cast<Window*>(lParam);
        LRESULT result = 0;
        if (sender && IsWindowAlive(sender))
            if (auto* control = dynamic_cast<Control*>(sender))
                if (control->OnChildNotify(message, wParam, lParam, &result))
                    return result;
        if (OnCommand(id, code))
            return 0;
        if (code == BN_CLICKED && id == IDOK)
            OnOK();
        else if (code == BN_CLICKED && id == IDCANCEL)
            OnCancel();
        return 0;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (!header)
            return 0;
        LRESULT result = 0;
        if (header->hwndFrom && IsWindowAlive(header->hwndFrom))
            if (auto* control = dynamic_cast<Control*>(header->hwndFrom))
                if (control->OnChildNotify(message, wParam, lParam, &result))
                    return result;
        OnNotify(static_cast<int>(header->idFrom), *header, result);
        return result;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_SIZE:
        OnSize(static_cast<unsigned>(wParam),
               static_cast<int>(LOWORD(static_cast<uintptr_t>(lParam))),
               static_cast<int>(HIWORD(static_cast<uintptr_t>(lParam))));
        return 0;
    case WM_PAINT:
        OnPaint();
        ValidateRect();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    default: {
        LRESULT result = 0;
        if (OnMessage(message, wParam, lParam, result))
            return result;
        return Window::WindowProc(message, wParam, lParam);
    }
    }
}

bool Dialog::PreTranslateMessage(MSG&) {
    return false;
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (UpdateData(true))
        EndDialog(IDOK);
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnCommand(int, unsigned) {
    return false;
}

bool Dialog::OnNotify(int, NMHDR&, LRESULT&) {
    return false;
}

void Dialog::OnTimer(uintptr_t) {}

void Dialog::OnSize(unsigned, int, int) {}

void Dialog::OnPaint() {}

void Dialog::OnClose() {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

bool Dialog::OnMessage(unsigned, WPARAM, LPARAM, LRESULT&) {
    return false;
}

} // namespace ui
