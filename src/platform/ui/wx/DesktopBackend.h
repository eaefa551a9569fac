#pragma once
// The desktop backend: real windows through wxWidgets. Each dialog gets a toolkit dialog built
// from its template, with a widget at the pixel rectangle of every control model; the models
// stay the truth. A view per window watches its model and brings its widget up to date, and
// turns what the user does to the widget into the same gestures the scripted and console
// backends perform, so a dialog sees the same messages in every backend. Posted messages,
// repaints and timers run on the toolkit's event loop.
//
// The toolkit must be initialised (a wxApp) before the backend is made; it installs itself as
// the process's backend for its lifetime.

#include "platform/ui/LocalBackend.h"

#include <wx/font.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

class wxTimer;
class wxTopLevelWindow;
class wxWindow;

namespace ui::desk {

class DialogView;
class FrameView;

class DesktopBackend : public LocalBackend {
public:
    DesktopBackend();
    ~DesktopBackend() override;

    int MessageBox(Window* owner, const std::wstring& text, const std::wstring& caption,
                   unsigned flags) override;
    bool ChooseFile(Window* owner, FileChooserRequest& request) override;
    bool ChooseFolder(Window* owner, FolderChooserRequest& request) override;
    unsigned TrackPopupMenu(Window* owner, const Menu& menu, Point screen) override;

    void DialogCreated(Dialog& dialog) override;
    void RunModal(Dialog& dialog) override;
    Size DialogBaseUnits() const override { return m_baseUnits; }
    Rect FrameInsets(unsigned style) const override;
    Rect WorkArea() const override;

    bool PostMessage(Window* target, unsigned message, WPARAM wParam, LPARAM lParam) override;
    void RequestPaint(Window* window) override;
    void SetTimer(Window* window, uintptr_t id, unsigned milliseconds) override;
    void KillTimer(Window* window, uintptr_t id) override;
    void PumpMessages() override;

    void WaitCursorChanged(int depth) override;
    Point GetCursorPos() const override;
    void SetCursorPos(Point screen) override;
    bool IsKeyDown(unsigned virtualKey) const override;
    Window* WindowFromPoint(Point screen) const override;
    int OpenWithAssociatedProgram(const std::wstring& path) override;
    // The dragged item's picture in a window of its own above the others, and the pointer's
    // shape on the window that holds the mouse (DragFeedbackView.cpp).
    void BeginDragImage(const std::wstring& text, const std::wstring& icon, Point hotSpot,
                        Point screen) override;
    void MoveDragImage(Point screen, bool visible) override;
    void EndDragImage() override;
    void SetDragCursor(int cursor) override;

    // --- For the desktop's views and the host ---

    // The dialog font: a face that has the CJK glyphs, at the size the base units come from.
    const wxFont& DialogFont() const { return m_font; }
    // Ties a top-level window the host made itself (its main frame) to its model: the model
    // follows the widget's place and size, dialogs owned by the model get the widget as parent.
    void AttachFrame(Window& model, wxTopLevelWindow& frame);
    // The widget of a window model, or null.
    wxWindow* WidgetOf(const Window* window) const;
    // The model of a widget or of the nearest of its parents that has one, or null.
    Window* ModelOf(const wxWindow* widget) const;
    void Register(const Window& window, wxWindow& widget);
    void Unregister(const Window& window);
    DialogView* ViewOf(const Dialog& dialog) const;
    // The frame around top-level windows, as the toolkit measured it on a shown window.
    void LearnFrameInsets(const Rect& insets) { m_insets = insets; }
    // Performs a scripted action (the host's script, a test) as LocalBackend::Perform does; while
    // it runs, the pointer is where the action's gestures put it, not where the mouse is.
    std::wstring PerformScripted(Dialog& dialog, const Action& action);

    // Answers for the next message boxes, in order: a box whose answer is queued is not shown;
    // it is reported to `answered` (caption, text, flags, answer) and returns the answer.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    void SetAnsweredBoxReporter(
        std::function<void(const std::wstring&, const std::wstring&, unsigned, int)> reporter) {
        m_reportAnswered = std::move(reporter);
    }
    // Called once the loop of every modal dialog runs, with the dialog (the host's script acts
    // on it from there).
    void SetModalDriver(std::function<void(Dialog&)> driver) { m_modalDriver = std::move(driver); }
    // Ends every open modal dialog with IDCANCEL; from now on boxes get their default answer,
    // choosers and menus are cancelled and modal dialogs end at once, without showing.
    void CloseAll();
    bool IsClosing() const { return m_closing; }
    // How many modal loops run now.
    int ModalDepth() const { return m_modalDepth; }

private:
    void ChooseFont();
    // The widget a box or chooser of the owner goes over: the owner's top-level widget, else the
    // innermost modal dialog, else the host's frame.
    wxWindow* ParentWidget(Window* owner) const;

    wxFont m_font;
    Size m_baseUnits{6, 13};
    Rect m_insets;
    int m_scripted = 0;
    Point m_scriptedPointer;
    std::unordered_map<const Window*, wxWindow*> m_widgets;
    std::unordered_map<const wxWindow*, const Window*> m_models;
    std::map<std::pair<Window*, uintptr_t>, std::unique_ptr<wxTimer>> m_timers;
    std::vector<std::unique_ptr<FrameView>> m_frames;
    std::deque<int> m_answers;
    std::function<void(const std::wstring&, const std::wstring&, unsigned, int)> m_reportAnswered;
    std::function<void(Dialog&)> m_modalDriver;
    std::vector<Dialog*> m_modalDialogs;
    int m_modalDepth = 0;
    bool m_closing = false;
    wxWindow* m_dragPicture = nullptr;
    Point m_dragHotSpot;
    bool m_busyCursor = false;
    Backend* m_previous = nullptr;
};

} // namespace ui::desk
