#include "platform/cad/CommandProcessor.h"

#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/Documents.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <cwctype>
#include <exception>

namespace cad {

CommandProcessor& CommandProcessor::Instance() {
    static CommandProcessor processor;
    return processor;
}

std::optional<std::wstring> CommandProcessor::ReadEntry(Context& context, bool spaceEnds,
                                                        std::wstring_view prompt) {
    while (context.position >= context.buffer.size()) {
        if (!context.interactive || !m_source)
            return std::nullopt;
        if (!prompt.empty())
            CommandLine::Instance().Write(prompt);
        std::optional<std::wstring> line = m_source();
        if (!line)
            return std::nullopt;
        context.buffer += *line;
        context.buffer += L'\n';
    }
    const std::wstring& buffer = context.buffer;
    size_t start = context.position;
    if (buffer[start] == L'(') {
        int depth = 0;
        bool quoted = false;
        size_t end = start;
        for (; end < buffer.size(); ++end) {
            wchar_t c = buffer[end];
            if (quoted) {
                if (c == L'\\')
                    ++end;
                else if (c == L'"')
                    quoted = false;
            } else if (c == L'"') {
                quoted = true;
            } else if (c == L'(') {
                ++depth;
            } else if (c == L')' && --depth == 0) {
                break;
            }
        }
        context.position = std::min(end + 1, buffer.size());
        return buffer.substr(start, context.position - start);
    }
    size_t end = start;
    while (end < buffer.size() && buffer[end] != L'\n' && !(spaceEnds && buffer[end] == L' '))
        ++end;
    context.position = std::min(end + 1, buffer.size());
    std::wstring entry = buffer.substr(start, end - start);
    if (!entry.empty() && entry.back() == L'\r')
        entry.pop_back();
    return entry;
}

std::optional<std::wstring> CommandProcessor::GetInput(std::wstring_view prompt, bool spaceEnds) {
    if (m_contexts.empty() || m_cancelled)
        return std::nullopt;
    std::optional<std::wstring> entry = ReadEntry(*m_contexts.back(), spaceEnds, prompt);
    if (entry && !entry->empty() && entry->front() == L'(') {
        std::wstring function;
        std::vector<std::wstring> arguments;
        if (ParseLispCall(*entry, function, arguments) &&
            text::EqualsNoCase(function, L"command") && arguments.empty())
            entry.reset(); // (command) cancels the waiting command
    }
    if (!entry)
        m_cancelled = true;
    return entry;
}

int CommandProcessor::Execute(std::wstring_view input, bool echo, bool interactive) {
    m_contexts.push_back(std::make_unique<Context>(Context{std::wstring(input), 0, interactive}));
    int result = RTNORM;
    while (!m_quit) {
        std::optional<std::wstring> entry = ReadEntry(*m_contexts.back(), true, L"\nCommand: ");
        if (!entry)
            break;
        if (entry->empty()) {
            // A line the host took itself (an action on a modeless window) may have sent the
            // document a command, which runs now as after any other command.
            if (m_depth == 0)
                acDocManager->runPendingStrings();
            continue;
        }
        if (echo)
            acutPrintf(L"\nCommand: %s\n", *entry);
        int status = entry->front() == L'(' ? EvaluateLisp(*entry) : RunCommand(*entry);
        if (status != RTNORM)
            result = status;
        if (m_depth == 0)
            acDocManager->runPendingStrings();
    }
    m_contexts.pop_back();
    return result;
}

int CommandProcessor::RunCommand(const std::wstring& name) {
    size_t start = name.find_first_not_of(L"'._");
    std::wstring global = start == std::wstring::npos ? std::wstring() : name.substr(start);
    AcEdCommandStack* commands = acedRegCmds();
    const AcEdCommand* command = commands->lookupGlobalCmd(global.c_str());
    if (!command)
        command = commands->lookupLocalCmd(global.c_str());
    if (!command) {
        std::wstring upper = global;
        for (wchar_t& c : upper)
            c = static_cast<wchar_t>(std::towupper(c));
        acutPrintf(L"\nUnknown command \"%s\".  Press F1 for help.\n", upper);
        return RTERROR;
    }
    AcRxFunctionPtr function = command->function;
    AcApDocument* document = acDocManager->curDocument();
    if (document)
        document->enterCommand();
    bool outerCancelled = m_cancelled;
    m_cancelled = false;
    ++m_depth;
    try {
        function();
    } catch (const std::exception& error) {
        acutPrintf(L"\n; error: %s\n", text::FromUtf8(error.what()));
    } catch (...) {
        acutPrintf(L"\n; error: the command failed\n");
    }
    --m_depth;
    if (acDocManager->contains(document))
        document->leaveCommand();
    int result = m_cancelled ? RTCAN : RTNORM;
    m_cancelled = outerCancelled;
    return result;
}

int CommandProcessor::EvaluateLisp(const std::wstring& expression) {
    std::wstring function;
    std::vector<std::wstring> arguments;
    if (!ParseLispCall(expression, function, arguments)) {
        acutPrintf(L"\n; error: malformed list on input\n");
        return RTERROR;
    }
    if (!text::EqualsNoCase(function, L"command")) {
        std::wstring upper = function;
        for (wchar_t& c : upper)
            c = static_cast<wchar_t>(std::towupper(c));
        acutPrintf(L"\n; error: no function definition: %s\n", upper);
        return RTERROR;
    }
    return RunCommandEntries(arguments);
}

bool ParseLispCall(std::wstring_view expression, std::wstring& function,
                   std::vector<std::wstring>& arguments) {
    function.clear();
    arguments.clear();
    std::wstring_view body = expression;
    while (!body.empty() && std::iswspace(body.back()))
        body.remove_suffix(1);
    if (body.size() < 2 || body.front() != L'(' || body.back() != L')')
        return false;
    body = body.substr(1, body.size() - 2);
    std::vector<std::wstring> atoms;
    size_t i = 0;
    while (i < body.size()) {
        wchar_t c = body[i];
        if (std::iswspace(c)) {
            ++i;
        } else if (c == L'"') {
            std::wstring value;
            for (++i; i < body.size() && body[i] != L'"'; ++i) {
                if (body[i] == L'\\' && i + 1 < body.size()) {
                    wchar_t escaped = body[++i];
                    value += escaped == L'n' ? L'\n' : escaped == L't' ? L'\t' : escaped;
                } else {
                    value += body[i];
                }
            }
            if (i >= body.size())
                return false;
            ++i;
            atoms.push_back(value);
        } else if (c == L'(' || c == L')') {
            return false; // nested lists are beyond what the host evaluates
        } else {
            size_t end = i;
            while (end < body.size() && !std::iswspace(body[end]) && body[end] != L'"' &&
                   body[end] != L'(' && body[end] != L')')
                ++end;
            atoms.emplace_back(body.substr(i, end - i));
            i = end;
        }
    }
    if (atoms.empty())
        return false;
    function = atoms.front();
    arguments.assign(atoms.begin() + 1, atoms.end());
    return true;
}

int RunCommandEntries(const std::vector<std::wstring>& entries) {
    if (entries.empty())
        return RTNORM;
    std::wstring input;
    for (const std::wstring& entry : entries)
        input += entry + L"\n";
    return CommandProcessor::Instance().Execute(input);
}

std::wstring CommandArgumentText(double value) {
    return text::Format(L"%g", value);
}

std::wstring CommandArgumentText(int value) {
    return std::to_wstring(value);
}

std::wstring CommandArgumentText(const AcGePoint3d& value) {
    return text::Format(L"%g,%g,%g", value.x, value.y, value.z);
}

} // namespace cad

int acedPostCommand(const wchar_t* text) {
    AcApDocument* document = acDocManager->curDocument();
    return document && text &&
                   acDocManager->sendStringToExecute(document, text, false, true, false) ==
                       Acad::eOk
               ? RTNORM
               : RTERROR;
}

void acedPostCommandPrompt() {
    cad::CommandLine::Instance().RequestPrompt();
}
