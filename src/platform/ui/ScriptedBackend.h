#pragma once
// The backend for tests: every box is recorded, and answers come from a queue that the test
// fills before it acts. A box that finds the queue empty is answered with its default button,
// and a queued answer that the box does not offer is a fault of the test.

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

class ScriptedBackend : public Backend {
public:
    // Installs itself as the process's backend for its lifetime.
    ScriptedBackend();
    ~ScriptedBackend() override;

    void QueueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<RecordedMessageBox>& Boxes() const { return m_boxes; }
    size_t PendingAnswers() const { return m_answers.size(); }
    void Clear();

    int MessageBox(Window* owner, const std::wstring& text, const std::wstring& caption,
                   unsigned flags) override;

private:
    Backend* m_previous = nullptr;
    std::deque<int> m_answers;
    std::vector<RecordedMessageBox> m_boxes;
};

} // namespace ui
