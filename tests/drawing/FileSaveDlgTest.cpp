// The save dialog run as a user runs it through the scripted backend, from "SAVETOXM" and
// "SAVETOSB": what it shows, the type and name it takes, and Save writing the drawing and its
// record, or refusing and keeping the dialog open.

#include "drawing/FileSaveDlg.h"
#include "frame/ManageApp.h"
#include "frame/ManageCommands.h"
#include "frame/ManageGlobals.h"
#include "manager/StyleEditDlg.h"
#include "platform/cad/CommandLine.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "platform/ui/Window.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "support/ConsoleTranscript.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/RecordLines.h"
#include "support/SampleProject.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace ovtest;
using namespace ui::act;

namespace {

using D = CFileSaveDlg;

// The sample Project P (Equipments Q and R, sub-Project S) as the current Project, and Q as
// the current Equipment; the drawing open in the host is a new one with a text in it.
class FileSaveDlgTest : public ::testing::Test {
protected:
    FileSaveDlgTest() {
        installation.WriteBytes(L"Data\\dwgstyle.dat", Cp936Lines(SampleCatalogueLines()));
        WriteSampleProject(installation);
        installation.WriteBytes(L"Data\\recent.dat",
                                Cp936(installation.Path(L"P\\P.itm") + L"\r\n"));
        installation.WriteBytes(L"Data\\default.dat",
                                Cp936(installation.Path(L"P\\Q\\Q.prj") + L"\r\n"));
        acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
        DocumentLock lock(host.Current());
        AddText(*host.CurrentDatabase(), {0, 0, 0}, L"新图");
    }
    ~FileSaveDlgTest() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
        g_bExpandTreeAfterSave = 0;
    }

    // Runs the command with the dialog's actions.
    void Save(const std::wstring& command, std::vector<ui::Action> actions) {
        host.Boxes().Script(D::IDD, std::move(actions));
        host.Run(command + L"\n");
    }
    // Runs the dialog itself, so that the test can read its fields afterwards.
    int RunDialog(D& dialog, std::vector<ui::Action> actions) {
        HandInstallationFoldersToLibraries();
        host.Boxes().Script(D::IDD, std::move(actions));
        return dialog.DoModal();
    }
    std::vector<std::wstring> Content(const std::wstring& manageFile) {
        return RecordLines(installation.Path(manageFile), L":");
    }
    std::vector<std::wstring> Lines() const { return cad::CommandLine::Instance().Lines(); }
    std::vector<std::wstring> BoxTexts() {
        std::vector<std::wstring> texts;
        for (const ui::RecordedMessageBox& box : host.Boxes().Boxes())
            texts.push_back(box.text);
        return texts;
    }

    TempInstallation installation;
    HostSession host;
};

} // namespace

TEST_F(FileSaveDlgTest, AnEquipmentShowsItsTreeOnTheLeftWithoutTheProjectTree) {
    D dialog(false);
    ASSERT_EQ(RunDialog(dialog, {Cancel()}), ui::IDCANCEL);
    const ui::RecordedDialog& run = host.Boxes().Dialogs().back();
    EXPECT_EQ(run.caption, L"文件保存到设备");
    EXPECT_EQ(dialog.m_strSavePath, installation.Path(L"P\\Q"));
    EXPECT_EQ(dialog.m_strOwnerName, L"Q");
    EXPECT_EQ(dialog.m_nOwnerKind, 1);
    EXPECT_EQ(dialog.m_strFileName, L"") << "an untitled drawing has no name yet";

    D project(true);
    ASSERT_EQ(RunDialog(project, {Cancel()}), ui::IDCANCEL);
    EXPECT_EQ(host.Boxes().Dialogs().back().caption, L"文件保存到项目");
    EXPECT_EQ(project.m_strOwnerName, L"P");
    EXPECT_EQ(project.m_nOwnerKind, 0);
    EXPECT_TRUE(host.Boxes().Faults().empty());
}

TEST_F(FileSaveDlgTest, TheEquipmentLayoutMovesTheRightColumnByHalfTheProjectTree) {
    struct Probe : D {
        using D::D;
        bool OnInitDialog() override {
            bool result = D::OnInitDialog();
            for (int id : {IDC_XM_TREE, IDC_SB_TREE, IDC_SAVE_PATH, int(ui::IDOK), IDC_FILE_NAME})
                rects.push_back(GetDlgItem(id)->GetRectInParent());
            xmVisible = GetDlgItem(IDC_XM_TREE)->IsWindowVisible();
            xmEnabled = GetDlgItem(IDC_KIND_XM)->IsWindowEnabled();
            width = GetClientRect().Width();
            return result;
        }
        std::vector<ui::Rect> rects;
        bool xmVisible = true;
        bool xmEnabled = true;
        int width = 0;
    };
    Probe project(true);
    RunDialog(project, {Cancel()});
    Probe equipment(false);
    RunDialog(equipment, {Cancel()});
    EXPECT_TRUE(project.xmVisible);
    EXPECT_FALSE(equipment.xmVisible);
    EXPECT_FALSE(equipment.xmEnabled) << "the Project radio button";
    int half = project.rects[0].Width() / 2;
    EXPECT_EQ(equipment.rects[1].left, project.rects[0].left) << "the tree takes the left place";
    EXPECT_EQ(equipment.rects[1].right, project.rects[1].right - half);
    EXPECT_EQ(equipment.rects[2].left, project.rects[2].left - half) << "storage path";
    EXPECT_EQ(equipment.rects[3].left, project.rects[3].left - half) << "Save";
    EXPECT_EQ(equipment.rects[4].left, project.rects[4].left) << "the file name stays";
    EXPECT_EQ(equipment.width, project.width - half);
}

TEST_F(FileSaveDlgTest, TheTreeSelectionSetsTargetAndTypeUnlessAnotherTypeIsChosen) {
    D dialog(true);
    RunDialog(dialog,
              {Select(D::IDC_SB_TREE, L"Q"), Select(D::IDC_SB_TREE, L"Q|屏面布置图"), Cancel()});
    EXPECT_EQ(dialog.m_strStyle, L"屏面布置图");
    EXPECT_EQ(dialog.m_strOwnerName, L"Q");
    EXPECT_EQ(dialog.m_nOwnerKind, 1);
    EXPECT_EQ(dialog.m_strSavePath, installation.Path(L"P\\Q"));

    D drawing(true);
    RunDialog(drawing, {Select(D::IDC_SB_TREE, L"Q"), Select(D::IDC_SB_TREE, L"Q|原理图|原理1.dwg"),
                        Cancel()});
    EXPECT_EQ(drawing.m_strStyle, L"原理图") << "a drawing gives its type";

    D other(true);
    RunDialog(other, {Click(D::IDC_OTHER_STYLE), Select(D::IDC_SB_TREE, L"Q"),
                      Select(D::IDC_SB_TREE, L"Q|屏面布置图"), Cancel()});
    EXPECT_EQ(other.m_strStyle, L"") << "with another type chosen the tree leaves the type alone";
    EXPECT_EQ(other.m_strOwnerName, L"Q") << "but still sets the target";

    D sub(true);
    RunDialog(sub, {Expand(D::IDC_XM_TREE, L"S"), Select(D::IDC_XM_TREE, L"S"), Cancel()});
    EXPECT_EQ(sub.m_strOwnerName, L"S");
    EXPECT_EQ(sub.m_nOwnerKind, 0);
    EXPECT_TRUE(host.Boxes().Faults().empty());
}

TEST_F(FileSaveDlgTest, AnUntitledDrawingGoesIntoTheEquipmentUnderANewTypeAndThenSavesInPlace) {
    host.Boxes().Script(CStyleEditDlg::IDD, {Type(CStyleEditDlg::IDC_STYLE_NAME, L"接线图"), Ok()});
    Save(L"SAVETOSB", {Type(D::IDC_FILE_NAME, L"新图.DWG"), Type(D::IDC_REMARK, L"第一版"),
                       Click(D::IDC_OTHER_STYLE), Click(D::IDC_CHOOSE_STYLE), Ok()});
    ASSERT_TRUE(installation.Exists(L"P\\Q\\新图.dwg"));
    EXPECT_EQ(SavedVersion(installation.Path(L"P\\Q\\新图.dwg")), AcDb::kDHL_2400);
    std::vector<std::wstring> content = Content(L"P\\Q\\Q.prj");
    EXPECT_EQ(content.back(), L"接线图:新图.dwg<第一版>");
    EXPECT_EQ(Lines().back(), L"文件\"新图.dwg\"已经保存在设备\"Q\"中");
    EXPECT_TRUE(host.Current()->isTitled());
    EXPECT_TRUE(host.Boxes().Faults().empty());

    cad::CommandLine::Instance().Clear();
    size_t dialogs = host.Boxes().Dialogs().size();
    host.Run(L"SAVETOSB\n");
    EXPECT_EQ(host.Boxes().Dialogs().size(), dialogs) << "saved in place, no dialog";
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"文件\"新图.dwg\"已经保存在设备\"Q\"中"});
    EXPECT_EQ(Content(L"P\\Q\\Q.prj"), content) << "entered once";
}

TEST_F(FileSaveDlgTest, UnusableNamesAreRefusedWithTheDialogOpen) {
    struct Case {
        const wchar_t* typed;
        const wchar_t* shown;
    } cases[] = {{L"110kV/35kV主接线图", L"110kV/35kV主接线图"}, {L".DWG", L""}, {L"a.", L"a."}};
    for (const Case& c : cases) {
        host.Boxes().Clear();
        Save(L"SAVETOXM", {Type(D::IDC_FILE_NAME, c.typed), Ok(), Cancel()});
        EXPECT_EQ(BoxTexts(),
                  std::vector<std::wstring>{L"“" + std::wstring(c.shown) + L"”不能用作文件名称。"})
            << c.typed;
        EXPECT_EQ(host.Boxes().Dialogs().back().result, ui::IDCANCEL) << c.typed;
        EXPECT_TRUE(host.Boxes().Faults().empty()) << c.typed;
    }
    EXPECT_EQ(Content(L"P\\P.itm"), std::vector<std::wstring>{L"SM:说明.dwg<>"});
    EXPECT_FALSE(installation.Exists(L"P\\110kV"));
    EXPECT_FALSE(host.Current()->isTitled());

    // Without a name there is nothing to press.
    host.Boxes().Clear();
    Save(L"SAVETOXM", {Type(D::IDC_FILE_NAME, L"A"), Type(D::IDC_FILE_NAME, L""), Ok()});
    EXPECT_FALSE(host.Boxes().Faults().empty()) << "Save is disabled";
    EXPECT_TRUE(host.Boxes().Boxes().empty());
}

TEST_F(FileSaveDlgTest, ARunningToolKeepsTheDialogOpenAndSavesNothing) {
    ui::Window tool(L"明细表", ui::WindowKind::Dialog);
    tool.CreateWindowObject();
    Save(L"SAVETOSB", {Type(D::IDC_FILE_NAME, L"X"), Ok(), Cancel()});
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"\n在此操作前，请关闭正在运行的\"明细表\""});
    EXPECT_FALSE(installation.Exists(L"P\\Q\\X.dwg"));
    EXPECT_EQ(host.Boxes().Dialogs().back().result, ui::IDCANCEL);
}

TEST_F(FileSaveDlgTest, OverwritingARecordedFileMovesItsRecordToTheChosenType) {
    host.Boxes().QueueAnswer(ui::IDNO);
    std::string before = installation.ReadBytes(L"P\\Q\\图1.dwg");
    Save(L"SAVETOSB", {Type(D::IDC_FILE_NAME, L"图1"), Ok()});
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"设备“Q”中已经存在文件“图1.dwg”\n是否覆盖？"});
    EXPECT_EQ(installation.ReadBytes(L"P\\Q\\图1.dwg"), before) << "declined";

    host.Boxes().QueueAnswer(ui::IDYES);
    Save(L"SAVETOSB", {Select(D::IDC_SB_TREE, L"Q|原理图"), Type(D::IDC_FILE_NAME, L"图1"),
                       Type(D::IDC_REMARK, L"改"), Ok()});
    EXPECT_NE(installation.ReadBytes(L"P\\Q\\图1.dwg"), before);
    EXPECT_TRUE(installation.Exists(L"P\\Q\\图1.bak")) << "the old file is the back-up";
    EXPECT_EQ(Content(L"P\\Q\\Q.prj"),
              (std::vector<std::wstring>{L":清单.xls<材料>", L"PM:图2.dwg<>", L"YL:原理1.dwg<>",
                                         L"YL:图1.dwg<改>"}));
}

TEST_F(FileSaveDlgTest, AFailedManagementFileWriteSaysTheDrawingIsNotEntered) {
    // A folder where the library writes its temporary file makes the write fail.
    installation.MakeFolder(L"P\\Q\\Q.prj." + std::to_wstring(::getpid()) + L".ovtmp");
    Save(L"SAVETOSB", {Type(D::IDC_FILE_NAME, L"新"), Ok()});
    EXPECT_TRUE(installation.Exists(L"P\\Q\\新.dwg"));
    ASSERT_FALSE(Lines().empty());
    EXPECT_EQ(Lines().back().rfind(
                  L"文件\"新.dwg\"已经保存在设备\"Q\"的文件夹中，但没有记入它的管理文件：", 0),
              0u)
        << Lines().back();
    EXPECT_EQ(Content(L"P\\Q\\Q.prj").size(), 4u);
}

TEST_F(FileSaveDlgTest, ATargetOpenAsAnotherDocumentIsRefused) {
    std::wstring other = installation.Path(L"P\\Q\\图2.dwg");
    SaveDrawing(other);
    AcApDocument* current = host.Current();
    ASSERT_EQ(acDocManager->appContextOpenDocument(other.c_str()), Acad::eOk);
    acDocManager->setCurDocument(current, AcAp::kNone, true);
    Save(L"SAVETOSB", {Type(D::IDC_FILE_NAME, L"图2"), Ok(), Cancel()});
    ASSERT_EQ(host.Boxes().Boxes().size(), 1u);
    EXPECT_NE(host.Boxes().Boxes()[0].text.find(L"已在另一个图形窗口中打开"), std::wstring::npos);
    EXPECT_EQ(host.Boxes().Dialogs().back().result, ui::IDCANCEL);
}

TEST_F(FileSaveDlgTest, TheDrawingNameComesFromTheTitleBlock) {
    D none(false);
    RunDialog(none, {Click(D::IDC_DRAWING_NAME), Cancel()});
    EXPECT_EQ(BoxTexts(), std::vector<std::wstring>{L"图中无标题栏!"});
    {
        DocumentLock lock(host.Current());
        AddTitleBlock(*host.CurrentDatabase(), {0, 0, 0},
                      {L"$BEGINETITLE", L"A3", L"图样名称|10|20|50|10|5|0.8|", L"$ENDTITLE"});
    }
    D empty(false);
    RunDialog(empty, {Click(D::IDC_DRAWING_NAME), Cancel()});
    EXPECT_EQ(BoxTexts().back(), L"标题栏中图样名称为空值");
    {
        DocumentLock lock(host.Current());
        AddText(*host.CurrentDatabase(), {20, 15, 0}, L"总 图");
    }
    D named(false);
    RunDialog(named, {Click(D::IDC_DRAWING_NAME), Cancel()});
    EXPECT_EQ(named.m_strFileName, L"总图");
}

TEST_F(FileSaveDlgTest, AnUnusableContainerEndsAtOnceAndTheWindowKeepsItsTrees) {
    host.Run(L"SBMANAGE\n");
    ASSERT_NE(g_pManageDlg, nullptr);
    ui::TreeCtrl* windowTree = g_XmComonPar.GetpDlgSbTreeCtrl();
    ASSERT_NE(windowTree, nullptr);
    installation.WriteBytes(L"Data\\default.dat",
                            Cp936(installation.Path(L"P\\Z\\Z.prj") + L"\r\n"));
    size_t dialogs = host.Boxes().Dialogs().size();
    host.Run(L"SAVETOSB\n");
    EXPECT_EQ(host.Boxes().Dialogs().size(), dialogs) << "ended while it opened";
    EXPECT_EQ(g_XmComonPar.GetpDlgSbTreeCtrl(), windowTree) << "the window's tree again";

    installation.WriteBytes(L"Data\\default.dat",
                            Cp936(installation.Path(L"P\\Q\\Q.prj") + L"\r\n"));
    host.Run(L"SAVETOSB\n"); // cancelled: no script
    EXPECT_EQ(g_XmComonPar.GetpDlgSbTreeCtrl(), windowTree);

    // The window still works with its trees: a right click shows its menu.
    auto* window = dynamic_cast<ui::Dialog*>(g_pManageDlg);
    ASSERT_NE(window, nullptr);
    size_t menus = host.Boxes().Menus().size();
    EXPECT_EQ(host.Boxes().Act(*window, RightClick(125, L"Q")), L"");
    EXPECT_EQ(host.Boxes().Menus().size(), menus + 1);
    CloseManageDlg();
    EXPECT_EQ(g_XmComonPar.GetpDlgSbTreeCtrl(), nullptr);
}

// The dialog from a console script, as the console host runs it. The installation's folder is
// written as <installation>.
TEST_F(FileSaveDlgTest, ConsoleTranscript) {
    Console console({L"select 125 Q|屏面布置图", L"type 139 面板图", L"type 141 正面", L"ok"});
    D dialog(false);
    HandInstallationFoldersToLibraries();
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_TRUE(installation.Exists(L"P\\Q\\面板图.dwg"));
    std::wstring transcript =
        text::ReplaceAll(console.transcript, installation.Logical(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("drawing/transcripts/FileSaveDlg.txt", transcript));
}

TEST_F(FileSaveDlgTest, InErpModeTheTypeComesFromTheCombo) {
    installation.WriteBytes(L"Data\\ErpOrCad.txt", Cp936Lines({L"Erp"}));
    ResetErpOrCadMode();
    Save(L"SAVETOSB", {Select(D::IDC_STYLE_COMBO, L"原理图"), Type(D::IDC_FILE_NAME, L"E1"), Ok()});
    ResetErpOrCadMode();
    const ui::RecordedDialog& run = host.Boxes().Dialogs().back();
    for (const wchar_t* control : {L"152 check", L"153 button", L"146 edit"}) {
        bool hidden = false;
        for (const std::wstring& line : run.opening)
            if (line.find(control) != std::wstring::npos)
                hidden = line.find(L"hidden") != std::wstring::npos;
        EXPECT_TRUE(hidden) << control;
    }
    EXPECT_EQ(Content(L"P\\Q\\Q.prj").back(), L"YL:E1.dwg<>");
}
