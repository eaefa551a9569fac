#pragma once
// List box and combo box models. Programmatic changes send no notification; what the user does
// (picking, typing, opening the list) is sent to the parent by the user-action layer, as
// Windows sends it.

#include "platform/ui/Control.h"
#include "platform/ui/ItemStrings.h"

namespace ui {

class ListBox : public Control {
public:
    ListBox() : Control(ControlKind::ListBox) {}

    int AddString(const std::wstring& text);
    int InsertString(int index, const std::wstring& text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const { return m_items.Count(); }
    // LB_ERR for an index out of range.
    int GetText(int index, std::wstring& text) const;
    std::wstring GetText(int index) const;
    int FindStringExact(int start, const std::wstring& text) const {
        return m_items.FindExact(start, text);
    }
    int GetCurSel() const { return m_curSel; }
    // -1 clears the selection; LB_ERR for an index out of range (the selection is cleared).
    int SetCurSel(int index);
    // Selects the first item beginning with the text; its index or LB_ERR.
    int SelectString(int start, const std::wstring& text);
    uintptr_t GetItemData(int index) const;
    int SetItemData(int index, uintptr_t data);
    void SetHorizontalExtent(int pixels) { m_horizontalExtent = pixels; }
    int GetHorizontalExtent() const { return m_horizontalExtent; }
    int GetTopIndex() const { return m_topIndex; }
    void SetTopIndex(int index);

private:
    ItemStrings m_items;
    int m_curSel = -1;
    int m_horizontalExtent = 0;
    int m_topIndex = 0;
};

class ComboBox : public Control {
public:
    ComboBox() : Control(ControlKind::ComboBox) {}

    // A drop-down list has no edit field: its text is the selected item's.
    bool HasEditField() const { return (GetStyle() & 0x3) != CBS_DROPDOWNLIST; }

    int AddString(const std::wstring& text);
    int InsertString(int index, const std::wstring& text);
    int DeleteString(int index);
    // Empties the list and, like Windows, the edit field.
    void ResetContent();
    int GetCount() const { return m_items.Count(); }
    int GetLBText(int index, std::wstring& text) const;
    std::wstring GetLBText(int index) const;
    int FindStringExact(int start, const std::wstring& text) const {
        return m_items.FindExact(start, text);
    }
    int FindString(int start, const std::wstring& prefix) const {
        return m_items.FindPrefix(start, prefix);
    }
    int GetCurSel() const { return m_curSel; }
    // The edit field takes the item's text ("" for -1). CB_ERR for an index out of range.
    int SetCurSel(int index);
    int SelectString(int start, const std::wstring& text);
    uintptr_t GetItemData(int index) const;
    int SetItemData(int index, uintptr_t data);

    bool GetDroppedState() const { return m_dropped; }
    void ShowDropDown(bool show = true);

    LRESULT WindowProc(unsigned message, WPARAM wParam, LPARAM lParam) override;

private:
    ItemStrings m_items;
    int m_curSel = -1;
    bool m_dropped = false;
};

} // namespace ui
