#include "platform/ui/ScriptedBackend.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/DialogText.h"

namespace ui {

ScriptedBackend::ScriptedBackend() : m_previous(&CurrentBackend()) {
    SetBackend(this);
}

ScriptedBackend::~ScriptedBackend() {
    SetBackend(m_previous);
}

void ScriptedBackend::Clear() {
    m_answers.clear();
    m_boxes.clear();
    m_sessions.clear();
    m_dialogs.clear();
    m_files.clear();
    m_folders.clear();
    m_fileRequests.clear();
    m_folderRequests.clear();
    m_menuChoices.clear();
    m_menus.clear();
    m_openFailures.clear();
    m_openedFiles.clear();
    m_faults.clear();
}

int ScriptedBackend::MessageBox(Window*, const std::wstring& text, const std::wstring& caption,
                                unsigned flags) {
    RecordedMessageBox box{caption, text, flags, DefaultAnswer(flags), true};
    if (!m_answers.empty()) {
        box.answer = m_answers.front();
        m_answers.pop_front();
        box.answerFitted = IsAnswerOf(flags, box.answer);
    }
    m_boxes.push_back(box);
    return box.answer;
}

void ScriptedBackend::Script(int templateId, std::vector<Action> actions) {
    m_sessions.push_back({templateId, L"", std::move(actions)});
}

void ScriptedBackend::Script(const std::wstring& caption, std::vector<Action> actions) {
    m_sessions.push_back({0, caption, std::move(actions)});
}

void ScriptedBackend::RunModal(Dialog& dialog) {
    RecordedDialog record{dialog.GetTemplateId(), dialog.GetWindowText(), DescribeDialog(dialog)};
    size_t index = m_dialogs.size();
    m_dialogs.push_back(record);
    auto session = m_sessions.begin();
    while (session != m_sessions.end() &&
           !(session->templateId ? session->templateId == dialog.GetTemplateId()
                                 : session->caption == dialog.GetWindowText()))
        ++session;
    std::wstring name =
        text::Format(L"dialog %d \"%s\"", dialog.GetTemplateId(), dialog.GetWindowText());
    if (session == m_sessions.end()) {
        Fault(L"No script for " + name);
        dialog.EndDialog(IDCANCEL);
    } else {
        std::vector<Action> actions = std::move(session->actions);
        m_sessions.erase(session);
        PumpMessages();
        for (size_t step = 0; step < actions.size(); ++step) {
            if (dialog.HasEnded()) {
                Fault(text::Format(L"%s ended before \"%s\"", name, ActionText(actions[step])));
                break;
            }
            std::wstring error = Perform(dialog, actions[step]);
            if (!error.empty())
                Fault(name + L": " + error);
        }
        if (!dialog.HasEnded()) {
            Fault(name + L" was left open by its script");
            dialog.EndDialog(IDCANCEL);
        }
    }
    m_dialogs[index].result = dialog.GetResult();
}

std::wstring ScriptedBackend::Act(Dialog& dialog, const Action& action) {
    if (!dialog.IsWindow()) {
        Fault(L"Acting on a dialog that is not open");
        return L"The dialog is not open.";
    }
    std::wstring error = Perform(dialog, action);
    if (!error.empty())
        Fault(error);
    return error;
}

bool ScriptedBackend::ChooseFile(Window*, FileChooserRequest& request) {
    m_fileRequests.push_back(request);
    if (m_files.empty()) {
        Fault(L"No file queued for the chooser \"" + request.title + L"\"");
        return false;
    }
    std::wstring path = std::move(m_files.front());
    m_files.pop_front();
    if (path.empty())
        return false;
    // A multiple choice is queued as its paths, one a line.
    request.fileNames.clear();
    if (request.flags & OFN_ALLOWMULTISELECT)
        request.fileNames = text::Split(path, L"\n");
    else
        request.fileNames.push_back(path);
    request.fileName = request.fileNames.front();
    return true;
}

bool ScriptedBackend::ChooseFolder(Window*, FolderChooserRequest& request) {
    m_folderRequests.push_back(request);
    if (m_folders.empty()) {
        Fault(L"No folder queued for the chooser \"" + request.title + L"\"");
        return false;
    }
    std::wstring folder = std::move(m_folders.front());
    m_folders.pop_front();
    if (folder.empty())
        return false;
    request.folder = folder;
    return true;
}

int ScriptedBackend::OpenWithAssociatedProgram(const std::wstring& path) {
    m_openedFiles.push_back(path);
    if (m_openFailures.empty())
        return 0;
    int error = m_openFailures.front();
    m_openFailures.pop_front();
    return error;
}

unsigned ScriptedBackend::TrackPopupMenu(Window*, const Menu& menu, Point) {
    RecordedMenu record{DescribeMenu(menu), 0};
    if (m_pendingMenu && !m_menuShown) {
        record.chosen = m_pendingMenu;
        m_menuShown = true;
    } else if (!m_menuChoices.empty()) {
        record.chosen = m_menuChoices.front();
        m_menuChoices.pop_front();
    }
    m_menus.push_back(record);
    return record.chosen;
}

} // namespace ui
