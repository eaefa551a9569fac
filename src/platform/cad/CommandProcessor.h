#pragma once
// The host's command processor: it runs input text as the command line takes it, the same way
// for what a user types, for strings sent to a document (sendStringToExecute, acedPostCommand),
// for the automation interface's SendCommand and for acedCommand.
//
// Input is a sequence of entries. At the command prompt an entry ends at a space or a line
// break and names a command (leading "'", "." and "_" are ignored); the command then reads its
// answers from the following entries. An answer that may hold spaces (a file name, a text)
// ends only at a line break; an empty entry is Enter, which takes a prompt's default. An entry
// that starts with "(" is a LISP expression up to its closing parenthesis; of LISP the host
// knows only (command ...), which runs its arguments as input, and (command) alone, which
// cancels the command that is waiting for an answer.

#include "platform/cad/ResultBuffer.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cad {

class CommandProcessor {
public:
    static CommandProcessor& Instance();

    // Runs the input in the current document. RTNORM when every entry ran, RTCAN when a command
    // was cancelled, RTERROR when an entry named no command. With `interactive` the input may
    // go on: when it runs out, the interactive source is asked for more lines (the console).
    int Execute(std::wstring_view input, bool echo = false, bool interactive = false);
    bool IsBusy() const { return m_depth > 0; }

    // For the host's own commands: the next answer, or nothing when the input ran out or the
    // command was cancelled (the command then ends). The prompt is shown only when the answer
    // has to be asked for.
    std::optional<std::wstring> GetInput(std::wstring_view prompt, bool spaceEnds = true);
    // Where interactive input comes from; the source returns nothing at the end of the input.
    void SetInteractiveSource(std::function<std::optional<std::wstring>()> source) {
        m_source = std::move(source);
    }

    // QUIT asks the console to end.
    void RequestQuit() { m_quit = true; }
    bool QuitRequested() const { return m_quit; }
    void ClearQuit() { m_quit = false; }

private:
    struct Context {
        std::wstring buffer;
        size_t position = 0;
        bool interactive = false;
    };

    std::optional<std::wstring> ReadEntry(Context& context, bool spaceEnds,
                                          std::wstring_view prompt);
    int RunCommand(const std::wstring& name);
    int EvaluateLisp(const std::wstring& expression);

    std::vector<std::unique_ptr<Context>> m_contexts;
    int m_depth = 0;
    bool m_cancelled = false;
    bool m_quit = false;
    std::function<std::optional<std::wstring>()> m_source;
};

// Splits a LISP expression "(name arg ...)" into the function name and its arguments (strings
// and other atoms as text). False when it is not such a list.
bool ParseLispCall(std::wstring_view expression, std::wstring& function,
                   std::vector<std::wstring>& arguments);

// Runs a command and its answers now, within the command that calls it.
int RunCommandEntries(const std::vector<std::wstring>& entries);

inline std::wstring CommandArgumentText(const wchar_t* value) {
    return value ? value : L"";
}
inline std::wstring CommandArgumentText(const std::wstring& value) {
    return value;
}
std::wstring CommandArgumentText(double value);
std::wstring CommandArgumentText(int value);
std::wstring CommandArgumentText(const AcGePoint3d& value);

inline void CollectCommandArguments(std::vector<std::wstring>&) {}
inline void CollectCommandArguments(std::vector<std::wstring>&, int) {}
template <typename Value, typename... Rest>
void CollectCommandArguments(std::vector<std::wstring>& entries, int, const Value& value,
                             const Rest&... rest) {
    entries.push_back(CommandArgumentText(value));
    CollectCommandArguments(entries, rest...);
}

} // namespace cad

// Runs a command with its answers synchronously: pairs of a type code (RTSTR, RTREAL, RTSHORT,
// RT3DPOINT) and a value, ended by RTNONE (or 0). RTNORM, RTCAN or RTERROR as Execute.
template <typename... Args> int acedCommand(const Args&... args) {
    std::vector<std::wstring> entries;
    cad::CollectCommandArguments(entries, args...);
    return cad::RunCommandEntries(entries);
}

// Queues input for the current document, to run when the running command has returned.
int acedPostCommand(const wchar_t* text);
// Asks for a fresh command prompt.
void acedPostCommandPrompt();
