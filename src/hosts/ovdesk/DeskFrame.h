#pragma once
// The main frame of the desktop host: the drawing view above the command line, the menus File,
// OvManage (the module's seven commands), View and Drawings (the open drawings), and a status
// bar with the pointer's coordinates. Menu commands are entered on the command line as if
// typed.

#include <wx/frame.h>

#include <functional>
#include <string>

class wxMenu;

namespace desk {

class CommandPane;
class DrawingView;

class DeskFrame : public wxFrame {
public:
    DeskFrame(const wxFont& font, std::wstring templateFolder);

    DrawingView& View() const { return *m_view; }
    CommandPane& Pane() const { return *m_pane; }
    // Where the menus' command lines go; false when the host cannot take a command now.
    void SetCommandRunner(std::function<bool(const std::wstring&)> run) { m_run = std::move(run); }
    // The close box and File > Exit.
    void SetCloseRequester(std::function<void()> close) { m_close = std::move(close); }
    // Shows the current drawing's name in the caption.
    void ShowDocument();

private:
    void BuildMenus();
    void Run(const std::wstring& line);
    void OnOpen();
    void OnNew();
    void OnSaveAs();
    void FillDrawingsMenu();

    DrawingView* m_view;
    CommandPane* m_pane;
    wxMenu* m_drawings = nullptr;
    std::wstring m_templateFolder;
    std::function<bool(const std::wstring&)> m_run;
    std::function<void()> m_close;
};

} // namespace desk
