#include "platform/text/WideString.h"

#include <cerrno>
#include <climits>
#include <clocale>
#include <cwchar>
#include <cwctype>
#include <locale.h>

namespace text {

namespace {

locale_t FoldingLocale() {
    // A UTF-8 locale gives towlower the Unicode case tables; the process locale is left alone.
    static const locale_t locale = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(nullptr));
    }();
    return locale;
}

} // namespace

std::wstring TrimLeft(std::wstring_view s, std::wstring_view chars) {
    size_t begin = s.find_first_not_of(chars);
    return begin == std::wstring_view::npos ? std::wstring() : std::wstring(s.substr(begin));
}

std::wstring TrimRight(std::wstring_view s, std::wstring_view chars) {
    size_t last = s.find_last_not_of(chars);
    return last == std::wstring_view::npos ? std::wstring() : std::wstring(s.substr(0, last + 1));
}

std::wstring Trim(std::wstring_view s, std::wstring_view chars) {
    size_t begin = s.find_first_not_of(chars);
    if (begin == std::wstring_view::npos)
        return {};
    size_t last = s.find_last_not_of(chars);
    return std::wstring(s.substr(begin, last - begin + 1));
}

std::wstring RemoveChars(std::wstring_view s, std::wstring_view chars) {
    std::wstring result;
    result.reserve(s.size());
    for (wchar_t c : s)
        if (chars.find(c) == std::wstring_view::npos)
            result.push_back(c);
    return result;
}

wchar_t FoldCase(wchar_t c) {
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
    return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), FoldingLocale()));
}

std::wstring FoldCase(std::wstring_view s) {
    std::wstring result(s);
    for (wchar_t& c : result)
        c = FoldCase(c);
    return result;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    return true;
}

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        wchar_t x = FoldCase(a[i]), y = FoldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool StartsWith(std::wstring_view s, std::wstring_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool StartsWithNoCase(std::wstring_view s, std::wstring_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

size_t FindNoCase(std::wstring_view haystack, std::wstring_view needle, size_t from) {
    if (needle.size() > haystack.size())
        return std::wstring_view::npos;
    for (size_t i = from; i + needle.size() <= haystack.size(); ++i)
        if (EqualsNoCase(haystack.substr(i, needle.size()), needle))
            return i;
    return std::wstring_view::npos;
}

std::vector<std::wstring> Split(std::wstring_view s, std::wstring_view separator) {
    std::vector<std::wstring> parts;
    if (separator.empty()) {
        parts.emplace_back(s);
        return parts;
    }
    size_t start = 0;
    for (;;) {
        size_t at = s.find(separator, start);
        if (at == std::wstring_view::npos) {
            parts.emplace_back(s.substr(start));
            return parts;
        }
        parts.emplace_back(s.substr(start, at - start));
        start = at + separator.size();
    }
}

std::wstring Join(const std::vector<std::wstring>& parts, std::wstring_view separator) {
    std::wstring result;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            result += separator;
        result += parts[i];
    }
    return result;
}

std::wstring ReplaceAll(std::wstring_view s, std::wstring_view from, std::wstring_view to) {
    if (from.empty())
        return std::wstring(s);
    std::wstring result;
    size_t start = 0;
    for (;;) {
        size_t at = s.find(from, start);
        if (at == std::wstring_view::npos)
            break;
        result.append(s.substr(start, at - start));
        result.append(to);
        start = at + from.size();
    }
    result.append(s.substr(start));
    return result;
}

int ToInt(std::wstring_view s) {
    std::wstring copy(s);
    errno = 0;
    long value = std::wcstol(copy.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double ToReal(std::wstring_view s) {
    std::wstring copy(s);
    return std::wcstod(copy.c_str(), nullptr);
}

} // namespace text
