// The window's new-Project (190) and new-Equipment (191) commands: the dialog for the selected
// Project, the trees refreshed with the new container selected, and the refusal outside a
// Project window's Project.

#include "ManageWindow.h"

#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "records/CreatXmSbDlg.h"
#include "support/ConsoleTranscript.h"
#include "support/SqliteFile.h"

using namespace ovtest;
using namespace ui::act;

namespace {

using D = CCreatXmSbDlg;

std::wstring SelectedText(CManageDlg* window, bool xmTree) {
    ui::TreeCtrl& tree = xmTree ? window->GetXmTreeCtrl() : window->GetSbTreeCtrl();
    ui::HTREEITEM item = tree.GetSelectedItem();
    return item ? tree.GetItemText(item) : L"";
}

} // namespace

TEST_F(ManageWindow, NewContainersAreMadeInTheSelectedProjectAndSelected) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(D::IDD, {Select(D::IDC_NAMING, L"自定义"), Type(D::IDC_NAME, L"新柜"), Ok()});
    Act(window, RightClick(125, L"", 191));
    ASSERT_EQ(Backend().Dialogs().back().caption, L"新建设备");
    EXPECT_TRUE(installation.Exists(L"P\\新柜\\新柜.prj"));
    EXPECT_EQ(SelectedText(window, false), L"新柜");

    Backend().Script(D::IDD, {Select(D::IDC_NAMING, L"自定义"), Type(D::IDC_NAME, L"分项"), Ok()});
    Act(window, RightClick(124, L"S", 190));
    ASSERT_EQ(Backend().Dialogs().back().caption, L"新建项目");
    EXPECT_TRUE(installation.Exists(L"P\\S\\分项\\分项.itm")) << "inside the Project clicked";
    EXPECT_EQ(SelectedText(window, true), L"分项");

    Backend().Script(D::IDD, {Cancel()});
    Act(window, RightClick(124, L"P", 191));
    EXPECT_EQ(SelectedText(window, true), L"P") << "a cancelled dialog changes nothing";
    EXPECT_TRUE(Backend().Boxes().empty());
    EXPECT_TRUE(Backend().Faults().empty()) << Backend().Faults()[0];
}

TEST_F(ManageWindow, NewContainersOutsideAProjectWindowsProjectAreNoCommand) {
    CManageDlg* window = Open(L"XMMANAGE");
    // 190 from the content tree, which the menu never offers.
    Act(window, RightClick(125, L"Q"));
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(190, 0), 0);
    ASSERT_EQ(Backend().Boxes().size(), 1u);
    EXPECT_EQ(Backend().Boxes()[0].text, L"无效命令。");
    EXPECT_EQ(Backend().Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);

    window = Open(L"SBMANAGE");
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(191, 0), 0);
    EXPECT_EQ(Backend().Boxes().size(), 2u);
    EXPECT_EQ(Backend().Boxes()[1].text, L"无效命令。");
    EXPECT_TRUE(Backend().Dialogs().empty() || Backend().Dialogs().back().templateId != D::IDD);
}

// At the console host's prompt: a Project named by its scheme from the Project's values, and in
// it an Equipment from a template, named by its book number and name. The installation's folder
// is written as <installation>.
TEST_F(ManageWindow, ConsoleScriptMakesAProjectAndInItAnEquipmentFromATemplate) {
    MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                   {L"CREATE TABLE \"OV项目设备描述信息\" (WORD TEXT)",
                    L"INSERT INTO \"OV项目设备描述信息\" VALUES ('工程名称'), ('工程合同号'), "
                    L"('设备图册号'), ('设备名称')"});
    installation.WriteBytes(L"Template\\prjs\\保护柜\\保护柜.prj",
                            ManageFileBytes({L"设备名称=模板柜"}, {L"YL:", L"01.dwg<>"}));
    SaveDrawing(installation.Path(L"Template\\prjs\\保护柜\\01.dwg"));
    Console console({L"cell 149 1 1", L"type 20149 HT-7", L"ok", L"cell 149 0 1", L"type 20149 B1",
                     L"cell 149 1 1", L"type 20149 1号柜", L"ok"});
    host.Run(L"XMMANAGE\n");
    for (const wchar_t* line :
         {L"win rclick 124 P -> 190", L"win rclick 124 P|某变电站-HT-7 -> 191"}) {
        console.transcript += std::wstring(L"Command: ") + line + L"\n";
        console.backend.HandleWindowLine(line);
    }
    EXPECT_TRUE(installation.Exists(L"P\\某变电站-HT-7\\某变电站-HT-7.itm"));
    EXPECT_TRUE(installation.Exists(L"P\\某变电站-HT-7\\B1-1号柜\\01.dwg"));
    std::wstring transcript =
        text::ReplaceAll(console.transcript, installation.Logical(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("manager/transcripts/ManageCreate.txt", transcript));
}
