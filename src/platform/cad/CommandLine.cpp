#include "platform/cad/CommandLine.h"

#include "platform/text/TextFile.h"

#include "platform/text/WideString.h"

namespace cad {

CommandLine& CommandLine::Instance() {
    static CommandLine instance;
    // The notes of the text-file layer (a file read as UTF-8, text a file cannot hold) are
    // the command line's too.
    static const bool notesHere = [] {
        text::SetTextFileNotes([](std::wstring_view note) { instance.Write(note); });
        return true;
    }();
    (void)notesHere;
    return instance;
}

void CommandLine::Write(std::wstring_view text) {
    m_text.append(text);
    if (m_echo)
        m_echo(text);
}

std::vector<std::wstring> CommandLine::Lines() const {
    std::vector<std::wstring> lines;
    for (std::wstring& line : text::Split(m_text, L"\n"))
        if (!line.empty())
            lines.push_back(std::move(line));
    return lines;
}

} // namespace cad
