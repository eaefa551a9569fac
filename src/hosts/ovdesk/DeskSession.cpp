#include "DeskSession.h"

#include "CommandPane.h"
#include "DeskFrame.h"
#include "DrawingView.h"

#include "hosts/InstallationCheck.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/Documents.h"
#include "platform/cad/DynamicLinker.h"
#include "platform/cad/Host.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ConsoleBackend.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/wx/DesktopBackend.h"
#include "platform/ui/wx/Screenshot.h"

#include <wx/app.h>
#include <wx/evtloop.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace desk {

bool ParseDeskOptions(int argc, char** argv, DeskOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return false;
        }
        std::string value = argv[++i];
        if (option == "--script") {
            options.script = value;
        } else if (option == "--answers") {
            options.answers = text::FromUtf8(value);
            options.answersGiven = true;
        } else if (option == "--module") {
            options.module = value;
        } else if (option == "--profile") {
            options.profile = value;
        } else if (option == "--screenshot") {
            options.screenshot = value;
        } else {
            error = "unknown option " + option;
            return false;
        }
    }
    return true;
}

DeskSession::DeskSession(DeskOptions options, ui::desk::DesktopBackend& backend, DeskFrame& frame)
    : m_options(std::move(options)), m_backend(backend), m_frame(frame) {}

DeskSession::~DeskSession() {
    cad::CommandProcessor::Instance().SetInteractiveSource(nullptr);
    cad::InputSource::Instance().SetSupplier(nullptr);
    cad::CommandLine::Instance().SetEcho(nullptr);
    m_backend.SetModalDriver(nullptr);
    m_backend.SetAnsweredBoxReporter(nullptr);
}

int DeskSession::Run() {
    cad::CommandLine::Instance().SetEcho([this](std::wstring_view text) {
        m_frame.Pane().Append(text);
        std::fputs(text::ToUtf8(text).c_str(), stdout);
        std::fflush(stdout);
    });
    if (!m_options.script.empty()) {
        std::ifstream in(m_options.script, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "ovdesk: cannot read the script %s\n", m_options.script.c_str());
            return 2;
        }
        std::string line;
        while (std::getline(in, line))
            m_script.push_back(text::FromUtf8(line));
    }
    if (m_options.answersGiven)
        for (const std::wstring& word : text::Split(m_options.answers, L",")) {
            int answer = ui::ConsoleBackend::AnswerOf(word);
            if (answer == 0) {
                std::fputs("ovdesk: --answers takes words such as yes,no,ok,cancel\n", stderr);
                return 2;
            }
            m_backend.QueueAnswer(answer);
        }
    m_backend.SetAnsweredBoxReporter(
        [](const std::wstring& caption, const std::wstring& text, unsigned flags, int answer) {
            acutPrintf(L"\n[%s] (%s) %s\n-> %s\n", caption, ui::IconName(flags), text,
                       ui::ConsoleBackend::AnswerName(answer));
        });
    m_backend.SetModalDriver([this](ui::Dialog& dialog) { DriveModal(dialog); });
    m_frame.Pane().SetSubmitter([this](const std::wstring& line) {
        if (m_waiting == Waiting::Input) {
            if (std::optional<cad::InputEvent> event = cad::InputSource::Parse(line)) {
                m_events.push_back(*event);
                WakeUp();
            }
        } else if (m_waiting != Waiting::Nothing) {
            cad::CommandLine::Instance().Write(line + L"\n");
            m_typed.push_back(line);
            WakeUp();
        }
    });
    m_frame.SetCommandRunner([this](const std::wstring& line) { return SubmitCommand(line); });
    m_frame.SetCloseRequester([this] { RequestClose(); });
    m_frame.View().SetInputSink([this](const cad::InputEvent& event) {
        if (m_waiting != Waiting::Input)
            return;
        // Of the pointer's moves only the latest counts.
        if (event.kind == cad::InputKind::PointerMove && !m_events.empty() &&
            m_events.back().kind == cad::InputKind::PointerMove)
            m_events.back() = event;
        else
            m_events.push_back(event);
        WakeUp();
    });
    m_frame.Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        Idle();
        event.Skip();
    });

    std::filesystem::path home = InstallationFolder();
    cad::HostOptions hostOptions;
    hostOptions.templateFolder = fs::ToLogical(home / "Support" / "TEMPLATE");
    hostOptions.profilePath =
        fs::ToLogical(m_options.profile.empty() ? home / "HostProfile.ini" : m_options.profile);
    cad::StartHost(hostOptions);
    m_frame.View().ZoomExtents();
    acutPrintf(L"\novdesk on the installation %s\n", fs::ToLogical(home));
    std::wstring error;
    if (!cad::LoadModule(m_options.module, error))
        acutPrintf(L"\nThe module %s cannot be loaded: %s\n",
                   text::FromUtf8(m_options.module.string()), error);

    cad::CommandProcessor& processor = cad::CommandProcessor::Instance();
    processor.SetInteractiveSource([this] { return NextCommandLine(); });
    cad::InputSource::Instance().SetSupplier([this] { return NextInputEvent(); });
    processor.Execute(L"", false, true);
    if (!processor.QuitRequested())
        for (AcApDocument* document : acDocManager->documents())
            if (document->database()->isModified())
                acutPrintf(L"\nThe changes to %s are not saved.\n", document->fileName());
    m_backend.CloseAll();
    cad::StopHost();
    return m_screenshotFailed ? 1 : 0;
}

std::optional<std::wstring> DeskSession::TakeScriptLine() {
    while (!m_script.empty()) {
        std::wstring line = std::move(m_script.front());
        m_script.pop_front();
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        if (!line.empty() && line.front() == L'#')
            continue;
        // Each line is shown after the prompt that takes it, as if it had been typed.
        cad::CommandLine::Instance().Write(line + L"\n");
        return line;
    }
    return std::nullopt;
}

std::optional<std::wstring> DeskSession::NextCommandLine() {
    cad::CommandProcessor& processor = cad::CommandProcessor::Instance();
    for (;;) {
        if (m_closing)
            return std::nullopt;
        m_frame.ShowDocument();
        m_frame.View().RefreshIfChanged();
        ui::desk::Settle();
        if (std::optional<std::wstring> line = TakeScriptLine()) {
            if (!processor.IsBusy() && ActOnOpenWindow(*line))
                return std::wstring();
            return line;
        }
        ScriptRanOut();
        if (m_closing)
            return std::nullopt;
        if (!m_typed.empty()) {
            std::wstring line = std::move(m_typed.front());
            m_typed.pop_front();
            return line;
        }
        Wait(processor.IsBusy() ? Waiting::Answer : Waiting::Command);
    }
}

std::optional<cad::InputEvent> DeskSession::NextInputEvent() {
    for (;;) {
        if (m_closing)
            return std::nullopt;
        m_frame.View().RefreshIfChanged();
        if (std::optional<std::wstring> line = TakeScriptLine()) {
            if (std::optional<cad::InputEvent> event = cad::InputSource::Parse(*line))
                return event;
            acutPrintf(L"\n[move X,Y | pick X,Y | enter | space | esc | aux N]\n");
            continue;
        }
        ScriptRanOut();
        if (!m_events.empty()) {
            cad::InputEvent event = m_events.front();
            m_events.pop_front();
            return event;
        }
        if (m_closing)
            return std::nullopt;
        Wait(Waiting::Input);
    }
}

void DeskSession::DriveModal(ui::Dialog& dialog) {
    while (ui::IsWindowAlive(&dialog) && dialog.IsWindow() && !dialog.HasEnded()) {
        ui::desk::Settle();
        std::optional<std::wstring> line = TakeScriptLine();
        if (!line) {
            ScriptRanOut(); // the user goes on with the dialog, or the session closes
            return;
        }
        std::wstring error;
        std::optional<ui::Action> action = ui::ParseAction(text::Trim(*line), error);
        if (action)
            error = m_backend.PerformScripted(dialog, *action);
        if (!error.empty())
            acutPrintf(L"%s\n", error);
    }
}

bool DeskSession::ActOnOpenWindow(const std::wstring& line) {
    std::wstring trimmed = text::Trim(line);
    if (text::FoldCase(trimmed.substr(0, 3)) != L"win" ||
        (trimmed.size() > 3 && trimmed[3] != L' '))
        return false;
    ui::Dialog* window = nullptr;
    ui::EnumWindows([&window](ui::Window* each) {
        auto* dialog = dynamic_cast<ui::Dialog*>(each);
        if (dialog && !dialog->IsModal() && dialog->IsWindowVisible())
            window = dialog;
        return true;
    });
    std::wstring error = L"There is no open window.";
    std::optional<ui::Action> action;
    if (window && (action = ui::ParseAction(text::Trim(trimmed.substr(3)), error)))
        error = m_backend.PerformScripted(*window, *action);
    if (!error.empty())
        acutPrintf(L"%s\n", error);
    return true;
}

void DeskSession::ScriptRanOut() {
    if (m_options.screenshot.empty() || m_closing)
        return;
    // Idle: every window has drawn what the script left.
    ui::desk::Settle();
    wxMilliSleep(200);
    if (!ui::desk::SaveScreenshot(m_options.screenshot.string())) {
        std::fprintf(stderr, "ovdesk: cannot write the screenshot %s\n",
                     m_options.screenshot.c_str());
        m_screenshotFailed = true;
    }
    m_closing = true;
    m_backend.CloseAll();
    WakeUp();
}

void DeskSession::Wait(Waiting what) {
    Waiting outer = m_waiting;
    m_waiting = what;
    if (what == Waiting::Command)
        m_frame.Pane().FocusInput();
    wxGUIEventLoop loop;
    m_loops.push_back(&loop);
    loop.Run();
    m_loops.pop_back();
    m_waiting = outer;
}

void DeskSession::WakeUp() {
    for (wxEventLoopBase* loop : m_loops)
        if (loop->IsRunning())
            loop->ScheduleExit();
}

bool DeskSession::SubmitCommand(const std::wstring& line) {
    if (m_waiting != Waiting::Command)
        return false;
    cad::CommandLine::Instance().Write(line + L"\n");
    m_typed.push_back(line);
    WakeUp();
    return true;
}

void DeskSession::RequestClose() {
    if (m_waiting == Waiting::Command) {
        SubmitCommand(L"QUIT");
        return;
    }
    // A command waits for an answer or a point: it is cancelled, as Esc does.
    if (m_waiting == Waiting::Input) {
        m_events.push_back(cad::InputEvent{cad::InputKind::Cancel, {}, 0});
        WakeUp();
    } else if (m_waiting == Waiting::Answer) {
        m_typed.push_back(L"(command)");
        WakeUp();
    }
}

void DeskSession::Idle() {
    if (m_waiting == Waiting::Nothing || m_closing)
        return;
    m_frame.View().RefreshIfChanged();
    // What a modeless window sent to the document runs once the host is idle at the prompt.
    if (m_waiting == Waiting::Command && !cad::CommandProcessor::Instance().IsBusy())
        acDocManager->runPendingStrings();
}

} // namespace desk
