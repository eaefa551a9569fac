// Broken management files, made here in a temporary folder: every reader takes them without a
// fault, reports them in the system's words, and the library refuses what it cannot rewrite.

#include "platform/cad/CommandLine.h"
#include "records/XmSb.h"
#include "records/XmSbExplainInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <random>

using ovtest::Cp936Lines;
using ovtest::TempFolder;

namespace {

struct Outcome {
    int strict = 0;
    int library = 0;
    size_t contentTypes = 0;
    std::wstring messages;
};

Outcome ReadAll(const TempFolder& folder, const std::string& bytes) {
    folder.WriteBytes(L"S\\S.prj", bytes);
    std::wstring path = folder.Path(L"S\\S.prj");
    cad::CommandLine::Instance().Clear();
    Outcome outcome;
    outcome.strict = CXmSbExplainInfo(path).ReadExplainInfo();
    CManageFileInfo manageFile;
    outcome.library = manageFile.ReadManageFile(path);
    outcome.contentTypes = CXmSb(path).Getm_XmSbFileArray().size();
    outcome.messages = cad::CommandLine::Instance().Text();
    return outcome;
}

const std::vector<std::wstring> kBlock = {L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE",
                                          L"设备名称",           L"柜",
                                          L"$END_ONE_NOTE",      L"$END NOTE OF PRJ"};

} // namespace

TEST(MalformedFiles, TruncatedBlocksAreRefusedWithTheFormatMessage) {
    TempFolder folder;
    std::wstring formatMessage =
        folder.Path(L"S\\S.prj") + L" 文件格式不对，不能正常读取文件信息。\n";
    for (size_t keep = 1; keep < kBlock.size(); ++keep) {
        std::vector<std::wstring> cut(kBlock.begin(), kBlock.begin() + static_cast<long>(keep));
        Outcome outcome = ReadAll(folder, Cp936Lines(cut));
        EXPECT_EQ(outcome.strict, 0) << keep;
        EXPECT_EQ(outcome.library, 0) << keep;
        EXPECT_EQ(outcome.messages, formatMessage + formatMessage) << keep;
    }
    // Cut in the middle of a line, without its line end.
    std::string bytes = Cp936Lines(kBlock);
    EXPECT_EQ(ReadAll(folder, bytes.substr(0, bytes.size() - 5)).library, 0);
}

TEST(MalformedFiles, MissingContentSectionOrEofStillReads) {
    TempFolder folder;
    Outcome noContent = ReadAll(folder, Cp936Lines(kBlock));
    EXPECT_EQ(noContent.strict, 1);
    EXPECT_EQ(noContent.library, 1);
    EXPECT_EQ(noContent.messages, L"");

    std::vector<std::wstring> noEof = kBlock;
    noEof.insert(noEof.end(), {L"$BEGIN CONTENT OF PRJ", L"屏端子图:", L"1.dwg<>"});
    Outcome outcome = ReadAll(folder, Cp936Lines(noEof));
    EXPECT_EQ(outcome.library, 1);
    EXPECT_EQ(outcome.contentTypes, 1u);
}

TEST(MalformedFiles, BinaryGarbageAndAHugeLineAreRefusedWithoutAFault) {
    TempFolder folder;
    std::mt19937 random(7);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    Outcome outcome = ReadAll(folder, garbage);
    EXPECT_EQ(outcome.strict, 0);
    EXPECT_EQ(outcome.library, 0);
    EXPECT_NE(outcome.messages.find(L"文件格式不对"), std::wstring::npos);

    // A 10 MB line: each reader takes it once (reading it is slow in the sanitizer build).
    std::string huge(10 * 1024 * 1024, 'x');
    std::wstring path = folder.Path(L"S\\S.prj");
    folder.WriteBytes(L"S\\S.prj", huge);
    EXPECT_EQ(CXmSbExplainInfo(path).ReadExplainInfo(), 0);
    folder.WriteBytes(L"S\\S.prj", Cp936Lines(kBlock) + huge);
    CManageFileInfo manageFile;
    EXPECT_EQ(manageFile.ReadManageFile(path), 1) << "a line outside the sections is kept aside";
    EXPECT_TRUE(CXmSb(path).Getm_XmSbFileArray().empty());
}

TEST(MalformedFiles, GarbageKeptAsideSurvivesARewrite) {
    TempFolder folder;
    std::string stray = "\xFF\xFE stray \x81";
    folder.WriteBytes(L"S\\S.prj", Cp936Lines(kBlock) + stray + "\r\n" +
                                       Cp936Lines({L"$BEGIN CONTENT OF PRJ", L"1.dwg<>",
                                                   L"$End CONTENT OF PRJ", L"$EOF", L"尾"}));
    CManageFileInfo manageFile;
    ASSERT_EQ(manageFile.ReadManageFile(folder.Path(L"S\\S.prj")), 1);
    std::string before = folder.ReadBytes(L"S\\S.prj");
    ASSERT_EQ(manageFile.WriteManageFile(), 1);
    EXPECT_EQ(folder.ReadBytes(L"S\\S.prj"), before);
}
