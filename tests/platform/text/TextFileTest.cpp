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

TEST(TextFile, WritesCp936WithCrLfAndRefusesWhatTheCodePageCannotHold) {
    TempFolder folder;
    std::vector<std::wstring> notes;
    text::SetTextFileNotes([&](std::wstring_view note) { notes.emplace_back(note); });
    text::TextFileStatus status;
    ASSERT_TRUE(text::WriteTextLines(folder.Path(L"lines.txt"), {L"工程名称", L""}, &status));
    EXPECT_EQ(folder.ReadBytes(L"lines.txt"), Cp936(L"工程名称\r\n\r\n"));
    EXPECT_FALSE(status.lossy);
    ASSERT_TRUE(text::WriteTextFile(folder.Path(L"text.txt"), L"a\nb\r\nc", &status));
    EXPECT_EQ(folder.ReadBytes(L"text.txt"), "a\r\nb\r\nc");
    EXPECT_TRUE(notes.empty());

    // Never a "?" in its place: the file stays as it was, and a note names the character.
    EXPECT_FALSE(text::WriteTextFile(folder.Path(L"text.txt"), L"工程•", &status));
    EXPECT_TRUE(status.lossy);
    EXPECT_EQ(folder.ReadBytes(L"text.txt"), "a\r\nb\r\nc");
    EXPECT_FALSE(text::WriteTextLines(folder.Path(L"new.txt"), {L"✓"}, &status));
    EXPECT_FALSE(folder.Exists(L"new.txt"));
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0], L"\n" + folder.Path(L"text.txt") +
                            L" 中有代码页CP936不能保存的字符“•”，文件未写入。\n");
    text::SetTextFileNotes(nullptr);
}

TEST(TextFile, AByteOrderMarkOrBytesOnlyUtf8CanHoldReadAsUtf8) {
    TempFolder folder;
    std::vector<std::wstring> notes;
    text::SetTextFileNotes([&](std::wstring_view note) { notes.emplace_back(note); });
    auto read = [&](const std::wstring& name, const std::string& bytes) {
        folder.WriteBytes(name, bytes);
        std::vector<std::wstring> lines;
        EXPECT_TRUE(text::ReadTextLines(folder.Path(name), lines));
        return lines;
    };
    const std::string utf8 = "\xE5\xB7\xA5\xE7\xA8\x8B\xE5\x90\x8D"; // 工程名
    EXPECT_EQ(read(L"bom8.txt", "\xEF\xBB\xBF" + utf8 + "\r\nx"),
              (std::vector<std::wstring>{L"工程名", L"x"}));
    EXPECT_EQ(read(L"bom16.txt", std::string("\xFF\xFE\xE5\x5D\x0B\x7A\r\0\n\0", 10)),
              std::vector<std::wstring>{L"工程"});
    EXPECT_EQ(read(L"bom16be.txt", std::string("\xFE\xFF\xD8\x3D\xDE\x00", 6)),
              std::vector<std::wstring>{L"\U0001F600"});
    EXPECT_TRUE(notes.empty()) << "a byte-order mark needs no note";

    // Without a mark: bytes that are not CP936 but are UTF-8 read as UTF-8, with one note.
    EXPECT_EQ(read(L"plain8.txt", utf8 + "\r\n"), std::vector<std::wstring>{L"工程名"});
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find(L"plain8.txt 不是代码页CP936的文本，已按UTF-8读取。"),
              std::wstring::npos);
    read(L"plain8.txt", utf8);
    EXPECT_EQ(notes.size(), 1u) << "one note per file";
    // Valid in both ("é" in UTF-8 is "茅" in CP936): the code page.
    EXPECT_EQ(read(L"both.txt", "\xC3\xA9"), std::vector<std::wstring>{L"茅"});
    // Valid in neither: the code page, its stray bytes kept.
    std::vector<std::wstring> neither = read(L"neither.txt", "\x80\xFF");
    ASSERT_EQ(neither.size(), 1u);
    EXPECT_EQ(neither[0].size(), 2u);
    EXPECT_EQ(notes.size(), 1u);
    text::SetTextFileNotes(nullptr);
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
