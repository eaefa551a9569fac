#pragma once
// The FTP servers of the CTest fixture "ftp_server" (pyftpdlib and vsftpd on 127.0.0.1), and a
// site of its own for each test: a folder below a server's root that the test's login file
// names as its base folder, so that tests running at the same time never see each other's
// files.

#include "support/TestSupport.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ovtest {

enum class FtpTestServer {
    // User logins, and the test modes of scripts/ftp-test-server (dropped and cut transfers,
    // refused renames, the watch on every stored catalogue).
    Pyftpdlib,
    // Anonymous logins only; sites lie in the served folder "sites".
    Vsftpd,
};

// The port the server listens on (a test that cannot read it fails).
int FtpTestPort(FtpTestServer server = FtpTestServer::Pyftpdlib);
// A port on 127.0.0.1 on which nothing listens: a server that is down.
inline constexpr int kUnusedLocalPort = 1;

struct FtpTestLogin {
    std::wstring host = L"127.0.0.1";
    int port = 0; // 0: the test server's port
    bool anonymous = false;
    std::wstring user = L"ovuser";
    std::wstring password = L"ovpass";
    bool passive = true;
    // Empty: the site's own folder.
    std::wstring base;
};

class FtpTestSite {
public:
    explicit FtpTestSite(FtpTestServer server = FtpTestServer::Pyftpdlib);
    ~FtpTestSite();
    FtpTestSite(const FtpTestSite&) = delete;
    FtpTestSite& operator=(const FtpTestSite&) = delete;

    FtpTestServer Server() const { return m_server; }
    // The site's folder from the server's root ("site-..." or "sites/site-...").
    const std::wstring& Name() const { return m_name; }
    // A file of the site on the server's disk; names are stored in CP936, as they travel.
    std::filesystem::path Native(const std::wstring& relative) const;
    // Writes a file that every client of the server may replace, rename and delete.
    void Write(const std::wstring& relative, const std::string& bytes) const;
    std::string Read(const std::wstring& relative) const;
    bool Exists(const std::wstring& relative) const;
    // The non-empty lines of a text file of the site, decoded from CP936.
    std::vector<std::wstring> Lines(const std::wstring& relative) const;

    // Writes "LocalData\OvFTPLoginInfo.sys" into the installation (anonymous on vsftpd).
    void WriteLoginFile(const TempFolder& installation, FtpTestLogin login = {}) const;
    // The commands ("RETR /site-.../a.dwg") the server logged that name a path of this site.
    std::vector<std::string> Commands() const;

private:
    FtpTestServer m_server;
    std::wstring m_name;
};

// Entries dropped from a "Server.xml" by whoever replaced it, as pyftpdlib's watch logged
// them: one line "USER dropped FILES from PATH" each, for the catalogues of this site.
std::vector<std::string> DroppedCatalogueEntries(const FtpTestSite& site);

} // namespace ovtest

#include "platform/cad/CommandLine.h"
#include "platform/ui/ScriptedBackend.h"
#include "server/SyncPause.h"

#include <gtest/gtest.h>

namespace ovtest {

// A client installation (kind 1) logged in to a fresh site of its own on each test server;
// message boxes are recorded, and the protocol's pauses are recorded instead of waited.
class FtpClientTest : public ::testing::TestWithParam<FtpTestServer> {
protected:
    FtpClientTest() : site(GetParam()) {}
    void SetUp() override {
        site.WriteLoginFile(installation);
        cad::CommandLine::Instance().Clear();
        SetSyncPauseForTesting([this](int ms) { pauses.push_back(ms); });
    }
    void TearDown() override { SetSyncPauseForTesting(nullptr); }

    TempInstallation installation{TempInstallation::Options{.kind = 1}};
    FtpTestSite site;
    ui::ScriptedBackend boxes;
    std::vector<int> pauses;
};

// The same on pyftpdlib alone, for tests of its test modes.
class PyftpdlibClientTest : public FtpClientTest {};

std::string FtpTestServerName(const ::testing::TestParamInfo<FtpTestServer>& info);

} // namespace ovtest
