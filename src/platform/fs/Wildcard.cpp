#include "platform/fs/Wildcard.h"

#include "platform/text/WideString.h"

namespace fs {

namespace {

bool Match(std::wstring_view pattern, std::wstring_view name) {
    size_t p = 0, n = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == L'?' || text::FoldCase(pattern[p]) == text::FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool MatchWildcard(std::wstring_view pattern, std::wstring_view name) {
    if (Match(pattern, name))
        return true;
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == L".*")
        return Match(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

bool HasWildcard(std::wstring_view name) {
    return name.find_first_of(L"*?") != std::wstring_view::npos;
}

} // namespace fs
