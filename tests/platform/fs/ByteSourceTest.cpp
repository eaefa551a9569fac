// Reading pieces of a file at addresses taken from the file: a piece that is not all there is
// refused, whatever the numbers.

#include "platform/fs/ByteSource.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(ByteSource, PiecesBeyondTheEndAreRefusedInFilesAndInMemory) {
    ovtest::TempFolder folder;
    folder.WriteBytes(L"f.bin", "0123456789");
    fs::FileBytes file(folder.Path(L"f.bin"));
    fs::MemoryBytes memory("0123456789");
    for (fs::ByteSource* source :
         {static_cast<fs::ByteSource*>(&file), static_cast<fs::ByteSource*>(&memory)}) {
        std::string piece;
        EXPECT_EQ(source->Size(), 10u);
        ASSERT_TRUE(source->ReadAt(7, 3, piece));
        EXPECT_EQ(piece, "789");
        EXPECT_TRUE(source->ReadAt(10, 0, piece));
        EXPECT_FALSE(source->ReadAt(8, 3, piece));
        EXPECT_TRUE(piece.empty());
        EXPECT_FALSE(source->ReadAt(11, 0, piece));
        EXPECT_FALSE(source->ReadAt(1, UINT64_MAX, piece)) << "no wrap-around";
        EXPECT_FALSE(source->ReadAt(UINT64_MAX, 2, piece));
    }
    EXPECT_FALSE(fs::FileBytes(folder.Path(L"missing.bin")).IsOpen());
    EXPECT_FALSE(fs::FileBytes(folder.Logical()).IsOpen()) << "a folder";
}
