#include "platform/text/TextFile.h"

#include "platform/fs/FileIo.h"
#include "platform/text/CodePage.h"

namespace text {

namespace {

bool ReadDecoded(std::wstring_view path, std::wstring& content, TextFileStatus* status) {
    std::string bytes;
    int cause = 0;
    bool ok = fs::ReadBytes(path, bytes, &cause);
    if (status)
        status->cause = cause;
    content = ok ? AnsiCodePage().Decode(bytes) : std::wstring();
    return ok;
}

bool WriteEncoded(std::wstring_view path, std::string_view bytes, bool lossy,
                  TextFileStatus* status) {
    int cause = 0;
    bool ok = fs::WriteBytes(path, bytes, &cause);
    if (status) {
        status->cause = cause;
        status->lossy = lossy;
    }
    return ok;
}

} // namespace

std::vector<std::wstring> SplitTextLines(std::wstring_view content) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find(L'\n', start);
        size_t next = end == std::wstring_view::npos ? content.size() : end + 1;
        if (end == std::wstring_view::npos)
            end = content.size();
        if (end > start && content[end - 1] == L'\r' && end < content.size())
            --end; // CR LF is one line end; a lone CR stays part of the text
        lines.emplace_back(content.substr(start, end - start));
        start = next;
    }
    return lines;
}

bool ReadTextLines(std::wstring_view path, std::vector<std::wstring>& lines,
                   TextFileStatus* status) {
    std::wstring raw;
    bool ok = ReadDecoded(path, raw, status);
    lines = SplitTextLines(raw);
    return ok;
}

bool ReadFirstTextLine(std::wstring_view path, std::wstring& line, TextFileStatus* status) {
    std::wstring raw;
    line.clear();
    if (!ReadDecoded(path, raw, status))
        return false;
    size_t end = raw.find(L'\n');
    if (end == std::wstring::npos) {
        line = raw;
    } else {
        line = raw.substr(0, end > 0 && raw[end - 1] == L'\r' ? end - 1 : end);
    }
    return true;
}

bool WriteTextFile(std::wstring_view path, std::wstring_view content, TextFileStatus* status) {
    std::wstring withCrLf;
    withCrLf.reserve(content.size() + content.size() / 16);
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] == L'\n' && (i == 0 || content[i - 1] != L'\r'))
            withCrLf.push_back(L'\r');
        withCrLf.push_back(content[i]);
    }
    bool lossy = false;
    std::string bytes = AnsiCodePage().Encode(withCrLf, &lossy);
    return WriteEncoded(path, bytes, lossy, status);
}

std::string EncodeTextLines(const std::vector<std::wstring>& lines, bool* lossy) {
    std::wstring joined;
    for (const std::wstring& line : lines) {
        joined += line;
        joined += L"\r\n";
    }
    return AnsiCodePage().Encode(joined, lossy);
}

bool WriteTextLines(std::wstring_view path, const std::vector<std::wstring>& lines,
                    TextFileStatus* status) {
    bool lossy = false;
    std::string bytes = EncodeTextLines(lines, &lossy);
    return WriteEncoded(path, bytes, lossy, status);
}

} // namespace text
