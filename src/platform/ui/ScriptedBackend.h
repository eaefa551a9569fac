#pragma once
// The backend for tests. A test says beforehand what the user will do: the answers to message
// boxes, the files and folders picked in choosers, the popup-menu commands, and for each modal
// dialog (named by template id or caption) the actions of its next run; or it acts on an open
// modeless window at once. Every box, chooser, menu and dialog run is recorded, so the test can
// check the system's exact words. Whatever does not go as scripted (a dialog left open, an
// action that cannot be done, a chooser nobody answered) is recorded as a fault, which the
// test checks; the dialog is then cancelled, so that a test never hangs.

#include "platform/ui/LocalBackend.h"
#include "platform/ui/MessageBox.h"

#include <deque>
#include <string>
#include <vector>

namespace ui {

struct RecordedMessageBox {
    std::wstring caption;
    std::wstring text;
    unsigned flags = 0;
    int answer = 0;
    bool answerFitted = true; // false when the queued answer was not one of the box's buttons
};

struct RecordedDialog {
    int templateId = 0;
    std::wstring caption;
    std::vector<std::wstring> opening; // the dialog in words as it opened
    int result = 0;
};

struct RecordedMenu {
    std::vector<std::wstring> lines; // the menu in words as it was shown
    unsigned chosen = 0;
};

class ScriptedBackend : public LocalBackend {
public:
    // Installs itself as the process's backend for its lifetime.
    ScriptedBackend();
    ~ScriptedBackend() override;

    // Message boxes: queued answers; a box that finds none gets its default button.
    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<RecordedMessageBox>& Boxes() const { return m_boxes; }
    size_t PendingAnswers() const { return m_answers.size(); }
    // Forgets what was recorded and queued.
    void Clear();
    int MessageBox(Window* owner, const std::wstring& text, const std::wstring& caption,
                   unsigned flags) override;

    // The actions of the next modal run of a dialog.
    void Script(int templateId, std::vector<Action> actions);
    void Script(const std::wstring& caption, std::vector<Action> actions);
    void RunModal(Dialog& dialog) override;
    const std::vector<RecordedDialog>& Dialogs() const { return m_dialogs; }
    // Acts on an open (modeless) dialog now; "" or why nothing was done (also a fault).
    std::wstring Act(Dialog& dialog, const Action& action);

    // Choosers: the path or folder picked; "" cancels.
    void QueueFile(std::wstring path) { m_files.push_back(std::move(path)); }
    void QueueFolder(std::wstring folder) { m_folders.push_back(std::move(folder)); }
    bool ChooseFile(Window* owner, FileChooserRequest& request) override;
    bool ChooseFolder(Window* owner, FolderChooserRequest& request) override;
    const std::vector<FileChooserRequest>& FileRequests() const { return m_fileRequests; }
    const std::vector<FolderChooserRequest>& FolderRequests() const { return m_folderRequests; }

    // Popup menus: the command of a right click's action, else the next queued one, else none.
    void QueueMenuChoice(unsigned id) { m_menuChoices.push_back(id); }
    unsigned TrackPopupMenu(Window* owner, const Menu& menu, Point screen) override;
    const std::vector<RecordedMenu>& Menus() const { return m_menus; }

    const std::vector<std::wstring>& Faults() const { return m_faults; }
    void Fault(std::wstring what) { m_faults.push_back(std::move(what)); }

private:
    struct Session {
        int templateId = 0;
        std::wstring caption;
        std::vector<Action> actions;
    };

    Backend* m_previous = nullptr;
    std::deque<int> m_answers;
    std::vector<RecordedMessageBox> m_boxes;
    std::deque<Session> m_sessions;
    std::vector<RecordedDialog> m_dialogs;
    std::deque<std::wstring> m_files;
    std::deque<std::wstring> m_folders;
    std::vector<FileChooserRequest> m_fileRequests;
    std::vector<FolderChooserRequest> m_folderRequests;
    std::deque<unsigned> m_menuChoices;
    std::vector<RecordedMenu> m_menus;
    std::vector<std::wstring> m_faults;
};

} // namespace ui
