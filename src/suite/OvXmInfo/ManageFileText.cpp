#include "suite/OvXmInfo/ManageFileText.h"

#include "platform/text/WideString.h"

#include <climits>
#include <unordered_map>
#include <unordered_set>

namespace xmfile {

namespace {

bool IsMarker(std::wstring_view trimmedLine, std::wstring_view marker) {
    return !trimmedLine.empty() && trimmedLine.front() == L'$' &&
           text::EqualsNoCase(trimmedLine, marker);
}

// Collects the types of a content section, merging repeated headers and repeated files.
class ContentCollector {
public:
    explicit ContentCollector(std::vector<ContentStyle>& styles) : m_styles(styles) {}

    void AddLine(const std::wstring& trimmedLine) {
        if (trimmedLine.empty())
            return;
        size_t angle = trimmedLine.find(L'<');
        if (angle == std::wstring::npos && trimmedLine.find(L':') != std::wstring::npos) {
            std::wstring name = trimmedLine;
            if (name.back() == L':')
                name.pop_back();
            m_current = FindOrAddStyle(name);
            return;
        }
        ContentFile file;
        if (angle == std::wstring::npos) {
            file.strFileName = trimmedLine;
        } else {
            file.strFileName = text::TrimRight(trimmedLine.substr(0, angle));
            file.strRemark = trimmedLine.substr(angle + 1);
            if (!file.strRemark.empty() && file.strRemark.back() == L'>')
                file.strRemark.pop_back();
        }
        // A line without a name ("<...>") names no drawing; keeping it would give the trees
        // an item that stands for nothing.
        if (file.strFileName.empty())
            return;
        if (m_current == kNone)
            m_current = FindOrAddStyle(std::wstring());
        if (m_seenFiles[m_current].insert(text::FoldCase(file.strFileName)).second)
            m_styles[m_current].arrFiles.push_back(std::move(file));
    }

private:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    size_t FindOrAddStyle(const std::wstring& name) {
        auto found = m_index.find(name);
        if (found != m_index.end())
            return found->second;
        m_styles.push_back(ContentStyle{name, {}});
        m_seenFiles.emplace_back();
        m_index.emplace(name, m_styles.size() - 1);
        return m_styles.size() - 1;
    }

    std::vector<ContentStyle>& m_styles;
    std::unordered_map<std::wstring, size_t> m_index;
    std::vector<std::unordered_set<std::wstring>> m_seenFiles;
    size_t m_current = kNone;
};

} // namespace

ExplainBlock ReadExplainBlock(const std::vector<std::wstring>& lines) {
    ExplainBlock block;
    if (lines.empty() || lines[0] != kBeginNote)
        return block;
    int looseLines = 0;
    size_t i = 1;
    while (i < lines.size()) {
        const std::wstring& line = lines[i];
        if (line == kEndNote) {
            block.complete = true;
            block.nextLine = i + 1;
            return block;
        }
        if (line != kBeginOneNote) {
            block.entries.emplace_back(LooseLineTitle(block.entries, looseLines++), line);
            ++i;
            continue;
        }
        // A note: its first line is the title and its second the value; anything further up
        // to the note's end marker is ignored. A note that ends early ends there, so that an
        // empty or one-line note cannot swallow the notes after it.
        ++i;
        if (i < lines.size() && lines[i] != kEndOneNote) {
            std::wstring title = lines[i++];
            if (i < lines.size()) {
                bool endsHere = lines[i] == kEndOneNote;
                block.entries.emplace_back(std::move(title), endsHere ? std::wstring() : lines[i]);
                if (!endsHere)
                    ++i;
            }
        }
        while (i < lines.size() && lines[i] != kEndOneNote)
            ++i;
        if (i < lines.size())
            ++i; // the note's end marker
    }
    block.nextLine = lines.size();
    return block;
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

void AppendExplainBlock(const std::vector<CExplainInfoNode>& entries,
                        std::vector<std::wstring>& lines) {
    lines.emplace_back(kBeginNote);
    for (const CExplainInfoNode& entry : entries) {
        lines.emplace_back(kBeginOneNote);
        lines.push_back(SingleLine(entry.Getm_StrTitle()));
        lines.push_back(SingleLine(entry.Getm_StrValue()));
        lines.emplace_back(kEndOneNote);
    }
    lines.emplace_back(kEndNote);
}

ContentScan ScanContent(const std::vector<std::wstring>& lines, size_t first, bool bTrackNotes) {
    enum class State { Outside, InNote, InContent, AfterEof };
    ContentScan scan;
    ContentCollector collector(scan.arrStyles);
    State state = State::Outside;
    for (size_t i = first; i < lines.size(); ++i) {
        const std::wstring& line = lines[i];
        if (state == State::AfterEof) {
            scan.arrLinesAfterEof.push_back(line);
            continue;
        }
        std::wstring trimmed = text::Trim(line);
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
                scan.arrOtherLines.push_back(line);
            }
            break;
        case State::InNote:
            if (IsMarker(trimmed, kEndNote))
                state = State::Outside;
            else
                scan.arrDescriptionLines.push_back(line);
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
    return SingleLine(strStyleName) + L":";
}

std::wstring FileLine(std::wstring_view strFileName, std::wstring_view strRemark) {
    return SingleLine(strFileName) + L"<" + SingleLine(strRemark) + L">";
}

std::wstring SingleLine(std::wstring_view text) {
    std::wstring line(text);
    for (wchar_t& c : line)
        if (c == L'\r' || c == L'\n')
            c = L' ';
    return line;
}

} // namespace xmfile
