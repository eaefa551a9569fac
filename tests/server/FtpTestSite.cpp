#include "FtpTestSite.h"
#include "store/LetterCode.h"

#include "platform/text/CodePage.h"
#include "platform/text/TextFile.h"
#include "platform/text/Utf8.h"
#include "platform/text/WideString.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

namespace ovtest {

namespace stdfs = std::filesystem;

namespace {

stdfs::path StateDir(FtpTestServer server) {
    return stdfs::path(server == FtpTestServer::Vsftpd ? OV_VSFTPD_STATE_DIR : OV_FTP_STATE_DIR);
}

// vsftpd's anonymous clients write as another user: what the test writes stays theirs to
// replace, rename and delete.
void OpenToEveryone(const stdfs::path& path) {
    std::error_code ignored;
    stdfs::permissions(path,
                       stdfs::is_directory(path, ignored)
                           ? stdfs::perms::all
                           : stdfs::perms::owner_read | stdfs::perms::owner_write |
                                 stdfs::perms::group_read | stdfs::perms::group_write |
                                 stdfs::perms::others_read | stdfs::perms::others_write,
                       ignored);
}

// "CMD argument" from a line of either server's log, "" for other lines.
std::string CommandOfLogLine(const std::string& line) {
    size_t arrow = line.find("] <- "); // pyftpdlib: "... [user] <- CMD arg"
    if (arrow != std::string::npos)
        return line.substr(arrow + 5);
    const std::string marker = "FTP command: Client \""; // vsftpd
    size_t found = line.find(marker);
    if (found == std::string::npos)
        return "";
    size_t start = line.find(", \"", found + marker.size());
    if (start == std::string::npos || line.size() < start + 4)
        return "";
    return line.substr(start + 3, line.size() - start - 4);
}

} // namespace

int FtpTestPort(FtpTestServer server) {
    std::ifstream in(StateDir(server) / "port");
    int port = 0;
    in >> port;
    EXPECT_GT(port, 0) << "the FTP test server is not running (no port in " << StateDir(server)
                       << ")";
    return port;
}

FtpTestSite::FtpTestSite(FtpTestServer server) : m_server(server) {
    static std::atomic<int> counter{0};
    m_name = std::wstring(server == FtpTestServer::Vsftpd ? L"sites/" : L"") + L"site-" +
             std::to_wstring(::getpid()) + L"-" + std::to_wstring(counter++);
    stdfs::remove_all(Native(L""));
    stdfs::create_directories(Native(L""));
    OpenToEveryone(Native(L""));
}

FtpTestSite::~FtpTestSite() {
    std::error_code ignored;
    stdfs::remove_all(Native(L""), ignored);
}

stdfs::path FtpTestSite::Native(const std::wstring& relative) const {
    stdfs::path path = StateDir(m_server) / "root" / Cp936(m_name);
    for (const std::wstring& part : text::Split(relative, L"\\"))
        if (!part.empty())
            path /= Cp936(part);
    return path;
}

void FtpTestSite::Write(const std::wstring& relative, const std::string& bytes) const {
    stdfs::path path = Native(relative);
    stdfs::create_directories(path.parent_path());
    for (stdfs::path folder = path.parent_path(); folder != Native(L"").parent_path();
         folder = folder.parent_path())
        OpenToEveryone(folder);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    OpenToEveryone(path);
    KeepForFuzzing(path, bytes);
}

std::string FtpTestSite::Read(const std::wstring& relative) const {
    std::ifstream in(Native(relative), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FtpTestSite::Exists(const std::wstring& relative) const {
    std::error_code ignored;
    return stdfs::exists(Native(relative), ignored);
}

std::vector<std::wstring> FtpTestSite::Lines(const std::wstring& relative) const {
    std::vector<std::wstring> lines;
    for (const std::wstring& line :
         text::SplitTextLines(text::CodePage("CP936").Decode(Read(relative))))
        if (!text::Trim(line).empty())
            lines.push_back(text::Trim(line));
    return lines;
}

void FtpTestSite::WriteLoginFile(const TempFolder& installation, FtpTestLogin login) const {
    bool anonymous = login.anonymous || m_server == FtpTestServer::Vsftpd;
    std::vector<std::wstring> lines = {
        L"unused",
        login.base.empty() ? m_name : login.base,
        login.host,
        std::to_wstring(login.port ? login.port : FtpTestPort(m_server)),
        anonymous ? L"1" : L"0",
        login.user,
        login.password,
        L"",
        L"",
        L"",
        login.passive ? L"1" : L"0"};
    std::string bytes;
    for (const std::wstring& line : lines)
        bytes += text::ToUtf8(EncodeLetters(line)) + "\r\n";
    installation.WriteBytes(L"LocalData\\OvFTPLoginInfo.sys", bytes);
}

std::vector<std::string> FtpTestSite::Commands() const {
    const char* log = m_server == FtpTestServer::Vsftpd ? "vsftpd.log" : "ftp.log";
    std::ifstream in(StateDir(m_server) / log, std::ios::binary);
    std::string marker = "/";
    marker += text::ToUtf8(m_name);
    std::vector<std::string> commands;
    for (std::string line; std::getline(in, line);) {
        std::string command = CommandOfLogLine(line);
        size_t found = command.find(marker);
        size_t end = found + marker.size();
        if (found != std::string::npos && (end == command.size() || command[end] == '/'))
            commands.push_back(command);
    }
    return commands;
}

std::vector<std::string> DroppedCatalogueEntries(const FtpTestSite& site) {
    std::ifstream in(StateDir(FtpTestServer::Pyftpdlib) / "catalogue-drops.log");
    std::string marker = "/";
    marker += text::ToUtf8(site.Name());
    marker += "/";
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.find(marker) != std::string::npos)
            lines.push_back(line);
    return lines;
}

std::string FtpTestServerName(const ::testing::TestParamInfo<FtpTestServer>& info) {
    return info.param == FtpTestServer::Vsftpd ? "vsftpd" : "pyftpdlib";
}

INSTANTIATE_TEST_SUITE_P(On, FtpClientTest,
                         ::testing::Values(FtpTestServer::Pyftpdlib, FtpTestServer::Vsftpd),
                         FtpTestServerName);
INSTANTIATE_TEST_SUITE_P(On, PyftpdlibClientTest, ::testing::Values(FtpTestServer::Pyftpdlib),
                         FtpTestServerName);

} // namespace ovtest
