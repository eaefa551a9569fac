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

stdfs::path StateDir() {
    return stdfs::path(OV_FTP_STATE_DIR);
}

} // namespace

int FtpTestPort() {
    std::ifstream in(StateDir() / "port");
    int port = 0;
    in >> port;
    EXPECT_GT(port, 0) << "the FTP test server is not running (no port in " << StateDir() << ")";
    return port;
}

FtpTestSite::FtpTestSite() {
    static std::atomic<int> counter{0};
    m_name = L"site-" + std::to_wstring(::getpid()) + L"-" + std::to_wstring(counter++);
    stdfs::remove_all(Native(L""));
    stdfs::create_directories(Native(L""));
}

FtpTestSite::~FtpTestSite() {
    std::error_code ignored;
    stdfs::remove_all(Native(L""), ignored);
}

stdfs::path FtpTestSite::Native(const std::wstring& relative) const {
    stdfs::path path = StateDir() / "root" / Cp936(m_name);
    for (const std::wstring& part : text::Split(relative, L"\\"))
        if (!part.empty())
            path /= Cp936(part);
    return path;
}

void FtpTestSite::Write(const std::wstring& relative, const std::string& bytes) const {
    stdfs::create_directories(Native(relative).parent_path());
    std::ofstream out(Native(relative), std::ios::binary | std::ios::trunc);
    out << bytes;
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
    std::vector<std::wstring> lines = {L"unused",
                                       login.base.empty() ? m_name : login.base,
                                       login.host,
                                       std::to_wstring(login.port ? login.port : FtpTestPort()),
                                       login.anonymous ? L"1" : L"0",
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

std::vector<std::string> FtpTestSite::LogLines() const {
    std::ifstream in(StateDir() / "ftp.log", std::ios::binary);
    std::string marker = "/";
    marker += text::ToUtf8(m_name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        size_t found = line.find(marker);
        size_t end = found + marker.size();
        if (found != std::string::npos &&
            (end == line.size() || line[end] == '/' || line[end] == ' ' || line[end] == '"'))
            lines.push_back(line);
    }
    return lines;
}

} // namespace ovtest
