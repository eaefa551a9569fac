// The label notes a paste or an import must not lose, and the description values an import
// fills in.

#include "records/ManageFileNotes.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

using Lines = std::vector<std::wstring>;

class ManageFileNotes : public ::testing::Test {
protected:
    std::wstring Write(const Lines& lines) {
        folder.WriteBytes(L"P\\P.itm", Cp936Lines(lines));
        return folder.Path(L"P\\P.itm");
    }
    TempFolder folder;
};

} // namespace

TEST_F(ManageFileNotes, LabelsAreReadInsideTheSectionUpToTheFirstOtherNoteLine) {
    std::wstring path =
        Write({L"原理图标号 outside", L"$begin note of prj ", L"$BEGIN_ONE_NOTE", L"原理图标号",
               L"代表标号1", L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"代表标号2", L"工程名称",
               L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"原理图标号 after", L"x", L"$END_ONE_NOTE",
               L"$END NOTE OF PRJ", L"代表标号 after the section"});
    EXPECT_EQ(ReadLabelNoteLines(path), (Lines{L"原理图标号", L"代表标号1", L"代表标号2"}));
    EXPECT_TRUE(ReadLabelNoteLines(folder.Path(L"none.itm")).empty());
}

TEST_F(ManageFileNotes, LostLabelsComeBackInPairsAfterTheSectionStart) {
    std::wstring path = Write({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"工程名称", L"某站",
                               L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"$EOF"});
    EXPECT_EQ(RestoreLabelNoteLines(path, {L"原理图标号A", L"代表标号A", L"原理图标号B"}), 1);
    EXPECT_EQ(folder.ReadBytes(L"P\\P.itm"),
              Cp936Lines({L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE", L"原理图标号A", L"代表标号A",
                          L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"原理图标号B", L"",
                          L"$END_ONE_NOTE", L"$BEGIN_ONE_NOTE", L"工程名称", L"某站",
                          L"$END_ONE_NOTE", L"$END NOTE OF PRJ", L"$EOF"}))
        << "an odd last label gets an empty value";
    EXPECT_EQ(RestoreLabelNoteLines(path, {L"原理图标号C"}), 0) << "labels are there now";

    std::wstring other = Write({L"something else", L"$EOF"});
    EXPECT_EQ(RestoreLabelNoteLines(other, {L"原理图标号A"}), 0)
        << "without the section start nothing is put at the top of the file";
    EXPECT_EQ(folder.ReadBytes(L"P\\P.itm"), Cp936Lines({L"something else", L"$EOF"}));
}

TEST(FillDescription, BlankValuesAreFilledInPlaceAndMissingTitlesPutInFront) {
    std::vector<CExplainInfoNode> entries = {{L"工程名称", L" "}, {L"设备名称", L"1号柜"}};
    EXPECT_TRUE(FillDescriptionValues(entries, {{L"工程名称", L"某站"},
                                                {L"设备名称", L"2号柜"},
                                                {L"工程合同号", L"HT"},
                                                {L"设备型号", L""}}));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].Getm_StrTitle(), L"工程合同号");
    EXPECT_EQ(entries[1].Getm_StrValue(), L"某站");
    EXPECT_EQ(entries[2].Getm_StrValue(), L"1号柜") << "a value that is there stays";
    EXPECT_FALSE(FillDescriptionValues(entries, {{L"工程名称", L"别的"}}));
}
