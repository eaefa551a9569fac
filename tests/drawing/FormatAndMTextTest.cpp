#include "drawing/DlgFormatForSave.h"
#include "drawing/GetTextFromMText.h"
#include "platform/ui/ScriptedBackend.h"
#include "support/ConsoleTranscript.h"

#include <gtest/gtest.h>

namespace {

// Whether the dialog, in words as it opened, showed the radio button checked.
bool OpenedChecked(const ui::RecordedDialog& run, int id) {
    std::wstring start = L"  " + std::to_wstring(id) + L" radio ";
    for (const std::wstring& line : run.opening)
        if (line.rfind(start, 0) == 0)
            return line.find(L"[x]") != std::wstring::npos;
    return false;
}

} // namespace

TEST(DlgFormatForSave, OpensOnTheYearAndAClickMovesTheCheck) {
    ui::ScriptedBackend backend;
    CDlgFormatForSave dialog;
    dialog.m_nFormatYear = CDlgFormatForSave::YearFromSaveFormat(L"36");
    backend.Script(CDlgFormatForSave::kCaption,
                   {ui::act::Click(CDlgFormatForSave::IDC_RADIO_2002), ui::act::Ok()});
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    ASSERT_EQ(backend.Dialogs().size(), 1u);
    EXPECT_TRUE(OpenedChecked(backend.Dialogs()[0], CDlgFormatForSave::IDC_RADIO_2007));
    EXPECT_FALSE(OpenedChecked(backend.Dialogs()[0], CDlgFormatForSave::IDC_RADIO_2010));
    EXPECT_EQ(dialog.m_nFormatYear, 2002);
    EXPECT_EQ(CDlgFormatForSave::SaveFormatFromYear(dialog.m_nFormatYear), L"12");

    dialog.m_nFormatYear = 1999;
    backend.Script(CDlgFormatForSave::IDD, {ui::act::Cancel()});
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL);
    for (const auto& choice : CDlgFormatForSave::kChoices)
        EXPECT_FALSE(OpenedChecked(backend.Dialogs()[1], choice.nId)) << "no button for 1999";
    EXPECT_EQ(dialog.m_nFormatYear, 1999);
    EXPECT_TRUE(backend.Faults().empty());
    EXPECT_EQ(CDlgFormatForSave::YearFromSaveFormat(L"8"), 2010);
    EXPECT_EQ(CDlgFormatForSave::YearFromSaveFormat(L"48"), 2010);
    EXPECT_EQ(CDlgFormatForSave::SaveFormatFromYear(2004), L"24");
}

TEST(DlgFormatForSave, ConsoleTranscript) {
    ovtest::Console console({L"click 216", L"ok"});
    CDlgFormatForSave dialog;
    dialog.m_nFormatYear = 2007;
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(dialog.m_nFormatYear, 2004);
    EXPECT_EQ(console.transcript, ovtest::KeptTranscript("drawing/transcripts/DlgFormatForSave.txt",
                                                         console.transcript));
}

TEST(GetTextFromMText, FormatCodesParagraphsAndBracesGo) {
    CGetTextFromMText reader;
    EXPECT_EQ(reader.GetTextFromMText(L"{\\fSimSun|b0|i0|c134|p2;图样名称}"), L"图样名称");
    EXPECT_EQ(reader.GetTextFromMText(L"A\\PB"), L"AB");
    EXPECT_EQ(reader.GetTextFromMText(L";A\\PB"), L";AB") << "a leading semicolon stays";
    EXPECT_EQ(reader.GetTextFromMText(L"{plain}"), L"{plain}") << "no backslash: braces stay";
    EXPECT_EQ(reader.GetTextFromMText(L"{\\W0.75;{\\H2.5;x}y}"), L"xy");
    EXPECT_EQ(reader.GetTextFromMText(L"a;b;\\Lc"), L"a;bc");
    EXPECT_EQ(reader.GetTextFromMText(L"\\X"), L"\\X") << "not a format code";
}
