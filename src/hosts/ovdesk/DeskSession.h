#pragma once
// A session of the desktop host: the stand-in CAD host with the module loaded, its command
// line fed by what the user types (or picks from the menus) and by the script's lines, its
// placement loops fed by the drawing view, its dialogs shown by the desktop backend. Whatever
// waits for the user runs the toolkit's event loop until the answer comes.
//
// A script's lines run first, as if typed: at the command prompt they are commands ("win
// ACTION" acts on the open modeless window), in a modal dialog they are the dialog's actions,
// in a placement loop they are pointer input ("pick 10,20"). With a screenshot asked for, once
// the script has run and the host is idle, the screen area of the host's windows is written
// and the session ends; otherwise the user takes over.

#include "platform/cad/InputSource.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

class wxEventLoopBase;

namespace ui {
class Dialog;
namespace desk {
class DesktopBackend;
}
} // namespace ui

namespace desk {

class DeskFrame;

struct DeskOptions {
    std::filesystem::path script;
    std::wstring answers;
    bool answersGiven = false;
    std::filesystem::path module = OV_MODULE_PATH;
    std::filesystem::path profile;
    std::filesystem::path screenshot;
};

// False with the reason for arguments the host does not take.
bool ParseDeskOptions(int argc, char** argv, DeskOptions& options, std::string& error);

class DeskSession {
public:
    DeskSession(DeskOptions options, ui::desk::DesktopBackend& backend, DeskFrame& frame);
    ~DeskSession();

    // Starts the host and runs it until QUIT, or until the script has run when a screenshot is
    // asked for. The exit status: 0, or 1 when the screenshot could not be written, 2 for a
    // script that cannot be read or answers that mean nothing.
    int Run();

    // A line the user entered at the command line or a menu asked for; false when no one waits
    // for a command (a command is running).
    bool SubmitCommand(const std::wstring& line);
    // The frame's close box: QUIT at the command prompt, otherwise the waiting command is
    // cancelled first.
    void RequestClose();

private:
    enum class Waiting { Nothing, Command, Answer, Input };

    std::optional<std::wstring> NextCommandLine();
    std::optional<cad::InputEvent> NextInputEvent();
    void DriveModal(ui::Dialog& dialog);
    std::optional<std::wstring> TakeScriptLine();
    // Runs the event loop until an answer or an event arrives or the session closes.
    void Wait(Waiting what);
    void WakeUp();
    // The script has run: a screenshot is written and the session closes, if one was asked for.
    void ScriptRanOut();
    bool ActOnOpenWindow(const std::wstring& line);
    void Idle();

    DeskOptions m_options;
    ui::desk::DesktopBackend& m_backend;
    DeskFrame& m_frame;
    std::deque<std::wstring> m_script;
    std::deque<std::wstring> m_typed;
    std::deque<cad::InputEvent> m_events;
    std::vector<wxEventLoopBase*> m_loops;
    Waiting m_waiting = Waiting::Nothing;
    bool m_closing = false;
    bool m_screenshotFailed = false;
};

} // namespace desk
