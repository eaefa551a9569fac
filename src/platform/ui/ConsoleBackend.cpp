#include "platform/ui/ConsoleBackend.h"

#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "platform/ui/DialogText.h"
#include "platform/ui/Menu.h"

#include <algorithm>

namespace ui {

ConsoleBackend::ConsoleBackend(LineSource readLine, Writer write)
    : m_readLine(std::move(readLine)), m_write(std::move(write)) {}

int ConsoleBackend::AnswerOf(const std::wstring& word) {
    std::wstring answer = text::FoldCase(text::Trim(word));
    if (answer == L"ok")
        return IDOK;
    if (answer == L"cancel" || answer == L"c")
        return IDCANCEL;
    if (answer == L"yes" || answer == L"y")
        return IDYES;
    if (answer == L"no" || answer == L"n")
        return IDNO;
    if (answer == L"abort")
        return IDABORT;
    if (answer == L"retry")
        return IDRETRY;
    if (answer == L"ignore")
        return IDIGNORE;
    return 0;
}

std::wstring ConsoleBackend::AnswerName(int answer) {
    static const wchar_t* const kNames[] = {L"",      L"OK",     L"Cancel", L"Abort",
                                            L"Retry", L"Ignore", L"Yes",    L"No"};
    return answer >= 1 && answer <= 7 ? kNames[answer] : L"";
}

bool ConsoleBackend::SetAnswers(const std::wstring& list) {
    m_answers.clear();
    for (const std::wstring& word : text::Split(list, L",")) {
        int answer = AnswerOf(word);
        if (answer == 0)
            return false;
        m_answers.push_back(answer);
    }
    return true;
}

std::optional<std::wstring> ConsoleBackend::Ask(const std::wstring& prompt) {
    m_write(prompt);
    return m_readLine();
}

void ConsoleBackend::Print(const std::vector<std::wstring>& lines) {
    for (const std::wstring& line : lines)
        m_write(line + L"\n");
}

int ConsoleBackend::MessageBox(Window*, const std::wstring& text, const std::wstring& caption,
                               unsigned flags) {
    m_write(L"\n[" + caption + L"] (" + IconName(flags) + L") " + text + L"\n");
    if ((flags & MB_TYPEMASK) == MB_OK)
        return IDOK;
    for (;;) {
        int answer = 0;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        } else {
            std::optional<std::wstring> typed = Ask(ButtonsName(flags) + L"? ");
            if (!typed)
                return DefaultAnswer(flags);
            answer = typed->empty() ? DefaultAnswer(flags) : AnswerOf(*typed);
        }
        if (IsAnswerOf(flags, answer)) {
            m_write(L"-> " + AnswerName(answer) + L"\n");
            return answer;
        }
        m_write(L"Answer with " + ButtonsName(flags) + L".\n");
    }
}

void ConsoleBackend::DialogCreated(Dialog& dialog) {
    if (!dialog.IsModal())
        m_modeless.push_back(&dialog);
}

Dialog* ConsoleBackend::OpenModelessWindow() const {
    for (auto dialog = m_modeless.rbegin(); dialog != m_modeless.rend(); ++dialog)
        if (IsWindowAlive(*dialog) && (*dialog)->IsWindow() && (*dialog)->IsWindowVisible())
            return *dialog;
    return nullptr;
}

void ConsoleBackend::PerformLine(Dialog& dialog, const std::wstring& line) {
    std::wstring word = text::FoldCase(text::Trim(line));
    if (word == L"show") {
        Print(DescribeDialog(dialog));
        return;
    }
    std::wstring error;
    std::optional<Action> action = ParseAction(text::Trim(line), error);
    if (!action) {
        m_write(error + L"\n");
        return;
    }
    std::vector<std::wstring> before = DescribeDialog(dialog);
    error = Perform(dialog, *action);
    if (!error.empty()) {
        m_write(error + L"\n");
        return;
    }
    // A modeless window may be gone altogether: its close box deletes it.
    if (!IsWindowAlive(&dialog) || !dialog.IsWindow() || dialog.HasEnded())
        return;
    // What changed: the lines that are new or different, in order.
    std::vector<std::wstring> after = DescribeDialog(dialog);
    for (size_t index = 0; index < after.size(); ++index)
        if (index >= before.size() || after[index] != before[index])
            m_write(L"~ " + after[index].substr(2) + L"\n");
}

void ConsoleBackend::RunModal(Dialog& dialog) {
    Print(DescribeDialog(dialog));
    while (!dialog.HasEnded()) {
        PumpMessages();
        if (dialog.HasEnded())
            break;
        std::optional<std::wstring> line = Ask(L"dialog> ");
        if (!line) {
            m_write(L"(end of input: the dialog is cancelled)\n");
            dialog.EndDialog(IDCANCEL);
            break;
        }
        PerformLine(dialog, *line);
    }
    m_write(text::Format(L"== %s closed: %s ==\n", dialog.GetWindowText(),
                         dialog.GetResult() == IDOK ? L"OK" : AnswerName(dialog.GetResult())));
}

bool ConsoleBackend::ChooseFile(Window*, FileChooserRequest& request) {
    m_write(text::Format(L"\n[%s] %s file (%s) in %s\n", request.title,
                         request.save ? L"save" : L"open", request.filter, request.initialFolder));
    bool multiple = (request.flags & OFN_ALLOWMULTISELECT) != 0;
    std::optional<std::wstring> line =
        Ask(multiple ? L"files, joined by | (empty: cancel)> " : L"file (empty: cancel)> ");
    std::wstring path = line ? text::Trim(*line) : std::wstring();
    if (path.empty())
        return false;
    request.fileNames.clear();
    for (const std::wstring& part : multiple ? text::Split(path, L"|") : std::vector{path})
        if (!text::Trim(part).empty())
            request.fileNames.push_back(text::Trim(part));
    if (request.fileNames.empty())
        return false;
    request.fileName = request.fileNames.front();
    return true;
}

bool ConsoleBackend::ChooseFolder(Window*, FolderChooserRequest& request) {
    m_write(text::Format(L"\n[%s] folder in %s\n", request.title, request.initialFolder));
    std::optional<std::wstring> line = Ask(L"folder (empty: cancel)> ");
    std::wstring folder = line ? text::Trim(*line) : std::wstring();
    if (folder.empty())
        return false;
    request.folder = folder;
    return true;
}

unsigned ConsoleBackend::TrackPopupMenu(Window*, const Menu& menu, Point) {
    m_write(L"\n[menu]\n");
    Print(DescribeMenu(menu));
    unsigned chosen = 0;
    if (m_pendingMenu && !m_menuShown) {
        m_menuShown = true;
        m_write(text::Format(L"menu> %u\n", m_pendingMenu));
        chosen = m_pendingMenu;
    } else {
        std::optional<std::wstring> line = Ask(L"menu (id, empty: none)> ");
        std::wstring word = line ? text::Trim(*line) : std::wstring();
        if (word.empty() || word.size() > 9 ||
            word.find_first_not_of(L"0123456789") != std::wstring::npos)
            return 0;
        chosen = static_cast<unsigned>(std::stoul(word));
    }
    // As with the mouse, a grayed item or one the menu does not hold chooses nothing; the
    // user is told why nothing happened.
    unsigned state = menu.GetMenuState(chosen, MF_BYCOMMAND);
    if (state == kMenuError) {
        m_write(text::Format(L"The menu has no item %u: nothing is chosen.\n", chosen));
        return 0;
    }
    if (state & (MF_GRAYED | MF_DISABLED)) {
        m_write(text::Format(L"Item %u is grayed: nothing is chosen.\n", chosen));
        return 0;
    }
    return chosen;
}

void ConsoleBackend::Idle() {
    m_modeless.erase(std::remove_if(m_modeless.begin(), m_modeless.end(),
                                    [](Dialog* dialog) { return !IsWindowAlive(dialog); }),
                     m_modeless.end());
    FireTimers();
    PumpMessages();
}

bool ConsoleBackend::HandleWindowLine(const std::wstring& line) {
    std::wstring trimmed = text::Trim(line);
    if (text::FoldCase(trimmed.substr(0, 3)) != L"win" ||
        (trimmed.size() > 3 && trimmed[3] != L' '))
        return false;
    Dialog* window = OpenModelessWindow();
    if (!window) {
        m_write(L"There is no open window.\n");
        return true;
    }
    std::wstring rest = text::Trim(trimmed.substr(3));
    if (rest.empty())
        rest = L"show";
    PerformLine(*window, rest);
    return true;
}

} // namespace ui
