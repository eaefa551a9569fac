#pragma once
// Tests through the real toolkit on the X server the CTest fixture started (scripts/
// xvfb-test-server). The program's main starts the toolkit and runs the tests inside its event
// loop, as the desktop host runs; each test gets a fresh desktop backend. The helpers act as a
// user does: the pointer and the keys through the toolkit's input simulator (real X events),
// texts and picks through the toolkit's own events.

#include "platform/ui/Dialog.h"
#include "platform/ui/wx/DesktopBackend.h"

#include <gtest/gtest.h>
#include <wx/modalhook.h>
#include <wx/treectrl.h>
#include <wx/window.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ovtest {

// A message box as the toolkit was asked to show it.
struct ShownBox {
    std::wstring caption;
    std::wstring text;
    long style = 0;
};

// Answers the message boxes the backend shows (the toolkit's own boxes, which the input
// simulator cannot reach reliably) and records them; other modal dialogs run normally.
class BoxAnswerer : public wxModalDialogHook {
public:
    BoxAnswerer() { Register(); }
    ~BoxAnswerer() override { Unregister(); }
    // The toolkit's id of the button to press on the next box (wxID_OK, wxID_YES, ...).
    void Queue(int answer) { m_answers.push_back(answer); }
    const std::vector<ShownBox>& Boxes() const { return m_boxes; }

protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

private:
    std::deque<int> m_answers;
    std::vector<ShownBox> m_boxes;
};

// The widget's item with that text below `parent` (searched depth first), or an invalid id.
wxTreeItemId FindWidgetItem(wxTreeCtrl& tree, wxTreeItemId parent, const wxString& text);
// Where on the screen the pointer is over the item's label, scrolled into view.
wxPoint ItemCentre(wxTreeCtrl& tree, wxTreeItemId item);

class DesktopTest : public ::testing::Test {
protected:
    DesktopTest();
    ~DesktopTest() override;

    ui::desk::DesktopBackend& Backend() { return *m_backend; }
    // The widget of a control of the dialog.
    template <typename Widget> Widget* WidgetOf(const ui::Dialog& dialog, int id) {
        return dynamic_cast<Widget*>(m_backend->WidgetOf(dialog.GetDlgItem(id)));
    }

    // The user: pointer and keys as real X events, then the toolkit handles them.
    void Click(wxWindow& widget, wxPoint where = wxDefaultPosition);
    void DoubleClick(wxWindow& widget, wxPoint where = wxDefaultPosition);
    void RightClick(wxWindow& widget, wxPoint where = wxDefaultPosition);
    // Presses the left button at `from` and moves the pointer to `to` in steps, the button
    // still down; ReleaseButton lets go.
    void PressAndMove(wxPoint from, wxPoint to);
    void ReleaseButton();
    void Key(int keyCode, int modifiers = 0);
    void Type(const char* text);
    // What the toolkit reports when the user edits a field or picks from a list or combo box.
    void Enter(wxWindow& field, const std::wstring& text);
    void Pick(wxWindow& list, int index);
    // Runs the dialog modally; `user` runs once its loop runs. The dialog is cancelled (and the
    // test fails) when `user` leaves it open or it stays open ten seconds.
    int RunModal(ui::Dialog& dialog, std::function<void()> user);
    // Waits, handling events, until `done` holds or two seconds passed.
    bool WaitFor(const std::function<bool()>& done);

    // A PNG of the shown windows below the build folder's screenshots/, copied into the
    // folder OV_SCREENSHOT_DIR names when it is set (scripts/update-screenshots).
    std::string Screenshot(const std::string& name);
    std::string Screenshot(const wxWindow& window, const std::string& name);

    BoxAnswerer boxes;

private:
    std::unique_ptr<ui::desk::DesktopBackend> m_backend;
};

} // namespace ovtest
