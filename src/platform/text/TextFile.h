#pragma once
// Text files as the Windows installations keep them: characters in the installation's ANSI
// code page, lines ending in CR LF. Reading accepts CR LF and bare LF; writing always uses
// CR LF and replaces the file safely (temporary file, then rename).

#include <string>
#include <string_view>
#include <vector>

namespace text {

struct TextFileStatus {
    int cause = 0;      // why the file could not be opened (fs::FileErrorCause), 0 when it could
    bool lossy = false; // a character the code page cannot hold was written as "?"
};

// The lines without their line ends. A last line without a line end counts; an empty file has
// no lines.
bool ReadTextLines(std::wstring_view path, std::vector<std::wstring>& lines,
                   TextFileStatus* status = nullptr);
// The first line ("" for an empty file).
bool ReadFirstTextLine(std::wstring_view path, std::wstring& line,
                       TextFileStatus* status = nullptr);

// Writes the text with each line feed stored as CR LF; nothing is added at the end.
bool WriteTextFile(std::wstring_view path, std::wstring_view content,
                   TextFileStatus* status = nullptr);
// Writes each line followed by CR LF.
bool WriteTextLines(std::wstring_view path, const std::vector<std::wstring>& lines,
                    TextFileStatus* status = nullptr);

// The same conversions on bytes in memory, for callers that move text files as bytes.
std::vector<std::wstring> SplitTextLines(std::wstring_view content);
std::string EncodeTextLines(const std::vector<std::wstring>& lines, bool* lossy = nullptr);

} // namespace text
