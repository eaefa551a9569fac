#pragma once
// The base of every control model: a child window with an id, a kind and a style, made from
// its template line by the dialog. Controls tell their parent what the user did the way
// Windows controls do: WM_COMMAND with a notification code, or WM_NOTIFY with a header; the
// parent hands a notification back to the control first, so that a control class can handle
// its own notifications (as MFC's message reflection does).

#include "platform/ui/Canvas.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Window.h"

namespace ui {

class Control : public Window {
public:
    explicit Control(ControlKind kind);

    ControlKind GetControlKind() const { return m_controlKind; }
    int GetDlgCtrlID() const { return m_id; }
    unsigned GetStyle() const { return m_style; }
    void ModifyStyle(unsigned remove, unsigned add);

    // Takes id, text, style and rectangle (pixels, in the parent's client area), and joins the
    // parent. Controls made at run time (editors over a list's cells) are made the same way.
    virtual void CreateFromTemplate(Window* parent, const ControlTemplate& line,
                                    const Rect& pixels);

    // A notification this control sent comes back here before the parent's handlers see it;
    // true means the control handled it and the parent does not.
    virtual bool OnChildNotify(unsigned message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Notifications from the control's own children (editors placed over a list's cells) are
    // handed back to the child first, as a dialog does for its controls.
    LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) override;

    // WM_COMMAND with this control's id and the code, to the parent.
    LRESULT NotifyCommand(unsigned code);
    // WM_NOTIFY to the parent; the header's sender, id and code are filled in here.
    LRESULT NotifyParent(NMHDR& header, int code);

private:
    ControlKind m_controlKind;
    int m_id = 0;
    unsigned m_style = 0;
};

// Push buttons, check boxes, radio buttons and group boxes.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

class Button : public Control {
public:
    explicit Button(ControlKind kind = ControlKind::PushButton) : Control(kind) {}

    int GetCheck() const { return m_check; }
    void SetCheck(int check);
    bool IsDefaultButton() const { return (GetStyle() & BS_DEFPUSHBUTTON) != 0; }

private:
    int m_check = BST_UNCHECKED;
};

// Static texts and group boxes.
class Static : public Control {
public:
    explicit Static(ControlKind kind = ControlKind::Static) : Control(kind) {}
};

// A single-line or multi-line edit field. Setting its text reports EN_CHANGE to the parent, as
// Windows does; focus changes report EN_SETFOCUS and EN_KILLFOCUS.
class Edit : public Control {
public:
    Edit() : Control(ControlKind::Edit) {}

    void SetWindowText(std::wstring text) override;
    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    void SetReadOnly(bool readOnly = true);
    void SetLimitText(size_t limit) { m_limit = limit; }
    size_t GetLimitText() const { return m_limit; }
    // The selection, in characters; the whole text is selected when the field takes the focus
    // by keyboard, which a test rarely needs, so it only keeps what is set.
    void SetSel(int start, int end) {
        m_selStart = start;
        m_selEnd = end;
    }
    void GetSel(int& start, int& end) const {
        start = m_selStart;
        end = m_selEnd;
    }

    LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    size_t m_limit = 0; // 0: no limit
    int m_selStart = 0;
    int m_selEnd = 0;
};

// A frame whose client area is a picture the dialog paints (a drawing's preview).
class PreviewFrame : public Control {
public:
    PreviewFrame() : Control(ControlKind::PreviewFrame) {}

    // The picture, the size of the client area (resized, and cleared, when that changed).
    Canvas& GetCanvas();
    // Tells the backend the picture was painted anew.
    void CanvasPainted() { Notify(WindowChange::Painted); }

private:
    Canvas m_canvas;
};

// Finds a window's control child by id (recursively, as GetDlgItem does for direct children
// only when `deep` is false).
Control* FindControl(Window& parent, int id, bool deep = false);

} // namespace ui
