#include "ConsoleInput.h"

#include "platform/cad/CommandLine.h"
#include "platform/text/Utf8.h"

#include <fstream>
#include <iostream>
#include <unistd.h>

ConsoleInput::ConsoleInput() : m_echo(!::isatty(STDIN_FILENO)) {}

bool ConsoleInput::OpenScript(const std::filesystem::path& script) {
    std::ifstream in(script, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line))
        m_script.push_back(text::FromUtf8(line));
    m_fromScript = true;
    m_echo = true;
    return true;
}

std::optional<std::wstring> ConsoleInput::NextLine() {
    for (;;) {
        std::wstring line;
        if (m_fromScript) {
            if (m_script.empty())
                return std::nullopt;
            line = std::move(m_script.front());
            m_script.pop_front();
        } else {
            std::cout.flush();
            std::string bytes;
            if (!std::getline(std::cin, bytes))
                return std::nullopt;
            line = text::FromUtf8(bytes);
        }
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        // Lines starting with "#" are comments of a script.
        if (!line.empty() && line.front() == L'#')
            continue;
        if (m_echo)
            cad::CommandLine::Instance().Write(line + L"\n");
        return line;
    }
}
