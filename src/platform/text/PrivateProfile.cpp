#include "platform/text/PrivateProfile.h"

#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"

#include <cwctype>
#include <optional>
#include <vector>

namespace text {

namespace {

// The name of a "[section]" line, or nothing for another line.
std::optional<std::wstring> SectionName(const std::wstring& line) {
    std::wstring trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != L'[')
        return std::nullopt;
    size_t close = trimmed.find(L']');
    if (close == std::wstring::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

bool IsKeyLine(const std::wstring& line, const std::wstring& key) {
    size_t equals = line.find(L'=');
    return equals != std::wstring::npos && EqualsNoCase(Trim(line.substr(0, equals)), key);
}

struct Place {
    size_t sectionEnd = 0;             // the line after the section's last line
    std::optional<size_t> sectionLine; // the "[section]" line
    std::optional<size_t> keyLine;     // the key's first line in the section
};

Place Find(const std::vector<std::wstring>& lines, const std::wstring& section,
           const std::wstring& key) {
    Place place;
    bool inside = false;
    for (size_t index = 0; index < lines.size(); ++index) {
        if (std::optional<std::wstring> name = SectionName(lines[index])) {
            if (inside)
                break; // the first section of that name is the one read and written
            inside = EqualsNoCase(*name, Trim(section));
            if (inside)
                place.sectionLine = index;
            continue;
        }
        if (!inside)
            continue;
        if (!Trim(lines[index]).empty())
            place.sectionEnd = index + 1;
        if (!place.keyLine && IsKeyLine(lines[index], Trim(key)))
            place.keyLine = index;
    }
    if (place.sectionLine && place.sectionEnd == 0)
        place.sectionEnd = *place.sectionLine + 1;
    return place;
}

std::optional<std::wstring> ReadValue(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& path) {
    std::vector<std::wstring> lines;
    if (!ReadTextLines(path, lines))
        return std::nullopt;
    Place place = Find(lines, section, key);
    if (!place.keyLine)
        return std::nullopt;
    const std::wstring& line = lines[*place.keyLine];
    return Trim(line.substr(line.find(L'=') + 1));
}

} // namespace

int GetPrivateProfileIntW(const std::wstring& section, const std::wstring& key, int defaultValue,
                          const std::wstring& path) {
    std::optional<std::wstring> value = ReadValue(section, key, path);
    if (!value)
        return defaultValue;
    size_t at = 0;
    bool negative = false;
    if (at < value->size() && ((*value)[at] == L'-' || (*value)[at] == L'+'))
        negative = (*value)[at++] == L'-';
    long long number = 0;
    for (; at < value->size() && std::iswdigit((*value)[at]); ++at) {
        number = number * 10 + ((*value)[at] - L'0');
        if (number > 0x7FFFFFFF)
            return defaultValue; // a number no int holds is no setting of ours
    }
    return static_cast<int>(negative ? -number : number);
}

bool WritePrivateProfileStringW(const std::wstring& section, const std::wstring& key,
                                const std::wstring& value, const std::wstring& path) {
    if (Trim(section).empty() || Trim(key).empty())
        return false;
    std::vector<std::wstring> lines;
    ReadTextLines(path, lines); // a missing file is made
    std::wstring keyLine = Trim(key) + L"=" + value;
    Place place = Find(lines, section, key);
    if (place.keyLine) {
        // The key keeps the spelling it was first written with.
        std::wstring& line = lines[*place.keyLine];
        keyLine = Trim(line.substr(0, line.find(L'='))) + L"=" + value;
        if (line == keyLine)
            return true;
        line = keyLine;
    } else if (place.sectionLine) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(place.sectionEnd), keyLine);
    } else {
        lines.push_back(L"[" + Trim(section) + L"]");
        lines.push_back(keyLine);
    }
    return WriteTextLines(path, lines);
}

} // namespace text
