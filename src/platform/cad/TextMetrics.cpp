#include "platform/cad/TextMetrics.h"

#include "platform/text/WideString.h"

#include <algorithm>

namespace cad {

bool IsFullWidth(wchar_t c) {
    auto in = [c](unsigned low, unsigned high) {
        return static_cast<unsigned>(c) >= low && static_cast<unsigned>(c) <= high;
    };
    return in(0x1100, 0x115F) || in(0x2E80, 0x303E) || in(0x3041, 0x33FF) || in(0x3400, 0x4DBF) ||
           in(0x4E00, 0x9FFF) || in(0xA000, 0xA4CF) || in(0xAC00, 0xD7A3) || in(0xF900, 0xFAFF) ||
           in(0xFE30, 0xFE4F) || in(0xFF00, 0xFF60) || in(0xFFE0, 0xFFE6) || in(0x20000, 0x3FFFD);
}

double TextWidth(std::wstring_view text, double height, double widthFactor) {
    double units = 0.0;
    for (wchar_t c : text)
        units += IsFullWidth(c) ? 1.0 : kNarrowCharacterWidth;
    return units * height * widthFactor;
}

namespace {

struct Format {
    double widthFactor;
    double height;
};

struct Line {
    std::wstring text;
    double width = 0.0;
    double height = 0.0; // tallest character; 0 while the line is empty
};

class MTextLayouter {
public:
    MTextLayouter(double height, double widthFactor, double wrapWidth)
        : m_baseHeight(height), m_wrapWidth(wrapWidth), m_formats{{widthFactor, height}} {}

    void Run(std::wstring_view contents) {
        size_t i = 0;
        while (i < contents.size()) {
            wchar_t c = contents[i];
            if (c == L'{') {
                m_formats.push_back(m_formats.back());
                ++i;
            } else if (c == L'}') {
                if (m_formats.size() > 1)
                    m_formats.pop_back();
                ++i;
            } else if (c == L'\\' && i + 1 < contents.size()) {
                i = Code(contents, i + 1);
            } else {
                Add(c);
                ++i;
            }
        }
        NewLine();
    }

    MTextLayout Result() const {
        MTextLayout layout;
        for (size_t i = 0; i < m_lines.size(); ++i) {
            const Line& line = m_lines[i];
            double lineHeight = line.height > 0.0 ? line.height : m_baseHeight;
            layout.height += i == 0 ? lineHeight : kMTextLineSpacing * lineHeight;
            layout.width = std::max(layout.width, line.width);
            layout.lines.push_back(line.text);
        }
        return layout;
    }

private:
    // Handles the code that starts after a backslash at `at`; returns where reading goes on.
    size_t Code(std::wstring_view contents, size_t at) {
        wchar_t code = contents[at];
        switch (code) {
        case L'P':
            NewLine();
            return at + 1;
        case L'\\':
        case L'{':
        case L'}':
            Add(code);
            return at + 1;
        case L'~':
            Add(L' ');
            return at + 1;
        case L'L':
        case L'l':
        case L'O':
        case L'o':
        case L'K':
        case L'k':
            return at + 1;
        case L'U':
            if (at + 6 <= contents.size() && contents[at + 1] == L'+') {
                std::wstring hex(contents.substr(at + 2, 4));
                if (hex.find_first_not_of(L"0123456789abcdefABCDEF") == std::wstring::npos) {
                    Add(static_cast<wchar_t>(std::stoul(hex, nullptr, 16)));
                    return at + 6;
                }
            }
            break;
        case L'W':
        case L'H':
        case L'f':
        case L'F':
        case L'C':
        case L'c':
        case L'Q':
        case L'T':
        case L'A':
        case L'p':
        case L'S': {
            size_t end = contents.find(L';', at);
            if (end == std::wstring_view::npos)
                end = contents.size();
            std::wstring_view value = contents.substr(at + 1, end - at - 1);
            if (code == L'W' || code == L'H')
                SetFactor(code, value);
            return end + 1;
        }
        default:
            break;
        }
        // Not a code: the backslash and the character are text.
        Add(L'\\');
        return at;
    }

    void SetFactor(wchar_t code, std::wstring_view value) {
        bool relative = !value.empty() && (value.back() == L'x' || value.back() == L'X');
        double number = text::ToReal(value);
        if (number <= 0.0)
            return;
        Format& format = m_formats.back();
        double& target = code == L'W' ? format.widthFactor : format.height;
        target = relative ? target * number : number;
    }

    void Add(wchar_t c) {
        const Format& format = m_formats.back();
        double width =
            (IsFullWidth(c) ? 1.0 : kNarrowCharacterWidth) * format.height * format.widthFactor;
        if (m_wrapWidth > 0.0 && !m_line.text.empty() && m_line.width + width > m_wrapWidth)
            NewLine();
        m_line.text.push_back(c);
        m_line.width += width;
        m_line.height = std::max(m_line.height, format.height);
    }

    void NewLine() {
        m_lines.push_back(m_line);
        m_line = Line();
    }

    double m_baseHeight;
    double m_wrapWidth;
    std::vector<Format> m_formats;
    std::vector<Line> m_lines;
    Line m_line;
};

} // namespace

MTextLayout LayoutMText(std::wstring_view contents, double height, double widthFactor,
                        double wrapWidth) {
    if (contents.empty())
        return {};
    MTextLayouter layouter(height, widthFactor, wrapWidth);
    layouter.Run(contents);
    return layouter.Result();
}

} // namespace cad
