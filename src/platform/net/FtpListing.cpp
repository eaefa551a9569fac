#include "platform/net/FtpListing.h"

#include <algorithm>
#include <cctype>

namespace net {

namespace {

struct Token {
    std::string_view text;
    size_t start = 0;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<Token> Tokens(std::string_view line) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            tokens.push_back({line.substr(start, i - start), start});
    }
    return tokens;
}

bool AllDigits(std::string_view s, size_t minCount, size_t maxCount) {
    return s.size() >= minCount && s.size() <= maxCount &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsMonth(std::string_view s) {
    static const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    if (s.size() != 3)
        return false;
    for (const char* month : kMonths) {
        bool same = true;
        for (size_t i = 0; i < 3; ++i)
            same = same && std::tolower(static_cast<unsigned char>(s[i])) == month[i];
        if (same)
            return true;
    }
    return false;
}

// "12:00" or "2024".
bool IsTimeOrYear(std::string_view s) {
    if (AllDigits(s, 4, 4))
        return true;
    size_t colon = s.find(':');
    return colon != std::string_view::npos && AllDigits(s.substr(0, colon), 1, 2) &&
           AllDigits(s.substr(colon + 1), 2, 2);
}

bool IsUnixMode(std::string_view s) {
    if (s.size() < 10 || std::string_view("-dlbcpsD").find(s[0]) == std::string_view::npos)
        return false;
    return std::all_of(s.begin() + 1, s.begin() + 10, [](char c) {
        return std::string_view("rwxsStTl-").find(c) != std::string_view::npos;
    });
}

// "01-02-24" or "01-02-2024".
bool IsWindowsDate(std::string_view s) {
    if (s.size() != 8 && s.size() != 10)
        return false;
    return AllDigits(s.substr(0, 2), 2, 2) && (s[2] == '-' || s[2] == '/') &&
           AllDigits(s.substr(3, 2), 2, 2) && s[5] == s[2] && AllDigits(s.substr(6), 2, 4);
}

// "10:30AM", "10:30PM" or "10:30".
bool IsWindowsTime(std::string_view s) {
    if (s.size() == 7 && (s.substr(5) == "AM" || s.substr(5) == "PM"))
        s = s.substr(0, 5);
    return IsTimeOrYear(s) && s.find(':') != std::string_view::npos;
}

// Names that stand for no entry a client can use: "." and "..", and names with a control
// character (a lone CR in a line, say), which no command could carry.
bool IsUnusableName(std::string_view name) {
    return name.empty() || name == "." || name == ".." ||
           std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool ParseUnixLine(std::string_view line, const std::vector<Token>& tokens, FtpListedName& entry) {
    // The owner and group columns are optional on some servers, so the name is found after the
    // date (month, day, time or year) rather than at a fixed column.
    for (size_t m = 2; m + 3 < tokens.size(); ++m) {
        if (!IsMonth(tokens[m].text) || !AllDigits(tokens[m + 1].text, 1, 2) ||
            !IsTimeOrYear(tokens[m + 2].text))
            continue;
        std::string_view name = line.substr(tokens[m + 3].start);
        if (tokens[0].text[0] == 'l') {
            size_t arrow = name.find(" -> ");
            if (arrow != std::string_view::npos)
                name = name.substr(0, arrow);
        }
        if (IsUnusableName(name))
            return false;
        entry.name = std::string(name);
        entry.isFolder = tokens[0].text[0] == 'd' || tokens[0].text[0] == 'D';
        return true;
    }
    return false;
}

bool ParseWindowsLine(std::string_view line, const std::vector<Token>& tokens,
                      FtpListedName& entry) {
    size_t next = 2;
    if (tokens.size() > 2 && (tokens[2].text == "AM" || tokens[2].text == "PM"))
        next = 3;
    if (tokens.size() <= next + 1)
        return false;
    std::string_view kind = tokens[next].text;
    bool isFolder = kind == "<DIR>";
    std::string size(kind);
    size.erase(std::remove(size.begin(), size.end(), ','), size.end());
    if (!isFolder && !AllDigits(size, 1, 20))
        return false;
    std::string_view name = line.substr(tokens[next + 1].start);
    if (IsUnusableName(name))
        return false;
    entry.name = std::string(name);
    entry.isFolder = isFolder;
    return true;
}

std::vector<std::string_view> Lines(std::string_view reply) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < reply.size()) {
        size_t end = reply.find('\n', start);
        if (end == std::string_view::npos)
            end = reply.size();
        std::string_view line = reply.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

bool ParseListLine(std::string_view line, FtpListedName& entry) {
    std::vector<Token> tokens = Tokens(line);
    if (tokens.size() < 3)
        return false;
    if (IsUnixMode(tokens[0].text))
        return ParseUnixLine(line, tokens, entry);
    if (IsWindowsDate(tokens[0].text) && IsWindowsTime(tokens[1].text))
        return ParseWindowsLine(line, tokens, entry);
    return false;
}

std::vector<FtpListedName> ParseListing(std::string_view reply) {
    std::vector<FtpListedName> entries;
    for (std::string_view line : Lines(reply)) {
        FtpListedName entry;
        if (ParseListLine(line, entry))
            entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<std::string> ParseNameList(std::string_view reply) {
    std::vector<std::string> names;
    for (std::string_view line : Lines(reply)) {
        size_t slash = line.find_last_of('/');
        if (slash != std::string_view::npos)
            line = line.substr(slash + 1);
        if (!IsUnusableName(line))
            names.emplace_back(line);
    }
    return names;
}

} // namespace net
