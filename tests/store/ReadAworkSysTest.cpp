#include "store/ReadAworkSys.h"
#include "platform/cad/CommandLine.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempInstallation;

namespace {

void WriteAwork(const TempInstallation& installation, const std::vector<std::wstring>& lines,
                const std::string& lineEnd = "\r\n") {
    installation.WriteBytes(L"LocalData\\awork.sys", Cp936Lines(lines, lineEnd));
}

} // namespace

TEST(ReadAworkSys, MissingFileSaysWhyAndGivesEveryDefault) {
    TempInstallation installation;
    cad::CommandLine::Instance().Clear();
    CReadAworkSys settings;
    EXPECT_DOUBLE_EQ(settings.GetOuterFrameWidth(), 21.0);
    EXPECT_DOUBLE_EQ(settings.GetOuterFrameHeight(), 5.0);
    EXPECT_DOUBLE_EQ(settings.GetComponentWiringNoteTextHeight(), 2.0);
    EXPECT_DOUBLE_EQ(settings.GetWireColourTextDistance(), 1.5);
    EXPECT_EQ(settings.GetCircuitBlocksExplodable(), 1);
    EXPECT_EQ(settings.GetComponentWiringTextFormat(), L"多行");
    EXPECT_EQ(settings.GetWireColourTextPosition(), L"连线下方");
    EXPECT_EQ(settings.GetJumperToComponentDistance(), L"3.0");
    EXPECT_EQ(settings.GetDeviceTerminalWireCount(), L"可接两根线");
    EXPECT_EQ(settings.GetSameComponentPinWiringMode(), 1);
    EXPECT_EQ(settings.IsAdaptiveWiring(), 0);
    EXPECT_EQ(settings.HasProtectionLabelSeparator(), 1);
    EXPECT_EQ(settings.GetSoftCurVersion(), 1);
    EXPECT_EQ(cad::CommandLine::Instance().Text(),
              L"打开文件" + installation.Path(L"LocalData\\awork.sys") + L"时出错，错误码为 2\n");
}

TEST(ReadAworkSys, ValuesLoseTheirBlanksExceptTheTextStyle) {
    TempInstallation installation;
    WriteAwork(
        installation,
        {L"外框宽度: 3 0", L"默认文字样式: 仿宋 GB2312 ", L"标题栏类型: 国标 A3", L"外框宽度: 99"},
        "\n");
    CReadAworkSys settings;
    EXPECT_DOUBLE_EQ(settings.GetOuterFrameWidth(), 30.0) << "first line wins, blanks removed";
    EXPECT_EQ(settings.GetDefaultTextStyle(), L"仿宋 GB2312 ");
    EXPECT_EQ(settings.GetTitleBlockType(), L"国标A3");
    EXPECT_EQ(settings.GetAworkValue(L"外框宽度: "), L"30");
    EXPECT_EQ(settings.GetAworkValue(L"no such key"), L"");
}

TEST(ReadAworkSys, RulesOfTheRealValues) {
    TempInstallation installation;
    WriteAwork(installation,
               {L"外框宽度: -3", L"外框高度: 30", L"元件线号到线距离: -0.5", L"元件接线线长: -2",
                L"元件布置标头圆圈直径: abc", L"电路图图块允许炸开: abc"});
    CReadAworkSys settings;
    EXPECT_DOUBLE_EQ(settings.GetOuterFrameWidth(), 21.0);
    EXPECT_DOUBLE_EQ(settings.GetOuterFrameHeight(), 30.0);
    EXPECT_DOUBLE_EQ(settings.GetComponentWireNumberDistance(), 1.3);
    EXPECT_DOUBLE_EQ(settings.GetComponentWiringLineLength(), 0.0);
    EXPECT_DOUBLE_EQ(settings.GetLayoutHeaderCircleDiameter(), 12.0);
    EXPECT_EQ(settings.GetCircuitBlocksExplodable(), 0) << "a value that is not a number reads 0";

    WriteAwork(installation, {L"元件线号到线距离: 0.0000001"});
    CReadAworkSys tiny;
    EXPECT_DOUBLE_EQ(tiny.GetComponentWireNumberDistance(), 0.0);
}

TEST(ReadAworkSys, TextTests) {
    TempInstallation installation;
    WriteAwork(installation,
               {L"接线连线自适应标识: 是的", L"继保端子及装置标号与端号之间加分隔符: 10",
                L"同元件引脚接线方式:短线方式"});
    CReadAworkSys settings;
    EXPECT_EQ(settings.IsAdaptiveWiring(), 1);
    EXPECT_EQ(settings.HasProtectionLabelSeparator(), 0);
    EXPECT_EQ(settings.GetSameComponentPinWiringMode(), 0);
}

TEST(ReadAworkSys, VersionTwoFixesSixKeysAndModeTwoTurnsTheVersionSwitchOff) {
    TempInstallation::Options options;
    options.version = "2";
    TempInstallation versionTwo(options);
    WriteAwork(versionTwo, {L"软件当前版本: 0", L"是否是继电保护版: 1",
                            L"继电保护端子作为普通端子: 0", L"接线图图块允许炸开: 0"});
    CReadAworkSys fixed;
    EXPECT_EQ(fixed.GetSoftCurVersion(), 1);
    EXPECT_EQ(fixed.GetIsRelayProtectionVersion(), 0);
    EXPECT_EQ(fixed.GetUseSpareTerminalEnds(), 0);
    EXPECT_EQ(fixed.GetTerminalEndTakesTwoWires(), 0);
    EXPECT_EQ(fixed.GetProtectionTerminalsAsOrdinary(), 1);
    EXPECT_EQ(fixed.GetWiringBlocksExplodable(), 0) << "not one of the six";
}

TEST(ReadAworkSys, ModeTwoMakesAMissingVersionSwitchZero) {
    TempInstallation installation;
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "BSF\r\n");
    WriteAwork(installation, {L"外框宽度: 30"});
    CReadAworkSys settings;
    EXPECT_EQ(settings.GetSoftCurVersion(), 0);
}
