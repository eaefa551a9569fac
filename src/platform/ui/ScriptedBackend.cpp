#include "platform/ui/ScriptedBackend.h"

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

} // namespace ui
