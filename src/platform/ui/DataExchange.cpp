#include "platform/ui/DataExchange.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"

#include <cwchar>

namespace ui {

void DataExchange::Fail(int id) {
    m_failed = true;
    if (Control* control = m_dialog.GetDlgItem(id))
        control->SetFocus();
}

void DDX_Text(DataExchange& exchange, int id, std::wstring& value) {
    Control* control = exchange.GetDialog().GetDlgItem(id);
    if (!control)
        return;
    if (exchange.IsSaving())
        value = control->GetWindowText();
    else
        control->SetWindowText(value);
}

void DDX_Text(DataExchange& exchange, int id, int& value) {
    Control* control = exchange.GetDialog().GetDlgItem(id);
    if (!control)
        return;
    if (!exchange.IsSaving()) {
        control->SetWindowText(std::to_wstring(value));
        return;
    }
    std::wstring text = control->GetWindowText();
    wchar_t* end = nullptr;
    long parsed = std::wcstol(text.c_str(), &end, 10);
    while (end && (*end == L' ' || *end == L'\t'))
        ++end;
    if (text.empty() || !end || *end != L'\0' || parsed < INT32_MIN || parsed > INT32_MAX) {
        MessageBox(&exchange.GetDialog(), L"请输入一个整数。", exchange.GetDialog().GetWindowText(),
                   MB_OK | MB_ICONEXCLAMATION);
        exchange.Fail(id);
        return;
    }
    value = static_cast<int>(parsed);
}

void DDX_Check(DataExchange& exchange, int id, int& value) {
    auto* button = exchange.GetDialog().GetDlgItemAs<Button>(id);
    if (!button)
        return;
    if (exchange.IsSaving())
        value = button->GetCheck();
    else
        button->SetCheck(value);
}

void DDX_Radio(DataExchange& exchange, int firstId, int& value) {
    const auto& controls = exchange.GetDialog().Controls();
    size_t first = 0;
    while (first < controls.size() && controls[first]->GetDlgCtrlID() != firstId)
        ++first;
    if (exchange.IsSaving())
        value = -1;
    int index = 0;
    for (size_t at = first; at < controls.size(); ++at, ++index) {
        if (controls[at]->GetControlKind() != ControlKind::RadioButton)
            break;
        auto* button = static_cast<Button*>(controls[at]);
        if (exchange.IsSaving()) {
            if (button->GetCheck() == BST_CHECKED)
                value = index;
        } else {
            button->SetCheck(index == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_CBString(DataExchange& exchange, int id, std::wstring& value) {
    auto* combo = exchange.GetDialog().GetDlgItemAs<ComboBox>(id);
    if (!combo)
        return;
    if (exchange.IsSaving()) {
        value =
            combo->HasEditField() ? combo->GetWindowText() : combo->GetLBText(combo->GetCurSel());
        return;
    }
    if (combo->SelectString(-1, value) < 0 && combo->HasEditField())
        combo->SetWindowText(value);
}

void DDX_CBIndex(DataExchange& exchange, int id, int& index) {
    auto* combo = exchange.GetDialog().GetDlgItemAs<ComboBox>(id);
    if (!combo)
        return;
    if (exchange.IsSaving())
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_LBString(DataExchange& exchange, int id, std::wstring& value) {
    auto* list = exchange.GetDialog().GetDlgItemAs<ListBox>(id);
    if (!list)
        return;
    if (exchange.IsSaving())
        value = list->GetText(list->GetCurSel());
    else if (list->SelectString(-1, value) < 0)
        list->SetCurSel(-1);
}

void DDX_LBIndex(DataExchange& exchange, int id, int& index) {
    auto* list = exchange.GetDialog().GetDlgItemAs<ListBox>(id);
    if (!list)
        return;
    if (exchange.IsSaving())
        index = list->GetCurSel();
    else
        list->SetCurSel(index);
}

} // namespace ui
