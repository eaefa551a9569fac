// The names of new drawings: the proposal, the template a number calls for, the next name of a
// drawing that moves up; and the new-file dialog that shows them.

#include "manager/NewFileNames.h"
#include "manager/NewFileDlg.h"
#include "platform/ui/ScriptedBackend.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;
using namespace ui::act;

TEST(NewFileNames, TheProposalFollowsTheHighestNumberAsANumber) {
    EXPECT_EQ(HighestTrailingNumber({L"\\P\\A-03.dwg", L"\\P\\A-12.dwg", L"\\P\\说明.dwg"}), 12);
    EXPECT_EQ(HighestTrailingNumber({L"\\P\\A-9.dwg", L"\\P\\A-010.dwg"}), 10) << "not as text";
    EXPECT_EQ(HighestTrailingNumber({L"\\P\\9999999999999999999999.dwg", L"\\P\\a.dwg"}), 0)
        << "a run too long for a number is passed over";
    EXPECT_EQ(ProposeNewFileName(L"SB-7", 12), L"SB-7-13");
    EXPECT_EQ(ProposeNewFileName(L"SB-7", 8), L"SB-7-09");
    EXPECT_EQ(ProposeNewFileName(L"SB-7", 9), L"SB-7-10");
    EXPECT_EQ(ProposeNewFileName(L"", 2), L"03") << "an empty book number leaves no dash";
    EXPECT_EQ(ProposeNewFileName(L"-B", 0), L"B-01") << "a dash at the start is trimmed";
}

TEST(NewFileNames, ANumberCallsForItsTemplate) {
    EXPECT_EQ(TemplateForFileName(L"02"), L"MB-1标准目录图框.dwt");
    EXPECT_EQ(TemplateForFileName(L"SB-7-1.DWG"), L"MB-1标准封面.dwt");
    EXPECT_EQ(TemplateForFileName(L"SB-7-03"), L"MB-1标准屏面布置图.dwt");
    EXPECT_EQ(TemplateForFileName(L"4"), L"MB-1标准压板定义及排列图.dwt");
    EXPECT_EQ(TemplateForFileName(L"SB-7-002"), L"MB-1标准图框.dwt") << "only 01/1 to 04/4";
    EXPECT_EQ(TemplateForFileName(L"说明"), L"MB-1标准图框.dwt");
}

TEST(NewFileNames, TheNextNameKeepsTheNumbersSequence) {
    EXPECT_EQ(NextShiftName(L"\\P\\A-01.dwg"), L"\\P\\A-02.dwg");
    EXPECT_EQ(NextShiftName(L"\\P\\A-09.dwg"), L"\\P\\A-10.dwg");
    EXPECT_EQ(NextShiftName(L"\\P\\A-1.dwg"), L"\\P\\A-2.dwg");
    EXPECT_EQ(NextShiftName(L"\\P\\A-001.dwg"), L"\\P\\A-002.dwg") << "three digits stay three";
    EXPECT_EQ(NextShiftName(L"\\P\\A-099.dwg"), L"\\P\\A-100.dwg");
    EXPECT_EQ(NextShiftName(L"\\P\\A-999.dwg"), L"\\P\\A-1000.dwg");
    EXPECT_EQ(NextShiftName(L"\\P\\说明.dwg"), L"\\P\\说明1.dwg");
    EXPECT_EQ(NextShiftName(L"\\P.1\\A"), L"\\P.1\\A1") << "a dot of the folder is no extension";
}

namespace {

class NewFileDialog : public ::testing::Test {
protected:
    void Install(std::initializer_list<const wchar_t*> names) {
        for (const wchar_t* name : names)
            templates.WriteBytes(name, "t");
    }
    void Prepare(CNewFileDlg& dialog, const std::wstring& bookNumber, long long highest) {
        dialog.m_strBookNumber = bookNumber;
        dialog.m_nHighestNumber = highest;
        dialog.m_strTemplateFolder = templates.Path(L"");
    }

    ui::ScriptedBackend backend;
    TempFolder templates;
};

} // namespace

TEST_F(NewFileDialog, ProposesTheNextNameAndTheTemplateOfEachNumberTyped) {
    Install({L"ACAD.dwt", L"MB-1标准目录图框.dwt", L"MB-1标准图框.dwt", L"notes.txt"});
    CNewFileDlg dialog;
    Prepare(dialog, L"SB-7", 12);
    backend.Script(CNewFileDlg::IDD, {Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(backend.Dialogs().back().caption, L"新建文件");
    EXPECT_EQ(dialog.m_strFileName, L"SB-7-13");
    EXPECT_EQ(dialog.m_strTemplateName, L"MB-1标准图框.dwt");
    EXPECT_EQ(dialog.GetIcon(true), 117);

    backend.Script(CNewFileDlg::IDD, {Type(273, L"02"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.m_strTemplateName, L"MB-1标准目录图框.dwt");
    backend.Script(CNewFileDlg::IDD, {Type(273, L"SB-7-01.dwg"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.m_strTemplateName, L"ACAD.dwt") << "the cover is not installed";
    EXPECT_TRUE(backend.Faults().empty());
}

TEST_F(NewFileDialog, AnEmptyNameIsRefusedAndTheDialogStays) {
    Install({L"ACAD.dwt"});
    CNewFileDlg dialog;
    Prepare(dialog, L"", 8);
    backend.Script(CNewFileDlg::IDD, {Type(273, L""), Ok(), Type(273, L"09"), Ok()});
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    ASSERT_EQ(backend.Boxes().size(), 1u);
    EXPECT_EQ(backend.Boxes()[0].text, L"文件名不能为空！");
    EXPECT_EQ(backend.Boxes()[0].flags, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(dialog.m_strFileName, L"09");
    EXPECT_EQ(dialog.m_strTemplateName, L"ACAD.dwt");
}
