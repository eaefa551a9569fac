// The window's commands on drawings, from its trees and its context menu: open, close, the
// batch run, drawing information, web publishing, an export and the wire list.

#include "ManageWindow.h"

#include "drawing/DlgFormatForSave.h"
#include "drawing/LineInfoDialog.h"
#include "drawing/ModfyLineInfoDlg.h"
#include "drawing/XmlDataOprt.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/MessageFilters.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "store/RememberedContainers.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "suite/VoRezaZazUzavodo/MainLibBrowserDlg.h"
#include "support/ConsoleTranscript.h"
#include "support/DrawingSupport.h"

using namespace ovtest;
using namespace ui::act;

namespace {

class ManageDrawings : public ManageWindow {
protected:
    ManageDrawings() {
        // The sample's drawings are placeholders; these are real ones.
        for (const wchar_t* name : {L"P\\说明.dwg", L"P\\Q\\图1.dwg", L"P\\Q\\图2.dwg",
                                    L"P\\Q\\原理1.dwg", L"P\\S\\T\\t1.dwg"})
            SaveDrawing(installation.Path(name), {}, AcDb::kDHL_1800);
    }
    AcApDocument* Document(const std::wstring& name) const {
        return acDocManager->findDocument(installation.Path(name));
    }
    const ui::RecordedMessageBox& LastBox() { return Backend().Boxes().back(); }
};

int g_webCalls = 0;

} // namespace

TEST_F(ManageDrawings, ADoubleClickedDrawingOpensAndTheWindowComesBack) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, DoubleClick(125, L"Q|屏面布置图|图1.dwg"));
    ASSERT_NE(Document(L"P\\Q\\图1.dwg"), nullptr);
    EXPECT_TRUE(g_strOpenDwgPathName.empty());
    window->ShowWindow(ui::SW_HIDE);
    acDocManager->runPendingStrings(); // the host, idle again, runs "XmOPenFile"
    EXPECT_TRUE(window->IsWindowVisible());

    Act(window, RightClick(125, L"Q|清单.xls", 192));
    EXPECT_EQ(Backend().OpenedFiles(),
              std::vector<std::wstring>{installation.Path(L"P\\Q\\清单.xls")});
}

TEST_F(ManageDrawings, OpenOnAnEquipmentMakesItTheOpenOne) {
    installation.WriteBytes(L"Data\\default.dat", "");
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"R", 192));
    EXPECT_EQ(GetDefaultContainerPath(), installation.Path(L"P\\R\\R.prj"));
    EXPECT_EQ(LastBox().text, L"设备\"R\"，已成为当前打开的设备。");
    EXPECT_EQ(LastBox().flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

TEST_F(ManageDrawings, OpenOnASubProjectMakesItTheOpenProjectAndCloseForgetsIt) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(124, L"S", 192));
    EXPECT_EQ(GetRecentContainerPath(), installation.Path(L"P\\S\\S.itm"));
    EXPECT_EQ(window->GetXmTreeCtrl().GetItemText(window->GetXmTreeCtrl().GetRootItem()), L"S");

    // In a Project window close takes the open Project from the project tree only (the menu of
    // the content tree does not offer it).
    Act(window, RightClick(125, L"T|材料表"));
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(193, 0), 0);
    EXPECT_EQ(LastBox().text, L"无效命令。");
    EXPECT_EQ(GetRecentContainerPath(), installation.Path(L"P\\S\\S.itm"));

    Act(window, RightClick(124, L"S", 193));
    EXPECT_EQ(LastBox().text, L"当前打开的项目\"S\"已经被关闭。");
    EXPECT_EQ(GetRecentContainerPath(), L"");
    EXPECT_EQ(window->GetXmTreeCtrl().GetCount(), 0u);
}

TEST_F(ManageDrawings, ClosingTheEquipmentClosesItsDrawingsAndEmptiesTheWindow) {
    ASSERT_EQ(acDocManager->appContextOpenDocument(installation.Path(L"P\\Q\\图2.dwg").c_str()),
              Acad::eOk);
    AcApDocument* pDoc = host.Current();
    {
        DocumentLock lock(pDoc);
        AddLine(*pDoc->database(), {0, 0, 0}, {1, 1, 0});
    }
    std::string before = installation.ReadBytes(L"P\\Q\\图2.dwg");
    CManageDlg* window = Open(L"SBMANAGE");
    Backend().QueueAnswer(ui::IDNO);
    Act(window, RightClick(125, L"Q", 193));
    ASSERT_EQ(Backend().Boxes().size(), 2u);
    EXPECT_EQ(Backend().Boxes()[0].text, L"是否保存设备\"Q\"中已打开的图纸?");
    EXPECT_EQ(LastBox().text, L"当前打开的设备\"Q\"已经被关闭。");
    EXPECT_EQ(Document(L"P\\Q\\图2.dwg"), nullptr);
    EXPECT_EQ(installation.ReadBytes(L"P\\Q\\图2.dwg"), before) << "No: closed unsaved";
    EXPECT_EQ(GetDefaultContainerPath(), L"");
    EXPECT_EQ(window->GetSbTreeCtrl().GetCount(), 0u);
    EXPECT_EQ(window->Getm_bBusy(), 0);
}

TEST_F(ManageDrawings, TheBatchSavesTheProjectsDrawingsInTheChosenFormat) {
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().Script(CDlgFormatForSave::IDD, {Click(CDlgFormatForSave::IDC_RADIO_2007), Ok()});
    Act(window, RightClick(124, L"P", 171));
    for (const wchar_t* name : {L"P\\说明.dwg", L"P\\Q\\图1.dwg", L"P\\Q\\原理1.dwg"})
        EXPECT_EQ(SavedVersion(installation.Path(name)), AcDb::kDHL_2100) << name;
    EXPECT_EQ(SavedVersion(installation.Path(L"P\\S\\T\\t1.dwg")), AcDb::kDHL_1800)
        << "a sub-Project's Equipment is not the Project's";
    EXPECT_TRUE(window->GetDlgItem(CManageDlg::IDC_BATCH)->IsWindowEnabled());
    EXPECT_EQ(cad::RegisteredFilterCount(), 0);
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(ManageDrawings, DrawingInformationShowsTheDrawingOrTheEquipment) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"Q|屏面布置图|图1.dwg", 120));
    ASSERT_FALSE(Backend().Boxes().empty());
    EXPECT_NE(LastBox().text.find(L"图1.dwg"), std::wstring::npos) << LastBox().text;
    EXPECT_EQ(LastBox().caption, L"Tessaline");
    EXPECT_EQ(LastBox().flags, ui::MB_OK | ui::MB_ICONINFORMATION);
    EXPECT_EQ(window->Getm_strPreviewFile(), installation.Path(L"P\\Q\\图1.dwg"));

    size_t shown = Backend().Boxes().size();
    Act(window, RightClick(125, L"Q", 120));
    ASSERT_EQ(Backend().Boxes().size(), shown + 1) << "an Equipment shows its name";
    EXPECT_NE(LastBox().text.find(L"Q"), std::wstring::npos) << LastBox().text;
}

TEST_F(ManageDrawings, WebPublishingClosesTheWindowAndHandsTheEquipmentOver) {
    acedRegCmds()->addCommand(L"OvWeb", L"OVWEB_INVOKEBY_XMMANAGE", L"OVWEB_INVOKEBY_XMMANAGE",
                              ACRX_CMD_TRANSPARENT, [] { ++g_webCalls; });
    g_webCalls = 0;
    CManageDlg* window = Open(L"SBMANAGE");
    Act(window, RightClick(125, L"Q", 210));
    EXPECT_EQ(g_pManageDlg, nullptr);
    EXPECT_EQ(g_XmComonPar.Getm_StrWebPubManageFilePathName(), installation.Path(L"P\\Q\\Q.prj"));
    acDocManager->runPendingStrings();
    EXPECT_EQ(g_webCalls, 1);
    acedRegCmds()->removeGroup(L"OvWeb");

    window = Open(L"SBMANAGE");
    Act(window, Select(125, L"Q|原理图"));
    window->SendMessage(ui::WM_COMMAND, ui::MAKEWPARAM(210, 0), 0);
    EXPECT_EQ(LastBox().text, L"所选项不能进行Web发布。");
    EXPECT_EQ(LastBox().caption, L"");
    EXPECT_EQ(g_pManageDlg, window);
}

TEST_F(ManageDrawings, TheSummaryAndTheWireListAreForTheSelectedEquipment) {
    CManageDlg* window = Open(L"XMMANAGE");
    Act(window, RightClick(125, L"Q", 282));
    EXPECT_TRUE(installation.Exists(L"P\\Q\\Q_项目设备明细汇总.xlsx"));
    // The menu's command runs from the window's message queue; the library's answer, posted
    // to the row dialog, must still reach it while the dialogs are open.
    installation.WriteBytes(L"Data\\OvMainLib.txt", Cp936Lines({L"W1|铜线|BVR-1.5|导线"}));
    Backend().Script(CMainLibBrowserDlg::IDD, {Ok()});
    Backend().Script(CLineInfoDialog::IDD, {Type(227, L"X"), Click(222), Ok()});
    Backend().Script(CModfyLineInfoDlg::IDD, {Click(160), Ok()});
    Act(window, RightClick(125, L"Q", 215));
    ASSERT_EQ(Backend().Dialogs().size(), 3u);
    EXPECT_EQ(Backend().Dialogs()[0].caption, L"设备导线信息修改");
    std::vector<STRUCT_LINEITEM> items;
    ASSERT_EQ(CXmlDataOprt().ReadLineItems(installation.Path(L"P\\Q\\OrvaneLineInfo.xml"), items),
              1);
    EXPECT_EQ(items.back(), (STRUCT_LINEITEM{L"X", L"W1", L"导线_铜线_BVR-1.5", L""}));
    Act(window, RightClick(124, L"P", 282));
    EXPECT_TRUE(installation.Exists(L"P\\P_项目设备明细汇总.xlsx"));
    EXPECT_TRUE(Backend().Faults().empty());
}

TEST_F(ManageDrawings, TheWorkingModeBSFOffersTheSixTablesOfTheProject) {
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "BSF\r\n");
    ResetErpOrCadMode();
    CManageDlg* window = Open(L"XMMANAGE");
    for (unsigned id : {239u, 241u, 243u, 245u, 247u, 251u})
        Act(window, RightClick(124, L"P", id));
    for (const wchar_t* table : {L"工程屏柜外购材料", L"工程保护装置清单", L"工程屏柜信息表",
                                 L"装箱清单", L"元器件标号汇总", L"BOM表"})
        EXPECT_TRUE(installation.Exists(std::wstring(L"P\\P_") + table + L".xlsx")) << table;
    ResetErpOrCadMode();
}

// The commands at the console host's prompt, as a user of the demo installation runs them:
// a drawing opened from the tree, the summary exported, the wire list edited, the batch run,
// and the open Equipment closed. The installation's folder is written as <installation>.
TEST_F(ManageDrawings, ConsoleSession) {
    Console console({L"click 160", L"type 227 四芯屏蔽线", L"type 179 WL-1", L"ok", L"ok",
                     L"click 216", L"ok", L"yes"});
    host.Run(L"XMMANAGE\n");
    for (const wchar_t* line :
         {L"win dblclick 125 Q|屏面布置图|图1.dwg", L"win rclick 125 Q -> 282",
          L"win rclick 125 Q -> 215", L"win rclick 124 P -> 171"}) {
        console.transcript += std::wstring(L"Command: ") + line + L"\n";
        console.backend.HandleWindowLine(line);
    }
    host.Run(L"SBMANAGE\n");
    console.transcript += L"Command: win rclick 125 Q -> 193\n";
    console.backend.HandleWindowLine(L"win rclick 125 Q -> 193");
    EXPECT_EQ(SavedVersion(installation.Path(L"P\\Q\\图1.dwg")), AcDb::kDHL_1800);
    EXPECT_TRUE(installation.Exists(L"P\\Q\\OrvaneLineInfo.xml"));
    std::wstring transcript =
        text::ReplaceAll(console.transcript, installation.Logical(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("manager/transcripts/ManageDrawings.txt", transcript));
}
