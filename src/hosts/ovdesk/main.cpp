// ovdesk: the desktop host. The stand-in CAD host in a main frame a CAD user knows, with the
// drawing view, the command line and the menus; the module OvManage is loaded with dlopen, as
// ovcad loads it, and its dialogs are real windows through the desktop backend.
//
//     ovdesk [--script FILE] [--answers LIST] [--module FILE] [--profile FILE]
//            [--screenshot OUT.png]

#include "DeskFrame.h"
#include "DeskSession.h"

#include "hosts/InstallationCheck.h"
#include "platform/cad/Host.h"
#include "platform/fs/LogicalPath.h"
#include "platform/ui/wx/DesktopBackend.h"

#include <wx/app.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The exit status, kept outside the application object, which the toolkit deletes.
int g_status = 0;

const char kUsage[] = "usage: ovdesk [--script FILE] [--answers LIST] [--module FILE] "
                      "[--profile FILE] [--screenshot OUT.png]\n";

class DeskApp : public wxApp {
public:
    bool OnInit() override {
        std::string error;
        if (!desk::ParseDeskOptions(argc, argv, m_options, error)) {
            std::fprintf(stderr, "ovdesk: %s\n%s", error.c_str(), kUsage);
            g_status = 2;
            return false;
        }
        SetExitOnFrameDelete(false);
        m_backend = std::make_unique<ui::desk::DesktopBackend>();
        std::filesystem::path home = InstallationFolder();
        m_frame = new desk::DeskFrame(m_backend->DialogFont(),
                                      fs::ToLogical(home / "Support" / "TEMPLATE"));
        m_frame->Show();
        m_backend->AttachFrame(*acedGetAcadFrame(), *m_frame);
        CallAfter([this] {
            {
                desk::DeskSession session(m_options, *m_backend, *m_frame);
                g_status = session.Run();
            }
            m_frame->Destroy();
            ExitMainLoop();
        });
        return true;
    }
    int OnExit() override {
        m_backend.reset();
        return wxApp::OnExit();
    }

private:
    desk::DeskOptions m_options;
    std::unique_ptr<ui::desk::DesktopBackend> m_backend;
    desk::DeskFrame* m_frame = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    if (!CheckInstallationFolder("ovdesk"))
        return kNoInstallationStatus;
    // The toolkit draws through X; accessibility's bus is not needed.
    setenv("NO_AT_BRIDGE", "1", 0);
    // The toolkit's own messages go to standard error, not to boxes of their own.
    wxLog::SetActiveTarget(new wxLogStderr);
    wxLog::DontCreateOnDemand();
    wxApp::SetInstance(new DeskApp);
    // Without a display the toolkit does not start and says why.
    int started = wxEntry(argc, argv);
    return g_status != 0 ? g_status : started != 0 ? 1 : 0;
}
