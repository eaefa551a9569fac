#pragma once
// The host's command line. The module prints progress and results here with acutPrintf; the
// console host echoes it to standard output, tests read it back.

#include "platform/text/Format.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cad {

class CommandLine {
public:
    static CommandLine& Instance();

    void Write(std::wstring_view text);
    // Everything written since the last Clear.
    const std::wstring& Text() const { return m_text; }
    // The text cut at line breaks, without the empty lines the messages' leading and trailing
    // "\n" make.
    std::vector<std::wstring> Lines() const;
    void Clear() { m_text.clear(); }

    // Receives every written text as well (the console host prints it).
    void SetEcho(std::function<void(std::wstring_view)> echo) { m_echo = std::move(echo); }

    // A fresh command prompt was asked for (acedPostCommandPrompt); the console shows one before
    // it reads the next command. Taking the request clears it.
    void RequestPrompt() { m_promptRequested = true; }
    bool TakePromptRequest() { return std::exchange(m_promptRequested, false); }

private:
    std::wstring m_text;
    bool m_promptRequested = false;
    std::function<void(std::wstring_view)> m_echo;
};

} // namespace cad

template <typename... Args> void acutPrintf(std::wstring_view format, const Args&... args) {
    cad::CommandLine::Instance().Write(text::Format(format, args...));
}
