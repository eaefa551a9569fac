#pragma once
// The console backend run on the lines of a script, as the console host runs it, collecting
// what it prints (with the lines read echoed, as the console host echoes a script); and the
// comparison of such a transcript with the one kept beside the tests.

#include "platform/ui/ConsoleBackend.h"

#include <deque>
#include <string>

namespace ovtest {

class Console {
public:
    // Installs the console backend for its lifetime.
    explicit Console(std::deque<std::wstring> lines);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    std::wstring transcript;
    ui::ConsoleBackend backend;

private:
    std::deque<std::wstring> m_lines;
};

// The transcript kept in tests/<relativePath> (UTF-8); with OV_UPDATE_TRANSCRIPTS=1 in the
// environment the file is written from `actual` first, for a person to read and commit.
std::wstring KeptTranscript(const std::string& relativePath, const std::wstring& actual);

} // namespace ovtest
