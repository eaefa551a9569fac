#pragma once
// CDwgSelectIndex: a flat hash table of positions in the caller's own list (the drawings, the
// files on disk), for finding a drawing by container and file name without regard to case. The
// caller hashes with Hash and says on a look-up whether an entry is the one sought, so the table
// keeps no folded copy of any name: opening a Project of ten thousand drawings would otherwise
// allocate and fold every name twice.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class CDwgSelectIndex {
public:
    // The hash of a name within a container, the same for every spelling in other case.
    static size_t Hash(int nContainer, std::wstring_view strName);

    // Empties the table and makes room for that many entries.
    void Reset(size_t nExpected);
    // Entries come in increasing order (positions in the caller's list as it grows).
    void Insert(size_t nHash, int nEntry) { Place(Tag(nHash), nEntry); }
    // The first entry inserted with that hash for which same(entry) holds; -1.
    template <typename Same> int Find(size_t nHash, Same&& same) const {
        if (m_slots.empty())
            return -1;
        for (size_t at = Tag(nHash) & Mask(); m_slots[at].nEntry >= 0; at = (at + 1) & Mask())
            if (m_slots[at].nTag == Tag(nHash) && same(m_slots[at].nEntry))
                return m_slots[at].nEntry;
        return -1;
    }

private:
    // Eight bytes a slot: the table of ten thousand drawings stays small enough to lie in the
    // cache. The tag, the hash's low half, places the entry and spares most comparisons of
    // names that do not match.
    struct Slot {
        uint32_t nTag = 0;
        int32_t nEntry = -1;
    };
    static uint32_t Tag(size_t nHash) { return static_cast<uint32_t>(nHash); }
    size_t Mask() const { return m_slots.size() - 1; }
    void Place(uint32_t nTag, int nEntry);
    void Grow(size_t nCapacity);

    std::vector<Slot> m_slots;
    size_t m_nSize = 0;
};
