#include "platform/text/TextFile.h"

#include "platform/fs/FileIo.h"
#include "platform/text/CodePage.h"
#include "platform/text/Format.h"
#include "platform/text/Utf8.h"

#include <mutex>
#include <set>

namespace text {

namespace {

struct Notes {
    std::mutex mutex;
    std::function<void(std::wstring_view)> sink;
    std::set<std::wstring> readAsUtf8; // each file is noted once
};

Notes& TheNotes() {
    static Notes notes;
    return notes;
}

void Note(const std::wstring& note) {
    Notes& notes = TheNotes();
    std::lock_guard<std::mutex> lock(notes.mutex);
    if (notes.sink)
        notes.sink(note);
}

void NoteReadAsUtf8(std::wstring_view path) {
    {
        Notes& notes = TheNotes();
        std::lock_guard<std::mutex> lock(notes.mutex);
        if (!notes.readAsUtf8.insert(std::wstring(path)).second)
            return;
    }
    Note(Format(L"\n%s 不是代码页%s的文本，已按UTF-8读取。\n", path,
                FromUtf8(AnsiCodePage().Name())));
}

std::wstring DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto unit = [&](size_t at) {
            auto high = static_cast<unsigned char>(bytes[at + (bigEndian ? 0 : 1)]);
            auto low = static_cast<unsigned char>(bytes[at + (bigEndian ? 1 : 0)]);
            return static_cast<char32_t>(high << 8 | low);
        };
        char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            char32_t next = unit(i + 2);
            if (next >= 0xDC00 && next < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
                i += 2;
            }
        }
        out.push_back(static_cast<wchar_t>(c));
    }
    return out;
}

bool ReadDecoded(std::wstring_view path, std::wstring& content, TextFileStatus* status) {
    std::string bytes;
    int cause = 0;
    bool ok = fs::ReadBytes(path, bytes, &cause);
    if (status)
        status->cause = cause;
    content.clear();
    if (ok)
        DecodeTextFile(bytes, path, content);
    return ok;
}

// Text the code page cannot hold is refused before anything is written: a "?" in its place
// would change names and values for good.
bool WriteEncoded(std::wstring_view path, std::wstring_view text, TextFileStatus* status) {
    bool lossy = false;
    std::string bytes = AnsiCodePage().Encode(text, &lossy);
    if (status) {
        status->cause = lossy ? fs::kGenericError : 0;
        status->lossy = lossy;
    }
    if (lossy) {
        std::wstring character;
        for (wchar_t c : text)
            if (AnsiCodePage().Encode(std::wstring_view(&c, 1)) == "?" && c != L'?') {
                character = c;
                break;
            }
        Note(Format(L"\n%s 中有代码页%s不能保存的字符“%s”，文件未写入。\n", path,
                    FromUtf8(AnsiCodePage().Name()), character));
        return false;
    }
    int cause = 0;
    bool ok = fs::WriteBytes(path, bytes, &cause);
    if (status)
        status->cause = cause;
    return ok;
}

std::wstring WithCrLf(std::wstring_view content) {
    std::wstring withCrLf;
    withCrLf.reserve(content.size() + content.size() / 16);
    for (size_t i = 0; i < content.size(); ++i) {
        if (content[i] == L'\n' && (i == 0 || content[i - 1] != L'\r'))
            withCrLf.push_back(L'\r');
        withCrLf.push_back(content[i]);
    }
    return withCrLf;
}

} // namespace

void DecodeTextFile(std::string_view bytes, std::wstring_view path, std::wstring& text) {
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        text = FromUtf8(bytes.substr(3));
        return;
    }
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        text = DecodeUtf16(bytes.substr(2), bytes[0] == '\xFE');
        return;
    }
    bool valid = true;
    AnsiCodePage().DecodeInto(bytes, text, &valid);
    if (valid)
        return;
    if (!IsValidUtf8(bytes))
        return; // valid in neither: the code page, its stray bytes kept
    NoteReadAsUtf8(path);
    text = FromUtf8(bytes);
}

bool HeadSettlesCodePage(std::string_view head) {
    if (head.empty() || head.back() != '\n' || head.starts_with("\xEF\xBB\xBF") ||
        head.starts_with("\xFF\xFE") || head.starts_with("\xFE\xFF"))
        return false;
    // Bytes that are not UTF-8 here are not UTF-8 in the whole file either, and a line feed is
    // never part of a character in the code page: what follows decodes the same on its own.
    return AnsiCodePage().Holds(head) && !IsValidUtf8(head);
}

void SetTextFileNotes(std::function<void(std::wstring_view)> notes) {
    Notes& all = TheNotes();
    std::lock_guard<std::mutex> lock(all.mutex);
    all.sink = std::move(notes);
}

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
    return WriteEncoded(path, WithCrLf(content), status);
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
    std::wstring joined;
    for (const std::wstring& line : lines) {
        joined += line;
        joined += L"\r\n";
    }
    return WriteEncoded(path, joined, status);
}

} // namespace text
