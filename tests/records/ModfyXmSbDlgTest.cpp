// The modification dialog run as a user runs it through the scripted backend: what it shows
// for each kind, and OK carrying a change into the management file, the folder name, the file
// names and the drawings, or stopping where it must.

#include "records/ModfyXmSbDlg.h"
#include "controls/SortedListCtrl.h"
#include "platform/cad/DbOpen.h"
#include "platform/fs/FileIo.h"
#include "platform/ui/Actions.h"
#include "records/OneInfoDlg.h"
#include "store/HistoryDataOprt.h"
#include "store/WorkingMode.h"
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

constexpr int kList = CModfyXmSbDlg::IDC_EXPLAIN_LIST;
constexpr int kCombo = kList + CSortedListCtrl::kComboIdOffset;

// "title=value" of every row.
std::vector<std::wstring> Rows(const ui::ListCtrl& list) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0) + L"=" + list.GetItemText(row, 1));
    return rows;
}

bool Opened(const ui::RecordedDialog& dialog, const std::wstring& line) {
    for (const std::wstring& opening : dialog.opening)
        if (opening == line)
            return true;
    return false;
}

// The texts of model space, in order.
std::vector<std::wstring> DrawingTexts(const std::wstring& path) {
    AcDbDatabase db(false, true);
    EXPECT_EQ(db.readDwgFile(path.c_str()), Acad::eOk) << path;
    std::vector<std::wstring> texts;
    for (AcDbObjectId id : ModelSpaceIds(db)) {
        AcDbObjectPointer<AcDbText> text(id, AcDb::kForRead);
        if (text)
            texts.push_back(text->textString());
    }
    return texts;
}

// A Project P with the Equipment E (book number A, two drawings with a cover text and a title
// block whose first cell is the drawing number) in the installation's "Projects" folder.
class ModfyXmSb : public ::testing::Test {
protected:
    ModfyXmSb() {
        MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                       {L"CREATE TABLE \"OV项目设备描述信息\" (WORD TEXT)",
                        L"INSERT INTO \"OV项目设备描述信息\" VALUES ('工程合同号'), ('设备名称'), "
                        L"('设备型号')",
                        L"CREATE TABLE \"OV端子型号\" (WORD TEXT)",
                        L"INSERT INTO \"OV端子型号\" VALUES ('UK5N'), ('UK10')"});
        installation.WriteBytes(
            L"Projects\\P\\P.itm",
            ManageFileBytes({L"工程名称=城东变电站", L"工程合同号=HT-12", L"工程地点=城东"}, {}));
        installation.WriteBytes(L"Projects\\P\\E\\E.prj",
                                ManageFileBytes({L"设备名称=1号柜", L"设备图册号=A", L"工程名称= ",
                                                 L"原理图标号=K1", L"端子=UK2"},
                                                {L"YL:", L"A-01.dwg<封面>", L"A-02.dwg<>"}));
        for (const wchar_t* name : {L"A-01.dwg", L"A-02.dwg"})
            SaveDrawing(Path(std::wstring(L"E\\") + name), [](AcDbDatabase& db) {
                AddTitleBlock(db, {0, 0, 0},
                              {L"$BEGINETITLE", L"A3", L"图号|100|10|140|0|3|0.7|", L"$ENDTITLE"});
                AddText(db, {0, 50, 0}, L"某某工程");
            });
        // The history file exists before the dialogs run, as it does after the first start.
        CHistoryDataOprt().WriteBack();
        ResetErpOrCadMode();
    }
    ~ModfyXmSb() override { ResetErpOrCadMode(); }
    std::wstring Path(const std::wstring& relative) const {
        return installation.Path(L"Projects\\P\\" + relative);
    }
    // Runs the dialog on a management file of the Project with the actions; the file as the
    // dialog left it in `file`.
    int Run(const std::wstring& manageFile, std::vector<ui::Action> actions) {
        EXPECT_EQ(file.ReadManageFile(Path(manageFile)), 1);
        Backend().Script(CModfyXmSbDlg::IDD, std::move(actions));
        CModfyXmSbDlg dialog(&file);
        int result = dialog.DoModal();
        strFolderName = dialog.Getm_strFolderName();
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
    CManageFileInfo file;
    std::wstring strFolderName;
};

} // namespace

TEST_F(ModfyXmSb, AnEquipmentShowsItsEntriesWithTheDefaultsAndItsProjectsValues) {
    ASSERT_EQ(Run(L"E\\E.prj", {Cancel()}), ui::IDCANCEL);
    const ui::RecordedDialog& opened = Backend().Dialogs()[0];
    EXPECT_EQ(opened.caption, L"设备修改");
    EXPECT_TRUE(Opened(opened, L"  183 static \"设备目录：\""));
    EXPECT_TRUE(Opened(opened, L"  131 edit \"E\" read-only focus"))
        << "the boxes are ticked at first";
    EXPECT_TRUE(Opened(opened, L"  232 check \"联动修改项目目录\" [x] hidden"));
    EXPECT_TRUE(Opened(opened, L"  177 combo \"工程合同号-工程名称\" "
                               L"[工程合同号-工程名称, 工程名称-工程合同号] sel=#0 hidden"));
    EXPECT_TRUE(Opened(opened, L"  161 button \"修改\""));
    EXPECT_TRUE(Opened(opened, L"  185 button \"PDM库\" disabled")) << "not the ERP mode";
    EXPECT_EQ(Entries(L"E\\E.prj").size(), 5u) << "Cancel writes nothing";
    EXPECT_TRUE(Backend().Faults().empty()) << Backend().Faults()[0];
}

TEST_F(ModfyXmSb, TheRowsAreOrderedAndOfferTheWordsOfTheirTitle) {
    EXPECT_EQ(file.ReadManageFile(Path(L"E\\E.prj")), 1);
    CModfyXmSbDlg dialog(&file);
    dialog.Create();
    auto* list = dialog.GetDlgItemAs<CSortedListCtrl>(kList);
    EXPECT_EQ(Rows(*list),
              (std::vector<std::wstring>{L"设备名称=1号柜", L"设备图册号=A", L"设备型号=",
                                         L"工程名称=城东变电站", L"端子=UK2", L"工程合同号=HT-12",
                                         L"原理图标号=K1"}))
        << "the Equipment's rows first, the Project's values in blank rows, labels last";
    EXPECT_EQ(Backend().Act(dialog, Cell(kList, 4, 1)), L"");
    auto* combo = dialog.GetDlgItemAs<ui::ComboBox>(kCombo);
    ASSERT_EQ(combo->GetCount(), 2);
    EXPECT_EQ(combo->GetLBText(1), L"UK10") << "terminal rows take the terminal models";
    EXPECT_EQ(Backend().Act(dialog, Select(kCombo, L"UK10")), L"");
    EXPECT_EQ(dialog.GetEntries()[4].Getm_StrValue(), L"UK10") << "applied to the entry";
    dialog.DestroyWindow();
}

TEST_F(ModfyXmSb, OkCarriesANewBookNumberIntoFolderFilesAndDrawings) {
    ASSERT_EQ(
        Run(L"E\\E.prj", {Cell(kList, 1, 1), Type(kCombo, L"B7"),
                          Select(CModfyXmSbDlg::IDC_FILE_PATTERN, L"设备图册号-页号*.dwg"), Ok()}),
        ui::IDOK);
    EXPECT_EQ(strFolderName, L"B7-1号柜") << "the window renames the folder";
    EXPECT_EQ(Entries(L"E\\E.prj"),
              (std::vector<std::wstring>{L"设备名称=1号柜", L"设备图册号=B7", L"设备型号= ",
                                         L"工程名称=城东变电站", L"端子=UK2", L"工程合同号=HT-12",
                                         L"原理图标号=K1"}));
    CManageFileInfo reread;
    ASSERT_EQ(reread.ReadManageFile(Path(L"E\\E.prj")), 1);
    const auto& records = reread.Getm_FileStyleNodeArray()[0]->Getm_FileInfoArray();
    EXPECT_EQ(records[0]->Getm_strFileName(), L"B7-01.dwg");
    EXPECT_EQ(records[0]->Getm_strRemark(), L"封面");
    EXPECT_FALSE(installation.Exists(L"Projects\\P\\E\\A-02.dwg"));
    EXPECT_EQ(DrawingTexts(Path(L"E\\B7-01.dwg")),
              (std::vector<std::wstring>{L"城东变电站", L"HT-12G-B7"}))
        << "a cover in the 01 drawing and the number in every title block";
    EXPECT_EQ(DrawingTexts(Path(L"E\\B7-02.dwg")),
              (std::vector<std::wstring>{L"某某工程", L"HT-12G-B7"}));
    EXPECT_TRUE(Backend().Boxes().empty());
}

TEST_F(ModfyXmSb, AManagementFileThatCannotBeWrittenKeepsTheDialogAndChangesNothing) {
    std::string before = installation.ReadBytes(L"Projects\\P\\E\\E.prj");
    fs::FailWritesBeforeRenameForTesting(1);
    ASSERT_EQ(Run(L"E\\E.prj", {Cell(kList, 1, 1), Type(kCombo, L"B7"), Ok(), Cancel()}),
              ui::IDCANCEL);
    ASSERT_EQ(Backend().Boxes().size(), 1u);
    std::wstring expected = L"设备管理文件“";
    expected += Path(L"E\\E.prj");
    expected += L"”不能写入：";
    EXPECT_EQ(Backend().Boxes()[0].text.rfind(expected, 0), 0u) << Backend().Boxes()[0].text;
    EXPECT_EQ(installation.ReadBytes(L"Projects\\P\\E\\E.prj"), before);
    EXPECT_TRUE(installation.Exists(L"Projects\\P\\E\\A-01.dwg"));
    EXPECT_EQ(DrawingTexts(Path(L"E\\A-01.dwg")), std::vector<std::wstring>{L"某某工程"})
        << "no drawing was written";
}

TEST_F(ModfyXmSb, AnOpenDrawingIsClosedBeforeTheFolderNameChangesOrTheFolderStays) {
    ASSERT_EQ(acDocManager->appContextOpenDocument(Path(L"E\\A-02.dwg").c_str()), Acad::eOk);
    Backend().QueueAnswer(ui::IDCANCEL);
    ASSERT_EQ(Run(L"E\\E.prj",
                  {Click(CModfyXmSbDlg::IDC_RENAME_FILES), Click(CModfyXmSbDlg::IDC_WRITE_DRAWINGS),
                   Cell(kList, 0, 1), Type(kCombo, L"2号柜"), Ok()}),
              ui::IDOK);
    ASSERT_EQ(Backend().Boxes().size(), 1u);
    std::wstring question = L"项目下文件：";
    question += Path(L"E\\A-02.dwg");
    question += L"已经打开\n，是否自动保存关闭图形文件再更改设备目录名？";
    EXPECT_EQ(Backend().Boxes()[0].text, question);
    EXPECT_EQ(Backend().Boxes()[0].flags, ui::MB_OKCANCEL | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(strFolderName, L"E") << "Cancel keeps the folder";

    Backend().Clear();
    Backend().QueueAnswer(ui::IDOK);
    ASSERT_EQ(Run(L"E\\E.prj", {Cell(kList, 0, 1), Type(kCombo, L"3号柜"), Ok()}), ui::IDOK);
    EXPECT_EQ(Backend().Boxes().size(), 1u);
    EXPECT_EQ(strFolderName, L"A-3号柜");
    EXPECT_EQ(acDocManager->findDocument(Path(L"E\\A-02.dwg")), nullptr) << "saved and closed";
}

TEST_F(ModfyXmSb, BlankValuesNameNoFolderPrefixNoFileAndFillNoCell) {
    installation.WriteBytes(L"Projects\\P\\E\\E.prj",
                            ManageFileBytes({L"设备名称= ", L"设备图册号= ", L"颜色=灰"},
                                            {L"A-01.dwg<>", L"A-02.dwg<>"}));
    installation.WriteBytes(L"Projects\\P\\P.itm", ManageFileBytes({L"工程合同号= "}, {}));
    ASSERT_EQ(Run(L"E\\E.prj", {Select(CModfyXmSbDlg::IDC_FILE_PATTERN, L"设备图册号-页号*.dwg"),
                                Cell(kList, 3, 1), Type(kCombo, L"白"), Ok()}),
              ui::IDOK);
    EXPECT_EQ(strFolderName, L"E");
    EXPECT_TRUE(installation.Exists(L"Projects\\P\\E\\A-01.dwg"));
    EXPECT_EQ(DrawingTexts(Path(L"E\\A-01.dwg")), (std::vector<std::wstring>{L"某某工程"}))
        << "no \"G-\" number from two blanks";
    EXPECT_TRUE(Backend().Boxes().empty());
}

TEST_F(ModfyXmSb, AProjectPushesItsValuesDownAndProposesItsFolderName) {
    ASSERT_EQ(Run(L"P.itm", {Select(CModfyXmSbDlg::IDC_NAMING, L"工程名称-工程合同号"),
                             Click(CModfyXmSbDlg::IDC_WRITE_DRAWINGS), Cell(kList, 1, 1),
                             Type(kCombo, L"HT-99"), Ok()}),
              ui::IDOK);
    EXPECT_EQ(Backend().Dialogs()[0].caption, L"项目修改");
    EXPECT_EQ(strFolderName, L"城东变电站-HT-99");
    EXPECT_EQ(Entries(L"E\\E.prj")[2], L"工程名称=城东变电站") << "pushed into the blank value";
    EXPECT_EQ(DrawingTexts(Path(L"E\\A-01.dwg")),
              (std::vector<std::wstring>{L"城东变电站", L"HT-99G-A"}))
        << "232 writes the drawings even with 224 cleared; the Equipment keeps its book number";
}

TEST_F(ModfyXmSb, TheBsfModeShowsAProjectsOwnRowsAndKeepsTheOthers) {
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "BSF\r\n");
    installation.WriteBytes(L"Projects\\P\\P.itm",
                            ManageFileBytes({L"颜色=灰", L"工程名称=城东", L"说明=x"}, {}));
    EXPECT_EQ(file.ReadManageFile(Path(L"P.itm")), 1);
    CModfyXmSbDlg dialog(&file);
    dialog.Create();
    EXPECT_EQ(Rows(*dialog.GetDlgItemAs<CSortedListCtrl>(kList)),
              (std::vector<std::wstring>{L"工程名称=城东", L"工程合同号="}));
    EXPECT_EQ(Backend().Act(dialog, Click(CModfyXmSbDlg::IDC_RENAME_XM_FOLDER)), L"");
    EXPECT_EQ(Backend().Act(dialog, Ok()), L"");
    EXPECT_EQ(Entries(L"P.itm"),
              (std::vector<std::wstring>{L"工程名称=城东", L"工程合同号= ", L"颜色=灰", L"说明=x",
                                         L"设备名称= ", L"设备型号= "}));
}

TEST_F(ModfyXmSb, ConsoleTranscript) {
    Console console({L"cell 159 1 1", L"type 20159 B7", L"click 235", L"ok"});
    EXPECT_EQ(file.ReadManageFile(Path(L"E\\E.prj")), 1);
    CModfyXmSbDlg dialog(&file);
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    std::wstring transcript = console.transcript;
    // The installation's folder differs from run to run.
    size_t at;
    while ((at = transcript.find(installation.Logical())) != std::wstring::npos)
        transcript.replace(at, installation.Logical().size(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("records/transcripts/ModfyXmSbDlg.txt", transcript));
}
