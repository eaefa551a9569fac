// Save as template (206) onto the server, against the FTP test server.

#include "ManageWindow.h"

#include "../server/FtpTestSite.h"
#include "manager/InputNameDlg.h"
#include "platform/ui/Actions.h"
#include "server/SyncPause.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

using namespace ovtest;
using namespace ui::act;

namespace {

// The sample Project in a super client's installation logged in to a site of its own.
class ServerTemplate : public ManageWindow {
protected:
    ServerTemplate() {
        installation.WriteBytes(L"Installation.ini", "Kind=1\n");
        Ov2002ReloadInstallation();
        site.WriteLoginFile(installation);
        SetSyncPauseForTesting([](int) {});
    }
    ~ServerTemplate() override { SetSyncPauseForTesting(nullptr); }

    // Answers Yes (the server), then the given answers.
    void SaveOnServer(CManageDlg* window, std::vector<ui::Action> actions,
                      std::vector<int> answers = {}) {
        Backend().QueueAnswer(ui::IDYES);
        for (int answer : answers)
            Backend().QueueAnswer(answer);
        Backend().Script(CInputNameDlg::IDD, std::move(actions));
        Act(window, RightClick(125, L"Q", 206));
    }

    FtpTestSite site;
};

} // namespace

// The server tests' parameterised fixtures come with the site's header; none runs here.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(FtpClientTest);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(PyftpdlibClientTest);

TEST_F(ServerTemplate, UnderAnotherNameTheSiteHoldsATemplateNamedAfterItsFolder) {
    CManageDlg* window = Open(L"XMMANAGE");
    SaveOnServer(window, {Type(169, L"柜1"), Ok()});
    EXPECT_TRUE(site.Exists(L"Template\\prjs\\柜1\\柜1.prj"));
    EXPECT_FALSE(site.Exists(L"Template\\prjs\\柜1\\Q.prj"));
    EXPECT_TRUE(site.Exists(L"Template\\prjs\\柜1\\图1.dwg"));
    EXPECT_FALSE(site.Exists(L"Template\\prjs\\柜1\\清单.xls")) << "only drawings and records go";
    EXPECT_EQ(Backend().Boxes().back().text, L"设备“柜1”已成功保存为模板");
    EXPECT_FALSE(installation.Exists(L"TempFTP\\~保存中")) << "the staged copy is removed";
    EXPECT_FALSE(installation.Exists(L"Template\\prjs\\柜1")) << "nothing saved locally";

    SaveOnServer(window, {Type(169, L"柜1"), Ok()}, {ui::IDNO});
    EXPECT_EQ(Backend().Boxes().back().text, L"在设备模板中已经存在一个同名设备“柜1”，是否覆盖?");
    EXPECT_EQ(window->Getm_bBusy(), 0);
}

TEST_F(ServerTemplate, AFailedUploadShowsNoSuccess) {
    // A folder of the same name stands where a drawing would go.
    site.Write(L"Template\\prjs\\Q\\图1.dwg\\.keep", "");
    CManageDlg* window = Open(L"XMMANAGE");
    SaveOnServer(window, {Ok()}, {ui::IDYES});
    for (const ui::RecordedMessageBox& box : Backend().Boxes())
        EXPECT_EQ(box.text.find(L"已成功保存为模板"), std::wstring::npos);
    EXPECT_TRUE(site.Exists(L"Template\\prjs\\Q\\Q.prj")) << "the rest is sent all the same";
    EXPECT_EQ(window->Getm_bBusy(), 0);
}
