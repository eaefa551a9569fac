#include "manager/DwgSelectIndex.h"

#include "platform/text/WideString.h"

#include <algorithm>
#include <cstdint>

size_t CDwgSelectIndex::Hash(int nContainer, std::wstring_view strName) {
    // FNV-1a over the folded characters, then mixed so that the low bits the table takes
    // depend on all of them.
    uint64_t h = 1469598103934665603ull ^ static_cast<uint64_t>(nContainer);
    for (wchar_t c : strName) {
        wchar_t folded = c < 0x80 ? ((c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c)
                                  : text::FoldCase(c);
        h = (h ^ static_cast<uint64_t>(folded)) * 1099511628211ull;
    }
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return static_cast<size_t>(h);
}

void CDwgSelectIndex::Reset(size_t nExpected) {
    size_t nCapacity = 16;
    while (nCapacity < nExpected * 2)
        nCapacity *= 2;
    m_slots.assign(nCapacity, Slot{});
    m_nSize = 0;
}

void CDwgSelectIndex::Place(uint32_t nTag, int nEntry) {
    // At most half the slots in use, so that probes stay short and always end.
    if ((m_nSize + 1) * 2 > m_slots.size())
        Grow(m_slots.empty() ? 16 : m_slots.size() * 2);
    size_t at = nTag & Mask();
    while (m_slots[at].nEntry >= 0)
        at = (at + 1) & Mask();
    m_slots[at] = {nTag, nEntry};
    ++m_nSize;
}

void CDwgSelectIndex::Grow(size_t nCapacity) {
    // Placed again in the order they came, so that Find still meets the first one first.
    std::vector<Slot> old;
    for (const Slot& slot : m_slots)
        if (slot.nEntry >= 0)
            old.push_back(slot);
    std::sort(old.begin(), old.end(),
              [](const Slot& a, const Slot& b) { return a.nEntry < b.nEntry; });
    m_slots.assign(nCapacity, Slot{});
    m_nSize = 0;
    for (const Slot& slot : old)
        Place(slot.nTag, slot.nEntry);
}
