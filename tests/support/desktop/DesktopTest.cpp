#include "DesktopTest.h"

#include "platform/ui/wx/Screenshot.h"

#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/ctrlsub.h>
#include <wx/msgdlg.h>
#include <wx/textentry.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace ovtest {

wxTreeItemId FindWidgetItem(wxTreeCtrl& tree, wxTreeItemId parent, const wxString& text) {
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = tree.GetFirstChild(parent, cookie); child.IsOk();
         child = tree.GetNextChild(parent, cookie)) {
        if (tree.GetItemText(child) == text)
            return child;
        if (wxTreeItemId found = FindWidgetItem(tree, child, text); found.IsOk())
            return found;
    }
    return {};
}

wxPoint ItemCentre(wxTreeCtrl& tree, wxTreeItemId item) {
    tree.EnsureVisible(item);
    ui::desk::Settle();
    wxRect rect;
    tree.GetBoundingRect(item, rect, true);
    return tree.ClientToScreen(wxPoint(rect.x + 4, rect.y + rect.height / 2));
}

namespace {

wxPoint ScreenPoint(wxWindow& widget, wxPoint where) {
    if (where == wxDefaultPosition) {
        wxSize size = widget.GetClientSize();
        where = {size.x / 2, size.y / 2};
    }
    return widget.ClientToScreen(where);
}

std::string SavePath(const std::string& name) {
    std::filesystem::path folder = std::filesystem::path(OV_BINARY_DIR) / "screenshots";
    std::filesystem::create_directories(folder);
    return (folder / (name + ".png")).string();
}

void CopyForDocs(const std::string& path) {
    if (const char* docs = std::getenv("OV_SCREENSHOT_DIR"); docs && *docs) {
        std::filesystem::path target =
            std::filesystem::path(docs) / std::filesystem::path(path).filename();
        std::filesystem::copy_file(path, target, std::filesystem::copy_options::overwrite_existing);
    }
}

} // namespace

int BoxAnswerer::Enter(wxDialog* dialog) {
    auto* box = dynamic_cast<wxMessageDialog*>(dialog);
    if (!box)
        return wxID_NONE;
    m_boxes.push_back({box->GetTitle().ToStdWstring(), box->GetMessage().ToStdWstring(),
                       box->GetMessageDialogStyle()});
    if (m_answers.empty())
        return (box->GetMessageDialogStyle() & wxYES_NO) ? wxID_YES : wxID_OK;
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

DesktopTest::DesktopTest() : m_backend(std::make_unique<ui::desk::DesktopBackend>()) {}

DesktopTest::~DesktopTest() {
    m_backend.reset();
    ui::desk::Settle();
}

void DesktopTest::PressAndMove(wxPoint from, wxPoint to) {
    wxUIActionSimulator user;
    user.MouseMove(from);
    ui::desk::Settle();
    user.MouseDown();
    ui::desk::Settle();
    for (int step = 1; step <= 5; ++step) {
        user.MouseMove(from + (to - from) * step / 5);
        ui::desk::Settle();
    }
}

void DesktopTest::ReleaseButton() {
    wxUIActionSimulator().MouseUp();
    ui::desk::Settle();
}

void DesktopTest::Click(wxWindow& widget, wxPoint where) {
    wxUIActionSimulator user;
    user.MouseMove(ScreenPoint(widget, where));
    ui::desk::Settle();
    user.MouseClick();
    ui::desk::Settle();
}

void DesktopTest::DoubleClick(wxWindow& widget, wxPoint where) {
    wxUIActionSimulator user;
    user.MouseMove(ScreenPoint(widget, where));
    ui::desk::Settle();
    user.MouseDblClick();
    ui::desk::Settle();
}

void DesktopTest::RightClick(wxWindow& widget, wxPoint where) {
    wxUIActionSimulator user;
    user.MouseMove(ScreenPoint(widget, where));
    ui::desk::Settle();
    user.MouseClick(wxMOUSE_BTN_RIGHT);
    ui::desk::Settle();
}

void DesktopTest::Key(int keyCode, int modifiers) {
    wxUIActionSimulator user;
    user.Char(keyCode, modifiers);
    ui::desk::Settle();
}

void DesktopTest::Type(const char* text) {
    wxUIActionSimulator user;
    user.Text(text);
    ui::desk::Settle();
}

void DesktopTest::Enter(wxWindow& field, const std::wstring& text) {
    if (auto* edit = dynamic_cast<wxTextEntry*>(&field))
        edit->SetValue(wxString(text));
    ui::desk::Settle();
}

void DesktopTest::Pick(wxWindow& list, int index) {
    auto* items = dynamic_cast<wxControlWithItems*>(&list);
    if (!items)
        return;
    items->SetSelection(index);
    wxCommandEvent picked(dynamic_cast<wxComboBox*>(&list) ? wxEVT_COMBOBOX : wxEVT_LISTBOX,
                          list.GetId());
    picked.SetEventObject(&list);
    picked.SetInt(index);
    list.ProcessWindowEvent(picked);
    ui::desk::Settle();
}

int DesktopTest::RunModal(ui::Dialog& dialog, std::function<void()> user) {
    bool finished = false;
    ui::Dialog* running = &dialog;
    wxTheApp->CallAfter([&finished, running, user] {
        ui::desk::Settle();
        user();
        finished = true;
        if (running->IsWindow() && !running->HasEnded()) {
            ADD_FAILURE() << "the user left the dialog open";
            running->EndDialog(ui::IDCANCEL);
        }
    });
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [running, &finished](wxTimerEvent&) {
        if (!finished && running->IsWindow() && !running->HasEnded()) {
            ADD_FAILURE() << "the dialog was still open after ten seconds";
            running->EndDialog(ui::IDCANCEL);
        }
    });
    watchdog.StartOnce(10000);
    return dialog.DoModal();
}

bool DesktopTest::WaitFor(const std::function<bool()>& done) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        wxTheApp->Yield(true);
        wxMilliSleep(10);
    }
    return true;
}

std::string DesktopTest::Screenshot(const std::string& name) {
    std::string path = SavePath(name);
    EXPECT_TRUE(ui::desk::SaveScreenshot(path)) << path;
    CopyForDocs(path);
    return path;
}

std::string DesktopTest::Screenshot(const wxWindow& window, const std::string& name) {
    std::string path = SavePath(name);
    EXPECT_TRUE(ui::desk::SaveScreenshot(window, path)) << path;
    CopyForDocs(path);
    return path;
}

} // namespace ovtest
