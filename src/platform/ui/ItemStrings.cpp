#include "platform/ui/ItemStrings.h"

#include "platform/text/WideString.h"

namespace ui {

int ItemStrings::Add(const std::wstring& text, bool sorted) {
    size_t at = m_items.size();
    if (sorted) {
        at = 0;
        while (at < m_items.size() && text::CompareNoCase(m_items[at].text, text) <= 0)
            ++at;
    }
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), Item{text});
    return static_cast<int>(at);
}

int ItemStrings::Insert(int index, const std::wstring& text) {
    if (index == -1)
        index = Count();
    if (index < 0 || index > Count())
        return -1;
    m_items.insert(m_items.begin() + index, Item{text});
    return index;
}

int ItemStrings::Delete(int index) {
    if (!IsIndex(index))
        return -1;
    m_items.erase(m_items.begin() + index);
    return Count();
}

int ItemStrings::FindExact(int start, const std::wstring& text) const {
    return Find(start, text, false);
}

int ItemStrings::FindPrefix(int start, const std::wstring& prefix) const {
    return Find(start, prefix, true);
}

int ItemStrings::Find(int start, const std::wstring& text, bool prefix) const {
    int count = Count();
    if (start < -1 || start >= count)
        start = -1;
    for (int step = 1; step <= count; ++step) {
        int index = (start + step) % count;
        const std::wstring& item = m_items[static_cast<size_t>(index)].text;
        if (prefix ? text::StartsWithNoCase(item, text) : text::EqualsNoCase(item, text))
            return index;
    }
    return -1;
}

} // namespace ui
