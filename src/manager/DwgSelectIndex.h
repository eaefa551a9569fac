#pragma once
// CDwgSelectIndex: a flat hash table of positions in the caller's own list (the drawings, the
// files on disk), for finding a drawing by container and file name without regard to case. The
// caller hashes with Hash and says on a look-up whether an entry is the one sought, so the table
// keeps no folded copy of any name: opening a Project of ten thousand drawings would otherwise
// allocate and fold every name twice.

#include <cstddef>
#include <string_view>
#include <vector>

class CDwgSelectIndex {
public:
    // The hash of a name within a container, the same for every spelling in other case.
    static size_t Hash(int nContainer, std::wstring_view strName);

    // Empties the table and makes room for that many entries.
    void Reset(size_t nExpected);
    void Insert(size_t nHash, int nEntry);
    // The first entry inserted with that hash for which same(entry) holds; -1.
    template <typename Same> int Find(size_t nHash, Same&& same) const {
        if (m_slots.empty())
            return -1;
        for (size_t at = nHash & Mask(); m_slots[at].nEntry >= 0; at = (at + 1) & Mask())
            if (m_slots[at].nHash == nHash && same(m_slots[at].nEntry))
                return m_slots[at].nEntry;
        return -1;
    }

private:
    struct Slot {
        size_t nHash = 0;
        int nEntry = -1;
    };
    size_t Mask() const { return m_slots.size() - 1; }
    void Grow(size_t nCapacity);

    std::vector<Slot> m_slots;
    size_t m_nSize = 0;
};
