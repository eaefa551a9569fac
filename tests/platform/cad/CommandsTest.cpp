#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/CommandStack.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/InputSource.h"
#include "platform/cad/MessageFilters.h"
#include "platform/cad/SystemVariables.h"
#include "platform/ui/Window.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

std::vector<std::wstring> g_order;

void First() {
    g_order.push_back(L"first starts");
    acDocManager->sendStringToExecute(acDocManager->curDocument(), L"(Command)\nSECOND\n", false,
                                      true, false);
    g_order.push_back(L"first ends");
}

void Second() {
    g_order.push_back(L"second");
}

void Nested() {
    g_order.push_back(L"nested starts");
    EXPECT_EQ(acedCommand(RTSTR, L"SETVAR", RTSTR, L"OSMODE", RTSHORT, 0, RTNONE), RTNORM);
    g_order.push_back(L"nested ends");
}

bool SwallowMoves(MSG* message) {
    return message->message == WM_MOUSEMOVE;
}

class Commands : public ::testing::Test {
protected:
    Commands() {
        g_order.clear();
        AcEdCommandStack* stack = acedRegCmds();
        stack->addCommand(L"TESTS", L"FIRST", L"FIRST", ACRX_CMD_MODAL, First);
        stack->addCommand(L"TESTS", L"SECOND", L"ZWEITE", ACRX_CMD_MODAL, Second);
        stack->addCommand(L"TESTS", L"NESTED", L"NESTED", ACRX_CMD_MODAL, Nested);
    }
    ~Commands() override { acedRegCmds()->removeGroup(L"TESTS"); }

    std::vector<std::wstring> Lines() const { return cad::CommandLine::Instance().Lines(); }

    TempFolder folder;
    HostSession host;
};

} // namespace

TEST_F(Commands, CommandStackKeepsGroupsAndFindsNamesWithoutCase) {
    AcEdCommandStack* stack =
        AcEdCommandStack::cast(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS"));
    ASSERT_EQ(stack, acedRegCmds());
    EXPECT_EQ(stack->addCommand(L"TESTS", L"first", L"first", 0, Second), Acad::eDuplicateKey);
    ASSERT_EQ(stack->addCommand(L"LATER", L"FIRST", L"FIRST", 0, Second), Acad::eOk);
    EXPECT_EQ(stack->lookupGlobalCmd(L"first")->function, Second) << "the group added last wins";
    EXPECT_EQ(stack->lookupLocalCmd(L"zweite")->globalName, L"SECOND");
    ASSERT_EQ(stack->removeGroup(L"LATER"), Acad::eOk);
    EXPECT_EQ(stack->lookupGlobalCmd(L"FIRST")->function, First);
    EXPECT_EQ(stack->removeCmd(L"TESTS", L"NOPE"), Acad::eKeyNotFound);
    std::vector<AcEdCommand> tests = stack->commandsOfGroup(L"tests");
    ASSERT_EQ(tests.size(), 3u);
    EXPECT_EQ(tests[2].globalName, L"NESTED");
    EXPECT_EQ(acrxSysRegistry()->at(L"OTHER"), nullptr);
}

TEST_F(Commands, SentStringsRunAfterTheSendingCommandReturns) {
    host.Run(L"FIRST\n");
    EXPECT_EQ(g_order, (std::vector<std::wstring>{L"first starts", L"first ends", L"second"}));

    // Outside a command nothing runs until the host is idle; a string for another document
    // waits until that document is current.
    g_order.clear();
    AcApDocument* first = host.Current();
    acDocManager->appContextNewDocument(L"");
    acDocManager->sendStringToExecute(first, L"SECOND\n", false, true, false);
    acDocManager->runPendingStrings();
    EXPECT_TRUE(g_order.empty());
    acDocManager->activateDocument(first);
    acDocManager->runPendingStrings();
    EXPECT_EQ(g_order, std::vector<std::wstring>{L"second"});

    // A line the console takes itself (an action on a modeless window) may send a string too:
    // it runs before the next line is read.
    g_order.clear();
    int nLine = 0;
    cad::CommandProcessor& processor = cad::CommandProcessor::Instance();
    processor.SetInteractiveSource([&]() -> std::optional<std::wstring> {
        if (nLine++ > 0) {
            g_order.push_back(L"next line");
            return std::nullopt;
        }
        acDocManager->sendStringToExecute(first, L"SECOND\n", false, true, false);
        return std::wstring();
    });
    processor.Execute(L"", false, true);
    processor.SetInteractiveSource({});
    EXPECT_EQ(g_order, (std::vector<std::wstring>{L"second", L"next line"}));
}

TEST_F(Commands, AcedCommandRunsWithinTheCallingCommand) {
    host.Run(L"NESTED ");
    EXPECT_EQ(g_order, (std::vector<std::wstring>{L"nested starts", L"nested ends"}));
    EXPECT_EQ(cad::SystemVariables::Instance().ShortValue(L"OSMODE"), 0);
    EXPECT_EQ(acedCommand(RTSTR, L"NOSUCHCOMMAND", RTNONE), RTERROR);
    EXPECT_EQ(Lines().back(), L"Unknown command \"NOSUCHCOMMAND\".  Press F1 for help.");
}

TEST_F(Commands, AutomationStringsSetVariablesAndSaveInTheAskedFormat) {
    host.Run(L"SetVar CMDECHO 0 SetVar FILEDIA 0 ");
    EXPECT_EQ(cad::SystemVariables::Instance().ShortValue(L"CMDECHO"), 0);
    EXPECT_EQ(cad::SystemVariables::Instance().ShortValue(L"FILEDIA"), 0);

    std::wstring path = folder.Path(L"sub dir\\A B.dwg");
    folder.MakeFolder(L"sub dir");
    SaveDrawing(path);
    host.Run(L"SaveAs\n2007\n" + path + L"\ny\n");
    EXPECT_EQ(SavedVersion(path), 27);
    EXPECT_STREQ(host.Current()->fileName(), path.c_str());
    EXPECT_TRUE(folder.Exists(L"sub dir\\A B.bak")) << "ISAVEBAK is 1";

    // An empty format answer takes the profile's default; without "y" nothing is replaced.
    ASSERT_EQ(acedSetEnv(L"DefaultFormatForSave", L"24"), RTNORM);
    host.Run(L"SaveAs\n\n" + path + L"\nn\n");
    EXPECT_EQ(SavedVersion(path), 27);
    host.Run(L"SaveAs\n\n" + path + L"\ny\n");
    EXPECT_EQ(SavedVersion(path), 25);
    cad::HostProfile::Instance().Reset();
}

TEST_F(Commands, ZoomStringsAndRealtimeViewsMoveTheView) {
    {
        DocumentLock lock(host.Current());
        AddLine(*host.CurrentDatabase(), {0, 0, 0}, {100, 40, 0});
    }
    host.Run(L"(Command \"zoom\" \"W\" \"10.000000,20.000000,0.000000\" "
             L"\"30.000000,60.000000,0.000000\" ) ");
    resbuf center, size;
    acedGetVar(L"VIEWCTR", &center);
    acedGetVar(L"VIEWSIZE", &size);
    EXPECT_EQ(center.resval.rpoint, AcGePoint3d(20, 40, 0));
    EXPECT_DOUBLE_EQ(size.resval.rreal, 40.0);

    host.Run(L"ZOOM E ");
    acedGetVar(L"VIEWCTR", &center);
    EXPECT_EQ(center.resval.rpoint, AcGePoint3d(50, 20, 0));

    cad::InputSource::Instance().Queue({cad::InputKind::PointerMove, {0, 0, 0}, 0});
    cad::InputSource::Instance().Queue({cad::InputKind::PointerMove, {5, 5, 0}, 0});
    cad::InputSource::Instance().Queue({cad::InputKind::Key, {}, 13});
    host.Run(L"._RTPAN\n");
    acedGetVar(L"VIEWCTR", &center);
    EXPECT_EQ(center.resval.rpoint, AcGePoint3d(45, 15, 0));
}

TEST_F(Commands, LispCallsCancelRunOrSayTheyAreUnknown) {
    EXPECT_EQ(host.Run(L"(Command)\nSECOND\n"), RTNORM);
    EXPECT_EQ(g_order, std::vector<std::wstring>{L"second"});
    // (command) at a prompt cancels the waiting command.
    EXPECT_EQ(host.Run(L"SETVAR\n(command)\n"), RTCAN);
    EXPECT_EQ(host.Run(L"(princ \"x\")\n"), RTERROR);
    EXPECT_EQ(Lines().back(), L"; error: no function definition: PRINC");
    EXPECT_EQ(host.Run(L"(command \"SECOND\"\n"), RTERROR) << "unbalanced";
    std::wstring function;
    std::vector<std::wstring> arguments;
    ASSERT_TRUE(cad::ParseLispCall(L"(Command \"a \\\"b\\\"\" 2.5 nil)", function, arguments));
    EXPECT_EQ(arguments, (std::vector<std::wstring>{L"a \"b\"", L"2.5", L"nil"}));
}

TEST_F(Commands, PlacementInputPassesTheMessageFilters) {
    cad::InputSource& input = cad::InputSource::Instance();
    input.Queue(*cad::InputSource::Parse(L"move 1,2"));
    input.Queue(*cad::InputSource::Parse(L"aux 1414"));
    input.Queue(*cad::InputSource::Parse(L"move 3,4"));
    input.Queue(*cad::InputSource::Parse(L"pick 5,6,7"));
    input.Queue(*cad::InputSource::Parse(L"ESC"));
    EXPECT_FALSE(cad::InputSource::Parse(L"move 1").has_value());
    EXPECT_FALSE(cad::InputSource::Parse(L"jump").has_value());

    int type = 0;
    resbuf value;
    ASSERT_TRUE(acedRegisterFilterWinMsg(SwallowMoves));
    EXPECT_FALSE(acedRegisterFilterWinMsg(SwallowMoves));
    ASSERT_EQ(acedGrRead(7, &type, &value), RTNORM);
    EXPECT_EQ(type, 11) << "the first move was swallowed";
    EXPECT_EQ(value.resval.rint, 1414);
    ASSERT_TRUE(acedRemoveFilterWinMsg(SwallowMoves));
    EXPECT_FALSE(acedRemoveFilterWinMsg(SwallowMoves));
    ASSERT_EQ(acedGrRead(7, &type, &value), RTNORM);
    EXPECT_EQ(type, 5);
    EXPECT_EQ(value.resval.rpoint, AcGePoint3d(3, 4, 0));
    ASSERT_EQ(acedGrRead(0, &type, &value), RTNORM);
    EXPECT_EQ(type, 3);
    EXPECT_EQ(acedGrRead(7, &type, &value), RTCAN);
    EXPECT_EQ(acedGrRead(7, &type, &value), RTCAN) << "no more input";
}

TEST_F(Commands, TopLevelWindowsAreFoundByCaption) {
    ui::Window tool(L"端子表生成");
    EXPECT_EQ(ui::FindWindowW(nullptr, L"端子表生成"), nullptr) << "not created yet";
    tool.CreateWindowObject();
    EXPECT_EQ(ui::FindWindowW(nullptr, L"端子表生成"), &tool);
    ui::Window sheet(L"选项", ui::WindowKind::PropertySheet);
    sheet.CreateWindowObject();
    int sheets = 0;
    ui::EnumWindows([&](ui::Window* window) {
        sheets += window->Kind() == ui::WindowKind::PropertySheet;
        return true;
    });
    EXPECT_EQ(sheets, 1);
    tool.ShowWindow(ui::SW_MINIMIZE);
    EXPECT_TRUE(tool.IsIconic());
    tool.ShowWindow(ui::SW_RESTORE);
    EXPECT_FALSE(tool.IsIconic());
    tool.DestroyWindow();
    EXPECT_EQ(ui::FindWindowW(nullptr, L"端子表生成"), nullptr);
}
