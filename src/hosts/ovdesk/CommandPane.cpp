#include "CommandPane.h"

#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace desk {

namespace {
// The history keeps the last this many characters.
constexpr long kHistoryLimit = 200000;
} // namespace

CommandPane::CommandPane(wxWindow* parent, const wxFont& font) : wxPanel(parent, wxID_ANY) {
    m_history = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                               wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
    m_input =
        new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxTE_PROCESS_ENTER);
    m_history->SetFont(font);
    m_input->SetFont(font);
    m_input->SetHint(wxString::FromUTF8("Type a command"));
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_history, 1, wxEXPAND);
    sizer->Add(m_input, 0, wxEXPAND | wxTOP, 2);
    SetSizer(sizer);
    m_input->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
        std::wstring line = m_input->GetValue().ToStdWstring();
        m_input->Clear();
        if (m_submit)
            m_submit(line);
    });
}

void CommandPane::Append(std::wstring_view text) {
    m_history->AppendText(wxString(text.data(), text.size()));
    if (m_history->GetLastPosition() > kHistoryLimit)
        m_history->Remove(0, m_history->GetLastPosition() - kHistoryLimit / 2);
}

std::wstring CommandPane::History() const {
    return m_history->GetValue().ToStdWstring();
}

void CommandPane::FocusInput() {
    m_input->SetFocus();
}

} // namespace desk
