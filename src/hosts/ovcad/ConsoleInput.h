#pragma once
// The console host's input: the lines of a script file, or standard input. Everything that
// waits for the user reads from here in turn: the command prompt, a command's prompts, message
// boxes and placement loops.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

class ConsoleInput {
public:
    // Reads standard input.
    ConsoleInput();
    // Reads the script's lines; false when it cannot be read.
    bool OpenScript(const std::filesystem::path& script);

    // The next line, or nothing at the end of the input. Lines read from a script or a pipe
    // are shown after the prompt that asked for them, so the transcript reads like a session.
    std::optional<std::wstring> NextLine();

private:
    std::deque<std::wstring> m_script;
    bool m_fromScript = false;
    bool m_echo;
};
