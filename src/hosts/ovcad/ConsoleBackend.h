#pragma once
// Message boxes on the console: caption, icon and text are printed; a box with more than an OK
// button takes its answer from the --answers list while it lasts, and then from the input.

#include "ConsoleInput.h"
#include "platform/ui/MessageBox.h"

#include <deque>
#include <string>

class ConsoleBackend : public ui::Backend {
public:
    explicit ConsoleBackend(ConsoleInput& input) : m_input(input) {}

    // "yes,no,ok" (also y, n, cancel, abort, retry, ignore); false for an unknown word.
    bool SetAnswers(const std::wstring& list);

    int MessageBox(ui::Window* owner, const std::wstring& text, const std::wstring& caption,
                   unsigned flags) override;

    // The answer a word stands for, or 0.
    static int AnswerOf(const std::wstring& word);
    static std::wstring AnswerName(int answer);

private:
    ConsoleInput& m_input;
    std::deque<int> m_answers;
};
