#include "platform/ui/wx/DesktopBackend.h"

#include "platform/fs/LogicalPath.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DialogView.h"
#include "platform/ui/wx/FrameView.h"
#include "platform/ui/wx/Keys.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/fontenum.h>
#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <algorithm>
#include <cerrno>

namespace ui::desk {

namespace {

// Faces with the CJK glyphs, in the order they are preferred.
const char* const kFaces[] = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC",
                              "Droid Sans Fallback"};
// The size of the dialog font: 9 points, the size of the dialog font on the users' systems.
constexpr int kPointSize = 9;

// A timer of a window model: WM_TIMER every period while the window exists.
class ModelTimer : public wxTimer {
public:
    ModelTimer(Window* window, uintptr_t id) : m_window(window), m_id(id) {}
    void Notify() override {
        if (IsWindowAlive(m_window) && m_window->IsWindow())
            m_window->SendMessage(WM_TIMER, m_id);
        else
            Stop();
    }

private:
    Window* m_window;
    uintptr_t m_id;
};

} // namespace

DesktopBackend::DesktopBackend() : m_previous(&CurrentBackend()) {
    ChooseFont();
    SetBackend(this);
}

DesktopBackend::~DesktopBackend() {
    for (auto& timer : m_timers)
        timer.second->Stop();
    if (m_busyCursor)
        wxEndBusyCursor();
    SetBackend(m_previous);
}

void DesktopBackend::ChooseFont() {
    wxFont font{wxFontInfo(kPointSize)};
    for (const char* face : kFaces)
        if (wxFontEnumerator::IsValidFacename(face)) {
            font = wxFont(wxFontInfo(kPointSize).FaceName(face));
            break;
        }
    m_font = font;
    // Base units as Windows measures them: the average width of the Latin letters and the
    // font's height.
    wxBitmap scratch(8, 8);
    wxMemoryDC dc(scratch);
    dc.SetFont(m_font);
    wxSize letters = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_baseUnits = {(letters.x / 26 + 1) / 2, dc.GetCharHeight()};
}

void DesktopBackend::DialogCreated(Dialog& dialog) {
    new DialogView(*this, dialog, ParentWidget(dialog.GetParent()));
}

void DesktopBackend::RunModal(Dialog& dialog) {
    DialogView* view = ViewOf(dialog);
    if (!view || m_closing) {
        dialog.EndDialog(IDCANCEL);
        return;
    }
    m_modalDialogs.push_back(&dialog);
    ++m_modalDepth;
    if (m_modalDriver) {
        Dialog* running = &dialog;
        auto driver = m_modalDriver;
        wxTheApp->CallAfter([running, driver] {
            if (IsWindowAlive(running) && running->IsWindow() && !running->HasEnded())
                driver(*running);
        });
    }
    view->RunModalLoop();
    --m_modalDepth;
    m_modalDialogs.erase(std::remove(m_modalDialogs.begin(), m_modalDialogs.end(), &dialog),
                         m_modalDialogs.end());
    // The loop can also end without the model (the program quits).
    if (!dialog.HasEnded())
        dialog.EndDialog(IDCANCEL);
}

void DesktopBackend::CloseAll() {
    m_closing = true;
    std::vector<Dialog*> running = m_modalDialogs;
    for (auto dialog = running.rbegin(); dialog != running.rend(); ++dialog)
        if (IsWindowAlive(*dialog) && !(*dialog)->HasEnded())
            (*dialog)->EndDialog(IDCANCEL);
}

Rect DesktopBackend::FrameInsets(unsigned) const {
    return m_insets;
}

Rect DesktopBackend::WorkArea() const {
    return FromWx(wxDisplay(0u).GetClientArea());
}

bool DesktopBackend::PostMessage(Window* target, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (!target)
        return false;
    wxTheApp->CallAfter([target, message, wParam, lParam] {
        if (IsWindowAlive(target) && target->IsWindow())
            target->SendMessage(message, wParam, lParam);
    });
    return true;
}

void DesktopBackend::RequestPaint(Window* window) {
    wxTheApp->CallAfter([window] {
        if (IsWindowAlive(window) && window->IsWindow() && window->NeedsPaint())
            window->SendMessage(WM_PAINT);
    });
}

void DesktopBackend::SetTimer(Window* window, uintptr_t id, unsigned milliseconds) {
    auto& timer = m_timers[{window, id}];
    if (!timer)
        timer = std::make_unique<ModelTimer>(window, id);
    timer->Start(static_cast<int>(std::max(milliseconds, 1u)));
}

void DesktopBackend::KillTimer(Window* window, uintptr_t id) {
    auto found = m_timers.find({window, id});
    if (found == m_timers.end())
        return;
    found->second->Stop();
    // A timer may be killed from its own tick: it is deleted once the tick has returned.
    wxTimer* timer = found->second.release();
    m_timers.erase(found);
    wxTheApp->CallAfter([timer] { delete timer; });
}

void DesktopBackend::PumpMessages() {
    wxTheApp->ProcessPendingEvents();
}

void DesktopBackend::WaitCursorChanged(int depth) {
    if (depth > 0 && !m_busyCursor) {
        wxBeginBusyCursor();
        m_busyCursor = true;
    } else if (depth == 0 && m_busyCursor) {
        wxEndBusyCursor();
        m_busyCursor = false;
    }
}

Point DesktopBackend::GetCursorPos() const {
    return m_scripted ? m_scriptedPointer : FromWx(wxGetMousePosition());
}

void DesktopBackend::SetCursorPos(Point screen) {
    // Gestures made from the user's own input put the pointer where it is already; the real
    // pointer is moved by no one but the user.
    m_scriptedPointer = screen;
}

bool DesktopBackend::IsKeyDown(unsigned virtualKey) const {
    if (LocalBackend::IsKeyDown(virtualKey))
        return true;
    int key = ToolkitKeyOf(virtualKey);
    return key != 0 && wxGetKeyState(static_cast<wxKeyCode>(key));
}

Window* DesktopBackend::WindowFromPoint(Point screen) const {
    wxWindow* widget = wxFindWindowAtPoint(ToWx(screen));
    return widget ? ModelOf(widget) : nullptr;
}

int DesktopBackend::OpenWithAssociatedProgram(const std::wstring& path) {
    // The toolkit hands the file to the desktop's opener (xdg-open), which starts the program
    // associated with the file's kind and does not wait for it. A desktop without an opener
    // cannot open anything: the operation is not supported there.
    wxString native = wxString::FromUTF8(fs::ToNative(path).string());
    return wxLaunchDefaultApplication(native) ? 0 : EOPNOTSUPP;
}

std::wstring DesktopBackend::PerformScripted(Dialog& dialog, const Action& action) {
    ++m_scripted;
    m_scriptedPointer = GetCursorPos();
    std::wstring error = Perform(dialog, action);
    --m_scripted;
    return error;
}

void DesktopBackend::AttachFrame(Window& model, wxTopLevelWindow& frame) {
    m_frames.push_back(std::make_unique<FrameView>(*this, model, frame));
}

wxWindow* DesktopBackend::WidgetOf(const Window* window) const {
    auto found = m_widgets.find(window);
    return found == m_widgets.end() ? nullptr : found->second;
}

Window* DesktopBackend::ModelOf(const wxWindow* widget) const {
    for (; widget; widget = widget->GetParent()) {
        auto found = m_models.find(widget);
        if (found != m_models.end())
            return const_cast<Window*>(found->second);
        if (widget->IsTopLevel())
            break;
    }
    return nullptr;
}

void DesktopBackend::Register(const Window& window, wxWindow& widget) {
    m_widgets[&window] = &widget;
    m_models[&widget] = &window;
}

void DesktopBackend::Unregister(const Window& window) {
    auto found = m_widgets.find(&window);
    if (found == m_widgets.end())
        return;
    m_models.erase(found->second);
    m_widgets.erase(found);
}

DialogView* DesktopBackend::ViewOf(const Dialog& dialog) const {
    return dynamic_cast<DialogView*>(WidgetOf(&dialog));
}

wxWindow* DesktopBackend::ParentWidget(Window* owner) const {
    for (Window* window = owner; window; window = window->GetParent()) {
        if (wxWindow* widget = WidgetOf(window))
            return wxGetTopLevelParent(widget);
        if (window->IsTopLevel())
            break;
    }
    if (!m_modalDialogs.empty())
        if (wxWindow* widget = WidgetOf(m_modalDialogs.back()))
            return widget;
    for (const auto& frame : m_frames)
        if (frame->Widget())
            return frame->Widget();
    return nullptr;
}

} // namespace ui::desk
