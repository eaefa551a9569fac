#pragma once
// The backend of the console host. Dialogs, boxes, choosers and menus are printed; what the
// user does comes as lines of words from the input (a person at the terminal or a script):
// a modal dialog takes actions until it ends, a box takes its answer, a chooser a path, a menu
// a command id. At the command prompt, a line "win ACTION" acts on the open modeless window.
// After each action the lines of the dialog that changed are printed, marked "~". The words
// are documented in docs/ui-actions.md.

#include "platform/ui/LocalBackend.h"
#include "platform/ui/MessageBox.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

class ConsoleBackend : public LocalBackend {
public:
    using LineSource = std::function<std::optional<std::wstring>()>;
    using Writer = std::function<void(std::wstring_view)>;

    ConsoleBackend(LineSource readLine, Writer write);

    // "yes,no,ok" (also y, n, cancel, abort, retry, ignore): the answers of the next boxes
    // before the input is asked; false for an unknown word.
    bool SetAnswers(const std::wstring& list);
    // The answer a word stands for, or 0.
    static int AnswerOf(const std::wstring& word);
    static std::wstring AnswerName(int answer);

    int MessageBox(Window* owner, const std::wstring& text, const std::wstring& caption,
                   unsigned flags) override;
    void DialogCreated(Dialog& dialog) override;
    void RunModal(Dialog& dialog) override;
    bool ChooseFile(Window* owner, FileChooserRequest& request) override;
    bool ChooseFolder(Window* owner, FolderChooserRequest& request) override;
    unsigned TrackPopupMenu(Window* owner, const Menu& menu, Point screen) override;

    // The command prompt is about to read: timers fire once, posted messages are handled.
    void Idle();
    // Handles a command-prompt line that begins with "win"; false for any other line.
    bool HandleWindowLine(const std::wstring& line);

private:
    void Print(const std::vector<std::wstring>& lines);
    // Performs one line on the dialog and prints what changed.
    void PerformLine(Dialog& dialog, const std::wstring& line);
    std::optional<std::wstring> Ask(const std::wstring& prompt);
    Dialog* OpenModelessWindow() const;

    LineSource m_readLine;
    Writer m_write;
    std::deque<int> m_answers;
    std::vector<Dialog*> m_modeless;
};

} // namespace ui
