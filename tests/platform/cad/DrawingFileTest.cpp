#include "platform/cad/DrawingFile.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbGroup.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DwgFiler.h"
#include "platform/cad/PreviewImage.h"
#include "platform/cad/PreviewSection.h"
#include "platform/fs/FileIo.h"
#include "support/DrawingSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace ovtest;

namespace {

// Changes the content data of a saved file and gives it a matching checksum, so that the
// reader's structural checks, not the checksum, have to catch the change.
void PatchContent(std::string& file, size_t offsetInContent, const std::string& bytes) {
    size_t start = cad::ReadU32At(file, 17) + 16;
    file.replace(start + offsetInContent, bytes.size(), bytes);
    cad::WriteU32At(file, 25,
                    cad::Crc32(std::string_view(file).substr(start, cad::ReadU32At(file, 21))));
}

class DrawingFile : public ::testing::Test {
protected:
    std::wstring Save(AcDbDatabase& db, const std::wstring& name,
                      AcDb::AcDbDwgVersion version = AcDb::kDHL_2400) {
        std::wstring path = folder.Path(name);
        EXPECT_EQ(db.saveAs(path.c_str(), false, version), Acad::eOk);
        return path;
    }
    Acad::ErrorStatus ReadBytes(const std::string& bytes, AcDbDatabase& db) {
        folder.WriteBytes(L"damaged.dwg", bytes);
        return db.readDwgFile(folder.Path(L"damaged.dwg").c_str());
    }
    std::string SmallDrawing() {
        AcDbDatabase db;
        RegisterApplication(db, L"OV_ProjectName");
        AcDbObjectId id = AddText(db, {1, 2, 0}, L"工程");
        SetXData(id, L"OV_ProjectName", {resbuf::Text(1000, L"")});
        AddLine(db, {0, 0, 0}, {50, 30, 0});
        Save(db, L"small.dwg");
        return folder.ReadBytes(L"small.dwg");
    }

    TempFolder folder;
};

} // namespace

TEST_F(DrawingFile, EveryKindOfObjectComesBackAsItWasSaved) {
    AcDbDatabase db;
    AcDbObjectId layer = AddLayer(db, L"TEXT", 3);
    AcDbObjectId style = AddTextStyle(db, L"HZ", 0.7);
    db.setClayer(layer);
    RegisterApplication(db, L"DZP_NAME");

    auto* text = new AcDbText({1, 2, 3}, L"端子排 X1", style, 3.5, 0.5);
    text->setWidthFactor(0.8);
    text->setHorizontalMode(AcDb::kTextRight);
    text->setVerticalMode(AcDb::kTextTop);
    text->setAlignmentPoint({7, 8, 0});
    text->setColorIndex(1);
    AcDbObjectId textId = AddToModelSpace(db, text);
    ResbufChain items{resbuf::Text(1000, L"名"),  resbuf::Text(1005, textId.handle().text()),
                      resbuf::Real(1040, 1.5),    resbuf::Short(1070, -3),
                      resbuf::Long(1071, 123456), resbuf::Point(1010, {4, 5, 6})};
    SetXData(textId, L"DZP_NAME", items);

    auto* mtext = new AcDbMText();
    mtext->setContents(L"{\\W0.75;甲}\\P乙");
    mtext->setLocation({9, 9, 0});
    mtext->setTextHeight(4);
    mtext->setAttachment(AcDbMText::kMiddleLeft);
    mtext->setWidth(30);
    mtext->setRotation(0.25);
    mtext->setVisibility(AcDb::kInvisible);
    AcDbObjectId mtextId = AddToModelSpace(db, mtext);
    AcDbObjectId lineId = AddLine(db, {0, 0, 0}, {10, 0, 0});
    AcDbObjectId erasedId = AddLine(db, {5, 5, 0}, {6, 6, 0});
    AcDbObjectId block = AddBlock(db, L"TITLE", {new AcDbLine({0, 0, 0}, {420, 297, 0})});
    auto* reference = new AcDbBlockReference({10, 20, 0}, block);
    reference->setRotation(0.1);
    reference->setScaleFactors({2, 3, 1});
    AcDbObjectId referenceId = AddToModelSpace(db, reference);
    {
        AcDbObjectPointer<AcDbBlockReference> opened(referenceId, AcDb::kForWrite);
        opened->createExtensionDictionary();
        AcDbObjectPointer<AcDbDictionary> extension(opened->extensionDictionary(), AcDb::kForWrite);
        auto* record = new AcDbXrecord();
        record->setFromRbChain({resbuf::Text(1, L"$BEGINETITLE"), resbuf::Real(40, 2.5),
                                resbuf::Short(70, 4), resbuf::Long(90, -7),
                                resbuf::Point(10, {1, 1, 0})});
        AcDbObjectId recordId;
        extension->setAt(L"TESSALINE_TITLE", record, recordId);
        record->close();
        AcDbObjectPointer<AcDbDictionary> named(db.namedObjectsDictionaryId(), AcDb::kForWrite);
        auto* inner = new AcDbDictionary();
        AcDbObjectId innerId;
        named->setAt(L"OV_DWG_DICITIONARY", inner, innerId);
        auto* deeper = new AcDbDictionary();
        inner->setAt(L"NESTED", deeper, innerId);
        deeper->close();
        inner->close();
        AcDbObjectPointer<AcDbDictionary> groups(db.groupDictionaryId(), AcDb::kForWrite);
        auto* group = new AcDbGroup(L"table", false);
        AcDbObjectId groupId;
        groups->setAt(L"GROUP_SBINFOTABLE", group, groupId);
        group->append(lineId);
        group->append(erasedId);
        group->append(textId);
        group->close();
        AcDbObjectPointer<AcDbLine> erased(erasedId, AcDb::kForWrite);
        erased->erase();
    }
    std::wstring path = Save(db, L"all.dwg", AcDb::kDHL_2100);

    AcDbDatabase read(false, true);
    ASSERT_EQ(read.readDwgFile(path.c_str()), Acad::eOk);
    EXPECT_EQ(read.originalFileVersion(), AcDb::kDHL_2100);
    EXPECT_EQ(read.handseed(), db.handseed());
    EXPECT_EQ(cad::RecordName(read.clayer()), L"TEXT");
    std::vector<AcDbObjectId> ids = ModelSpaceIds(read);
    ASSERT_EQ(ids.size(), 4u);
    EXPECT_EQ(ids[0].handle(), textId.handle()) << "handles are kept";

    AcDbObjectPointer<AcDbText> readText(ids[0], AcDb::kForRead);
    ASSERT_EQ(readText.openStatus(), Acad::eOk);
    EXPECT_EQ(readText->textString(), L"端子排 X1");
    EXPECT_EQ(readText->layer(), L"TEXT");
    EXPECT_EQ(readText->textStyleName(), L"HZ");
    EXPECT_EQ(readText->horizontalMode(), AcDb::kTextRight);
    EXPECT_EQ(readText->verticalMode(), AcDb::kTextTop);
    EXPECT_EQ(readText->alignmentPoint(), AcGePoint3d(7, 8, 0));
    EXPECT_DOUBLE_EQ(readText->height(), 3.5);
    EXPECT_DOUBLE_EQ(readText->rotation(), 0.5);
    EXPECT_DOUBLE_EQ(readText->widthFactor(), 0.8);
    EXPECT_EQ(readText->colorIndex(), 1);
    EXPECT_EQ(readText->xData(L"DZP_NAME"), items);

    AcDbObjectPointer<AcDbMText> readMText(ids[1], AcDb::kForRead);
    ASSERT_EQ(readMText.openStatus(), Acad::eOk);
    EXPECT_EQ(readMText->contents(), L"{\\W0.75;甲}\\P乙");
    EXPECT_EQ(readMText->attachment(), AcDbMText::kMiddleLeft);
    EXPECT_DOUBLE_EQ(readMText->width(), 30);
    EXPECT_DOUBLE_EQ(readMText->rotation(), 0.25);
    EXPECT_EQ(readMText->visibility(), AcDb::kInvisible);

    AcDbObjectPointer<AcDbBlockReference> readReference(ids[3], AcDb::kForRead);
    ASSERT_EQ(readReference.openStatus(), Acad::eOk);
    EXPECT_EQ(cad::RecordName(readReference->blockTableRecord()), L"TITLE");
    EXPECT_EQ(readReference->scaleFactors().y, 3.0);
    AcDbObjectPointer<AcDbDictionary> extension(readReference->extensionDictionary(),
                                                AcDb::kForRead);
    ASSERT_EQ(extension.openStatus(), Acad::eOk);
    AcDbXrecord* record = nullptr;
    ASSERT_EQ(extension->getAt(L"TESSALINE_TITLE", record, AcDb::kForRead), Acad::eOk);
    ResbufChain chain;
    record->rbChain(chain);
    record->close();
    EXPECT_EQ(chain.size(), 5u);
    EXPECT_EQ(chain[4].resval.rpoint, AcGePoint3d(1, 1, 0));

    AcDbObjectPointer<AcDbDictionary> named(read.namedObjectsDictionaryId(), AcDb::kForRead);
    AcDbDictionary* inner = nullptr;
    ASSERT_EQ(named->getAt(L"OV_DWG_DICITIONARY", inner, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(inner->has(L"NESTED"));
    inner->close();
    AcDbObjectPointer<AcDbDictionary> groups(read.groupDictionaryId(), AcDb::kForRead);
    AcDbGroup* group = nullptr;
    ASSERT_EQ(groups->getAt(L"GROUP_SBINFOTABLE", group, AcDb::kForRead), Acad::eOk);
    std::vector<AcDbObjectId> members;
    group->allEntityIds(members);
    EXPECT_FALSE(group->isSelectable());
    EXPECT_EQ(group->description(), L"table");
    group->close();
    ASSERT_EQ(members.size(), 2u) << "the erased line is neither saved nor a member";
    EXPECT_EQ(members[0].handle(), lineId.handle());
    EXPECT_EQ(members[1].handle(), textId.handle());

    // New objects never take a handle the saved drawing used.
    AcDbObjectId added = AddLine(read, {0, 0, 0}, {1, 1, 0});
    EXPECT_GE(added.handle().value(), db.handseed().value());
    (void)mtextId;
}

TEST_F(DrawingFile, PreviewSectionLiesWhereADwgFileKeepsIt) {
    AcDbDatabase db;
    AddLine(db, {0, 0, 0}, {100, 100, 0});
    std::wstring path = Save(db, L"preview.dwg");
    std::string bytes = folder.ReadBytes(L"preview.dwg");
    uint32_t address = cad::ReadU32At(bytes, 13);
    ASSERT_LT(address + 16, bytes.size());
    EXPECT_EQ(std::memcmp(bytes.data() + address, cad::kImageSectionSentinel, 16), 0);
    unsigned count = static_cast<uint8_t>(bytes[address + 20]);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(bytes[address + 21], 1) << "header data first";
    EXPECT_EQ(bytes[address + 30], 2) << "then the bitmap";

    std::string dib;
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(path.c_str(), dib));
    EXPECT_TRUE(cad::IsPackedDib(dib));
    EXPECT_EQ(cad::ReadU32At(dib, 4), static_cast<uint32_t>(cad::kPreviewWidth));
    // The line crosses the picture diagonally in white (palette index 7) on black.
    size_t pixels = 40 + 256 * 4;
    EXPECT_EQ(dib.find('\x07', pixels) != std::string::npos, true);
    EXPECT_EQ(static_cast<uint8_t>(dib[pixels]), 0u)
        << "the bottom-left corner of the margin is background";
}

TEST_F(DrawingFile, RetainedThumbnailIsSavedInsteadOfANewPicture) {
    AcDbDatabase old;
    AddLine(old, {0, 0, 0}, {1, 0, 0});
    std::wstring oldPath = Save(old, L"old.dwg");
    std::string oldPreview;
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(oldPath.c_str(), oldPreview));

    AcDbDatabase db;
    AddText(db, {0, 0, 0}, L"另一个图");
    EXPECT_EQ(db.setThumbnailBitmap("not a bitmap"), Acad::eInvalidInput);
    ASSERT_EQ(db.setThumbnailBitmap(oldPreview), Acad::eOk);
    db.setRetainOriginalThumbnailBitmap(true);
    std::wstring path = Save(db, L"new.dwg");
    std::string newPreview;
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(path.c_str(), newPreview));
    EXPECT_EQ(newPreview, oldPreview);

    db.setRetainOriginalThumbnailBitmap(false);
    Save(db, L"new.dwg");
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(path.c_str(), newPreview));
    EXPECT_NE(newPreview, oldPreview);
}

TEST_F(DrawingFile, BackUpAndRenameKeepsTheOldFileAsBak) {
    AcDbDatabase db;
    std::wstring path = Save(db, L"A.dwg");
    std::string first = folder.ReadBytes(L"A.dwg");
    AddLine(db, {0, 0, 0}, {1, 0, 0});
    ASSERT_EQ(db.saveAs(path.c_str(), false), Acad::eOk);
    EXPECT_FALSE(folder.Exists(L"A.bak"));
    std::string second = folder.ReadBytes(L"A.dwg");
    AddLine(db, {0, 0, 0}, {2, 0, 0});
    ASSERT_EQ(db.saveAs(path.c_str(), true), Acad::eOk);
    EXPECT_EQ(folder.ReadBytes(L"A.bak"), second);
    EXPECT_NE(first, second);
    EXPECT_FALSE(db.isModified());
    EXPECT_EQ(db.originalFileName(), path);
}

TEST_F(DrawingFile, FailedSaveLeavesTheOldFileWhole) {
    AcDbDatabase db;
    std::wstring path = Save(db, L"A.dwg");
    std::string before = folder.ReadBytes(L"A.dwg");
    AddLine(db, {0, 0, 0}, {1, 0, 0});
    fs::FailWritesBeforeRenameForTesting(1);
    EXPECT_EQ(db.saveAs(path.c_str(), false), Acad::eFileAccessErr);
    EXPECT_EQ(folder.ReadBytes(L"A.dwg"), before);
    EXPECT_TRUE(db.isModified());
    EXPECT_EQ(db.saveAs(path.c_str(), false, static_cast<AcDb::AcDbDwgVersion>(22)),
              Acad::eInvalidInput);
    EXPECT_EQ(db.saveAs(folder.Path(L"missing\\A.dwg").c_str(), false), Acad::eFileAccessErr);
}

TEST_F(DrawingFile, EveryTruncationFailsCleanlyAndLeavesTheDatabaseAsItWas) {
    std::string whole = SmallDrawing();
    size_t image = cad::ReadU32At(whole, 13);
    AcDbDatabase db;
    AcDbObjectId keep = AddLine(db, {0, 0, 0}, {1, 1, 0});
    for (size_t length = 0; length < image; length += (length < 200 ? 1 : 37))
        ASSERT_NE(ReadBytes(whole.substr(0, length), db), Acad::eOk) << "length " << length;
    AcDbObjectPointer<AcDbLine> line(keep, AcDb::kForRead);
    EXPECT_EQ(line.openStatus(), Acad::eOk) << "a failed read changes nothing";

    // Cut inside the preview: the drawing is whole, only its picture is lost.
    AcDbDatabase cut(false, true);
    ASSERT_EQ(ReadBytes(whole.substr(0, whole.size() - 100), cut), Acad::eOk);
    EXPECT_TRUE(cut.thumbnailBitmap().empty());
    EXPECT_EQ(ModelSpaceIds(cut).size(), 2u);
}

TEST_F(DrawingFile, DamagedHeadersSentinelsAndSizesAreRefused) {
    std::string whole = SmallDrawing();
    AcDbDatabase db(false, true);
    EXPECT_EQ(db.readDwgFile(folder.Path(L"none.dwg").c_str()), Acad::eFileNotFound);
    EXPECT_EQ(ReadBytes("", db), Acad::eBadDwgHeader);

    std::string dwg = "AC1024" + std::string(200, '\0');
    EXPECT_EQ(ReadBytes(dwg, db), Acad::eBadDwgHeader) << "a DWG file of the CAD program";

    std::string bytes = whole;
    bytes[6] = 2;
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eInvalidDwgVersion);
    bytes = whole;
    bytes[7] = 22;
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eInvalidDwgVersion);

    bytes = whole;
    bytes[cad::ReadU32At(whole, 17)] ^= 0x01;
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery) << "content sentinel";
    bytes = whole;
    bytes[cad::ReadU32At(whole, 17) + 40] ^= 0x10;
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery) << "checksum";
    bytes = whole;
    cad::WriteU32At(bytes, 21, 0xFFFFFFFF);
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery) << "content size";
    bytes = whole;
    cad::WriteU32At(bytes, 17, 0xFFFFFFF0);
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery) << "content address";

    // A huge object count and a huge handle, each with a valid checksum.
    bytes = whole;
    PatchContent(bytes, 8 + 9 * 8, std::string("\xFF\xFF\xFF\x7F", 4));
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery);
    bytes = whole;
    PatchContent(bytes, 0, std::string("\x01\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery)
        << "the model space handle lies beyond the seed";
    bytes = whole;
    PatchContent(bytes, 8, std::string(8, '\0'));
    EXPECT_EQ(ReadBytes(bytes, db), Acad::eDwgNeedsRecovery) << "no block table";
    EXPECT_EQ(db.modelSpaceId(), AcDbObjectId()) << "nothing was taken over";
}

TEST_F(DrawingFile, DamagedPreviewLeavesTheDrawingReadableWithoutAPicture) {
    std::string whole = SmallDrawing();
    uint32_t image = cad::ReadU32At(whole, 13);
    std::string bytes = whole;
    bytes[image] = 0;
    AcDbDatabase db(false, true);
    ASSERT_EQ(ReadBytes(bytes, db), Acad::eOk);
    EXPECT_TRUE(db.thumbnailBitmap().empty());
    std::string dib;
    EXPECT_FALSE(acdbGetPreviewBitmapFromDwg(folder.Path(L"damaged.dwg").c_str(), dib));

    bytes = whole;
    cad::WriteU32At(bytes, image + 30 + 5, 0x7FFFFFFF);
    ASSERT_EQ(ReadBytes(bytes, db), Acad::eOk);
    EXPECT_TRUE(db.thumbnailBitmap().empty()) << "bitmap size beyond the file";
    bytes = whole;
    bytes[image + 20] = 4;
    EXPECT_FALSE(cad::ReadPreviewBitmap(bytes, dib)) << "more than three entries";
    cad::WriteU32At(bytes, 13, 0xFFFFFFF0);
    EXPECT_FALSE(cad::ReadPreviewBitmap(bytes, dib));
    ASSERT_EQ(ReadBytes(whole, db), Acad::eOk);
    EXPECT_FALSE(db.thumbnailBitmap().empty());
}

TEST_F(DrawingFile, PreviewOfAForeignDwgFileIsReadThoughItsDrawingIsNot) {
    // A file shaped like a DWG file: its own signature, the image address at offset 13, an
    // image section with a header entry and a bitmap entry.
    AcDbDatabase db;
    AddLine(db, {0, 0, 0}, {1, 1, 0});
    std::string dib = cad::DrawPreview(db);
    std::string file = "AC1024" + std::string(122, '\0');
    cad::WriteU32At(file, 13, static_cast<uint32_t>(file.size()));
    file += cad::BuildImageSection(dib, static_cast<uint32_t>(file.size()));
    folder.WriteBytes(L"real.dwg", file);
    std::string read;
    ASSERT_TRUE(acdbGetPreviewBitmapFromDwg(folder.Path(L"real.dwg").c_str(), read));
    EXPECT_EQ(read, dib);
    AcDbDatabase target(false, true);
    EXPECT_EQ(target.readDwgFile(folder.Path(L"real.dwg").c_str()), Acad::eBadDwgHeader);
}

TEST(DrawPreview, CoordinatesThatAreNoNumbersShowNothingAndDoNoHarm) {
    // Found by fuzzing: a damaged drawing's NaN coordinates reached an int conversion.
    AcDbDatabase db;
    double nan = std::numeric_limits<double>::quiet_NaN();
    double huge = std::numeric_limits<double>::max();
    AddLine(db, {0, 0, 0}, {1, 1, 0});
    AddLine(db, {nan, 0, 0}, {1, nan, 0});
    AddLine(db, {-huge, 0, 0}, {huge, 0, 0});
    EXPECT_EQ(cad::DrawPreview(db).size(), cad::DrawPreview(AcDbDatabase()).size());
}
