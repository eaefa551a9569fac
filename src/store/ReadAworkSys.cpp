#include "store/ReadAworkSys.h"

#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/text/TextFile.h"
#include "platform/text/WideString.h"
#include "store/WorkingMode.h"
#include "suite/Ov2002GetInstallPath/Ov2002GetInstallPath.h"

#include <cmath>
#include <iterator>

namespace {

enum class Kind { Int, Real, Text };

struct KeyDef {
    const wchar_t* key;
    Kind kind;
    double dDefault;           // for Int and Real
    const wchar_t* strDefault; // for Text
};

// In file-table order; the index is the key's number below.
const KeyDef kKeys[] = {
    {L"符号新旧标: ", Kind::Int, 0, L""},
    {L"默认文字样式: ", Kind::Text, 0, L""},
    {L"连线交叉结点大小: ", Kind::Int, 0, L""},
    {L"T型连线交叉点: ", Kind::Int, 0, L""},
    {L"元件安装位置文字字高: ", Kind::Real, 0, L""},
    {L"元件标号文字字高: ", Kind::Real, 0, L""},
    {L"垂直符号标号文字位置: ", Kind::Int, 0, L""},
    {L"垂直符号标号文字方向: ", Kind::Int, 0, L""},
    {L"单端水平符号标号文字位置", Kind::Int, 0, L""},
    {L"单端垂直符号标号文字位置", Kind::Int, 0, L""},
    {L"元件管角号文字字高: ", Kind::Real, 0, L""},
    {L"水平符号管脚号文字位置: ", Kind::Int, 0, L""},
    {L"垂直符号管脚号文字位置: ", Kind::Int, 0, L""},
    {L"垂直符号管脚号文字方向: ", Kind::Int, 0, L""},
    {L"连线线号文字字高: ", Kind::Real, 0, L""},
    {L"线号文字到线的距离: ", Kind::Real, 0, L""},
    {L"垂直连线线号文字位置: ", Kind::Int, 0, L""},
    {L"垂直连线线号文字方向: ", Kind::Int, 0, L""},
    {L"电路图图块允许炸开: ", Kind::Int, 1, L""},
    {L"打开DWG默认启动方式: ", Kind::Int, 1, L""},
    {L"标题栏类型: ", Kind::Text, 0, L""},
    {L"标题栏图块允许炸开: ", Kind::Int, 1, L""},
    {L"接线连线自适应标识: ", Kind::Text, 0, L""},
    {L"继保端子及装置标号与端号之间加分隔符: ", Kind::Text, 0, L""},
    {L"端子表格式: ", Kind::Int, 0, L""},
    {L"接线图元件序号: ", Kind::Int, 0, L""},
    {L"接线格式: ", Kind::Int, 0, L""},
    {L"元件接线标注文字字高: ", Kind::Real, 2.0, L""},
    {L"分板名称文字字高: ", Kind::Real, 3.0, L""},
    {L"元件接线线长: ", Kind::Real, 0, L""},
    {L"元件布置标注文字字高: ", Kind::Real, 3.0, L""},
    {L"外框宽度: ", Kind::Real, 21.0, L""},
    {L"外框高度: ", Kind::Real, 5.0, L""},
    {L"外框直径: ", Kind::Real, 12.0, L""},
    {L"元件线号到线距离: ", Kind::Real, 0, L""},
    {L"元件布置标头圆圈直径: ", Kind::Real, 12.0, L""},
    {L"元件接线文字格式: ", Kind::Text, 0, L"多行"},
    {L"导线颜色文字位置: ", Kind::Text, 0, L"连线下方"},
    {L"导线颜色文字到连线距离: ", Kind::Real, 1.5, L""},
    {L"同元件引脚接线方式:", Kind::Text, 0, L""},
    {L"短接线到元件的距离:", Kind::Text, 0, L"3.0"},
    {L"短接线之间的阶距:", Kind::Text, 0, L"0.5"},
    {L"接线文字宽度:", Kind::Text, 0, L""},
    {L"装置端子接线数量:", Kind::Text, 0, L"可接两根线"},
    {L"元件描述文字显示位置:", Kind::Text, 0, L""},
    {L"软件当前版本: ", Kind::Int, 1, L""},
    {L"是否是继电保护版: ", Kind::Int, 0, L""},
    {L"原理图端子表作为接线图端子表: ", Kind::Int, 0, L""},
    {L"是否利用端子空余接线端: ", Kind::Int, 1, L""},
    {L"端子一端是否接两根线: ", Kind::Int, 1, L""},
    {L"继电保护端子作为普通端子: ", Kind::Int, 0, L""},
    {L"接线图端子表分隔符格式: ", Kind::Text, 0, L""},
    {L"接线图图块允许炸开: ", Kind::Int, 1, L""},
};

enum KeyIndex {
    kSymbolNewOldFlag,
    kDefaultTextStyle,
    kWireCrossNodeSize,
    kTJunctionCrossMark,
    kComponentLocationTextHeight,
    kComponentLabelTextHeight,
    kVerticalSymbolLabelPosition,
    kVerticalSymbolLabelDirection,
    kSingleEndHorizontalLabelPosition,
    kSingleEndVerticalLabelPosition,
    kPinNumberTextHeight,
    kHorizontalSymbolPinNumberPosition,
    kVerticalSymbolPinNumberPosition,
    kVerticalSymbolPinNumberDirection,
    kWireNumberTextHeight,
    kWireNumberTextDistance,
    kVerticalWireNumberPosition,
    kVerticalWireNumberDirection,
    kCircuitBlocksExplodable,
    kDefaultDwgOpenMode,
    kTitleBlockType,
    kTitleBlockExplodable,
    kAdaptiveWiringMark,
    kProtectionLabelSeparator,
    kTerminalTableFormat,
    kWiringComponentNumbering,
    kWiringFormat,
    kComponentWiringNoteTextHeight,
    kSubPanelNameTextHeight,
    kComponentWiringLineLength,
    kLayoutNoteTextHeight,
    kOuterFrameWidth,
    kOuterFrameHeight,
    kOuterFrameDiameter,
    kComponentWireNumberDistance,
    kLayoutHeaderCircleDiameter,
    kComponentWiringTextFormat,
    kWireColourTextPosition,
    kWireColourTextDistance,
    kSameComponentPinWiringMode,
    kJumperToComponentDistance,
    kJumperPitch,
    kWiringTextWidth,
    kDeviceTerminalWireCount,
    kComponentDescriptionPosition,
    kSoftCurVersion,
    kIsRelayProtectionVersion,
    kSchematicTerminalTableAsWiring,
    kUseSpareTerminalEnds,
    kTerminalEndTakesTwoWires,
    kProtectionTerminalsAsOrdinary,
    kWiringTerminalTableSeparatorFormat,
    kWiringBlocksExplodable,
    kKeyCount
};
static_assert(kKeyCount == std::size(kKeys), "one index per key");

const std::wstring kDefaultTextStyleKey = L"默认文字样式: ";

std::wstring AworkPath() {
    return CEditOprt::JoinPath(GetInstallPath_TL(), L"LocalData\\awork.sys");
}

} // namespace

CReadAworkSys::CReadAworkSys() : m_values(kKeyCount) {
    for (int key = 0; key < kKeyCount; ++key) {
        m_values[key].nValue = static_cast<int>(kKeys[key].dDefault);
        m_values[key].dValue = kKeys[key].dDefault;
        m_values[key].strValue = kKeys[key].strDefault;
    }
}

CReadAworkSys::~CReadAworkSys() = default;

std::wstring CReadAworkSys::GetAworkValue(const std::wstring& strKey) {
    EnsureRead();
    for (const std::wstring& strLine : m_arrLines) {
        if (!text::StartsWith(strLine, strKey))
            continue;
        std::wstring strValue = strLine.substr(strKey.size());
        return strKey == kDefaultTextStyleKey ? strValue : text::RemoveChars(strValue, L" \t");
    }
    return {};
}

int CReadAworkSys::ReadAworkSys() {
    m_bRead = 1;
    m_arrLines.clear();
    std::wstring strPath = AworkPath();
    std::vector<std::wstring> rawLines;
    text::TextFileStatus status;
    int nOpened = text::ReadTextLines(strPath, rawLines, &status) ? 1 : 0;
    if (!nOpened)
        acutPrintf(L"打开文件%s时出错，错误码为 %d\n", strPath, status.cause);
    for (std::wstring& strLine : rawLines)
        if (!strLine.empty())
            m_arrLines.push_back(std::move(strLine));

    int nWorkingMode = GetErpOrCadMode();
    for (int key = 0; key < kKeyCount; ++key) {
        const KeyDef& def = kKeys[key];
        Value& value = m_values[key];
        std::wstring strValue = GetAworkValue(def.key);
        bool bMissing = strValue.empty();
        switch (def.kind) {
        case Kind::Int:
            value.nValue = bMissing ? static_cast<int>(def.dDefault) : text::ToInt(strValue);
            if (bMissing && key == kSoftCurVersion && nWorkingMode == 2)
                value.nValue = 0;
            break;
        case Kind::Real:
            value.dValue = bMissing ? def.dDefault : text::ToReal(strValue);
            break;
        case Kind::Text:
            value.strValue = bMissing ? std::wstring(def.strDefault) : strValue;
            break;
        }
    }
    return nOpened;
}

void CReadAworkSys::EnsureRead() {
    if (!m_bRead)
        ReadAworkSys();
}

int CReadAworkSys::Int(int key) {
    EnsureRead();
    return m_values[key].nValue;
}

double CReadAworkSys::Real(int key) {
    EnsureRead();
    return m_values[key].dValue;
}

const std::wstring& CReadAworkSys::Text(int key) {
    EnsureRead();
    return m_values[key].strValue;
}

double CReadAworkSys::PositiveOr(int key, double dDefault) {
    double dValue = Real(key);
    return dValue > 0 ? dValue : dDefault;
}

int CReadAworkSys::VersionFixed(int key, int nFixed) {
    if (std::wstring(OvGetTessalCurVer()) == L"2")
        return nFixed;
    return Int(key);
}

int CReadAworkSys::GetSymbolNewOldFlag() {
    return Int(kSymbolNewOldFlag);
}
std::wstring CReadAworkSys::GetDefaultTextStyle() {
    return Text(kDefaultTextStyle);
}
int CReadAworkSys::GetWireCrossNodeSize() {
    return Int(kWireCrossNodeSize);
}
int CReadAworkSys::GetTJunctionCrossMark() {
    return Int(kTJunctionCrossMark);
}
double CReadAworkSys::GetComponentLocationTextHeight() {
    return Real(kComponentLocationTextHeight);
}
double CReadAworkSys::GetComponentLabelTextHeight() {
    return Real(kComponentLabelTextHeight);
}
int CReadAworkSys::GetVerticalSymbolLabelPosition() {
    return Int(kVerticalSymbolLabelPosition);
}
int CReadAworkSys::GetVerticalSymbolLabelDirection() {
    return Int(kVerticalSymbolLabelDirection);
}
int CReadAworkSys::GetSingleEndHorizontalLabelPosition() {
    return Int(kSingleEndHorizontalLabelPosition);
}
int CReadAworkSys::GetSingleEndVerticalLabelPosition() {
    return Int(kSingleEndVerticalLabelPosition);
}
double CReadAworkSys::GetPinNumberTextHeight() {
    return Real(kPinNumberTextHeight);
}
int CReadAworkSys::GetHorizontalSymbolPinNumberPosition() {
    return Int(kHorizontalSymbolPinNumberPosition);
}
int CReadAworkSys::GetVerticalSymbolPinNumberPosition() {
    return Int(kVerticalSymbolPinNumberPosition);
}
int CReadAworkSys::GetVerticalSymbolPinNumberDirection() {
    return Int(kVerticalSymbolPinNumberDirection);
}
double CReadAworkSys::GetWireNumberTextHeight() {
    return Real(kWireNumberTextHeight);
}
double CReadAworkSys::GetWireNumberTextDistance() {
    return Real(kWireNumberTextDistance);
}
int CReadAworkSys::GetVerticalWireNumberPosition() {
    return Int(kVerticalWireNumberPosition);
}
int CReadAworkSys::GetVerticalWireNumberDirection() {
    return Int(kVerticalWireNumberDirection);
}
int CReadAworkSys::GetCircuitBlocksExplodable() {
    return Int(kCircuitBlocksExplodable);
}
int CReadAworkSys::GetDefaultDwgOpenMode() {
    return Int(kDefaultDwgOpenMode);
}
std::wstring CReadAworkSys::GetTitleBlockType() {
    return Text(kTitleBlockType);
}
int CReadAworkSys::GetTitleBlockExplodable() {
    return Int(kTitleBlockExplodable);
}
std::wstring CReadAworkSys::GetAdaptiveWiringMark() {
    return Text(kAdaptiveWiringMark);
}
int CReadAworkSys::IsAdaptiveWiring() {
    return Text(kAdaptiveWiringMark).find(L"是") != std::wstring::npos ? 1 : 0;
}
std::wstring CReadAworkSys::GetProtectionLabelSeparator() {
    return Text(kProtectionLabelSeparator);
}
int CReadAworkSys::HasProtectionLabelSeparator() {
    return Text(kProtectionLabelSeparator).find(L"0") == std::wstring::npos ? 1 : 0;
}
int CReadAworkSys::GetTerminalTableFormat() {
    return Int(kTerminalTableFormat);
}
int CReadAworkSys::GetWiringComponentNumbering() {
    return Int(kWiringComponentNumbering);
}
int CReadAworkSys::GetWiringFormat() {
    return Int(kWiringFormat);
}
double CReadAworkSys::GetComponentWiringNoteTextHeight() {
    return PositiveOr(kComponentWiringNoteTextHeight, 2.0);
}
double CReadAworkSys::GetSubPanelNameTextHeight() {
    return PositiveOr(kSubPanelNameTextHeight, 3.0);
}
double CReadAworkSys::GetComponentWiringLineLength() {
    return PositiveOr(kComponentWiringLineLength, 0.0);
}
double CReadAworkSys::GetLayoutNoteTextHeight() {
    return PositiveOr(kLayoutNoteTextHeight, 3.0);
}
double CReadAworkSys::GetOuterFrameWidth() {
    return PositiveOr(kOuterFrameWidth, 21.0);
}
double CReadAworkSys::GetOuterFrameHeight() {
    return PositiveOr(kOuterFrameHeight, 5.0);
}
double CReadAworkSys::GetOuterFrameDiameter() {
    return PositiveOr(kOuterFrameDiameter, 12.0);
}
double CReadAworkSys::GetComponentWireNumberDistance() {
    double dValue = Real(kComponentWireNumberDistance);
    if (std::fabs(dValue) <= 0.000001)
        return 0.0;
    return dValue < -0.000001 ? 1.3 : dValue;
}
double CReadAworkSys::GetLayoutHeaderCircleDiameter() {
    return PositiveOr(kLayoutHeaderCircleDiameter, 12.0);
}
std::wstring CReadAworkSys::GetComponentWiringTextFormat() {
    return Text(kComponentWiringTextFormat);
}
std::wstring CReadAworkSys::GetWireColourTextPosition() {
    return Text(kWireColourTextPosition);
}
double CReadAworkSys::GetWireColourTextDistance() {
    return PositiveOr(kWireColourTextDistance, 1.5);
}
int CReadAworkSys::GetSameComponentPinWiringMode() {
    const std::wstring& strValue = Text(kSameComponentPinWiringMode);
    if (strValue == L"短线方式")
        return 0;
    return 1; // "文字方式", and anything else, wires by text
}
std::wstring CReadAworkSys::GetJumperToComponentDistance() {
    return Text(kJumperToComponentDistance);
}
std::wstring CReadAworkSys::GetJumperPitch() {
    return Text(kJumperPitch);
}
std::wstring CReadAworkSys::GetWiringTextWidth() {
    return Text(kWiringTextWidth);
}
std::wstring CReadAworkSys::GetDeviceTerminalWireCount() {
    return Text(kDeviceTerminalWireCount);
}
std::wstring CReadAworkSys::GetComponentDescriptionPosition() {
    return Text(kComponentDescriptionPosition);
}
int CReadAworkSys::GetSoftCurVersion() {
    return VersionFixed(kSoftCurVersion, 1);
}
int CReadAworkSys::GetIsRelayProtectionVersion() {
    return VersionFixed(kIsRelayProtectionVersion, 0);
}
int CReadAworkSys::GetSchematicTerminalTableAsWiring() {
    return VersionFixed(kSchematicTerminalTableAsWiring, 0);
}
int CReadAworkSys::GetUseSpareTerminalEnds() {
    return VersionFixed(kUseSpareTerminalEnds, 0);
}
int CReadAworkSys::GetTerminalEndTakesTwoWires() {
    return VersionFixed(kTerminalEndTakesTwoWires, 0);
}
int CReadAworkSys::GetProtectionTerminalsAsOrdinary() {
    return VersionFixed(kProtectionTerminalsAsOrdinary, 1);
}
std::wstring CReadAworkSys::GetWiringTerminalTableSeparatorFormat() {
    return Text(kWiringTerminalTableSeparatorFormat);
}
int CReadAworkSys::GetWiringBlocksExplodable() {
    return Int(kWiringBlocksExplodable);
}
