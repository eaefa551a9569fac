#pragma once
// Moving values between a dialog's members and its controls, as MFC's DDX routines do: loading
// (saveAndValidate false) puts members into controls; saving reads them back and may refuse an
// entry, with a message, which makes UpdateData fail.

#include <string>

namespace ui {

class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate)
        : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    Dialog& GetDialog() const { return m_dialog; }
    bool IsSaving() const { return m_bSaveAndValidate; }
    bool Failed() const { return m_failed; }
    // An entry was refused: the control takes the focus and UpdateData fails.
    void Fail(int id);

private:
    Dialog& m_dialog;
    bool m_bSaveAndValidate;
    bool m_failed = false;
};

void DDX_Text(DataExchange& exchange, int id, std::wstring& value);
// An integer; a text that is not one is refused with "请输入一个整数。".
void DDX_Text(DataExchange& exchange, int id, int& value);
void DDX_Check(DataExchange& exchange, int id, int& value);
// The index of the checked button among the radio buttons that follow `firstId` in the
// template without a break; -1 for none.
void DDX_Radio(DataExchange& exchange, int firstId, int& value);
// A combo box's text: the edit field's (or the selected item's for a drop-down list); loading
// selects the first item that begins with the value, or puts the value into the edit field.
void DDX_CBString(DataExchange& exchange, int id, std::wstring& value);
void DDX_CBIndex(DataExchange& exchange, int id, int& index);
// A list box's selected text; loading selects the first item that begins with the value.
void DDX_LBString(DataExchange& exchange, int id, std::wstring& value);
void DDX_LBIndex(DataExchange& exchange, int id, int& index);

} // namespace ui
