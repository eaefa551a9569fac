#pragma once
// The FTP server of the CTest fixture "ftp_server", and a site of its own for each test: a
// folder below the served root that the test's login file names as its base folder, so that
// tests running at the same time never see each other's files.

#include "support/TestSupport.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ovtest {

// The port the fixture's server listens on (a test that cannot read it fails).
int FtpTestPort();
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
    FtpTestSite();
    ~FtpTestSite();
    FtpTestSite(const FtpTestSite&) = delete;
    FtpTestSite& operator=(const FtpTestSite&) = delete;

    // The site's folder name below the server's root.
    const std::wstring& Name() const { return m_name; }
    // A file of the site on the server's disk; names are stored in CP936, as they travel.
    std::filesystem::path Native(const std::wstring& relative) const;
    void Write(const std::wstring& relative, const std::string& bytes) const;
    std::string Read(const std::wstring& relative) const;
    bool Exists(const std::wstring& relative) const;
    // The non-empty lines of a text file of the site, decoded from CP936.
    std::vector<std::wstring> Lines(const std::wstring& relative) const;

    // Writes "LocalData\OvFTPLoginInfo.sys" into the installation.
    void WriteLoginFile(const TempFolder& installation, FtpTestLogin login = {}) const;
    // The server's log lines that name a path of this site.
    std::vector<std::string> LogLines() const;

private:
    std::wstring m_name;
};

} // namespace ovtest

#include "platform/cad/CommandLine.h"
#include "platform/ui/ScriptedBackend.h"
#include "server/SyncPause.h"

#include <gtest/gtest.h>

namespace ovtest {

// A client installation (kind 1) logged in to a fresh site of its own; message boxes are
// recorded, and the protocol's pauses are recorded instead of waited.
class FtpClientTest : public ::testing::Test {
protected:
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

} // namespace ovtest
