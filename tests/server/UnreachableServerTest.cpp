// A server that is down or silent must not hold up every command: the refresh before each
// command tries it once, says so in one line, and leaves it alone for a minute.

#include "FtpTestSite.h"

#include "server/MyFtpConnection.h"
#include "server/UnreachableServers.h"
#include "server/WordDictionaryRefresh.h"

#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A server that takes connections and never says a word: no greeting, no reply.
class SilentServer {
public:
    SilentServer() {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        EXPECT_EQ(::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size), 0);
        EXPECT_EQ(::listen(m_socket, 8), 0);
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { Accept(); });
    }
    ~SilentServer() {
        m_stop = true;
        m_thread.join();
        for (int client : m_clients)
            ::close(client);
        ::close(m_socket);
    }
    int Port() const { return m_port; }
    int Connections() const { return m_connections; }

private:
    void Accept() {
        while (!m_stop) {
            pollfd ready{m_socket, POLLIN, 0};
            if (::poll(&ready, 1, 50) == 1) {
                m_clients.push_back(::accept(m_socket, nullptr, nullptr));
                ++m_connections;
            }
        }
    }

    int m_socket = -1;
    int m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::vector<int> m_clients; // the accepting thread's alone until it has ended
};

// Message boxes as the scripted backend records them, and the wait cursor's changes.
class CursorWatchingBackend : public ui::ScriptedBackend {
public:
    void WaitCursorChanged(int depth) override { depths.push_back(depth); }
    std::vector<int> depths;
};

class UnreachableServer : public ::testing::Test {
protected:
    UnreachableServer() {
        SetUnreachableServerClockForTesting([this] { return m_now; });
        installation.WriteBytes(L"Data\\word.mdb", "local words");
    }
    ~UnreachableServer() override { SetUnreachableServerClockForTesting(nullptr); }

    void LogInTo(int port) {
        ovtest::FtpTestLogin login;
        login.port = port;
        site.WriteLoginFile(installation, login);
    }
    // Runs the refresh that starts every command and says how long it took.
    double Refresh() {
        Clock::time_point start = Clock::now();
        EXPECT_EQ(RefreshWordDictionaryFromServer(), 0);
        return std::chrono::duration<double>(Clock::now() - start).count();
    }
    size_t LinesSaid() const {
        std::wstring said = cad::CommandLine::Instance().Text();
        size_t lines = 0;
        for (size_t at = said.find(L"无法连接服务器"); at != std::wstring::npos;
             at = said.find(L"无法连接服务器", at + 1))
            ++lines;
        return lines;
    }

    Clock::time_point m_now = Clock::now();
    ovtest::TempInstallation installation{ovtest::TempInstallation::Options{.kind = 2}};
    ovtest::FtpTestSite site;
    CursorWatchingBackend boxes;
};

TEST_F(UnreachableServer, ASilentServerCostsOneTimeOutThenIsLeftAloneForAMinute) {
    SilentServer server;
    LogInTo(server.Port());
    cad::CommandLine::Instance().Clear();
    EXPECT_LT(Refresh(), 6.0 + 1.0) << "one connection time-out, not five";
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(boxes.depths, (std::vector<int>{1, 0})) << "the wait cursor while connecting";
    EXPECT_LT(Refresh(), 0.5);
    EXPECT_LT(Refresh(), 0.5);
    EXPECT_EQ(server.Connections(), 1) << "not tried again within the minute";
    EXPECT_EQ(LinesSaid(), 1u);
    std::wstring said = cad::CommandLine::Instance().Text();
    EXPECT_NE(said.find(L"\n无法连接服务器127.0.0.1（"), std::wstring::npos);
    EXPECT_NE(said.find(L"），使用本地数据。\n"), std::wstring::npos);
    EXPECT_EQ(installation.ReadBytes(L"Data\\word.mdb"), "local words");
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(UnreachableServer, AClosedPortIsTriedAgainAfterAMinuteAndBySendsAtOnce) {
    LogInTo(ovtest::kUnusedLocalPort);
    ForgetUnreachableServer(L"127.0.0.1", ovtest::kUnusedLocalPort);
    cad::CommandLine::Instance().Clear();
    EXPECT_LT(Refresh(), 1.0);
    EXPECT_LT(Refresh(), 1.0);
    EXPECT_EQ(LinesSaid(), 1u);
    m_now += kUnreachableServerPause + std::chrono::seconds(1);
    Refresh();
    EXPECT_EQ(LinesSaid(), 2u) << "tried again after the minute";

    // What the user asks for is tried whatever happened a moment ago.
    installation.WriteBytes(L"柜\\a.dwg", "a");
    CMyFtpConnection connection;
    EXPECT_EQ(connection.SendFolderToServer(L"", L"柜", installation.Path(L"柜")), 0);
    EXPECT_EQ(LinesSaid(), 3u);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"\n网络无连接,请检查网络连接后再重试!");
}

TEST_F(UnreachableServer, AServerThatAnswersIsNeverSkipped) {
    // A refused login is an answer: the server is there, and its words are shown.
    ovtest::FtpTestLogin wrong;
    wrong.password = L"wrong";
    site.WriteLoginFile(installation, wrong);
    cad::CommandLine::Instance().Clear();
    Refresh();
    Refresh();
    std::wstring said = cad::CommandLine::Instance().Text();
    EXPECT_EQ(LinesSaid(), 0u);
    EXPECT_NE(said.find(L"530"), said.rfind(L"530")) << "tried at each command";
}

} // namespace
