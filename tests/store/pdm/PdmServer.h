#pragma once
// The PostgreSQL server that the fixture "pdm_server" started (start-server.sh), and an
// installation whose settings files point at it.

#include "platform/ui/ScriptedBackend.h"
#include "support/TestSupport.h"

#include <string>

#include <gtest/gtest.h>

namespace ovtest {

// For fixtures that cannot derive from PdmServerTest (the desktop tests have a backend of
// their own): reads the server's port and driver registration once; "" or why it cannot.
std::string UsePdmTestServer();
// Points both databases of the installation at the test server (or at `port` instead).
void WritePdmSettings(const TempFolder& installation, const std::string& port = {});

class PdmServerTest : public ::testing::Test {
protected:
    // Reads the server's port and driver registration and writes the settings; a test that
    // cannot find its server fails.
    void SetUp() override;
    ~PdmServerTest() override;

    // Points both databases at the test server (or at `port` instead).
    void WriteSettings(const std::string& port = {});

    static std::string ServerPort();
    // A socket bound to a free port on 127.0.0.1, and that port.
    static int BindLoopback(std::string& port);
    // A port on 127.0.0.1 where nothing listens.
    static std::string ClosedPort();

    TempInstallation m_installation;
    ui::ScriptedBackend m_boxes;
};

} // namespace ovtest
