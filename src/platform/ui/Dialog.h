#pragma once
// The dialog base: a window built from its template, holding a control model per template
// line, run modally (DoModal) or modelessly (Create, ShowWindow, DestroyWindow). Messages reach
// virtual handlers as an MFC dialog receives them: OnInitDialog, OnOK, OnCancel, OnCommand,
// OnNotify, OnTimer, OnSize, OnPaint, and OnMessage for the rest (user-defined messages among
// them). UpdateData moves values between the dialog's members and its controls through
// DoDataExchange.
//
// A dialog class that wants a control of its own class (a list that edits cells in place, say)
// binds its member to the id in its constructor; the dialog then builds that member from the
// template line instead of a plain model.

#include "platform/ui/Control.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TreeCtrl.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace ui {

class DataExchange;

struct WINDOWPLACEMENT {
    unsigned flags = 0;
    unsigned showCmd = SW_SHOWNORMAL;
    Point ptMinPosition;
    Point ptMaxPosition;
    Rect rcNormalPosition;
};

class Dialog : public Window {
public:
    explicit Dialog(DialogTemplate dialogTemplate, Window* parent = nullptr);
    ~Dialog() override;

    const DialogTemplate& GetTemplate() const { return m_template; }
    int GetTemplateId() const { return m_template.id; }

    // Modal: builds the dialog, runs it through the backend until EndDialog, destroys the
    // window and returns the result (IDOK, IDCANCEL, ...).
    int DoModal();
    bool IsModal() const { return m_modal; }
    // Modeless: builds the dialog, hidden until the caller shows it; false when it exists
    // already.
    bool Create(Window* parent = nullptr);
    bool DestroyWindow() override;
    // Maximising, minimising and restoring move the window and send WM_SIZE, as Windows does.
    bool ShowWindow(int showCommand) override;
    // Ends a modal dialog with the result.
    void EndDialog(int result);
    bool HasEnded() const { return m_ended; }
    int GetResult() const { return m_result; }

    // Controls.
    Control* GetDlgItem(int id) const;
    template <typename T> T* GetDlgItemAs(int id) const { return dynamic_cast<T*>(GetDlgItem(id)); }
    const std::vector<Control*>& Controls() const { return m_order; }
    std::wstring GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::wstring& text);
    int IsDlgButtonChecked(int id) const;
    void CheckDlgButton(int id, int check);
    void CheckRadioButton(int firstId, int lastId, int checkId);
    // Adds a control made at run time (an editor over a list's cells): it gets its rectangle
    // in the parent's client area and joins the dialog's controls; the dialog owns it unless
    // it was bound.
    Control& AddControl(std::unique_ptr<Control> control, Window* parent,
                        const ControlTemplate& line, const Rect& pixels);
    // Dialog units to pixels with the backend's font.
    Rect MapDialogRect(const ControlTemplate& line) const;

    // Members and controls: false moves controls to members (and may refuse), true the other way.
    bool UpdateData(bool saveAndValidate = true);

    // Timers and icons.
    void SetTimer(uintptr_t id, unsigned milliseconds);
    void KillTimer(uintptr_t id);
    void SetIcon(int iconId, bool big);
    int GetIcon(bool big) const { return big ? m_bigIcon : m_smallIcon; }

    // Placement, as GetWindowPlacement and SetWindowPlacement keep it.
    bool GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    bool SetWindowPlacement(const WINDOWPLACEMENT& placement);

    // Redraws now: WM_PAINT is sent at once when the window wants a repaint.
    void RedrawWindow();

    LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) override;
    // A message from the loop before the dialog handles it; true eats it.
    virtual bool PreTranslateMessage(MSG& message);

protected:
    // Binds a member control to an id; call in the constructor.
    void Bind(int id, Control& control);

    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& exchange);
    // True when handled.
    virtual bool OnCommand(int id, unsigned code);
    // True when handled; `result` is what the message returns.
    virtual bool OnNotify(int id, NMHDR& header, LRESULT& result);
    virtual void OnTimer(uintptr_t id);
    virtual void OnSize(unsigned type, int width, int height);
    virtual void OnPaint();
    virtual void OnClose();
    // Any other message; true when handled.
    virtual bool OnMessage(unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    bool Build(Window* parent);
    std::unique_ptr<Control> MakeControl(ControlKind kind) const;

    DialogTemplate m_template;
    std::map<int, Control*> m_bound;
    std::vector<std::unique_ptr<Control>> m_owned;
    std::vector<Control*> m_order;
    std::set<uintptr_t> m_timers;
    Rect m_normalRect; // where the window goes back to from maximised or minimised
    bool m_modal = false;
    bool m_ended = false;
    int m_result = 0;
    int m_bigIcon = 0;
    int m_smallIcon = 0;
};

} // namespace ui
