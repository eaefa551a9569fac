#include "platform/text/TextFile.h"
#include "platform/fs/FileIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936;
using ovtest::TempFolder;

TEST(TextFile, ReadsCrLfAndBareLfLinesAlike) {
    TempFolder folder;
    folder.WriteBytes(L"crlf.txt", Cp936(L"工程名称\r\n\r\n值"));
    folder.WriteBytes(L"lf.txt", Cp936(L"工程名称\n\n值\n"));
    folder.WriteBytes(L"cr.txt", "a\rb\r\n");
    std::vector<std::wstring> crlf, lf, cr;
    ASSERT_TRUE(text::ReadTextLines(folder.Path(L"crlf.txt"), crlf));
    ASSERT_TRUE(text::ReadTextLines(folder.Path(L"lf.txt"), lf));
    ASSERT_TRUE(text::ReadTextLines(folder.Path(L"cr.txt"), cr));
    EXPECT_EQ(crlf, (std::vector<std::wstring>{L"工程名称", L"", L"值"}));
    EXPECT_EQ(lf, crlf);
    EXPECT_EQ(cr, (std::vector<std::wstring>{L"a\rb"})); // a lone CR is text, not a line end

    std::wstring first;
    ASSERT_TRUE(text::ReadFirstTextLine(folder.Path(L"crlf.txt"), first));
    EXPECT_EQ(first, L"工程名称");
    folder.WriteBytes(L"empty.txt", "");
    ASSERT_TRUE(text::ReadTextLines(folder.Path(L"empty.txt"), lf));
    EXPECT_TRUE(lf.empty());
}

TEST(TextFile, WritesCp936WithCrLfAndReportsLoss) {
    TempFolder folder;
    text::TextFileStatus status;
    ASSERT_TRUE(text::WriteTextLines(folder.Path(L"lines.txt"), {L"工程名称", L""}, &status));
    EXPECT_EQ(folder.ReadBytes(L"lines.txt"), Cp936(L"工程名称\r\n\r\n"));
    EXPECT_FALSE(status.lossy);
    ASSERT_TRUE(text::WriteTextFile(folder.Path(L"text.txt"), L"a\nb\r\nc•", &status));
    EXPECT_EQ(folder.ReadBytes(L"text.txt"), "a\r\nb\r\nc?");
    EXPECT_TRUE(status.lossy);
}

TEST(TextFile, MissingFilesReportTheirCause) {
    TempFolder folder;
    std::vector<std::wstring> lines{L"stale"};
    text::TextFileStatus status;
    EXPECT_FALSE(text::ReadTextLines(folder.Path(L"none.txt"), lines, &status));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(status.cause, fs::kFileNotFound);
    EXPECT_FALSE(text::ReadTextLines(folder.Path(L"no\\such\\none.txt"), lines, &status));
    EXPECT_EQ(status.cause, fs::kBadPath);
    EXPECT_FALSE(text::WriteTextFile(folder.Path(L"no\\such\\new.txt"), L"x", &status));
    EXPECT_EQ(status.cause, fs::kBadPath);
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole) {
    TempFolder folder;
    folder.WriteBytes(L"P.itm", "old content\r\n");
    fs::FailWritesBeforeRenameForTesting(1);
    EXPECT_FALSE(text::WriteTextFile(folder.Path(L"P.itm"), L"new content"));
    EXPECT_EQ(folder.ReadBytes(L"P.itm"), "old content\r\n");
    int files = 0;
    for (auto& entry : std::filesystem::directory_iterator(folder.Native()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1) << "the temporary file must not be left behind";
    EXPECT_TRUE(text::WriteTextFile(folder.Path(L"P.itm"), L"new content"));
    EXPECT_EQ(folder.ReadBytes(L"P.itm"), "new content");
}

TEST(TextFile, WritingKeepsTheNameOfAFileThatExistsInAnotherCase) {
    TempFolder folder;
    folder.WriteBytes(L"p.itm", "old");
    ASSERT_TRUE(text::WriteTextFile(folder.Path(L"P.ITM"), L"new"));
    EXPECT_EQ(folder.ReadBytes(L"p.itm"), "new");
    EXPECT_FALSE(folder.Exists(L"P.ITM"));
}
