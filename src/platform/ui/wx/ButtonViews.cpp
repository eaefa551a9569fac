// Static texts, group boxes, push buttons, check boxes and radio buttons.

#include "platform/ui/Dialog.h"
#include "platform/ui/UserActions.h"
#include "platform/ui/wx/ControlView.h"
#include "platform/ui/wx/Convert.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace ui::desk {

namespace {

// The name of the hidden radio button that closes each group: checking it clears the group,
// which the toolkit's radio buttons cannot do otherwise.
const char kGroupEnd[] = "ov-group-end";

class StaticView : public ControlView {
public:
    StaticView(DialogView& dialog, Control& control, wxWindow* parent)
        : ControlView(dialog, control) {
        if (control.GetControlKind() == ControlKind::GroupBox) {
            m_box = new wxStaticBox(parent, wxID_ANY, "");
            Attach(m_box);
        } else {
            long style = wxST_NO_AUTORESIZE |
                         ((control.GetStyle() & SS_CENTER) ? wxALIGN_CENTRE_HORIZONTAL : 0);
            m_text =
                new wxStaticText(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, style);
            Attach(m_text);
        }
    }

protected:
    void ShowText() override {
        if (!Model() || Model()->GetWindowText() == m_shown)
            return;
        m_shown = Model()->GetWindowText();
        if (m_box) {
            m_box->SetLabel(ToWx(m_shown));
            return;
        }
        m_text->SetLabel(ToWx(m_shown));
        // A static text taller than a line breaks its words, as a Windows static does.
        if (Model()->GetRectInParent().Height() >= 2 * m_text->GetCharHeight())
            m_text->Wrap(Model()->GetRectInParent().Width());
    }

private:
    wxStaticBox* m_box = nullptr;
    wxStaticText* m_text = nullptr;
    std::wstring m_shown = L"\x1"; // nothing shown yet
};

class PushButtonView : public ControlView {
public:
    PushButtonView(DialogView& dialog, Button& button, wxWindow* parent)
        : ControlView(dialog, button), m_button(new wxButton(parent, wxID_ANY, "")) {
        Attach(m_button);
        if (button.IsDefaultButton())
            m_button->SetDefault();
        On(m_button, wxEVT_BUTTON, [this](wxCommandEvent&) {
            if (auto* model = dynamic_cast<Button*>(Model()))
                gesture::Click(*model);
        });
    }

protected:
    void ShowText() override {
        if (Model() && m_button->GetLabel() != ToWx(Model()->GetWindowText()))
            m_button->SetLabel(ToWx(Model()->GetWindowText()));
    }

private:
    wxButton* m_button;
};

class CheckBoxView : public ControlView {
public:
    CheckBoxView(DialogView& dialog, Button& button, wxWindow* parent)
        : ControlView(dialog, button), m_check(new wxCheckBox(parent, wxID_ANY, "")) {
        Attach(m_check);
        ShowState();
        // The box has ticked itself; the model toggles too and the view compares.
        On(m_check, wxEVT_CHECKBOX, [this](wxCommandEvent&) {
            if (auto* model = dynamic_cast<Button*>(Model()))
                gesture::Click(*model);
            ShowState();
        });
    }

protected:
    void ShowText() override {
        if (Model() && m_check->GetLabel() != ToWx(Model()->GetWindowText()))
            m_check->SetLabel(ToWx(Model()->GetWindowText()));
    }
    void OnModelChanged(WindowChange change, uintptr_t) override {
        if (change == WindowChange::State)
            ShowState();
    }

private:
    void ShowState() {
        auto* model = dynamic_cast<Button*>(Model());
        if (model && m_check->GetValue() != (model->GetCheck() == BST_CHECKED))
            m_check->SetValue(model->GetCheck() == BST_CHECKED);
    }

    wxCheckBox* m_check;
};

bool IsRadio(const Window* window) {
    auto* control = dynamic_cast<const Control*>(window);
    return control && control->GetControlKind() == ControlKind::RadioButton;
}

// The radio buttons next to each other in their parent form a group, as the gestures count
// them; the toolkit groups its buttons the same way.
class RadioButtonView : public ControlView {
public:
    RadioButtonView(DialogView& dialog, Button& button, wxWindow* parent)
        : ControlView(dialog, button) {
        const auto& siblings = button.GetParent()->GetChildren();
        size_t at = 0;
        while (at < siblings.size() && siblings[at] != &button)
            ++at;
        bool first = at == 0 || !IsRadio(siblings[at - 1]);
        bool last = at + 1 >= siblings.size() || !IsRadio(siblings[at + 1]);
        m_radio = new wxRadioButton(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                                    first ? wxRB_GROUP : 0);
        if (last) {
            m_groupEnd = new wxRadioButton(parent, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                                           0, wxDefaultValidator, kGroupEnd);
            m_groupEnd->Hide();
        }
        Attach(m_radio);
        ShowState();
        On(m_radio, wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
            if (auto* model = dynamic_cast<Button*>(Model()))
                gesture::Click(*model);
            ShowState();
        });
    }
    ~RadioButtonView() override {
        if (m_groupEnd)
            m_groupEnd->Destroy();
    }

protected:
    void ShowText() override {
        if (Model() && m_radio->GetLabel() != ToWx(Model()->GetWindowText()))
            m_radio->SetLabel(ToWx(Model()->GetWindowText()));
    }
    void OnModelChanged(WindowChange change, uintptr_t) override {
        if (change == WindowChange::State)
            ShowState();
    }

private:
    void ShowState() {
        auto* model = dynamic_cast<Button*>(Model());
        if (!model)
            return;
        bool checked = model->GetCheck() == BST_CHECKED;
        if (m_radio->GetValue() == checked)
            return;
        Updating scope(m_updating);
        if (checked) {
            m_radio->SetValue(true);
        } else if (wxRadioButton* end = GroupEnd()) {
            end->SetValue(true);
        }
    }

    // The hidden button after the last of this button's group.
    wxRadioButton* GroupEnd() const {
        const wxWindowList& siblings = m_radio->GetParent()->GetChildren();
        auto node = siblings.Find(m_radio);
        for (; node; node = node->GetNext())
            if (auto* radio = wxDynamicCast(node->GetData(), wxRadioButton);
                radio && radio->GetName() == kGroupEnd)
                return radio;
        return nullptr;
    }

    wxRadioButton* m_radio;
    wxRadioButton* m_groupEnd = nullptr;
};

} // namespace

std::unique_ptr<ControlView> MakeButtonView(DialogView& dialog, Control& control,
                                            wxWindow* parent) {
    auto* button = dynamic_cast<Button*>(&control);
    switch (control.GetControlKind()) {
    case ControlKind::PushButton:
        if (button)
            return std::make_unique<PushButtonView>(dialog, *button, parent);
        break;
    case ControlKind::CheckBox:
        if (button)
            return std::make_unique<CheckBoxView>(dialog, *button, parent);
        break;
    case ControlKind::RadioButton:
        if (button)
            return std::make_unique<RadioButtonView>(dialog, *button, parent);
        break;
    default:
        break;
    }
    return std::make_unique<StaticView>(dialog, control, parent);
}

} // namespace ui::desk
