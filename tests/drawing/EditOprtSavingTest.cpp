#include "drawing/EditOprt.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/PreviewSection.h"
#include "platform/fs/FileIo.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"
#include "support/WriteFaults.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

class EditOprtSaving : public ::testing::Test {
protected:
    ~EditOprtSaving() override { cad::HostProfile::Instance().Reset(); }
    std::wstring Format() const {
        std::wstring value;
        acedGetEnv(L"DefaultFormatForSave", value);
        return value;
    }
    TempFolder folder;
    HostSession host;
};

} // namespace

TEST_F(EditOprtSaving, FormatComesFromTheProfileAndAnUnknownValueIsRestored) {
    AcDbDatabase db;
    ASSERT_EQ(acedSetEnv(L"DefaultFormatForSave", L"36"), RTNORM);
    ASSERT_EQ(CEditOprt::SaveDatabaseAs(&db, folder.Path(L"A")), Acad::eOk);
    EXPECT_TRUE(folder.Exists(L"A.dwg")) << "the extension is added";
    EXPECT_EQ(SavedVersion(folder.Path(L"A.dwg")), 27);
    EXPECT_EQ(Format(), L"36");

    ASSERT_EQ(acedSetEnv(L"DefaultFormatForSave", L"60"), RTNORM);
    ASSERT_EQ(CEditOprt::SaveDatabaseAs(&db, folder.Path(L"A.dwg")), Acad::eOk);
    EXPECT_EQ(SavedVersion(folder.Path(L"A.dwg")), 29);
    EXPECT_EQ(Format(), L"60") << "the unknown value comes back after the save";

    ASSERT_EQ(acedSetEnv(L"DefaultFormatForSave", L"12"), RTNORM);
    ASSERT_EQ(CEditOprt::SaveDatabaseAs(&db, folder.Path(L"A.dwg")), Acad::eOk);
    EXPECT_EQ(SavedVersion(folder.Path(L"A.dwg")), 23);
    EXPECT_FALSE(folder.Exists(L"A.bak"));
    EXPECT_EQ(CEditOprt::SaveDatabaseAs(nullptr, folder.Path(L"A.dwg")), Acad::eInvalidInput);
}

TEST_F(EditOprtSaving, TheNewFileKeepsThePreviewOfTheFileItReplaces) {
    SaveDrawing(folder.Path(L"A.dwg"), [](AcDbDatabase& db) {
        AddLine(db, {0, 0, 0}, {10, 10, 0});
    });
    std::string oldPreview;
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(folder.Path(L"A.dwg").c_str(), oldPreview));
    AcDbDatabase db;
    AddText(db, {0, 0, 0}, L"全新的图纸内容");
    ASSERT_EQ(CEditOprt::SaveDatabaseAs(&db, folder.Path(L"A.dwg")), Acad::eOk);
    std::string newPreview;
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(folder.Path(L"A.dwg").c_str(), newPreview));
    EXPECT_EQ(newPreview, oldPreview);
    AcDbDatabase read(false, true);
    ASSERT_EQ(read.readDwgFile(folder.Path(L"A.dwg").c_str()), Acad::eOk);
    EXPECT_EQ(ModelSpaceIds(read).size(), 1u);
}

TEST_F(EditOprtSaving, AFailedSaveLeavesTheOldFileInPlace) {
    SaveDrawing(folder.Path(L"A.dwg"), [](AcDbDatabase& db) {
        AddLine(db, {0, 0, 0}, {10, 10, 0});
    });
    std::string before = folder.ReadBytes(L"A.dwg");
    AcDbDatabase db;
    for (ovtest::WriteFault fault : ovtest::kWriteFaults) {
        SCOPED_TRACE(ovtest::WriteFaultName(fault));
        ovtest::ScopedWriteFault armed(fault);
        EXPECT_EQ(CEditOprt::SaveDatabaseAs(&db, folder.Path(L"A.dwg")), Acad::eFileAccessErr);
        EXPECT_EQ(folder.ReadBytes(L"A.dwg"), before);
        EXPECT_FALSE(folder.Exists(L"A.dwg.ovsaving"));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Native()),
                                std::filesystem::directory_iterator()),
                  1)
            << "nothing but the drawing";
    }
    ASSERT_EQ(CEditOprt::SaveDatabaseAs(&db, folder.Path(L"A.dwg")), Acad::eOk);
    EXPECT_NE(folder.ReadBytes(L"A.dwg"), before);
    EXPECT_FALSE(folder.Exists(L"A.dwg.ovsaving"));
}
