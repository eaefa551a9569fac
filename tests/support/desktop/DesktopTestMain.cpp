// The main of the desktop test programs: the toolkit on the fixture's X server, the tests run
// inside its event loop.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/image.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class DesktopTestApp : public wxApp {
public:
    bool OnInit() override {
        // Dialogs come and go; the loop runs until the tests are done.
        SetExitOnFrameDelete(false);
        wxInitAllImageHandlers();
        // The toolkit's own messages go to standard error, not to boxes of their own.
        delete wxLog::SetActiveTarget(new wxLogStderr);
        CallAfter([this] {
            m_result = RUN_ALL_TESTS();
            ExitMainLoop();
        });
        return true;
    }
    int OnRun() override {
        wxApp::OnRun();
        return m_result;
    }

private:
    int m_result = 1;
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    // The fixture's server, never the user's display: the tests move the pointer and press keys.
    std::ifstream file(std::string(OV_XVFB_STATE_DIR) + "/display");
    std::string display;
    if (!(file >> display)) {
        std::fprintf(stderr, "No X server for the desktop tests: the fixture "
                             "(scripts/xvfb-test-server) did not start one.\n");
        return 1;
    }
    setenv("DISPLAY", display.c_str(), 1);
    setenv("GDK_BACKEND", "x11", 1);
    setenv("NO_AT_BRIDGE", "1", 1);
    unsetenv("WAYLAND_DISPLAY");
    wxApp::SetInstance(new DesktopTestApp);
    return wxEntry(argc, argv);
}
