#pragma once
// A set of pointers kept in one flat table (open addressing, linear probing): the tree control
// asks it whether a handle is one of its items on nearly every call, and a window shows tens of
// thousands of items, so a look must cost a probe or two in memory that lies together, and an
// insertion no allocation of its own.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ui {

template <typename T> class PointerSet {
public:
    bool Contains(const T* p) const {
        if (!p || m_slots.empty())
            return false;
        for (size_t at = Home(p);; at = (at + 1) & Mask()) {
            if (m_slots[at] == p)
                return true;
            if (m_slots[at] == nullptr)
                return false;
        }
    }
    // False when it is there already.
    bool Insert(T* p) {
        if (!p || Contains(p))
            return false;
        // At most three quarters of the slots in use, departed ones included, so that a probe
        // always meets an empty slot; a new table is half full at most.
        if ((m_used + 1) * 4 > m_slots.size() * 3) {
            size_t capacity = 64;
            while (capacity < (m_size + 1) * 2)
                capacity *= 2;
            Rehash(capacity);
        }
        size_t at = Home(p);
        while (m_slots[at] != nullptr && m_slots[at] != Gone())
            at = (at + 1) & Mask();
        if (m_slots[at] == nullptr)
            ++m_used;
        m_slots[at] = p;
        ++m_size;
        return true;
    }
    // False when it was not there.
    bool Erase(const T* p) {
        if (!p || m_slots.empty())
            return false;
        for (size_t at = Home(p);; at = (at + 1) & Mask()) {
            if (m_slots[at] == p) {
                m_slots[at] = Gone(); // the probe chains through it stay whole
                --m_size;
                return true;
            }
            if (m_slots[at] == nullptr)
                return false;
        }
    }
    size_t Size() const { return m_size; }
    // Every pointer in the set, in no particular order.
    template <typename F> void ForEach(F&& visit) const {
        for (T* p : m_slots)
            if (p && p != Gone())
                visit(p);
    }
    void Clear() {
        m_slots.clear();
        m_size = m_used = 0;
    }

private:
    static T* Gone() { return reinterpret_cast<T*>(uintptr_t{1}); }
    size_t Mask() const { return m_slots.size() - 1; }
    size_t Home(const T* p) const {
        // Heap addresses differ in their middle bits: mix them into the top and take those.
        uint64_t h = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(p)) * 0x9E3779B97F4A7C15ull;
        return static_cast<size_t>(h >> 32) & Mask();
    }
    void Rehash(size_t capacity) {
        std::vector<T*> old;
        old.swap(m_slots);
        m_slots.assign(capacity, nullptr);
        m_used = 0;
        m_size = 0;
        for (T* p : old)
            if (p && p != Gone())
                Insert(p);
    }

    std::vector<T*> m_slots;
    size_t m_size = 0;
    size_t m_used = 0; // slots that are not empty, departed ones included
};

} // namespace ui
