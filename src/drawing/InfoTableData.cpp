#include "drawing/InfoTableData.h"

#include <array>

namespace infotable {

namespace {

const std::array<EntryDefinition, kEntryCount> kEntries = {{
    {L"柜的数量", L"设备数量", L"设备数量", L"面"},
    {L"柜的颜色", L"设备颜色", L"设备颜色", L""},
    {L"屏体尺寸", L"设备尺寸", L"设备尺寸", L""},
    {L"端子", L"端子", L"端子型号", L""},
    {L"直流电压", L"直流电压", L"直流电压", L"V"},
    {L"交流电流", L"交流电流", L"交流电流", L"A"},
    {L"跳闸电流", L"跳闸电流", L"跳闸电流", L"A"},
    {L"合闸电流", L"合闸电流", L"合闸电流", L"A"},
    {L"小母线安装方式", L"小母线安装方式", L"小母线安装数量", L""},
    {L"定制功能描述", L"定制功能描述", L"定制功能描述", L""},
    {L"屏柜所属厂站", L"屏柜所属厂站", L"屏柜所属厂站", L""},
}};

std::wstring ValueOf(const std::vector<CExplainInfoNode>& description,
                     const std::wstring& strTitle) {
    for (const CExplainInfoNode& entry : description)
        if (entry.Getm_StrTitle() == strTitle)
            return entry.Getm_StrValue();
    return L"";
}

} // namespace

const EntryDefinition& Entry(int nIndex) {
    return kEntries.at(static_cast<size_t>(nIndex));
}

std::wstring WordKeyOf(const std::wstring& strTableTitle) {
    if (strTableTitle.find(L"端子") != std::wstring::npos)
        return L"端子型号";
    for (const EntryDefinition& entry : kEntries)
        if (strTableTitle == entry.strTableTitle)
            return entry.strWordKey;
    return strTableTitle;
}

std::vector<CExplainInfoNode> BuildEntries(const std::vector<CExplainInfoNode>& description) {
    std::vector<CExplainInfoNode> entries;
    for (const EntryDefinition& entry : kEntries)
        entries.emplace_back(entry.strTableTitle, ValueOf(description, entry.strExplainTitle));
    return entries;
}

void MergeIntoDescription(const std::vector<CExplainInfoNode>& rows,
                          std::vector<CExplainInfoNode>& description) {
    for (size_t i = 0; i < rows.size(); ++i) {
        std::wstring strTitle = rows[i].Getm_StrTitle();
        if (i < 3)
            strTitle = kEntries[i].strExplainTitle;
        bool bFound = false;
        for (CExplainInfoNode& entry : description)
            if (entry.Getm_StrTitle() == strTitle) {
                entry.Setm_StrValue(rows[i].Getm_StrValue());
                bFound = true;
            }
        if (!bFound)
            description.emplace_back(strTitle, rows[i].Getm_StrValue());
    }
}

Parameters& TableParameters() {
    static Parameters parameters;
    return parameters;
}

std::vector<std::wstring>& EntryTitles() {
    static std::vector<std::wstring> titles;
    return titles;
}

std::vector<std::wstring>& EntryValues() {
    static std::vector<std::wstring> values;
    return values;
}

} // namespace infotable
