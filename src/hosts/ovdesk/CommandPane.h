#pragma once
// The command line below the drawing: the history of every line the host and the module print,
// and the field where commands and answers are typed.

#include <wx/panel.h>

#include <functional>
#include <string>
#include <string_view>

class wxTextCtrl;

namespace desk {

class CommandPane : public wxPanel {
public:
    CommandPane(wxWindow* parent, const wxFont& font);

    // Adds printed text to the history.
    void Append(std::wstring_view text);
    std::wstring History() const;
    // Receives each line the user enters.
    void SetSubmitter(std::function<void(const std::wstring&)> submit) {
        m_submit = std::move(submit);
    }
    void FocusInput();

private:
    wxTextCtrl* m_history;
    wxTextCtrl* m_input;
    std::function<void(const std::wstring&)> m_submit;
};

} // namespace desk
