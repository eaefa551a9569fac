// The entry dialog and the description list, run through the scripted backend.

#include "records/OneInfoDlg.h"
#include "controls/SortedListCtrl.h"
#include "platform/cad/CommandLine.h"
#include "platform/ui/ScriptedBackend.h"
#include "platform/ui/UserActions.h"
#include "records/ExplainInfoOperate.h"
#include "support/ConsoleTranscript.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;
using namespace ui::act;

namespace {

class OneInfo : public ::testing::Test {
protected:
    OneInfo() { cad::CommandLine::Instance().Clear(); }
    void MakeDictionary() {
        MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                       {L"CREATE TABLE \"OV工程名称\" (WORD TEXT)",
                        L"INSERT INTO \"OV工程名称\" VALUES ('甲工程'), ('乙工程')",
                        L"CREATE TABLE \"设备名称OV\" (WORD TEXT)",
                        L"INSERT INTO \"设备名称OV\" VALUES ('不该出现')"});
    }
    std::vector<std::wstring> OfferedWords(COneInfoDlg& dialog) {
        auto* combo = dialog.GetDlgItemAs<ui::ComboBox>(COneInfoDlg::IDC_INFO_VALUE);
        std::vector<std::wstring> words;
        for (int i = 0; i < combo->GetCount(); ++i)
            words.push_back(combo->GetLBText(i));
        return words;
    }

    TempInstallation installation;
    ui::ScriptedBackend backend;
};

} // namespace

TEST_F(OneInfo, LeavingTheTitleTrimsItAndOffersTheWordsOfItsTable) {
    MakeDictionary();
    COneInfoDlg dialog(L"添加描述信息", L"标题", L"具体内容");
    dialog.Create();
    backend.Act(dialog, Type(COneInfoDlg::IDC_INFO_TITLE, L"  工程名称 "));
    backend.Act(dialog, Type(COneInfoDlg::IDC_INFO_VALUE, L"自填"));
    EXPECT_EQ(dialog.GetDlgItemText(COneInfoDlg::IDC_INFO_TITLE), L"工程名称");
    EXPECT_EQ(OfferedWords(dialog), (std::vector<std::wstring>{L"甲工程", L"乙工程"}));
    EXPECT_EQ(dialog.GetDlgItemText(COneInfoDlg::IDC_INFO_VALUE), L"自填") << "the value stays";

    // A title without a table of its own offers nothing; a table must begin with "OV".
    backend.Act(dialog, Type(COneInfoDlg::IDC_INFO_TITLE, L"设备名称"));
    backend.Act(dialog, Type(COneInfoDlg::IDC_INFO_VALUE, L"自填"));
    EXPECT_TRUE(OfferedWords(dialog).empty());
    EXPECT_TRUE(backend.Faults().empty());
    EXPECT_TRUE(cad::CommandLine::Instance().Lines().empty());
}

TEST_F(OneInfo, AMissingDictionaryKeepsTheChoicesAndSaysNothing) {
    COneInfoDlg dialog(L"添加描述信息", L"标题", L"具体内容");
    dialog.Create();
    dialog.GetDlgItemAs<ui::ComboBox>(COneInfoDlg::IDC_INFO_VALUE)->AddString(L"以前的");
    backend.Act(dialog, Type(COneInfoDlg::IDC_INFO_TITLE, L"工程名称"));
    backend.Act(dialog, Click(ui::IDCANCEL));
    EXPECT_EQ(OfferedWords(dialog), std::vector<std::wstring>{L"以前的"});
    EXPECT_TRUE(cad::CommandLine::Instance().Lines().empty()) << "no missing-file line";
    EXPECT_TRUE(backend.Boxes().empty());

    installation.WriteBytes(L"Data\\word.mdb", "not a database at all");
    COneInfoDlg second(L"添加描述信息", L"标题", L"具体内容");
    second.Create();
    backend.Act(second, Type(COneInfoDlg::IDC_INFO_TITLE, L"工程名称"));
    backend.Act(second, Click(ui::IDCANCEL));
    EXPECT_TRUE(backend.Boxes().empty()) << "a file that cannot be opened says nothing either";
}

TEST_F(OneInfo, OkNeedsBothFieldsAndRefusesColonsNamingTheField) {
    COneInfoDlg dialog(L"添加描述信息", L"标题", L"具体内容");
    backend.Script(COneInfoDlg::IDD, {Type(COneInfoDlg::IDC_INFO_TITLE, L"工程:名称"),
                                      Type(COneInfoDlg::IDC_INFO_VALUE, L"值"), Ok(),
                                      Type(COneInfoDlg::IDC_INFO_TITLE, L"工程名称"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"\"标题\"中，不能包括字符':'。");
    EXPECT_EQ(dialog.m_strTitle, L"工程名称");
    EXPECT_EQ(dialog.m_strValue, L"值");
    bool okDisabledAtFirst = false;
    for (const std::wstring& line : backend.Dialogs()[0].opening)
        okDisabledAtFirst |= line == L"  1 button \"确定\" disabled";
    EXPECT_TRUE(okDisabledAtFirst);
    EXPECT_TRUE(backend.Faults().empty());
}

namespace {

// A dialog holding the description list, as the creation and modification dialogs do.
class ListDialog : public ui::Dialog {
public:
    ListDialog()
        : ui::Dialog(ui::DialogTemplate{
              950,
              L"描述",
              240,
              120,
              0,
              {{140, ui::ControlKind::List, L"", 0, 0, 240, 120, ui::LVS_REPORT}}}) {
        Bind(140, list);
    }
    CSortedListCtrl list;
};

std::vector<std::wstring> Rows(const ui::ListCtrl& list) {
    std::vector<std::wstring> rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows.push_back(list.GetItemText(row, 0) + L"=" + list.GetItemText(row, 1) + L"#" +
                       std::to_wstring(list.GetItemData(row)));
    return rows;
}

} // namespace

TEST(ExplainInfoList, TheListIsSetUpFilledAndFollowsAddModifyAndDelete) {
    ui::ScriptedBackend backend;
    ListDialog dialog;
    dialog.Create();
    CExplainInfoOperate editor(&dialog);
    editor.SetListCtrl(&dialog.list);
    EXPECT_EQ(dialog.list.GetColumnWidth(0), 120);
    EXPECT_EQ(dialog.list.GetColumnWidth(1), 215) << "two thirds of 360 less 25";
    EXPECT_TRUE(dialog.list.GetExtendedStyle() & ui::LVS_EX_FULLROWSELECT);
    editor.SetExplainInfoArray(
        {{L" a ", L" 0 "}, {L"b", L"1"}, {L"c", L"2"}, {L"d", L"3"}, {L"e", L"4"}});
    editor.Fill();
    EXPECT_EQ(Rows(dialog.list).front(), L"a=0#0") << "trimmed, carrying the index";

    backend.Script(COneInfoDlg::IDD, {Type(COneInfoDlg::IDC_INFO_TITLE, L"f"),
                                      Type(COneInfoDlg::IDC_INFO_VALUE, L"5"), Ok()});
    EXPECT_EQ(editor.AddExplainInfo(), 1);
    EXPECT_EQ(backend.Dialogs().back().caption, L"添加描述信息");

    dialog.list.SetItemState(1, ui::LVIS_SELECTED, ui::LVIS_SELECTED);
    dialog.list.SetItemState(3, ui::LVIS_SELECTED, ui::LVIS_SELECTED);
    EXPECT_EQ(editor.DeleteExplainInfo(), 2);
    EXPECT_EQ(Rows(dialog.list),
              (std::vector<std::wstring>{L"a=0#0", L"c=2#1", L"e=4#2", L"f=5#3"}));

    dialog.list.SetItemState(-1, 0, ui::LVIS_SELECTED);
    dialog.list.SetItemState(2, ui::LVIS_SELECTED, ui::LVIS_SELECTED);
    backend.Script(COneInfoDlg::IDD, {Type(COneInfoDlg::IDC_INFO_VALUE, L"44"), Ok()});
    EXPECT_EQ(editor.ModifyExplainInfo(), 1);
    EXPECT_EQ(backend.Dialogs().back().caption, L"修改描述信息");
    EXPECT_EQ(Rows(dialog.list)[2], L"e=44#2");
    EXPECT_EQ(editor.Getm_ExplainInfoArray()[2].Getm_StrValue(), L"44");

    ui::gesture::ClickHeader(dialog.list, 0);
    EXPECT_EQ(Rows(dialog.list)[0], L"a=0#0") << "rows stand for entries: no sorting";
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(OneInfo, ConsoleTranscript) {
    MakeDictionary();
    Console console({L"type 153 工程名称", L"select 154 乙工程", L"type 154 乙工程:二期", L"ok",
                     L"type 154 乙工程二期", L"ok"});
    COneInfoDlg dialog(L"添加描述信息", L"标题", L"具体内容");
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(console.transcript,
              KeptTranscript("records/transcripts/OneInfoDlg.txt", console.transcript));
}
