// The name-selection dialog against the product-data databases of the test server: signing in,
// the stored login, the lists of both modes and what OK hands back; and its use by the
// modification and creation dialogs' "PDM库".

#include "drawing/DlgSelectName.h"
#include "PdmServer.h"
#include "platform/ui/Actions.h"
#include "records/CreatXmSbDlg.h"
#include "records/ModfyXmSbDlg.h"
#include "store/LetterCode.h"
#include "store/PdmDatabaseSettings.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/ConsoleTranscript.h"
#include "support/SampleProject.h"

using namespace ovtest;
using namespace ui::act;

namespace {

constexpr int kUser = CDlgSelectName::IDC_USER;
constexpr int kPassword = CDlgSelectName::IDC_PASSWORD;
constexpr int kList = CDlgSelectName::IDC_NAME_LIST;

class SelectName : public PdmServerTest {
protected:
    void StoreLogin(const std::wstring& user, const std::wstring& password) {
        std::wstring userLine = L"用户名: ";
        userLine += EncodeLetters(user);
        std::wstring passwordLine = L"密码: ";
        passwordLine += EncodeLetters(password);
        m_installation.WriteBytes(L"Data\\PdmDatabaseSettings4.txt",
                                  Cp936Lines({userLine, passwordLine}));
    }
    std::vector<std::wstring> Column(const CDlgSelectName& dialog, int column) {
        auto* list = dialog.GetDlgItemAs<ui::ListCtrl>(kList);
        std::vector<std::wstring> texts;
        for (int row = 0; row < list->GetItemCount(); ++row)
            texts.push_back(list->GetItemText(row, column));
        return texts;
    }
    std::vector<std::wstring> BoxTexts() {
        std::vector<std::wstring> texts;
        for (const ui::RecordedMessageBox& box : m_boxes.Boxes())
            texts.push_back(box.text);
        return texts;
    }
    void Act(CDlgSelectName& dialog, const ui::Action& action) {
        EXPECT_EQ(m_boxes.Act(dialog, action), L"");
    }
};

} // namespace

TEST_F(SelectName, TheWholeLoginNameSignsInWithoutRegardToCase) {
    CDlgSelectName dialog;
    dialog.m_bSelectXm = 1;
    dialog.Create();
    EXPECT_EQ(dialog.GetWindowText(), L"选择项目名称");
    EXPECT_EQ(dialog.m_arrUsers.size(), 6u);
    EXPECT_TRUE(Column(dialog, 2).empty()) << "no stored login, no list";

    Act(dialog, Click(CDlgSelectName::IDC_CONNECT));
    for (const auto& [user, password] : std::vector<std::pair<std::wstring, std::wstring>>{
             {L"zhang", L"pw-zhang"}, {L"%", L"pw-zhang"}, {L"zhangsan", L"pw-si"}}) {
        Act(dialog, Type(kUser, user));
        Act(dialog, Type(kPassword, password));
        Act(dialog, Click(CDlgSelectName::IDC_CONNECT));
        EXPECT_EQ(dialog.GetDlgItemText(kPassword), L"") << "the password is cleared";
    }
    EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"用户名不能为空!", L"用户名不存在!",
                                                     L"用户名不存在!", L"密码错误!"}));
    EXPECT_EQ(m_boxes.Boxes()[0].caption, L"Tessaline");
    EXPECT_EQ(m_boxes.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);

    Act(dialog, Type(kUser, L" ZhangSan "));
    Act(dialog, Type(kPassword, L"pw-zhang"));
    Act(dialog, Click(CDlgSelectName::IDC_CONNECT));
    EXPECT_EQ(dialog.m_strUser, L"zhangsan") << "the records are fetched for the stored name";
    EXPECT_EQ(Column(dialog, 2),
              (std::vector<std::wstring>{L"HT2024-0012220kV城东变电站新建工程", L"HT2024-0135"}));
    EXPECT_EQ(CPdmDatabaseSettings().GetLoginUser(), L"ZhangSan") << "remembered as entered";
    Act(dialog, Ok());
    EXPECT_EQ(dialog.m_strResultName, L"HT2024-0012220kV城东变电站新建工程");
    dialog.DestroyWindow();
}

TEST_F(SelectName, TheStoredLoginSignsInAtOnceUnlessRememberingWasCleared) {
    StoreLogin(L"zhangsan", L"pw-zhang");
    {
        CDlgSelectName dialog;
        dialog.m_bSelectXm = 0;
        dialog.Create();
        EXPECT_EQ(dialog.GetWindowText(), L"选择设备名称");
        EXPECT_EQ(Column(dialog, 4), (std::vector<std::wstring>{L"G01-PK-10-1", L"G02--2"}))
            << "unit, model and cabinet number, without a \"-\" at either end";
        auto* list = dialog.GetDlgItemAs<ui::ListCtrl>(kList);
        EXPECT_EQ(list->GetColumnWidth(0), 0);
        EXPECT_EQ(list->GetNextItem(-1, ui::LVNI_SELECTED), 0) << "the first row selected";
        Act(dialog, Click(CDlgSelectName::IDC_REMEMBER));
        Act(dialog, Click(CDlgSelectName::IDC_CONNECT));
        EXPECT_TRUE(m_boxes.Boxes().empty());
        Act(dialog, DoubleClick(kList, L"#1"));
        EXPECT_EQ(dialog.m_strResultName, L"G02--2");
        EXPECT_EQ(dialog.m_strResultModel, L"");
        dialog.DestroyWindow();
    }
    EXPECT_EQ(CPdmDatabaseSettings().GetLoginUser(), L"");
    CDlgSelectName again;
    again.Create();
    EXPECT_EQ(again.GetDlgItemText(kUser), L"");
    EXPECT_TRUE(Column(again, 2).empty());
    Act(again, Ok());
    EXPECT_TRUE(m_boxes.Boxes().empty()) << "OK on an empty list does nothing";
    EXPECT_FALSE(again.HasEnded());
    again.DestroyWindow();
}

TEST_F(SelectName, SeveralEquipmentsComeLastRowFirstAndOkWantsARow) {
    StoreLogin(L"zhangsan", L"pw-zhang");
    CDlgSelectName dialog;
    dialog.m_bSelectXm = 0;
    dialog.m_bMultiSelect = 1;
    dialog.Create();
    auto* list = dialog.GetDlgItemAs<ui::ListCtrl>(kList);
    list->SetItemState(-1, 0, ui::LVIS_SELECTED);
    Act(dialog, Ok());
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"请选择名称列表中的一条数据"});
    EXPECT_EQ(m_boxes.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONINFORMATION);
    list->SetItemState(-1, ui::LVIS_SELECTED, ui::LVIS_SELECTED);
    Act(dialog, Ok());
    EXPECT_EQ(dialog.m_arrResultNames, (std::vector<std::wstring>{L"G02--2", L"G01-PK-10-1"}));
    EXPECT_EQ(dialog.m_arrResultModels, (std::vector<std::wstring>{L"", L"PK-10"}));
    dialog.DestroyWindow();
}

TEST_F(SelectName, AnUnreachableUserDatabaseIsWaitedForOnceNotTwice) {
    StoreLogin(L"zhangsan", L"pw-zhang");
    WriteSettings(ClosedPort());
    CDlgSelectName dialog;
    dialog.Create();
    // The product-data connection and the user list fail; no login is tried after them.
    EXPECT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(dialog.GetDlgItemText(kUser), L"zhangsan") << "the fields are there to retry";
    dialog.DestroyWindow();
}

TEST_F(SelectName, APickInTheModificationDialogNamesTheFolderAndSetsTheModel) {
    m_installation.WriteBytes(L"Data\\ErpOrCad.txt", "Erp\r\n");
    ResetErpOrCadMode();
    StoreLogin(L"zhangsan", L"pw-zhang");
    m_installation.WriteBytes(L"E\\E.prj", ManageFileBytes({L"设备名称=1号柜"}, {}));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(m_installation.Path(L"E\\E.prj")), 1);
    m_boxes.Script(CDlgSelectName::IDD, {Select(kList, L"#0"), Ok()});
    m_boxes.Script(CModfyXmSbDlg::IDD, {Click(CModfyXmSbDlg::IDC_PDM), Ok()});
    CModfyXmSbDlg dialog(&file);
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.Getm_strFolderName(), L"G01-PK-10-1")
        << "the pick unticked 230, so OK keeps it";
    CManageFileInfo reread;
    ASSERT_EQ(reread.ReadManageFile(m_installation.Path(L"E\\E.prj")), 1);
    EXPECT_EQ(reread.Getm_ExplainInfoArray().back().Getm_StrTitle(), L"设备型号");
    EXPECT_EQ(reread.Getm_ExplainInfoArray().back().Getm_StrValue(), L"PK-10");
    ResetErpOrCadMode();
}

TEST_F(SelectName, APickInTheCreationDialogNamesTheEquipmentAndReplacesTheTemplatesModel) {
    m_installation.WriteBytes(L"Data\\ErpOrCad.txt", "Erp\r\n");
    ResetErpOrCadMode();
    StoreLogin(L"zhangsan", L"pw-zhang");
    m_installation.WriteBytes(L"P\\P.itm", ManageFileBytes({L"工程名称=城东"}, {}));
    m_installation.WriteBytes(L"Template\\prjs\\Std\\Std.prj",
                              ManageFileBytes({L"设备名称=模板柜", L"设备型号=OLD"}, {}));
    m_boxes.Script(CDlgSelectName::IDD, {Select(kList, L"#0"), Ok()});
    m_boxes.Script(CCreatXmSbDlg::IDD,
                   {Click(CCreatXmSbDlg::IDC_PDM), Timer(CCreatXmSbDlg::kNamingTimer), Ok()});
    CCreatXmSbDlg dialog(m_installation.Path(L"P"), 0);
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.Getm_strNewFolder(), m_installation.Path(L"P\\G01-PK-10-1"))
        << "the pick selected 自定义, so the naming scheme left it";
    CManageFileInfo made;
    ASSERT_EQ(made.ReadManageFile(m_installation.Path(L"P\\G01-PK-10-1\\G01-PK-10-1.prj")), 1);
    std::vector<std::wstring> entries;
    for (const CExplainInfoNode& entry : made.Getm_ExplainInfoArray())
        entries.push_back(entry.Getm_StrTitle() + L"=" + entry.Getm_StrValue());
    EXPECT_EQ(entries, (std::vector<std::wstring>{L"设备名称=模板柜", L"设备型号=PK-10"}))
        << "the template's entry takes the model: no second one";
    ResetErpOrCadMode();
}

TEST_F(SelectName, ConsoleTranscript) {
    Console console({L"type 143 lisi", L"type 142 pw-li", L"click 147", L"ok"});
    CDlgSelectName dialog;
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.m_strResultName, L"HT2025-000735kV开关站扩建工程");
    EXPECT_EQ(console.transcript,
              KeptTranscript("drawing/transcripts/DlgSelectName.txt", console.transcript));
}
