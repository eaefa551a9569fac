// Save as template (206) into the installation's template folders.

#include "ManageWindow.h"

#include "manager/InputNameDlg.h"
#include "platform/ui/Actions.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <algorithm>
#include <cstdlib>

using namespace ovtest;
using namespace ui::act;

namespace {

class SaveAsTemplate : public ManageWindow {
protected:
    SaveAsTemplate() { ::setenv("XDG_DATA_HOME", trash.Native().c_str(), 1); }
    ~SaveAsTemplate() override { ::unsetenv("XDG_DATA_HOME"); }

    // Runs 206 on the item of the tree with the name dialog's actions.
    void Save(CManageDlg* window, int tree, const std::wstring& item,
              std::vector<ui::Action> actions) {
        Backend().Script(CInputNameDlg::IDD, std::move(actions));
        Act(window, RightClick(tree, item, 206));
    }
    // The installation becomes a client of the given kind, with its own local folder.
    void BecomeClient(int kind) {
        installation.WriteBytes(L"Installation.ini",
                                "MainFolder=.\nLocalFolder=Local\nCommonResourceFolder=.\nKind=" +
                                    std::to_string(kind) + "\n");
        Ov2002ReloadInstallation();
    }
    const ui::RecordedMessageBox& LastBox() { return Backend().Boxes().back(); }
    bool Opened(const std::wstring& line) {
        for (const std::wstring& opening : Backend().Dialogs().back().opening)
            if (opening == line)
                return true;
        return false;
    }
    void ExpectIdle(CManageDlg* window) {
        EXPECT_EQ(host.Current() ? host.Current()->lockCount() : 0, 0);
        EXPECT_EQ(window->Getm_bBusy(), 0);
    }

    TempFolder trash;
};

} // namespace

TEST_F(SaveAsTemplate, UnderItsOwnNameTheEquipmentIsCopiedUnchanged) {
    CManageDlg* window = Open(L"XMMANAGE");
    Save(window, 125, L"Q", {Ok()});
    ASSERT_FALSE(Backend().Dialogs().empty());
    EXPECT_EQ(Backend().Dialogs().back().caption, L"请输入保存的模板设备名称");
    EXPECT_TRUE(Opened(L"  167 static \"模板名称\""));
    EXPECT_TRUE(Opened(L"  169 edit \"Q\" focus"));
    EXPECT_EQ(installation.ReadBytes(L"Template\\prjs\\Q\\Q.prj"),
              installation.ReadBytes(L"P\\Q\\Q.prj"));
    EXPECT_TRUE(installation.Exists(L"Template\\prjs\\Q\\图2.dwg"));
    EXPECT_EQ(LastBox().text, L"设备“Q”已成功保存为模板");
    EXPECT_EQ(LastBox().flags, ui::MB_OK | ui::MB_ICONINFORMATION);
    EXPECT_FALSE(installation.Exists(L"Template\\prjs\\~保存中"));
    ExpectIdle(window);
}

TEST_F(SaveAsTemplate, UnderAnotherNameTheManageFileTakesTheNameAndAnOldTemplateIsReplaced) {
    installation.WriteBytes(L"Template\\prjs\\柜1\\柜1.prj", "old");
    installation.WriteBytes(L"Template\\prjs\\柜1\\old.dwg", "old");
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDNO);
    Save(window, 125, L"Q", {Type(169, L"柜1"), Ok()});
    EXPECT_EQ(LastBox().text, L"在设备模板中已经存在一个同名设备“柜1”，是否覆盖?");
    EXPECT_EQ(LastBox().flags, ui::MB_YESNO | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(installation.ReadBytes(L"Template\\prjs\\柜1\\柜1.prj"), "old");

    Backend().QueueAnswer(ui::IDYES);
    Save(window, 125, L"Q", {Type(169, L"柜1"), Ok()});
    EXPECT_EQ(installation.ReadBytes(L"Template\\prjs\\柜1\\柜1.prj"),
              installation.ReadBytes(L"P\\Q\\Q.prj"));
    EXPECT_FALSE(installation.Exists(L"Template\\prjs\\柜1\\Q.prj"));
    EXPECT_FALSE(installation.Exists(L"Template\\prjs\\柜1\\old.dwg"))
        << "the old template is replaced, not merged";
    EXPECT_TRUE(installation.Exists(L"Template\\prjs\\柜1\\图1.dwg"));
    EXPECT_EQ(LastBox().text, L"设备“柜1”已成功保存为模板");
    ExpectIdle(window);
}

TEST_F(SaveAsTemplate, AProjectGoesToTheProjectTemplatesWithItsEquipments) {
    CManageDlg* window = Open(L"XMMANAGE");
    Save(window, 124, L"P|S", {Type(169, L"站"), Ok()});
    EXPECT_EQ(Backend().Dialogs().back().caption, L"请输入保存的模板项目名称");
    EXPECT_TRUE(installation.Exists(L"Template\\itms\\站\\站.itm"));
    EXPECT_TRUE(installation.Exists(L"Template\\itms\\站\\T\\T.prj"));
    EXPECT_EQ(LastBox().text, L"项目“站”已成功保存为模板");
}

TEST_F(SaveAsTemplate, ANameThatLeavesTheTemplateFolderIsRefused) {
    installation.WriteBytes(L"Data\\keep.txt", "keep");
    CManageDlg* window = Open(L"XMMANAGE");
    size_t boxes = Backend().Boxes().size();
    Save(window, 125, L"Q", {Type(169, L"..\\..\\Data"), Ok()});
    ASSERT_EQ(Backend().Boxes().size(), boxes + 1);
    EXPECT_EQ(LastBox().text, L"“..\\..\\Data”不能用作设备名称。");
    EXPECT_EQ(installation.ReadBytes(L"Data\\keep.txt"), "keep");
    ExpectIdle(window);
}

TEST_F(SaveAsTemplate, ClientsChooseTheSideAndAnOrdinaryClientIsRefused) {
    BecomeClient(2);
    CManageDlg* window = Open(L"XMMANAGE");
    size_t boxes = Backend().Boxes().size();
    Act(window, RightClick(125, L"Q", 206));
    EXPECT_EQ(Backend().Boxes().size(), boxes) << "the command line says it";
    std::vector<std::wstring> lines = CommandLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"普通客户端没有保存至服务器的权限！"),
              lines.end());
    EXPECT_TRUE(Backend().Dialogs().empty() ||
                Backend().Dialogs().back().templateId != CInputNameDlg::IDD);
    EXPECT_FALSE(installation.Exists(L"Template\\prjs\\Q"));
    EXPECT_FALSE(installation.Exists(L"Local\\Template\\prjs\\Q"));

    BecomeClient(1);
    Backend().QueueAnswer(ui::IDNO);
    Save(window, 125, L"Q", {Ok()});
    EXPECT_EQ(Backend().Boxes().end()[-2].text,
              L"是(Y): 保存模板在服务器端;\n否(N): 保存模板在本地;\n取 消: 放弃保存模板;");
    EXPECT_EQ(Backend().Boxes().end()[-2].flags, ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
    EXPECT_TRUE(installation.Exists(L"Local\\Template\\prjs\\Q\\Q.prj")) << "No: saved locally";
    EXPECT_FALSE(installation.Exists(L"Template\\prjs\\Q"));

    Backend().QueueAnswer(ui::IDCANCEL);
    size_t dialogs = Backend().Dialogs().size();
    Act(window, RightClick(125, L"Q", 206));
    EXPECT_EQ(Backend().Dialogs().size(), dialogs) << "Cancel ends before the name is asked";
    ExpectIdle(window);
}
