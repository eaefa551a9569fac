// Two host processes and one drawing: while one has it open, the other's open-save-close
// routine neither opens nor saves it; once the first ends, or dies, the drawing is free again.

#include "drawing/OpenSaveClose.h"
#include "platform/cad/CommandLine.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace ovtest;

namespace {

// A second console host, fed commands through a pipe.
class OtherHost {
public:
    OtherHost() {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(fds[0], 0);
            int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::close(fds[1]);
            ::execl(OV_CONSOLE_HOST, OV_CONSOLE_HOST, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[0]);
        m_input = fds[1];
    }
    ~OtherHost() {
        if (m_input >= 0)
            ::close(m_input);
        if (m_pid > 0)
            ::waitpid(m_pid, nullptr, 0);
    }
    void Send(const std::string& line) {
        std::string text = line + "\n";
        EXPECT_EQ(::write(m_input, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    // Ends at its end of input: it closes its drawings as it quits.
    void Quit() {
        ::close(m_input);
        m_input = -1;
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    void Kill() {
        ::kill(m_pid, SIGKILL);
        Quit();
    }

private:
    pid_t m_pid = -1;
    int m_input = -1;
};

bool WaitFor(const TempFolder& folder, const std::wstring& file) {
    for (int i = 0; i < 200 && !folder.Exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return folder.Exists(file);
}

class TwoHosts : public ::testing::Test {
protected:
    TwoHosts() {
        installation.MakeFolder(L"Q");
        SaveDrawing(installation.Path(L"Q\\A.dwg"));
    }
    std::wstring Drawing() const { return installation.Path(L"Q\\A.dwg"); }

    TempInstallation installation;
    HostSession host;
};

} // namespace

TEST_F(TwoHosts, ADrawingOpenInAnotherHostIsNeitherOpenedNorSaved) {
    OtherHost other;
    other.Send("OPEN " + installation.NativePath(L"Q\\A.dwg").string());
    ASSERT_TRUE(WaitFor(installation, L"Q\\A.dwl2"));
    std::string before = installation.ReadBytes(L"Q\\A.dwg");
    EXPECT_EQ(OpenSaveCloseDrawing(Drawing(), 1), 0);
    ASSERT_EQ(host.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(host.Boxes().Boxes()[0].text,
              L"\"" + Drawing() + L"\"文件在另一软件被打开，无法执行打开保存操作。");
    std::wstring line = cad::CommandLine::Instance().Text();
    EXPECT_NE(line.find(L"\"" + Drawing() + L"\"正由"), std::wstring::npos) << line;
    EXPECT_EQ(acDocManager->findDocument(Drawing()), nullptr);
    EXPECT_EQ(installation.ReadBytes(L"Q\\A.dwg"), before);

    other.Quit();
    EXPECT_FALSE(installation.Exists(L"Q\\A.dwl")) << "the other host cleaned up";
    EXPECT_EQ(OpenSaveCloseDrawing(Drawing(), 1), 1);
}

TEST_F(TwoHosts, TheLockFilesOfAHostThatDiedAreStaleAndGo) {
    OtherHost other;
    other.Send("OPEN " + installation.NativePath(L"Q\\A.dwg").string());
    ASSERT_TRUE(WaitFor(installation, L"Q\\A.dwl2"));
    other.Kill();
    EXPECT_TRUE(installation.Exists(L"Q\\A.dwl")) << "left behind";
    EXPECT_EQ(OpenSaveCloseDrawing(Drawing(), 1), 1);
    EXPECT_TRUE(host.Boxes().Boxes().empty());
    EXPECT_FALSE(installation.Exists(L"Q\\A.dwl"));
    EXPECT_FALSE(installation.Exists(L"Q\\A.dwl2"));
}
