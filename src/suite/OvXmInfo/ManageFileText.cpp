#include "suite/OvXmInfo/ManageFileText.h"

#include "suite/OvXmInfo/PendingManageFile.h"

#include "platform/cad/CommandLine.h"
#include "platform/fs/FileIo.h"
#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <climits>

namespace xmfile {

namespace {

bool IsMarker(std::wstring_view trimmedLine, std::wstring_view marker) {
    return !trimmedLine.empty() && trimmedLine.front() == L'$' &&
           text::EqualsNoCase(trimmedLine, marker);
}

// The line without the blanks at its ends, without copying it.
std::wstring_view TrimmedView(std::wstring_view line) {
    size_t first = line.find_first_not_of(text::kBlanks);
    if (first == std::wstring_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(text::kBlanks) - first + 1);
}

// Collects the types of a content section, merging repeated headers and repeated files.
class ContentCollector {
public:
    explicit ContentCollector(std::vector<ContentStyle>& styles) : m_styles(styles) {}

    void AddLine(std::wstring_view line) {
        if (line.empty())
            return;
        size_t angle = line.find(L'<');
        if (angle == std::wstring_view::npos && line.find(L':') != std::wstring_view::npos) {
            if (line.back() == L':')
                line.remove_suffix(1);
            m_current = FindOrAddStyle(std::wstring(line));
            return;
        }
        std::wstring_view name = line.substr(0, angle);
        std::wstring_view remark;
        if (angle != std::wstring_view::npos) {
            name = TrimmedView(name);
            remark = line.substr(angle + 1);
            if (!remark.empty() && remark.back() == L'>')
                remark.remove_suffix(1);
        }
        // A line without a name ("<...>") names no drawing; keeping it would give the trees
        // an item that stands for nothing.
        if (name.empty())
            return;
        if (m_current == kNone)
            m_current = FindOrAddStyle(std::wstring());
        if (IsNewFile(name))
            m_styles[m_current].arrFiles.push_back(
                ContentFile{std::wstring(name), std::wstring(remark)});
    }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);
    static constexpr size_t kTypicalFiles = 8;

    // Whether the current type does not list the name yet (compared without regard to case).
    // Hashes of the folded names keep the test cheap for long lists.
    bool IsNewFile(std::wstring_view name) {
        size_t hash = 14695981039346656037ull;
        for (wchar_t c : name) {
            wchar_t folded = c >= 0x80                  ? text::FoldCase(c)
                             : (c >= L'A' && c <= L'Z') ? c + (L'a' - L'A')
                                                        : c;
            hash = (hash ^ static_cast<size_t>(folded)) * 1099511628211ull;
        }
        std::vector<size_t>& hashes = m_fileHashes[m_current];
        const std::vector<ContentFile>& files = m_styles[m_current].arrFiles;
        for (size_t i = 0; i < hashes.size(); ++i)
            if (hashes[i] == hash && text::EqualsNoCase(files[i].strFileName, name))
                return false;
        hashes.push_back(hash);
        return true;
    }

    size_t FindOrAddStyle(const std::wstring& name) {
        for (size_t i = 0; i < m_styles.size(); ++i)
            if (m_styles[i].strStyleName == name)
                return i;
        // A type usually lists a handful of drawings: room for them from the start saves the
        // vectors' first growth steps, which add up over the hundreds of files of a Project.
        m_styles.push_back(ContentStyle{name, {}});
        m_styles.back().arrFiles.reserve(kTypicalFiles);
        m_fileHashes.emplace_back().reserve(kTypicalFiles);
        return m_styles.size() - 1;
    }

    std::vector<ContentStyle>& m_styles;
    std::vector<std::vector<size_t>> m_fileHashes; // per type, parallel to its files
    size_t m_current = kNone;
};

} // namespace

bool ReadManageFileLines(std::wstring_view path, std::wstring& content,
                         std::vector<std::wstring_view>& lines, int& cause) {
    lines.clear();
    content.clear();
    // One buffer for the bytes of every file this thread reads: a window loading hundreds of
    // management files would otherwise ask for a large block per file.
    thread_local std::string bytes;
    if (!fs::ReadBytes(path, bytes, &cause))
        return false;
    text::DecodeTextFile(bytes, path, content);
    SplitManageFileLines(content, lines);
    return true;
}

namespace {

// The lines of a text, wide or in bytes, one after another: CR LF and LF end a line, as in
// every text file of the system; a lone CR stays part of the text.
template <class View> class LineCursor {
public:
    explicit LineCursor(View text) : m_rest(text) {}

    bool Next(View& line) {
        if (m_rest.empty())
            return false;
        size_t end = m_rest.find('\n');
        m_bEnded = end != View::npos;
        line = m_rest.substr(0, end);
        m_rest.remove_prefix(m_bEnded ? end + 1 : m_rest.size());
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return true;
    }
    // Where the text after the last line taken starts.
    const typename View::value_type* Rest() const { return m_rest.data(); }
    // Whether the last line taken ended with a line feed.
    bool Ended() const { return m_bEnded; }

private:
    View m_rest;
    bool m_bEnded = false;
};

// The lines of a text split already, one after another from `first` on.
class SplitLineCursor {
public:
    SplitLineCursor(const std::vector<std::wstring_view>& lines, size_t first)
        : m_lines(lines), m_next(first) {}

    bool Next(std::wstring_view& line) {
        if (m_next >= m_lines.size())
            return false;
        line = m_lines[m_next++];
        return true;
    }
    // The index of the line after the last one taken.
    size_t Index() const { return m_next; }

private:
    const std::vector<std::wstring_view>& m_lines;
    size_t m_next;
};

template <class View> struct BlockMarkers { View begin, end, beginOne, endOne; };

// Walks a description block from the line after its start marker on: `note(title, value)` for
// each note, `loose(line)` for each line outside a note. True when it reached the end marker,
// the last line taken.
template <class Cursor, class View, class Note, class Loose>
bool WalkExplainBlock(Cursor& lines, const BlockMarkers<View>& markers, Note note, Loose loose) {
    View line;
    bool bHave = lines.Next(line);
    while (bHave) {
        if (line == markers.end)
            return true;
        if (line != markers.beginOne) {
            loose(line);
            bHave = lines.Next(line);
            continue;
        }
        // A note: its first line is the title and its second the value; anything further up
        // to the note's end marker is ignored. A note that ends early ends there, so that an
        // empty or one-line note cannot swallow the notes after it.
        bHave = lines.Next(line);
        if (bHave && line != markers.endOne) {
            View title = line;
            bHave = lines.Next(line);
            if (bHave) {
                bool endsHere = line == markers.endOne;
                note(title, endsHere ? View() : line);
                if (!endsHere)
                    bHave = lines.Next(line);
            }
        }
        while (bHave && line != markers.endOne)
            bHave = lines.Next(line);
        if (bHave)
            bHave = lines.Next(line); // past the note's end marker
    }
    return false;
}

// Where the bytes after a complete description block's end line start, or npos when the bytes
// do not begin with one: its structure checked in the bytes themselves. A line feed or a
// marker's ASCII is never part of a character of the code page or of UTF-8, so the bytes'
// lines and markers are the decoded text's.
size_t ExplainBlockEndInBytes(std::string_view bytes) {
    // The markers are ASCII, the same in the code page and in UTF-8.
    static const std::string begin = text::ToUtf8(kBeginNote), end = text::ToUtf8(kEndNote),
                             beginOne = text::ToUtf8(kBeginOneNote),
                             endOne = text::ToUtf8(kEndOneNote);
    static const BlockMarkers<std::string_view> markers{begin, end, beginOne, endOne};
    LineCursor<std::string_view> lines(bytes);
    std::string_view first;
    if (!lines.Next(first) || first != markers.begin)
        return std::string_view::npos;
    auto skip = [](std::string_view, std::string_view = {}) {};
    if (!WalkExplainBlock(lines, markers, skip, skip) || !lines.Ended())
        return std::string_view::npos;
    return static_cast<size_t>(lines.Rest() - bytes.data());
}

} // namespace

void SplitManageFileLines(std::wstring_view content, std::vector<std::wstring_view>& lines) {
    // Views instead of one string per line: the readers copy only what they keep.
    lines.clear();
    LineCursor<std::wstring_view> cursor(content);
    for (std::wstring_view line; cursor.Next(line);)
        lines.push_back(line);
}

ExplainBlock ReadExplainBlock(const std::vector<std::wstring_view>& lines) {
    ExplainBlock block;
    if (lines.empty() || lines[0] != kBeginNote)
        return block;
    // A block holds a few notes, each of four lines: room for them all at once.
    block.entries.reserve(lines.size() / 4 < 16 ? lines.size() / 4 : 16);
    int looseLines = 0;
    static constexpr BlockMarkers<std::wstring_view> markers{kBeginNote, kEndNote, kBeginOneNote,
                                                             kEndOneNote};
    SplitLineCursor cursor(lines, 1);
    block.complete = WalkExplainBlock(
        cursor, markers,
        [&](std::wstring_view title, std::wstring_view value) {
            block.entries.emplace_back(std::wstring(title), std::wstring(value));
        },
        [&](std::wstring_view line) {
            block.entries.emplace_back(LooseLineTitle(block.entries, looseLines++),
                                       std::wstring(line));
        });
    block.nextLine = block.complete ? cursor.Index() : lines.size();
    return block;
}

bool ReadManageFileStrictly(std::wstring_view path, ExplainBlock& block, PendingManageFile* rest,
                            bool* missing) {
    block = ExplainBlock();
    if (rest)
        rest->Clear();
    if (missing)
        *missing = false;
    // One buffer per thread serves every file read: a Project with its Equipments reads
    // hundreds.
    thread_local std::string bytes;
    int cause = 0;
    bool bRead =
        missing ? fs::ReadBytesAsWritten(path, bytes, &cause) : fs::ReadBytes(path, bytes, &cause);
    if (!bRead && missing && cause == fs::kFileNotFound) {
        *missing = true;
        return false;
    }
    if (!bRead) {
        acutPrintf(L"%s 文件打不开，错误码为 %d\n", path, cause);
        return false;
    }
    return ReadManageFileBytes(bytes, path, block, rest);
}

bool ReadManageFileBytes(std::string& bytes, std::wstring_view path, ExplainBlock& block,
                         PendingManageFile* rest) {
    block = ExplainBlock();
    thread_local std::wstring content;
    thread_local std::vector<std::wstring_view> lines;
    // Mostly the block is only looked at now, in the bytes, and kept with the rest to be
    // decoded when first asked for, or decoded alone for a reader that wants its entries only
    // when that settles the file's encoding. A file whose end marker line the block does not
    // end at is decoded whole.
    size_t blockEnd = ExplainBlockEndInBytes(bytes);
    std::string_view head = std::string_view(bytes).substr(0, blockEnd);
    bool bWholeBlock = blockEnd != std::string_view::npos;
    if (bWholeBlock && rest) {
        rest->SetBytes(std::move(bytes), blockEnd);
        bytes = PendingManageFile::SpareBuffer();
        return true;
    }
    if (bWholeBlock && text::HeadSettlesCodePage(head))
        text::AnsiCodePage().DecodeInto(head, content);
    else
        text::DecodeTextFile(bytes, path, content);
    SplitManageFileLines(content, lines);
    block = ReadExplainBlock(lines);
    if (!block.complete) {
        PrintFormatMessage(path);
        return false;
    }
    if (rest)
        rest->SetDecoded(content, lines, std::move(block));
    return true;
}

void PrintFormatMessage(std::wstring_view path) {
    acutPrintf(L"%s 文件格式不对，不能正常读取文件信息。\n", path);
}

std::wstring LooseLineTitle(const std::vector<CExplainInfoNode>& entries, int looseLinesSoFar) {
    long long number = -1;
    for (const CExplainInfoNode& entry : entries) {
        const std::wstring& title = entry.Getm_StrTitle();
        if (title.find(kLooseNoteTitle) == std::wstring::npos)
            continue;
        // All the title's digits in order form the number; a run of digits too long for a
        // number of its own stops growing, so the next title is still a plain number.
        long long digits = 0;
        for (wchar_t c : title)
            if (c >= L'0' && c <= L'9')
                digits = digits >= (INT_MAX - 9) / 10 ? INT_MAX - 1 : digits * 10 + (c - L'0');
        number = digits + 1;
    }
    if (number < 0)
        number = looseLinesSoFar + 1;
    return std::wstring(kLooseNoteTitle) + std::to_wstring(number);
}

namespace {

// The block line by line: the markers as they are, titles and values to be made single lines.
template <typename Marker, typename Text>
void VisitExplainBlock(const std::vector<CExplainInfoNode>& entries, Marker&& marker, Text&& text) {
    marker(kBeginNote);
    for (const CExplainInfoNode& entry : entries) {
        marker(kBeginOneNote);
        text(entry.Getm_StrTitle());
        text(entry.Getm_StrValue());
        marker(kEndOneNote);
    }
    marker(kEndNote);
}

} // namespace

void AppendExplainBlock(const std::vector<CExplainInfoNode>& entries,
                        std::vector<std::wstring>& lines) {
    VisitExplainBlock(
        entries, [&lines](std::wstring_view marker) { lines.emplace_back(marker); },
        [&lines](std::wstring_view text) { lines.push_back(SingleLine(text)); });
}

void AppendExplainBlockText(const std::vector<CExplainInfoNode>& entries, std::wstring& out) {
    VisitExplainBlock(
        entries,
        [&out](std::wstring_view marker) {
            out += marker;
            out += L"\r\n";
        },
        [&out](std::wstring_view text) {
            AppendSingleLine(out, text);
            out += L"\r\n";
        });
}

ContentScan ScanContent(const std::vector<std::wstring_view>& lines, size_t first,
                        bool bTrackNotes) {
    enum class State { Outside, InNote, InContent, AfterEof };
    ContentScan scan;
    scan.arrStyles.reserve(16);
    ContentCollector collector(scan.arrStyles);
    State state = State::Outside;
    for (size_t i = first; i < lines.size(); ++i) {
        std::wstring_view line = lines[i];
        if (state == State::AfterEof) {
            scan.arrLinesAfterEof.emplace_back(line);
            continue;
        }
        std::wstring_view trimmed = TrimmedView(line);
        if (IsMarker(trimmed, kEof)) {
            scan.bHasEof = true;
            state = State::AfterEof;
            continue;
        }
        switch (state) {
        case State::Outside:
            if (bTrackNotes && IsMarker(trimmed, kBeginNote)) {
                state = State::InNote;
            } else if (IsMarker(trimmed, kBeginContent)) {
                scan.bHasContent = true;
                state = State::InContent;
            } else {
                scan.arrOtherLines.emplace_back(line);
            }
            break;
        case State::InNote:
            if (IsMarker(trimmed, kEndNote))
                state = State::Outside;
            else
                scan.arrDescriptionLines.emplace_back(line);
            break;
        case State::InContent:
            if (IsMarker(trimmed, kEndContent))
                state = State::Outside;
            else
                collector.AddLine(trimmed);
            break;
        case State::AfterEof:
            break;
        }
    }
    return scan;
}

std::wstring StyleHeaderLine(std::wstring_view strStyleName) {
    std::wstring line;
    AppendStyleHeaderLine(line, strStyleName);
    return line;
}

std::wstring FileLine(std::wstring_view strFileName, std::wstring_view strRemark) {
    std::wstring line;
    AppendFileLine(line, strFileName, strRemark);
    return line;
}

void AppendStyleHeaderLine(std::wstring& out, std::wstring_view strStyleName) {
    AppendSingleLine(out, strStyleName);
    out += L':';
}

void AppendFileLine(std::wstring& out, std::wstring_view strFileName, std::wstring_view strRemark) {
    AppendSingleLine(out, strFileName);
    out += L'<';
    AppendSingleLine(out, strRemark);
    out += L'>';
}

std::wstring SingleLine(std::wstring_view text) {
    std::wstring line;
    AppendSingleLine(line, text);
    return line;
}

void AppendSingleLine(std::wstring& out, std::wstring_view text) {
    size_t start = out.size();
    out += text;
    for (size_t i = start; i < out.size(); ++i)
        if (out[i] == L'\r' || out[i] == L'\n')
            out[i] = L' ';
}

} // namespace xmfile
