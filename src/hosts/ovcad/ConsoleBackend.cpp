#include "ConsoleBackend.h"

#include "platform/cad/CommandLine.h"
#include "platform/text/WideString.h"

int ConsoleBackend::AnswerOf(const std::wstring& word) {
    std::wstring answer = text::FoldCase(text::Trim(word));
    if (answer == L"ok")
        return ui::IDOK;
    if (answer == L"cancel" || answer == L"c")
        return ui::IDCANCEL;
    if (answer == L"yes" || answer == L"y")
        return ui::IDYES;
    if (answer == L"no" || answer == L"n")
        return ui::IDNO;
    if (answer == L"abort")
        return ui::IDABORT;
    if (answer == L"retry")
        return ui::IDRETRY;
    if (answer == L"ignore")
        return ui::IDIGNORE;
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

int ConsoleBackend::MessageBox(ui::Window*, const std::wstring& text, const std::wstring& caption,
                               unsigned flags) {
    cad::CommandLine& line = cad::CommandLine::Instance();
    line.Write(L"\n[" + caption + L"] (" + ui::IconName(flags) + L") " + text + L"\n");
    if ((flags & ui::MB_TYPEMASK) == ui::MB_OK)
        return ui::IDOK;
    for (;;) {
        int answer = 0;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        } else {
            line.Write(ui::ButtonsName(flags) + L"? ");
            std::optional<std::wstring> typed = m_input.NextLine();
            if (!typed)
                return ui::DefaultAnswer(flags);
            answer = typed->empty() ? ui::DefaultAnswer(flags) : AnswerOf(*typed);
        }
        if (ui::IsAnswerOf(flags, answer)) {
            line.Write(L"-> " + AnswerName(answer) + L"\n");
            return answer;
        }
        line.Write(L"Answer with " + ui::ButtonsName(flags) + L".\n");
    }
}
