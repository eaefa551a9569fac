#include "manager/DwgSelectIndex.h"

#include "platform/text/WideString.h"

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

void CDwgSelectIndex::Insert(size_t nHash, int nEntry) {
    // At most half the slots in use, so that probes stay short and always end.
    if ((m_nSize + 1) * 2 > m_slots.size())
        Grow(m_slots.empty() ? 16 : m_slots.size() * 2);
    size_t at = nHash & Mask();
    while (m_slots[at].nEntry >= 0)
        at = (at + 1) & Mask();
    m_slots[at] = {nHash, nEntry};
    ++m_nSize;
}

void CDwgSelectIndex::Grow(size_t nCapacity) {
    std::vector<Slot> old(nCapacity);
    old.swap(m_slots);
    m_nSize = 0;
    for (const Slot& slot : old)
        if (slot.nEntry >= 0)
            Insert(slot.nHash, slot.nEntry);
}
