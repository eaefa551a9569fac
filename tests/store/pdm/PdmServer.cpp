#include "PdmServer.h"

#include "store/LetterCode.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ovtest {

namespace {

std::string& Port() {
    static std::string port;
    return port;
}

} // namespace

std::string UsePdmTestServer() {
    if (!Port().empty())
        return "";
    std::ifstream env(PDM_SERVER_DIR "/server.env");
    if (!env)
        return "the test server is not running: no " PDM_SERVER_DIR "/server.env";
    std::string line;
    while (std::getline(env, line)) {
        size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key = line.substr(0, equals);
        std::string value = line.substr(equals + 1);
        ::setenv(key.c_str(), value.c_str(), 1);
        if (key == "PGPORT")
            Port() = value;
    }
    return Port().empty() ? "no PGPORT in " PDM_SERVER_DIR "/server.env" : "";
}

void WritePdmSettings(const TempFolder& installation, const std::string& port) {
    // psqlODBC takes the port from PGPORT: the connection string stays the product's own.
    ::setenv("PGPORT", (port.empty() ? Port() : port).c_str(), 1);
    auto settings = [](const std::wstring& database) {
        return Cp936Lines(
            {L"服务器名: " + EncodeLetters(L"127.0.0.1"), L"用户名: " + EncodeLetters(L"pdm_app"),
             L"密码: " + EncodeLetters(L"pdm;app{pw}"), L"数据库: " + EncodeLetters(database)});
    };
    installation.WriteBytes(L"Data\\PdmDatabaseSettings.txt", settings(L"pdm"));
    installation.WriteBytes(L"Data\\PdmDatabaseSettings2.txt", settings(L"pdmusers"));
}

void PdmServerTest::SetUp() {
    std::string error = UsePdmTestServer();
    ASSERT_EQ(error, "");
    WriteSettings();
}

PdmServerTest::~PdmServerTest() {
    ::setenv("PGPORT", Port().c_str(), 1);
}

std::string PdmServerTest::ServerPort() {
    return Port();
}

void PdmServerTest::WriteSettings(const std::string& port) {
    WritePdmSettings(m_installation, port);
}

int PdmServerTest::BindLoopback(std::string& port) {
    int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("no free port on 127.0.0.1");
    port = std::to_string(ntohs(address.sin_port));
    return socket;
}

std::string PdmServerTest::ClosedPort() {
    std::string port;
    ::close(BindLoopback(port));
    return port;
}

} // namespace ovtest
