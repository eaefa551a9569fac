// The creation dialog run as a user runs it through the scripted backend: what it shows for
// each kind, the name following the description, the templates, and OK making the container,
// its description and, from a template, its drawings; or refusing with the dialog kept open.

#include "records/CreatXmSbDlg.h"
#include "controls/SortedListCtrl.h"
#include "platform/cad/DbOpen.h"
#include "platform/ui/Actions.h"
#include "records/DrawingLocation.h"
#include "store/HistoryDataOprt.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/ConsoleTranscript.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/SampleProject.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;
using namespace ui::act;

namespace {

using D = CCreatXmSbDlg;
constexpr int kList = D::IDC_EXPLAIN_LIST;
constexpr int kCombo = kList + CSortedListCtrl::kComboIdOffset;

std::vector<std::wstring> Rows(const ui::ListCtrl& list) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0) + L"=" + list.GetItemText(row, 1));
    return rows;
}

bool Opened(const ui::RecordedDialog& dialog, const std::wstring& line) {
    return std::find(dialog.opening.begin(), dialog.opening.end(), line) != dialog.opening.end();
}

// A template drawing "01.dwg" of an Equipment at the location "A1": a cover text ending in
// "工程", a title block whose first cell is the drawing number, a terminal-strip head with its
// own location text, and a location label of a bill of material.
void SaveTemplateDrawing(const std::wstring& path) {
    SaveDrawing(path, [](AcDbDatabase& db) {
        for (const wchar_t* application :
             {L"DZP_NAME", L"OV_DZPHEAD_LOACTIONHANDLE", L"OV_DZPLOCATION_HEADHANDLE",
              L"OVBOM_LOCATION_LABELHANDLE"})
            RegisterApplication(db, application);
        AddText(db, {0, 50, 0}, L"某某工程");
        AddTitleBlock(db, {0, 0, 0},
                      {L"$BEGINETITLE", L"A3", L"图号|100|10|140|0|3|0.7|", L"$ENDTITLE"});
        AcDbObjectId location = AddText(db, {105, 50, 0}, L"A1");
        AcDbObjectId head = AddText(db, {100, 50, 0}, L"X1", 4.0);
        SetXData(head, L"DZP_NAME", {resbuf::Text(1000, L"X1")});
        SetXData(head, L"OV_DZPHEAD_LOACTIONHANDLE",
                 {resbuf::Text(1005, location.handle().text())});
        SetXData(location, L"OV_DZPLOCATION_HEADHANDLE",
                 {resbuf::Text(1005, head.handle().text())});
        AcDbObjectId label = AddText(db, {0, 80, 0}, L"A1");
        SetXData(label, L"OVBOM_LOCATION_LABELHANDLE", {resbuf::Text(1000, L"")});
        SetDrawingLocation(&db, L"A1");
    });
}

// The texts (TEXT) of model space in order, and the drawing's location.
std::vector<std::wstring> DrawingTexts(const std::wstring& path, std::wstring* location = nullptr) {
    AcDbDatabase db(false, true);
    EXPECT_EQ(db.readDwgFile(path.c_str()), Acad::eOk) << path;
    std::vector<std::wstring> texts;
    for (AcDbObjectId id : ModelSpaceIds(db)) {
        AcDbObjectPointer<AcDbText> text(id, AcDb::kForRead);
        if (text)
            texts.push_back(text->textString());
    }
    if (location)
        *location = GetDrawingLocation(&db);
    return texts;
}

// An installation with the word dictionary, the Project P (工程名称 城东变电站, 工程合同号 HT-12,
// 设备数量 3), the Equipment templates Std (设备数量 4, 设备型号 OLD, the drawing 01.dwg) and
// Std2, and the Project template XmStd whose Equipment M holds a drawing.
class CreatXmSb : public ::testing::Test {
protected:
    CreatXmSb() {
        MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                       {L"CREATE TABLE \"OV项目设备描述信息\" (WORD TEXT)",
                        L"INSERT INTO \"OV项目设备描述信息\" VALUES ('工程名称'), ('工程合同号'), "
                        L"('设备图册号'), ('设备名称'), ('设备数量'), ('端子')",
                        L"CREATE TABLE \"OV端子型号\" (WORD TEXT)",
                        L"INSERT INTO \"OV端子型号\" VALUES ('UK5N'), ('UK10')"});
        installation.WriteBytes(
            L"Projects\\P\\P.itm",
            ManageFileBytes({L"工程名称=城东变电站", L"工程合同号=HT-12", L"设备数量=3"}, {}));
        installation.WriteBytes(
            L"Template\\prjs\\Std\\Std.prj",
            ManageFileBytes({L"设备数量=4", L"设备型号=OLD", L"设备名称=模板柜"},
                            {L"YL:", L"01.dwg<>"}));
        SaveTemplateDrawing(installation.Path(L"Template\\prjs\\Std\\01.dwg"));
        installation.WriteBytes(L"Template\\prjs\\Std2\\Std2.prj",
                                ManageFileBytes({L"设备名称=二号模板"}, {}));
        installation.WriteBytes(L"Template\\itms\\XmStd\\XmStd.itm",
                                ManageFileBytes({L"工程名称=模板工程", L"工程地点=城西"}, {}));
        installation.WriteBytes(L"Template\\itms\\XmStd\\M\\M.prj",
                                ManageFileBytes({L"设备图册号=M1"}, {L"YL:", L"01.dwg<>"}));
        SaveTemplateDrawing(installation.Path(L"Template\\itms\\XmStd\\M\\01.dwg"));
        CHistoryDataOprt().WriteBack();
    }
    std::wstring Path(const std::wstring& relative) const {
        return installation.Path(L"Projects\\P\\" + relative);
    }
    int Run(int bIsXm, std::vector<ui::Action> actions) {
        Backend().Script(D::IDD, std::move(actions));
        CCreatXmSbDlg dialog(installation.Path(L"Projects\\P"), bIsXm);
        int result = dialog.DoModal();
        strNewFolder = dialog.Getm_strNewFolder();
        return result;
    }
    ui::ScriptedBackend& Backend() { return host.Boxes(); }
    std::vector<std::wstring> Entries(const std::wstring& manageFile) {
        CManageFileInfo reread;
        EXPECT_EQ(reread.ReadManageFile(Path(manageFile)), 1);
        std::vector<std::wstring> entries;
        for (const CExplainInfoNode& entry : reread.Getm_ExplainInfoArray())
            entries.push_back(entry.Getm_StrTitle() + L"=" + entry.Getm_StrValue());
        return entries;
    }

    TempInstallation installation;
    HostSession host;
    std::wstring strNewFolder;
};

} // namespace

TEST_F(CreatXmSb, AnEquipmentOpensWithItsRowsSchemesAndTemplates) {
    ASSERT_EQ(Run(0, {Cancel()}), ui::IDCANCEL);
    const ui::RecordedDialog& opened = Backend().Dialogs()[0];
    EXPECT_EQ(opened.caption, L"新建设备");
    EXPECT_TRUE(Opened(opened, L"  130 static \"请输入新建设备的名称：\""));
    EXPECT_TRUE(Opened(opened, L"  132 static \"属于项目:P\""));
    EXPECT_TRUE(Opened(opened, L"  189 static \"设备描述信息:\""));
    EXPECT_TRUE(Opened(
        opened, L"  151 combo \"设备图册号-设备名称\" [设备图册号-设备名称, 自定义] sel=#0"));
    EXPECT_TRUE(Opened(opened, L"  1 button \"确定\" disabled")) << "no name yet";
    EXPECT_TRUE(Opened(opened, L"  185 button \"PDM库\" disabled")) << "not the ERP mode";
    EXPECT_TRUE(Opened(opened, L"  186 check \"使用模板\" [x]"))
        << "ticked by the history's default";
    EXPECT_TRUE(Opened(opened, L"  180 combo \"模板1               Std\" [模板1               Std, "
                               L"模板2               Std2] sel=#0"));
    EXPECT_TRUE(Opened(opened, L"  156 radio \"否\" [x]"));
    EXPECT_TRUE(Opened(opened, L"  157 button \"选择模板\" disabled"));
    EXPECT_FALSE(installation.Exists(L"Projects\\P\\E"));
}

TEST_F(CreatXmSb, TheNameFollowsTheDescriptionUntilItIsCustom) {
    CCreatXmSbDlg dialog(installation.Path(L"Projects\\P"), 0);
    dialog.Create();
    auto* list = dialog.GetDlgItemAs<CSortedListCtrl>(kList);
    EXPECT_EQ(Rows(*list),
              (std::vector<std::wstring>{L"设备图册号=", L"设备名称=", L"设备数量=", L"端子="}))
        << "the Equipment's titles; the Project's quantity is not taken";
    EXPECT_EQ(Backend().Act(dialog, Cell(kList, 1, 1)), L"");
    EXPECT_EQ(Backend().Act(dialog, Type(kCombo, L"1号柜")), L"");
    EXPECT_EQ(dialog.GetDlgItemText(D::IDC_NAME), L"1号柜");
    EXPECT_EQ(Backend().Act(dialog, Cell(kList, 0, 1)), L"");
    EXPECT_EQ(Backend().Act(dialog, Type(kCombo, L"B7")), L"");
    EXPECT_EQ(Backend().Act(dialog, Timer(D::kNamingTimer)), L"");
    EXPECT_EQ(dialog.GetDlgItemText(D::IDC_NAME), L"B7-1号柜");
    std::wstring location = L"新建位置:";
    location += Path(L"B7-1号柜");
    EXPECT_EQ(dialog.GetDlgItemText(D::IDC_LOCATION_LINE), location);
    EXPECT_NE(Backend().Act(dialog, Type(D::IDC_NAME, L"X")), L"") << "read-only under a scheme";

    EXPECT_EQ(Backend().Act(dialog, Cell(kList, 3, 1)), L"");
    auto* combo = dialog.GetDlgItemAs<ui::ComboBox>(kCombo);
    ASSERT_EQ(combo->GetCount(), 2);
    EXPECT_EQ(combo->GetLBText(1), L"UK10") << "terminal rows take the terminal models";

    EXPECT_EQ(Backend().Act(dialog, Select(D::IDC_NAMING, L"自定义")), L"");
    EXPECT_EQ(Backend().Act(dialog, Type(D::IDC_NAME, L"自定柜")), L"");
    EXPECT_EQ(Backend().Act(dialog, Cell(kList, 0, 1)), L"");
    EXPECT_EQ(Backend().Act(dialog, Type(kCombo, L"B8")), L"");
    EXPECT_EQ(Backend().Act(dialog, Timer(D::kNamingTimer)), L"");
    EXPECT_EQ(dialog.GetDlgItemText(D::IDC_NAME), L"自定柜");
    dialog.DestroyWindow();
}

TEST_F(CreatXmSb, AnEquipmentFromATemplateTakesItsNameIntoFileAndDrawings) {
    ASSERT_EQ(Run(0, {Cell(kList, 0, 1), Type(kCombo, L"B7"), Cell(kList, 1, 1),
                      Type(kCombo, L"1号柜"), Cell(kList, 2, 1), Type(kCombo, L"2"), Ok()}),
              ui::IDOK);
    EXPECT_EQ(strNewFolder, Path(L"B7-1号柜"));
    EXPECT_EQ(Entries(L"B7-1号柜\\B7-1号柜.prj"),
              (std::vector<std::wstring>{L"设备图册号=B7", L"端子=", L"设备数量=4", L"设备型号=OLD",
                                         L"设备名称=1号柜"}))
        << "the template's quantity stays; rows it lacks go on top";
    std::wstring location;
    EXPECT_EQ(
        DrawingTexts(Path(L"B7-1号柜\\01.dwg"), &location),
        (std::vector<std::wstring>{L"城东变电站", L"B7-1号柜", L"X1", L"B7-1号柜", L"HT-12G-B7"}))
        << "the cover and the drawing number with the Project's values; the head's text and "
           "the label at the new location";
    EXPECT_EQ(location, L"B7-1号柜");
    EXPECT_EQ(DrawingTexts(installation.Path(L"Template\\prjs\\Std\\01.dwg"))[0], L"某某工程")
        << "the template is untouched";
    int nScheme = -1, bUse = -1;
    CHistoryDataOprt history;
    history.GetHistoryInt(D::kHistorySbNaming, nScheme);
    history.GetHistoryInt(D::kHistorySbUseTemplate, bUse);
    EXPECT_EQ(nScheme, 0);
    EXPECT_EQ(bUse, 1);
    EXPECT_TRUE(Backend().Boxes().empty());
}

TEST_F(CreatXmSb, TheSelectedTemplateIsCopiedNotOneWhoseNameItHolds) {
    ASSERT_EQ(Run(0, {Select(D::IDC_NAMING, L"自定义"), Type(D::IDC_NAME, L"E2"),
                      Select(D::IDC_TEMPLATES, L"模板2               Std2"), Ok()}),
              ui::IDOK);
    EXPECT_EQ(Entries(L"E2\\E2.prj").back(), L"设备名称=二号模板");
    EXPECT_FALSE(installation.Exists(L"Projects\\P\\E2\\01.dwg")) << "not Std's drawing";
}

TEST_F(CreatXmSb, WithoutAWordDictionaryTheTemplatesBlockStays) {
    installation.WriteBytes(L"Data\\word.mdb", "");
    ASSERT_EQ(Run(0, {Select(D::IDC_NAMING, L"自定义"), Type(D::IDC_NAME, L"E3  "), Ok()}),
              ui::IDOK);
    EXPECT_EQ(Backend().Dialogs()[0].caption, L"新建设备");
    EXPECT_EQ(Entries(L"E3\\E3.prj"),
              (std::vector<std::wstring>{L"设备数量=4", L"设备型号=OLD", L"设备名称=模板柜"}));
    std::wstring location;
    DrawingTexts(Path(L"E3\\01.dwg"), &location);
    EXPECT_EQ(location, L"E3") << "trailing blanks are not part of the name";
}

TEST_F(CreatXmSb, AProjectWithoutTemplateGetsItsRowsAndAFromTemplateOneItsDrawingsWritten) {
    ASSERT_EQ(Run(1, {Click(D::IDC_USE_TEMPLATE), Cell(kList, 0, 1), Type(kCombo, L"甲工程"),
                      Select(D::IDC_NAMING, L"工程合同号-工程名称"), Ok()}),
              ui::IDOK);
    EXPECT_EQ(Backend().Dialogs()[0].caption, L"新建项目");
    EXPECT_EQ(strNewFolder, Path(L"HT-12-甲工程")) << "the Project's contract number came along";
    EXPECT_EQ(Entries(L"HT-12-甲工程\\HT-12-甲工程.itm"),
              (std::vector<std::wstring>{L"工程名称=甲工程", L"工程合同号=HT-12", L"端子="}));

    ASSERT_EQ(
        Run(1, {Click(D::IDC_USE_TEMPLATE), Select(D::IDC_TEMPLATES, L"模板1               XmStd"),
                Select(D::IDC_NAMING, L"工程名称-工程合同号"), Cell(kList, 0, 1),
                Type(kCombo, L"乙工程"), Ok()}),
        ui::IDOK);
    EXPECT_EQ(strNewFolder, Path(L"乙工程-HT-12"));
    EXPECT_EQ(Entries(L"乙工程-HT-12\\乙工程-HT-12.itm"),
              (std::vector<std::wstring>{L"工程名称=乙工程", L"工程合同号=HT-12", L"端子=",
                                         L"工程地点=城西"}))
        << "the row replaces the template's project name";
    std::wstring location;
    EXPECT_EQ(DrawingTexts(Path(L"乙工程-HT-12\\M\\01.dwg"), &location),
              (std::vector<std::wstring>{L"乙工程", L"A1", L"X1", L"A1", L"HT-12G-M1"}));
    EXPECT_EQ(location, L"A1") << "a Project's drawings keep their locations";
}

TEST_F(CreatXmSb, ARefusalKeepsTheDialogOpenWithNothingMade) {
    installation.WriteBytes(L"Projects\\P\\Q\\Q.prj", ManageFileBytes({}, {}));
    ASSERT_EQ(Run(1, {Select(D::IDC_NAMING, L"自定义"), Type(D::IDC_NAME, L"Q"), Ok(),
                      Type(D::IDC_NAME, L"a\\b"), Ok(), Cancel()}),
              ui::IDCANCEL);
    ASSERT_EQ(Backend().Boxes().size(), 2u);
    EXPECT_EQ(Backend().Boxes()[0].text, L"在新建项目\"Q\"的位置上，已经存在一个同名设备。");
    EXPECT_EQ(Backend().Boxes()[1].text, L"“a\\b”不能用作项目名称。");
    EXPECT_FALSE(installation.Exists(L"Projects\\P\\a"));
    EXPECT_TRUE(strNewFolder.empty());
}

TEST_F(CreatXmSb, ChoosingATemplateFileReopensOnARefusalAndFallsBackToNo) {
    Backend().QueueFile(installation.Path(L"Template\\prjs\\Std2\\Std.prj"));
    Backend().QueueFile(installation.Path(L"Template\\prjs\\Std\\Std.prj"));
    Backend().QueueFile(L"");
    CCreatXmSbDlg dialog(installation.Path(L"Projects\\P"), 0);
    dialog.Create();
    EXPECT_EQ(Backend().Act(dialog, Click(D::IDC_FROM_TEMPLATE_YES)), L"");
    EXPECT_EQ(dialog.Getm_strChosenTemplateFolder(), installation.Path(L"Template\\prjs\\Std"))
        << "the refused file reopened the chooser";
    EXPECT_EQ(Backend().Boxes().size(), 1u) << "the refusal explained";
    EXPECT_TRUE(dialog.GetDlgItem(D::IDC_CHOOSE_TEMPLATE)->IsWindowEnabled());
    EXPECT_EQ(Backend().Act(dialog, Click(D::IDC_FROM_TEMPLATE_NO)), L"");
    EXPECT_EQ(dialog.Getm_strChosenTemplateFolder(), L"");
    EXPECT_EQ(Backend().Act(dialog, Click(D::IDC_FROM_TEMPLATE_YES)), L"");
    EXPECT_EQ(dialog.IsDlgButtonChecked(D::IDC_FROM_TEMPLATE_NO), ui::BST_CHECKED)
        << "cancelled with no template: back to 否";
    EXPECT_FALSE(dialog.GetDlgItem(D::IDC_CHOOSE_TEMPLATE)->IsWindowEnabled());
    ASSERT_EQ(Backend().FileRequests().size(), 3u);
    EXPECT_EQ(Backend().FileRequests()[0].title, L"选择新建设备的模板");
    EXPECT_EQ(Backend().FileRequests()[0].filter, L"Tessaline设备管理文件(*.prj)|*.prj|");
    dialog.DestroyWindow();
}

TEST_F(CreatXmSb, ConsoleTranscript) {
    Console console({L"cell 149 0 1", L"type 20149 B7", L"cell 149 1 1", L"type 20149 1号柜",
                     L"click 186", L"ok"});
    CCreatXmSbDlg dialog(installation.Path(L"Projects\\P"), 0);
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    std::wstring transcript = console.transcript;
    size_t at;
    while ((at = transcript.find(installation.Logical())) != std::wstring::npos)
        transcript.replace(at, installation.Logical().size(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("records/transcripts/CreatXmSbDlg.txt", transcript));
    EXPECT_EQ(
        Entries(L"B7-1号柜\\B7-1号柜.prj"),
        (std::vector<std::wstring>{L"设备图册号=B7", L"设备名称=1号柜", L"设备数量=", L"端子="}));
}
