#include "store/TypeLists.h"

#include "drawing/EditOprt.h"
#include "platform/text/Format.h"
#include "platform/text/WideString.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

namespace {

const std::vector<std::wstring> kBuiltInTerminalTypes = {
    L"普通端子:,6.2",
    L"光隔端子:,6.2",
    L"光藕端子:,6.2",
    L"电流端子:粗线,8.2",
    L"试验端子:粗线,8.2",
    L"熔断器端子:熔断器符号,6.2",
    L"保险端子:熔断器符号,6.2",
    L"电压端子:▽,6.2",
    L"刀闸端子:＆,6.2",
    L"双进双出端子:＃,6.2",
    L"双进双出刀闸端子:＃＆,6.2",
};
const std::vector<std::wstring> kBuiltInWireTypes = {
    L"三芯屏蔽线:@",       L"屏蔽双绞线:*",        L"4*0.5mm屏蔽线:★",
    L"9芯单头(孔)DB9线:◆", L"≥8芯单头(孔)DB9线:◇", L"9芯单头(针)DB9线:■",
};
const std::vector<std::wstring> kBuiltInCircuitTypes = {L"电流回路:", L"电压回路:", L"普通回路:"};

std::vector<std::wstring> ReadListFile(const wchar_t* relativePath) {
    std::vector<std::wstring> lines;
    CEditOprt::ReadLines(CEditOprt::JoinPath(GetInstallPath_TL(), relativePath), lines, 0);
    return lines;
}

std::wstring Width(const std::vector<std::wstring>& parts, size_t index) {
    double dWidth = index < parts.size() ? text::ToReal(text::Trim(parts[index])) : 0.0;
    return text::Format(L"%.2f", dWidth);
}

std::wstring Part(const std::vector<std::wstring>& parts, size_t index) {
    return index < parts.size() ? text::Trim(parts[index]) : std::wstring();
}

// Everything after the given number of commas, trimmed.
std::wstring AfterCommas(const std::wstring& strText, size_t nCommas) {
    size_t pos = 0;
    for (size_t i = 0; i < nCommas; ++i)
        pos = strText.find(L',', pos) + 1;
    return text::Trim(strText.substr(pos));
}

// Name and the comma-separated remainder of a terminal or wire line.
void SplitNameAndRest(const std::wstring& strLine, std::wstring& strName, std::wstring& strRest) {
    std::wstring strNormal = text::ReplaceAll(text::ReplaceAll(strLine, L"：", L":"), L"，", L",");
    std::vector<std::wstring> parts = text::Split(strNormal, L":");
    strName = Part(parts, 0);
    strRest = Part(parts, 1);
}

} // namespace

TerminalTypeFields ParseTerminalTypeLine(const std::wstring& strLine) {
    TerminalTypeFields fields;
    if (strLine.empty())
        return fields;
    std::wstring strRest;
    SplitNameAndRest(strLine, fields.name, strRest);
    std::vector<std::wstring> parts = text::Split(strRest, L",");
    fields.symbol = Part(parts, 0);
    fields.width = Width(parts, 1);
    if (parts.size() == 3)
        fields.rest = Part(parts, 2);
    else if (parts.size() > 3)
        fields.rest = AfterCommas(strRest, 2);
    return fields;
}

WireTypeFields ParseWireTypeLine(const std::wstring& strLine) {
    WireTypeFields fields;
    if (strLine.empty())
        return fields;
    std::wstring strRest;
    SplitNameAndRest(strLine, fields.name, strRest);
    std::vector<std::wstring> parts = text::Split(strRest, L",");
    fields.symbol = Part(parts, 0);
    fields.width = Width(parts, 1);
    fields.fourth = Part(parts, 2);
    if (parts.size() == 4)
        fields.rest = Part(parts, 3);
    else if (parts.size() > 4)
        fields.rest = AfterCommas(strRest, 3);
    return fields;
}

CircuitTypeFields ParseCircuitTypeLine(const std::wstring& strLine) {
    CircuitTypeFields fields;
    std::vector<std::wstring> parts = text::Split(text::ReplaceAll(strLine, L"：", L":"), L":");
    fields.name = Part(parts, 0);
    if (parts.size() == 2)
        fields.symbol = Part(parts, 1);
    else if (parts.size() > 2)
        fields.symbol = text::Trim(parts[1] + L":" + parts[2]);
    return fields;
}

void ReadTerminalTypes(std::vector<std::wstring>& names, std::vector<std::wstring>& symbols,
                       std::vector<std::wstring>& widths, std::vector<std::wstring>& rests) {
    names.clear();
    symbols.clear();
    widths.clear();
    rests.clear();
    std::vector<std::wstring> lines = ReadListFile(L"Data\\DZBDZLXFH.txt");
    if (lines.empty() ||
        (lines[0].find(L',') == std::wstring::npos && lines[0].find(L'，') == std::wstring::npos))
        lines = kBuiltInTerminalTypes;
    for (const std::wstring& strLine : lines) {
        TerminalTypeFields fields = ParseTerminalTypeLine(strLine);
        names.push_back(fields.name);
        symbols.push_back(fields.symbol);
        widths.push_back(fields.width);
        rests.push_back(fields.rest);
    }
}

void ReadWireTypes(std::vector<std::wstring>& names, std::vector<std::wstring>& symbols,
                   std::vector<std::wstring>& widths, std::vector<std::wstring>& fourths,
                   std::vector<std::wstring>& rests) {
    names.clear();
    symbols.clear();
    widths.clear();
    fourths.clear();
    rests.clear();
    std::vector<std::wstring> lines = ReadListFile(L"Data\\DZBDXLXFH.txt");
    if (lines.empty())
        lines = kBuiltInWireTypes;
    for (const std::wstring& strLine : lines) {
        WireTypeFields fields = ParseWireTypeLine(strLine);
        names.push_back(fields.name);
        symbols.push_back(fields.symbol);
        widths.push_back(fields.width);
        fourths.push_back(fields.fourth);
        rests.push_back(fields.rest);
    }
}

void ReadCircuitTypes(std::vector<std::wstring>& names, std::vector<std::wstring>& symbols) {
    names.clear();
    symbols.clear();
    std::vector<std::wstring> lines = ReadListFile(L"Data\\DZBHUILUFH.txt");
    if (lines.empty())
        lines = kBuiltInCircuitTypes;
    for (const std::wstring& strLine : lines) {
        CircuitTypeFields fields = ParseCircuitTypeLine(strLine);
        names.push_back(fields.name);
        symbols.push_back(fields.symbol);
    }
}
