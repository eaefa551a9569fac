#pragma once
// A running host with the module loaded and the sample Project in its installation, for the
// tests of the management window. The window is opened as users open it, with "XMMANAGE" or
// "SBMANAGE", and found through the module's single-instance pointer.

#include "frame/ManageApp.h"
#include "frame/ManageGlobals.h"
#include "manager/ManageDlg.h"
#include "platform/cad/CommandLine.h"
#include "support/HostSupport.h"
#include "support/RecordLines.h"
#include "support/SampleProject.h"
#include "support/TreeText.h"

#include <gtest/gtest.h>

namespace ovtest {

class ManageWindow : public ::testing::Test {
protected:
    ManageWindow() {
        installation.WriteBytes(L"Data\\dwgstyle.dat", Cp936Lines(SampleCatalogueLines()));
        // Version 1 opens every item at each load; the tests mostly want to see the loading
        // rules without that.
        installation.WriteBytes(L"LocalData\\awork.sys", Cp936Lines({L"软件当前版本: 0"}));
        WriteSampleProject(installation);
        Remember(L"Data\\recent.dat", L"P\\P.itm");
        Remember(L"Data\\default.dat", L"P\\Q\\Q.prj");
        acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
    }
    ~ManageWindow() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
        g_bExpandTreeAfterSave = 0;
    }

    // Writes the installation's path of a management file as the first line of a file.
    void Remember(const std::wstring& file, const std::wstring& manageFile) {
        installation.WriteBytes(file, Cp936(installation.Path(manageFile) + L"\r\n"));
    }
    // Runs "XMMANAGE" or "SBMANAGE" and gives the window it opened.
    CManageDlg* Open(const std::wstring& command) {
        host.Run(command + L"\n");
        auto* window = dynamic_cast<CManageDlg*>(g_pManageDlg);
        EXPECT_NE(window, nullptr);
        return window;
    }
    ui::ScriptedBackend& Backend() { return host.Boxes(); }
    // Does what the user does to the open window; the action must go through.
    void Act(CManageDlg* window, const ui::Action& action) {
        EXPECT_EQ(Backend().Act(*window, action), L"");
    }
    std::vector<std::wstring> CommandLines() const { return cad::CommandLine::Instance().Lines(); }
    // The records of a management file as "type: name<remark>" in file order ("" for the
    // drawings without type).
    std::vector<std::wstring> Listed(const std::wstring& manageFile) {
        return RecordLines(installation.Path(manageFile), L": ");
    }

    TempInstallation installation;
    HostSession host;
};

} // namespace ovtest
