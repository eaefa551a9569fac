#pragma once
// The strings of a list box or of a combo box's list, each with its item data, and the
// searches both controls offer (without regard to case, as Windows compares them).

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

inline constexpr int LB_ERR = -1;
inline constexpr int CB_ERR = -1;

class ItemStrings {
public:
    struct Item {
        std::wstring text;
        uintptr_t data = 0;
        bool selected = false; // multiple-selection list boxes
    };

    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsIndex(int index) const { return index >= 0 && index < Count(); }
    // At the end, or in order without regard to case when sorted; the index it got.
    int Add(const std::wstring& text, bool sorted);
    // At `index`, or at the end for -1; the index it got, or -1 when the index is out of range.
    int Insert(int index, const std::wstring& text);
    // The number of items left, or -1.
    int Delete(int index);
    void Clear() { m_items.clear(); }
    const std::wstring& Text(int index) const { return m_items[static_cast<size_t>(index)].text; }
    Item& At(int index) { return m_items[static_cast<size_t>(index)]; }
    const Item& At(int index) const { return m_items[static_cast<size_t>(index)]; }
    // The first item after `start` (-1: from the beginning), wrapping around, whose text equals
    // the text / begins with it; -1 when none does.
    int FindExact(int start, const std::wstring& text) const;
    int FindPrefix(int start, const std::wstring& prefix) const;

private:
    int Find(int start, const std::wstring& text, bool prefix) const;
    std::vector<Item> m_items;
};

} // namespace ui
