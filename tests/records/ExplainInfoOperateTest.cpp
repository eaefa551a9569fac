// The description editor and the entry dialog's checks, with the system's messages.

#include "records/ExplainInfoOperate.h"
#include "platform/ui/ScriptedBackend.h"
#include "records/OneInfoCheck.h"

#include <gtest/gtest.h>

namespace {

std::vector<CExplainInfoNode> Five() {
    return {{L"a", L"0"}, {L"b", L"1"}, {L"c", L"2"}, {L"d", L"3"}, {L"e", L"4"}};
}

CExplainInfoOperate::EntryDialog Answer(std::wstring title, std::wstring value,
                                        std::wstring* caption = nullptr) {
    return [=](const std::wstring& strCaption, std::wstring& strTitle, std::wstring& strValue) {
        if (caption)
            *caption = strCaption + L"|" + strTitle + L"|" + strValue;
        strTitle = title;
        strValue = value;
        return 1;
    };
}

} // namespace

TEST(ExplainInfoOperate, AddRefusesIncompleteAndRepeatedEntries) {
    ui::ScriptedBackend boxes;
    CExplainInfoOperate editor;
    editor.SetExplainInfoArray({{L"工程名称", L"甲"}});
    EXPECT_EQ(editor.AddExplainInfo(CExplainInfoNode(L"  ", L"值")), 0);
    EXPECT_EQ(editor.AddExplainInfo(CExplainInfoNode(L"工程名称", L" 甲 ")), 0);
    std::wstring caption;
    EXPECT_EQ(editor.AddExplainInfo(Answer(L"设备名称", L"柜", &caption)), 1);
    EXPECT_EQ(caption, L"添加描述信息||");
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"描述信息不完整，加入失败");
    EXPECT_EQ(boxes.Boxes()[1].text, L"已经存在同样的描述信息，不能加入。");
    EXPECT_EQ(boxes.Boxes()[1].flags & ui::MB_ICONMASK, ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(editor.FindExplainInfo(CExplainInfoNode(L"设备名称", L"柜")), 1);
}

TEST(ExplainInfoOperate, ModifyReplacesUnlessTheResultAlreadyExists) {
    ui::ScriptedBackend boxes;
    CExplainInfoOperate editor;
    editor.SetExplainInfoArray(Five());
    std::wstring caption;
    EXPECT_EQ(editor.ModifyExplainInfo(1, Answer(L"b", L"1", &caption)), 0);
    EXPECT_EQ(caption, L"修改描述信息|b|1");
    EXPECT_EQ(editor.ModifyExplainInfo(1, Answer(L"c", L"2")), 0);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, L"已经存在同样的描述信息。");
    EXPECT_EQ(editor.ModifyExplainInfo(1, Answer(L"b", L"新")), 1);
    EXPECT_EQ(editor.Getm_ExplainInfoArray()[1].Getm_StrValue(), L"新");
}

TEST(ExplainInfoOperate, DeleteRowsAndDefaultTitles) {
    CExplainInfoOperate editor;
    editor.SetExplainInfoArray(Five());
    EXPECT_EQ(editor.DeleteExplainInfo({3, 1, 3, 9}), 2);
    std::vector<std::wstring> titles;
    for (const CExplainInfoNode& entry : editor.Getm_ExplainInfoArray())
        titles.push_back(entry.Getm_StrTitle());
    EXPECT_EQ(titles, (std::vector<std::wstring>{L"a", L"c", L"e"}));

    EXPECT_EQ(editor.AddDefaultTitles({L"A", L"工程名称", L"", L"  ", L"工程名称"}), 1);
    EXPECT_EQ(editor.Getm_ExplainInfoArray().back().Getm_StrTitle(), L"工程名称");
    EXPECT_EQ(editor.Getm_ExplainInfoArray().back().Getm_StrValue(), L" ");
}

TEST(OneInfoCheck, ColonsAreRefusedNamingTheFields) {
    EXPECT_EQ(COneInfoCheck::GetColonMessage(L"标:题", L"值"), L"\"标题\"中，不能包括字符':'。");
    EXPECT_EQ(COneInfoCheck::GetColonMessage(L"题", L"值：1"),
              L"\"具体内容\"中，不能包括字符':'。");
    EXPECT_EQ(COneInfoCheck::GetColonMessage(L"a:", L":b"),
              L"\"标题\"和\"具体内容\"中，不能包括字符':'。");
    EXPECT_EQ(COneInfoCheck::GetColonMessage(L"题", L"值"), L"");

    ui::ScriptedBackend boxes;
    EXPECT_EQ(COneInfoCheck::CheckOnOk(nullptr, L"a:b", L"c"), 0);
    EXPECT_EQ(COneInfoCheck::CheckOnOk(nullptr, L"ab", L"c"), 1);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}
