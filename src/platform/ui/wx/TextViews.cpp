// Edit fields, combo boxes and list boxes.

#include "platform/ui/Dialog.h"
#include "platform/ui/UserActions.h"
#include "platform/ui/wx/ControlView.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DesktopBackend.h"

#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace ui::desk {

namespace {

class EditView : public ControlView {
public:
    EditView(DialogView& dialog, Edit& edit, wxWindow* parent) : ControlView(dialog, edit) {
        long style = 0;
        if (edit.GetStyle() & ES_MULTILINE)
            style |= wxTE_MULTILINE;
        if (edit.GetStyle() & ES_PASSWORD)
            style |= wxTE_PASSWORD;
        m_text = new wxTextCtrl(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, style);
        Attach(m_text);
        ShowState();
        On(m_text, wxEVT_TEXT, [this](wxCommandEvent&) { OnTyped(); });
    }

protected:
    void ShowText() override {
        auto* edit = dynamic_cast<Edit*>(Model());
        if (!edit || FromWx(m_text->GetValue()) == edit->GetWindowText())
            return;
        Updating scope(m_updating);
        m_text->ChangeValue(ToWx(edit->GetWindowText()));
    }
    void OnModelChanged(WindowChange change, uintptr_t) override {
        if (change == WindowChange::State)
            ShowState();
    }

private:
    void ShowState() {
        auto* edit = dynamic_cast<Edit*>(Model());
        if (edit && m_text->IsEditable() == edit->IsReadOnly())
            m_text->SetEditable(!edit->IsReadOnly());
    }
    void OnTyped() {
        auto* edit = dynamic_cast<Edit*>(Model());
        if (m_updating || !edit)
            return;
        if (edit->GetLimitText() != static_cast<size_t>(m_limit)) {
            m_limit = static_cast<unsigned long>(edit->GetLimitText());
            m_text->SetMaxLength(m_limit);
        }
        std::wstring typed = FromWx(m_text->GetValue());
        if (typed != edit->GetWindowText())
            gesture::Type(*edit, typed);
        // The model may keep less than was typed (its limit, a read-only field).
        if (Model())
            ShowText();
    }

    wxTextCtrl* m_text;
    unsigned long m_limit = 0;
};

class ComboView : public ControlView {
public:
    ComboView(DialogView& dialog, ComboBox& combo, wxWindow* parent) : ControlView(dialog, combo) {
        long style = combo.HasEditField() ? wxCB_DROPDOWN : wxCB_READONLY;
        m_combo = new wxComboBox(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, 0, nullptr,
                                 style);
        Attach(m_combo);
        ShowItems();
        On(m_combo, wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent&) {
            if (ComboBox* model = Combo(); model && !m_updating)
                gesture::OpenDropDown(*model);
        });
        On(m_combo, wxEVT_COMBOBOX, [this](wxCommandEvent& event) {
            if (ComboBox* model = Combo(); model && !m_updating)
                gesture::Choose(*model, event.GetSelection());
            if (Model())
                ShowSelection();
        });
        On(m_combo, wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent&) {
            if (ComboBox* model = Combo(); model && !m_updating)
                gesture::CloseList(*model);
        });
        On(m_combo, wxEVT_TEXT, [this](wxCommandEvent&) { OnTyped(); });
    }

protected:
    void ShowText() override {
        ComboBox* model = Combo();
        if (!model || FromWx(m_combo->GetValue()) == model->GetWindowText())
            return;
        Updating scope(m_updating);
        if (model->HasEditField())
            m_combo->ChangeValue(ToWx(model->GetWindowText()));
        else
            m_combo->SetSelection(model->GetCurSel());
    }
    void OnModelChanged(WindowChange change, uintptr_t) override {
        if (change == WindowChange::Items)
            ShowItems();
        else if (change == WindowChange::Selection)
            ShowSelection();
    }

    // A combo box's rectangle reaches down over its dropped list; the field itself is as high
    // as an edit field of the dialog (12 dialog units).
    wxRect Fit(const wxRect& rect) const override {
        wxRect field = rect;
        field.height = std::min(rect.height, (12 * Backend().DialogBaseUnits().cy + 4) / 8);
        return field;
    }

private:
    ComboBox* Combo() const { return dynamic_cast<ComboBox*>(Model()); }

    void ShowItems() {
        ComboBox* model = Combo();
        wxArrayString items;
        for (int index = 0; index < model->GetCount(); ++index)
            items.Add(ToWx(model->GetLBText(index)));
        if (items != m_combo->GetStrings()) {
            Updating scope(m_updating);
            m_combo->Set(items);
        }
        ShowSelection();
    }
    void ShowSelection() {
        ComboBox* model = Combo();
        if (!model)
            return;
        int selection = model->GetCurSel();
        if (m_combo->GetSelection() != selection) {
            Updating scope(m_updating);
            m_combo->SetSelection(selection);
        }
        ShowText();
    }
    void OnTyped() {
        ComboBox* model = Combo();
        if (m_updating || !model || !model->HasEditField())
            return;
        wxString value = m_combo->GetValue();
        // Picking an item also puts its text into the field; the pick is reported by itself.
        int selection = m_combo->GetSelection();
        if (selection != wxNOT_FOUND && m_combo->GetString(selection) == value)
            return;
        if (FromWx(value) != model->GetWindowText())
            gesture::Type(*model, FromWx(value));
    }

    wxComboBox* m_combo;
};

class ListBoxView : public ControlView {
public:
    ListBoxView(DialogView& dialog, ListBox& list, wxWindow* parent)
        : ControlView(dialog, list), m_list(new wxListBox(parent, wxID_ANY)) {
        Attach(m_list);
        ShowItems();
        On(m_list, wxEVT_LISTBOX, [this](wxCommandEvent& event) {
            if (ListBox* model = List(); model && !m_updating)
                gesture::Pick(*model, event.GetSelection());
            if (Model())
                ShowSelection();
        });
        On(m_list, wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& event) {
            if (ListBox* model = List(); model && !m_updating)
                gesture::DoubleClick(*model, event.GetSelection());
        });
    }

protected:
    void OnModelChanged(WindowChange change, uintptr_t) override {
        if (change == WindowChange::Items)
            ShowItems();
        else if (change == WindowChange::Selection)
            ShowSelection();
        else if (change == WindowChange::Scroll &&
                 List()->GetTopIndex() < static_cast<int>(m_list->GetCount()))
            m_list->SetFirstItem(List()->GetTopIndex());
    }

private:
    ListBox* List() const { return dynamic_cast<ListBox*>(Model()); }

    void ShowItems() {
        ListBox* model = List();
        wxArrayString items;
        for (int index = 0; index < model->GetCount(); ++index)
            items.Add(ToWx(model->GetText(index)));
        if (items != m_list->GetStrings()) {
            Updating scope(m_updating);
            m_list->Set(items);
        }
        ShowSelection();
    }
    void ShowSelection() {
        ListBox* model = List();
        if (!model || m_list->GetSelection() == model->GetCurSel())
            return;
        Updating scope(m_updating);
        if (model->GetCurSel() < 0)
            m_list->SetSelection(wxNOT_FOUND);
        else
            m_list->SetSelection(model->GetCurSel());
    }

    wxListBox* m_list;
};

} // namespace

std::unique_ptr<ControlView> MakeEditView(DialogView& dialog, Control& control, wxWindow* parent) {
    auto* edit = dynamic_cast<Edit*>(&control);
    return edit ? std::make_unique<EditView>(dialog, *edit, parent) : nullptr;
}

std::unique_ptr<ControlView> MakeComboView(DialogView& dialog, Control& control, wxWindow* parent) {
    auto* combo = dynamic_cast<ComboBox*>(&control);
    return combo ? std::make_unique<ComboView>(dialog, *combo, parent) : nullptr;
}

std::unique_ptr<ControlView> MakeListBoxView(DialogView& dialog, Control& control,
                                             wxWindow* parent) {
    auto* list = dynamic_cast<ListBox*>(&control);
    return list ? std::make_unique<ListBoxView>(dialog, *list, parent) : nullptr;
}

} // namespace ui::desk
