#include "platform/text/WideString.h"
#include "platform/text/Format.h"

#include <gtest/gtest.h>

TEST(WideString, TrimAndRemoveWithCharacterSets) {
    EXPECT_EQ(text::Trim(L" \t工程 名称\r\n"), L"工程 名称");
    EXPECT_EQ(text::Trim(L"\\\\a\\b\\\\", L"\\"), L"a\\b");
    EXPECT_EQ(text::TrimRight(L"P\\\\", L"\\"), L"P");
    EXPECT_EQ(text::Trim(L"   "), L"");
    EXPECT_EQ(text::RemoveChars(L" 2 1 ", L" "), L"21");
}

TEST(WideString, CaseInsensitiveRulesCoverEveryScript) {
    EXPECT_TRUE(text::EqualsNoCase(L"P.ITM", L"p.itm"));
    EXPECT_TRUE(text::EqualsNoCase(L"ÄRGER", L"ärger"));
    EXPECT_FALSE(text::EqualsNoCase(L"工程", L"工程1"));
    EXPECT_EQ(text::CompareNoCase(L"abc", L"ABD"), -1);
    EXPECT_EQ(text::FindNoCase(L"xx.DWG.dwg", L".dwg", 3), 6u);
    EXPECT_TRUE(text::StartsWithNoCase(L"erpMode", L"ERP"));
    EXPECT_FALSE(text::StartsWithNoCase(L"er", L"ERP"));
}

TEST(WideString, SplitKeepsEmptyPartsAndReplaceDoesNotRescan) {
    EXPECT_EQ(text::Split(L"a::b", L":"), (std::vector<std::wstring>{L"a", L"", L"b"}));
    EXPECT_EQ(text::Split(L"", L","), (std::vector<std::wstring>{L""}));
    EXPECT_EQ(text::Split(L"名称:", L":"), (std::vector<std::wstring>{L"名称", L""}));
    EXPECT_EQ(text::ReplaceAll(L"aaa", L"a", L"aa"), L"aaaaaa");
    EXPECT_EQ(text::ReplaceAll(L"名称：值，值", L"：", L":"), L"名称:值，值");
}

TEST(WideString, NumbersFollowTheCLibrary) {
    EXPECT_EQ(text::ToInt(L"  42abc"), 42);
    EXPECT_EQ(text::ToInt(L"abc"), 0);
    EXPECT_EQ(text::ToInt(L"99999999999999"), 2147483647);
    EXPECT_DOUBLE_EQ(text::ToReal(L"-0.5x"), -0.5);
    EXPECT_DOUBLE_EQ(text::ToReal(L""), 0.0);
}

TEST(Format, PrintfFormatsWithWideStrings) {
    EXPECT_EQ(text::Format(L"说明%d", 3), L"说明3");
    EXPECT_EQ(text::Format(L"%2.2d", 5), L"05");
    EXPECT_EQ(text::Format(L"%.2f", 6.2), L"6.20");
    EXPECT_EQ(
        text::Format(L"\n文件\"%s\"已经保存在%s\"%s\"中\n", std::wstring(L"A.dwg"), L"项目", L"P"),
        L"\n文件\"A.dwg\"已经保存在项目\"P\"中\n");
    EXPECT_EQ(text::Format(L"100%%"), L"100%");
    // A format that does not fit its arguments comes back as written instead of throwing.
    EXPECT_EQ(text::Format(L"%d", std::wstring(L"x")), L"%d");
}
