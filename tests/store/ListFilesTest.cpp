#include "platform/cad/CommandLine.h"
#include "store/FileStyleList.h"
#include "store/RememberedContainers.h"
#include "store/TypeLists.h"
#include "store/WorkingMode.h"
#include "suite/OvXmInfo/XmComonPar.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using ovtest::Cp936Lines;
using ovtest::TempInstallation;

TEST(TypeLists, FullWidthPunctuationParsesLikeAscii) {
    TerminalTypeFields ascii = ParseTerminalTypeLine(L"电流端子:粗线,8.2");
    TerminalTypeFields full = ParseTerminalTypeLine(L"电流端子：粗线，8.2");
    EXPECT_EQ(full.name, L"电流端子");
    EXPECT_EQ(full.symbol, L"粗线");
    EXPECT_EQ(full.width, L"8.20");
    EXPECT_EQ(ascii.rest, full.rest);
    EXPECT_EQ(ParseTerminalTypeLine(L"a:b").width, L"0.00");
    EXPECT_EQ(ParseTerminalTypeLine(L"a:b,1,x").rest, L"x");
    EXPECT_EQ(ParseTerminalTypeLine(L"a:b,1,x, y ").rest, L"x, y");
    TerminalTypeFields empty = ParseTerminalTypeLine(L"");
    EXPECT_EQ(empty.width, L"");
}

TEST(TypeLists, WireLinesSplitTheirRestAfterTheThirdComma) {
    WireTypeFields five = ParseWireTypeLine(L" 屏蔽线 : * , 1.5 , 四 , 五 , 六 ");
    EXPECT_EQ(five.name, L"屏蔽线");
    EXPECT_EQ(five.symbol, L"*");
    EXPECT_EQ(five.width, L"1.50");
    EXPECT_EQ(five.fourth, L"四");
    EXPECT_EQ(five.rest, L"五 , 六");
    EXPECT_EQ(ParseWireTypeLine(L"w:s,1,f,r").rest, L"r");
    EXPECT_EQ(ParseWireTypeLine(L"w:s,1,f").rest, L"");
}

TEST(TypeLists, CircuitLinesKeepCommasAndJoinTwoSymbolParts) {
    CircuitTypeFields two = ParseCircuitTypeLine(L"电流回路：I,A");
    EXPECT_EQ(two.name, L"电流回路");
    EXPECT_EQ(two.symbol, L"I,A");
    EXPECT_EQ(ParseCircuitTypeLine(L"a:b:c:d").symbol, L"b:c");
    EXPECT_EQ(ParseCircuitTypeLine(L"a").symbol, L"");
}

TEST(TypeLists, BuiltInLinesStandInForMissingOrUnusableFiles) {
    TempInstallation installation;
    std::vector<std::wstring> names, symbols, widths, fourths, rests;
    ReadTerminalTypes(names, symbols, widths, rests);
    ASSERT_EQ(names.size(), 11u);
    EXPECT_EQ(names[7], L"电压端子");
    EXPECT_EQ(symbols[7], L"▽");
    EXPECT_EQ(widths[3], L"8.20");
    ReadWireTypes(names, symbols, widths, fourths, rests);
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[4], L"≥8芯单头(孔)DB9线");
    ReadCircuitTypes(names, symbols);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"电流回路", L"电压回路", L"普通回路"}));

    // A terminal list whose first line has no comma of either width is not a terminal list.
    installation.WriteBytes(L"Data\\DZBDZLXFH.txt", Cp936Lines({L"只有名称:", L"b:c,1"}));
    ReadTerminalTypes(names, symbols, widths, rests);
    EXPECT_EQ(names.size(), 11u);
    installation.WriteBytes(L"Data\\DZBDZLXFH.txt", Cp936Lines({L"自定义：符，7"}, "\n"));
    ReadTerminalTypes(names, symbols, widths, rests);
    EXPECT_EQ(names, std::vector<std::wstring>{L"自定义"});
    EXPECT_EQ(widths, std::vector<std::wstring>{L"7.00"});
}

TEST(FileStyleList, PairsOfNameAndDescription) {
    STRUCT_XMSB_FILESTYLE style;
    EXPECT_TRUE(ParseFileStyleLine(L"YL(原理图)", style));
    EXPECT_EQ(style.strStyleName, L"YL");
    EXPECT_EQ(style.strDescription, L"原理图");
    EXPECT_FALSE(ParseFileStyleLine(L"(原理图)", style)) << "bracket first";
    EXPECT_FALSE(ParseFileStyleLine(L"YL(原理图", style)) << "no closing bracket";
    EXPECT_FALSE(ParseFileStyleLine(L"YL()", style)) << "empty description";
    EXPECT_TRUE(ParseFileStyleLine(L"A(b(c))", style));
    EXPECT_EQ(style.strDescription, L"b(c)");
}

TEST(FileStyleList, ReadsTheListAndReportsAMissingFile) {
    TempInstallation installation;
    cad::CommandLine::Instance().Clear();
    std::vector<STRUCT_XMSB_FILESTYLE> styles(1);
    EXPECT_EQ(ReadFileStyleList(styles), 0);
    EXPECT_TRUE(styles.empty());
    EXPECT_EQ(cad::CommandLine::Instance().Text(),
              L"\n项目设备类型文件“" + installation.Path(L"Data\\filestyle.dat") + L"”已被破坏!\n");

    installation.WriteBytes(L"Data\\filestyle.dat",
                            Cp936Lines({L"YL(原理图)", L"bad", L"yl(小写)", L"PM(屏面布置图)"}));
    EXPECT_EQ(ReadFileStyleList(styles), 1);
    EXPECT_EQ(styles.size(), 3u);
    std::wstring description;
    EXPECT_EQ(GetFileStyleDescription(L"yl", description), 1);
    EXPECT_EQ(description, L"小写") << "names compare with case";
    EXPECT_EQ(GetFileStyleDescription(L"XX", description), 0);
    EXPECT_EQ(description, L"");
}

TEST(WorkingMode, FirstThreeLettersInAnyCaseAndALookAgainWhileMissing) {
    TempInstallation installation;
    EXPECT_EQ(GetErpOrCadMode(), 0);
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "erp system\r\n");
    EXPECT_EQ(GetErpOrCadMode(), 1) << "a missing file is looked for again";
    EXPECT_EQ(IsErpMode(), 1);
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "bsf\r\n");
    EXPECT_EQ(GetErpOrCadMode(), 1) << "kept once the file was read";
    ResetErpOrCadMode();
    EXPECT_EQ(GetErpOrCadMode(), 2);
    EXPECT_EQ(IsErpMode(), 0);
    installation.WriteBytes(L"Data\\ErpOrCad.txt", "\r\nErp\r\n");
    ResetErpOrCadMode();
    EXPECT_EQ(GetErpOrCadMode(), 0) << "only the first line counts";
}

TEST(RememberedContainers, FirstLinesOfRecentAndDefault) {
    TempInstallation installation;
    EXPECT_EQ(GetRecentContainerPath(), L"");
    EXPECT_EQ(GetDefaultContainerPath(), L"");
    ASSERT_EQ(g_XmComonPar.WriteCurrentXmOrSbNameToFile(L"\\d\\工程\\设备A\\设备A.prj", 0), 1);
    EXPECT_EQ(GetDefaultContainerPath(), L"\\d\\工程\\设备A\\设备A.prj");
    EXPECT_EQ(installation.ReadBytes(L"Data\\default.dat"),
              ovtest::Cp936(L"\\d\\工程\\设备A\\设备A.prj"));
    installation.WriteBytes(L"Data\\recent.dat", ovtest::Cp936(L"\\d\\P\\P.itm\r\nsecond\r\n"));
    EXPECT_EQ(GetRecentContainerPath(), L"\\d\\P\\P.itm");
}

TEST(RememberedContainers, RecentAndDefaultFollowAFolderOnlyWhenTheyNameSomethingInIt) {
    TempInstallation installation;
    installation.WriteBytes(L"Data\\recent.dat", ovtest::Cp936(L"\\d\\p\\Q\\Q.prj"));
    installation.WriteBytes(L"Data\\default.dat", ovtest::Cp936(L"\\d\\PQ\\PQ.prj"));
    EXPECT_EQ(FollowMovedFolder(L"\\d\\P\\", L"\\d\\新"), 1);
    EXPECT_EQ(GetRecentContainerPath(), L"\\d\\新\\Q\\Q.prj") << "matched without regard to case";
    EXPECT_EQ(GetDefaultContainerPath(), L"\\d\\PQ\\PQ.prj") << "\\d\\PQ is not inside \\d\\P";
    EXPECT_EQ(FollowMovedFolder(L"\\d\\PQ", L"\\e\\X"), 1);
    EXPECT_EQ(GetDefaultContainerPath(), L"\\e\\X\\X.prj") << "its own file took the new name";
    EXPECT_EQ(FollowMovedFolder(L"\\d\\none", L"\\d\\x"), 0);
}
