// Batch creation of Equipments (122) from the names of the product-data test server.

#include "../ManageWindow.h"

#include "PdmServer.h"
#include "drawing/DlgSelectName.h"
#include "platform/ui/Actions.h"
#include "store/LetterCode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

using namespace ovtest;
using namespace ui::act;

namespace {

// The sample Project, with the login of "zhangsan" stored: the dialog lists G01-PK-10-1
// (model PK-10, row #0) and G02--2 (no model, row #1).
class BatchCreation : public ManageWindow {
protected:
    BatchCreation() {
        EXPECT_EQ(UsePdmTestServer(), "");
        WritePdmSettings(installation);
        std::wstring userLine = L"用户名: ";
        userLine += EncodeLetters(L"zhangsan");
        std::wstring passwordLine = L"密码: ";
        passwordLine += EncodeLetters(L"pw-zhang");
        installation.WriteBytes(L"Data\\PdmDatabaseSettings4.txt",
                                Cp936Lines({userLine, passwordLine}));
    }
    void Create(CManageDlg* window, const std::wstring& row) {
        Backend().Script(CDlgSelectName::IDD, {Select(CDlgSelectName::IDC_NAME_LIST, row), Ok()});
        // The menu shows the command grayed: it is reached by its id.
        Act(window, RightClick(124, L"P"));
        Act(window, Command(122));
    }
    void ExpectIdle(CManageDlg* window) {
        EXPECT_TRUE(Backend().Faults().empty());
        EXPECT_EQ(host.Current() ? host.Current()->lockCount() : 0, 0);
        EXPECT_EQ(window->Getm_bBusy(), 0);
    }
};

} // namespace

TEST_F(BatchCreation, AChosenNameBecomesAnEquipmentWithItsModelAndTwoTypes) {
    CManageDlg* window = Open(L"XMMANAGE");
    Create(window, L"#0");
    CManageFileInfo made;
    ASSERT_TRUE(made.ReadManageFile(installation.Path(L"P\\G01-PK-10-1\\G01-PK-10-1.prj")));
    ASSERT_FALSE(made.Getm_ExplainInfoArray().empty());
    EXPECT_EQ(made.Getm_ExplainInfoArray()[0].Getm_StrTitle(), L"设备型号");
    EXPECT_EQ(made.Getm_ExplainInfoArray()[0].Getm_StrValue(), L"PK-10");
    std::vector<std::wstring> types;
    for (const auto& pStyle : made.Getm_FileStyleNodeArray())
        if (pStyle->Getm_bIsExistStyleName())
            types.push_back(pStyle->Getm_StyleNameNode().GetstrDisplayName());
    EXPECT_EQ(types, (std::vector<std::wstring>{L"屏面布置图", L"屏端子图"}));
    ui::TreeCtrl& tree = window->GetSbTreeCtrl();
    ASSERT_NE(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), L"G01-PK-10-1");
    ExpectIdle(window);
}

TEST_F(BatchCreation, ANameThatIsTakenIsSkippedWithAMessage) {
    installation.WriteBytes(L"P\\G02--2\\G02--2.prj", ManageFileBytes({L"设备名称=旧"}, {}));
    std::string before = installation.ReadBytes(L"P\\G02--2\\G02--2.prj");
    CManageDlg* window = Open(L"XMMANAGE");
    Create(window, L"#1");
    ASSERT_FALSE(Backend().Boxes().empty());
    EXPECT_EQ(Backend().Boxes().back().text,
              L"在新建设备\"G02--2\"的位置上，已经存在一个同名设备。");
    EXPECT_EQ(installation.ReadBytes(L"P\\G02--2\\G02--2.prj"), before);
    ExpectIdle(window);
}
