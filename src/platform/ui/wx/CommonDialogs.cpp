// Message boxes, file and folder choosers and popup menus of the desktop backend.

#include "platform/fs/LogicalPath.h"
#include "platform/text/Utf8.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/wx/Convert.h"
#include "platform/ui/wx/DesktopBackend.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>

#include <filesystem>
#include <vector>

namespace ui::desk {

namespace {

wxString NativePath(const std::wstring& logical) {
    return logical.empty() ? wxString() : wxString::FromUTF8(fs::ToNative(logical).string());
}

std::wstring LogicalPath(const wxString& native) {
    return fs::ToLogical(std::filesystem::path(std::string(native.utf8_str())));
}

// The button labels of the users' systems.
const wxString kOk = wxString::FromUTF8("确定");
const wxString kCancel = wxString::FromUTF8("取消");

// Builds the toolkit's menu from the model; `commands` maps the toolkit's ids (their index + 1)
// back to the model's, so that no model id collides with an id the toolkit reserves.
void BuildMenu(const Menu& model, wxMenu& menu, std::vector<unsigned>& commands) {
    for (const Menu::Item& item : model.Items()) {
        if (item.flags & MF_SEPARATOR) {
            menu.AppendSeparator();
        } else if ((item.flags & MF_POPUP) && item.popup) {
            auto* sub = new wxMenu;
            BuildMenu(*item.popup, *sub, commands);
            menu.AppendSubMenu(sub, ToWx(item.text))
                ->Enable(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        } else {
            commands.push_back(item.id);
            int id = static_cast<int>(commands.size());
            wxMenuItem* added = (item.flags & MF_CHECKED)
                                    ? menu.AppendCheckItem(id, ToWx(item.text))
                                    : menu.Append(id, ToWx(item.text));
            if (item.flags & MF_CHECKED)
                added->Check(true);
            added->Enable(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        }
    }
}

} // namespace

int DesktopBackend::MessageBox(Window* owner, const std::wstring& text, const std::wstring& caption,
                               unsigned flags) {
    if (m_closing)
        return DefaultAnswer(flags);
    if (!m_answers.empty()) {
        int answer = m_answers.front();
        m_answers.pop_front();
        if (!IsAnswerOf(flags, answer))
            answer = DefaultAnswer(flags);
        if (m_reportAnswered)
            m_reportAnswered(caption, text, flags, answer);
        return answer;
    }
    long style = 0;
    unsigned buttons = flags & MB_TYPEMASK;
    bool secondIsDefault = (flags & MB_DEFMASK) == MB_DEFBUTTON2;
    switch (buttons) {
    case MB_OKCANCEL:
    case MB_RETRYCANCEL:
        style = wxOK | wxCANCEL | (secondIsDefault ? wxCANCEL_DEFAULT : 0);
        break;
    case MB_YESNO:
        style = wxYES_NO | (secondIsDefault ? wxNO_DEFAULT : 0);
        break;
    case MB_YESNOCANCEL:
    case MB_ABORTRETRYIGNORE:
        style = wxYES_NO | wxCANCEL | (secondIsDefault ? wxNO_DEFAULT : 0);
        break;
    default:
        style = wxOK;
        break;
    }
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
        style |= wxICON_ERROR;
        break;
    case MB_ICONQUESTION:
        style |= wxICON_QUESTION;
        break;
    case MB_ICONEXCLAMATION:
        style |= wxICON_EXCLAMATION;
        break;
    case MB_ICONINFORMATION:
        style |= wxICON_INFORMATION;
        break;
    default:
        style |= wxICON_NONE;
        break;
    }
    wxMessageDialog box(ParentWidget(owner), ToWx(text), ToWx(caption), style);
    box.SetOKCancelLabels(buttons == MB_RETRYCANCEL ? wxString::FromUTF8("重试(&R)") : kOk,
                          kCancel);
    if (buttons == MB_ABORTRETRYIGNORE)
        box.SetYesNoCancelLabels(wxString::FromUTF8("中止(&A)"), wxString::FromUTF8("重试(&R)"),
                                 wxString::FromUTF8("忽略(&I)"));
    else
        box.SetYesNoCancelLabels(wxString::FromUTF8("是(&Y)"), wxString::FromUTF8("否(&N)"),
                                 kCancel);
    int result = box.ShowModal();
    switch (result) {
    case wxID_OK:
        return buttons == MB_RETRYCANCEL ? IDRETRY : IDOK;
    case wxID_YES:
        return buttons == MB_ABORTRETRYIGNORE ? IDABORT : IDYES;
    case wxID_NO:
        return buttons == MB_ABORTRETRYIGNORE ? IDRETRY : IDNO;
    default:
        // Closing the box: Cancel where there is one, else what the only button says.
        if (buttons == MB_ABORTRETRYIGNORE)
            return IDIGNORE;
        return buttons == MB_OK ? IDOK : IDCANCEL;
    }
}

bool DesktopBackend::ChooseFile(Window* owner, FileChooserRequest& request) {
    if (m_closing)
        return false;
    // "Drawings|*.dwg|All files|*.*|" is the Windows form; the toolkit takes it without the
    // closing bar.
    wxString filter = ToWx(request.filter);
    if (filter.EndsWith("|"))
        filter.RemoveLast();
    if (filter.empty())
        filter = "*";
    long style = request.save ? wxFD_SAVE : wxFD_OPEN;
    if (request.save && (request.flags & OFN_OVERWRITEPROMPT))
        style |= wxFD_OVERWRITE_PROMPT;
    if (!request.save && (request.flags & OFN_FILEMUSTEXIST))
        style |= wxFD_FILE_MUST_EXIST;
    if (!request.save && (request.flags & OFN_ALLOWMULTISELECT))
        style |= wxFD_MULTIPLE;
    std::wstring name = request.fileName;
    if (size_t slash = name.find_last_of(L'\\'); slash != std::wstring::npos)
        name = name.substr(slash + 1);
    wxFileDialog chooser(ParentWidget(owner), ToWx(request.title),
                         NativePath(request.initialFolder), ToWx(name), filter, style);
    if (chooser.ShowModal() != wxID_OK)
        return false;
    request.fileNames.clear();
    if (style & wxFD_MULTIPLE) {
        wxArrayString paths;
        chooser.GetPaths(paths);
        for (const wxString& chosen : paths)
            request.fileNames.push_back(LogicalPath(chosen));
        if (request.fileNames.empty())
            return false;
        request.fileName = request.fileNames.front();
        return true;
    }
    std::wstring path = LogicalPath(chooser.GetPath());
    // As the Windows chooser does, a saved name without an extension gets the default one.
    size_t slash = path.find_last_of(L'\\');
    if (request.save && !request.defaultExtension.empty() &&
        path.find(L'.', slash == std::wstring::npos ? 0 : slash) == std::wstring::npos)
        path += L"." + request.defaultExtension;
    request.fileName = path;
    request.fileNames.push_back(path);
    return true;
}

bool DesktopBackend::ChooseFolder(Window* owner, FolderChooserRequest& request) {
    if (m_closing)
        return false;
    wxDirDialog chooser(ParentWidget(owner), ToWx(request.title), NativePath(request.initialFolder),
                        wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK)
        return false;
    request.folder = LogicalPath(chooser.GetPath());
    return true;
}

unsigned DesktopBackend::TrackPopupMenu(Window* owner, const Menu& menu, Point screen) {
    // A scripted right click goes on with the command it names.
    if (m_pendingMenu && !m_menuShown) {
        m_menuShown = true;
        return m_pendingMenu;
    }
    wxWindow* parent = ParentWidget(owner);
    if (m_closing || !parent)
        return 0;
    wxMenu popup;
    std::vector<unsigned> commands;
    BuildMenu(menu, popup, commands);
    int chosen = parent->GetPopupMenuSelectionFromUser(popup, parent->ScreenToClient(ToWx(screen)));
    return chosen >= 1 && static_cast<size_t>(chosen) <= commands.size()
               ? commands[static_cast<size_t>(chosen) - 1]
               : 0;
}

} // namespace ui::desk
