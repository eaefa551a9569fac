#include "platform/fs/FileIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::TempFolder;

// Reads and looks of files below a folder held open give what they give by the whole path;
// paths outside it, or missing files, behave as without the folder.
TEST(FileIo, ReadsBelowAFolderHeldOpenMatchReadsByTheWholePath) {
    TempFolder folder;
    folder.WriteBytes(L"项目\\设备一\\设备一.prj", "equipment");
    folder.WriteBytes(L"其他\\x.prj", "elsewhere");
    folder.WriteBytes(L"项目\\Case\\Case.PRJ", "case");
    std::string bytes;
    int cause = -1;
    {
        fs::ReadsBelowFolder reads(folder.Path(L"项目"));
        ASSERT_GE(reads.Descriptor(), 0);
        EXPECT_TRUE(
            fs::ReadBytesAsWritten(folder.Path(L"项目\\设备一\\设备一.prj"), bytes, &cause));
        EXPECT_EQ(bytes, "equipment");
        EXPECT_EQ(cause, fs::kNoError);
        EXPECT_TRUE(fs::ReadBytesAsWritten(folder.Path(L"其他\\x.prj"), bytes));
        EXPECT_EQ(bytes, "elsewhere");
        // Taken as written: another case is not there, and saying so costs no further look.
        EXPECT_FALSE(fs::ReadBytesAsWritten(folder.Path(L"项目\\Case\\Case.prj"), bytes, &cause));
        EXPECT_EQ(cause, fs::kFileNotFound);
        EXPECT_FALSE(fs::ReadBytesAsWritten(folder.Path(L"项目\\设备一"), bytes, &cause));
        EXPECT_EQ(cause, fs::kAccessDenied) << "a folder is not a file";
        // A look answers the same as a read would, without reading.
        EXPECT_TRUE(fs::ExistsAsWritten(folder.Path(L"项目\\设备一\\设备一.prj")));
        EXPECT_TRUE(fs::ExistsAsWritten(folder.Path(L"其他\\x.prj")));
        EXPECT_FALSE(fs::ExistsAsWritten(folder.Path(L"项目\\Case\\Case.prj")));
        EXPECT_FALSE(fs::ExistsAsWritten(folder.Path(L"项目\\设备一\\设备一.itm")));
        // The ordinary read still finds the file in another case.
        EXPECT_TRUE(fs::ReadBytes(folder.Path(L"项目\\Case\\Case.prj"), bytes));
        EXPECT_EQ(bytes, "case");
    }
    fs::ReadsBelowFolder missing(folder.Path(L"没有"));
    EXPECT_LT(missing.Descriptor(), 0);
    EXPECT_TRUE(fs::ReadBytesAsWritten(folder.Path(L"项目\\设备一\\设备一.prj"), bytes));
    EXPECT_EQ(bytes, "equipment");
}
