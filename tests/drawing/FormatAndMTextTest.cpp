#include "drawing/DlgFormatForSave.h"
#include "drawing/GetTextFromMText.h"

#include <gtest/gtest.h>

TEST(DlgFormatForSave, InitialisationChecksTheYearAndClicksMoveTheCheck) {
    CDlgFormatForSave dialog;
    dialog.m_nFormatYear = CDlgFormatForSave::YearFromSaveFormat(L"36");
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.IsChecked(CDlgFormatForSave::IDC_RADIO_2007), 1);
    EXPECT_EQ(dialog.IsChecked(CDlgFormatForSave::IDC_RADIO_2010), 0);
    dialog.OnRadioClicked(CDlgFormatForSave::IDC_RADIO_2002);
    EXPECT_EQ(dialog.m_nFormatYear, 2002);
    EXPECT_EQ(dialog.IsChecked(CDlgFormatForSave::IDC_RADIO_2007), 0);
    EXPECT_EQ(CDlgFormatForSave::SaveFormatFromYear(dialog.m_nFormatYear), L"12");

    dialog.m_nFormatYear = 1999;
    dialog.OnInitDialog();
    for (const auto& choice : CDlgFormatForSave::kChoices)
        EXPECT_EQ(dialog.IsChecked(choice.nId), 0) << "no button for an unknown year";
    EXPECT_EQ(CDlgFormatForSave::YearFromSaveFormat(L"8"), 2010);
    EXPECT_EQ(CDlgFormatForSave::YearFromSaveFormat(L"48"), 2010);
    EXPECT_EQ(CDlgFormatForSave::SaveFormatFromYear(2004), L"24");
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
