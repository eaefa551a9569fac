#include "drawing/EditOprt.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/CommandStack.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

class EditOprtDocuments : public ::testing::Test {
protected:
    EditOprtDocuments() : host(folder.Logical()) {
        SaveDrawing(folder.Path(L"acad.dwt"));
        SaveDrawing(pathA);
        SaveDrawing(pathB);
    }
    void SetSdi(short value) { ASSERT_EQ(CEditOprt::SetShortSysVar(L"SDI", value), 1); }

    TempFolder folder;
    std::wstring pathA = folder.Path(L"A.dwg");
    std::wstring pathB = folder.Path(L"B.dwg");
    HostSession host;
};

int g_ranCommand = 0;
void CountingCommand() {
    ++g_ranCommand;
}

} // namespace

TEST_F(EditOprtDocuments, FindOtherOpenDocumentNeverHandsOutTheCurrentOne) {
    ASSERT_EQ(CEditOprt::OpenOrActivateDrawing(pathA, 1), 1);
    AcApDocument* docA = host.Current();
    AcApDocument* untouched = reinterpret_cast<AcApDocument*>(0x1);
    AcApDocument* found = untouched;
    EXPECT_EQ(CEditOprt::FindOtherOpenDocument(pathA, 1, found), 0);
    EXPECT_EQ(found, untouched) << "left alone";
    ASSERT_EQ(CEditOprt::OpenOrActivateDrawing(pathB, 1), 1);
    EXPECT_EQ(CEditOprt::FindOtherOpenDocument(folder.Path(L"a.DWG"), 1, found), 1);
    EXPECT_EQ(found, docA);
    // Mode 0 compares the name alone with the documents' names: it finds untitled drawings.
    found = untouched;
    EXPECT_EQ(CEditOprt::FindOtherOpenDocument(L"A.dwg", 0, found), 0);
    EXPECT_EQ(CEditOprt::FindOtherOpenDocument(folder.Path(L"Drawing1.dwg"), 0, found), 1);
    EXPECT_STREQ(found->fileName(), L"Drawing1.dwg");
    EXPECT_EQ(CEditOprt::IsDocumentOpen(folder.Path(L"B.DWG")), 1);
    EXPECT_EQ(CEditOprt::GetDocumentCount(), 3);
    acDocManager->closeAll();
    acDocManager->appContextOpenDocument(pathA.c_str());
    SetSdi(1);
    EXPECT_EQ(CEditOprt::GetDocumentCount(), 1);
    found = untouched;
    EXPECT_EQ(CEditOprt::FindOtherOpenDocument(L"Drawing1.dwg", 0, found), 0)
        << "single-document mode";
    EXPECT_EQ(found, untouched);
}

TEST_F(EditOprtDocuments, GetDrawingDatabaseLendsOpenDrawingsAndReadsOthers) {
    ASSERT_EQ(CEditOprt::OpenOrActivateDrawing(pathA, 1), 1);
    AcDbDatabase* db = nullptr;
    EXPECT_EQ(CEditOprt::GetDrawingDatabase(pathA, db), 0);
    EXPECT_EQ(db, host.CurrentDatabase()) << "the open drawing's, not the caller's to delete";
    EXPECT_EQ(CEditOprt::GetDrawingDatabase(pathB, db), 1);
    ASSERT_NE(db, nullptr);
    EXPECT_NE(db, host.CurrentDatabase());
    delete db;
    folder.WriteBytes(L"broken.dwg", "AC1024 not ours");
    db = reinterpret_cast<AcDbDatabase*>(0x1);
    EXPECT_EQ(CEditOprt::GetDrawingDatabase(folder.Path(L"broken.dwg"), db), 0);
    EXPECT_EQ(db, nullptr);
    EXPECT_EQ(CEditOprt::GetDrawingDatabase(L"Drawing1.dwg", 0, db), 0);
    EXPECT_NE(db, nullptr);
}

TEST_F(EditOprtDocuments, OpenOrActivateDrawingByMode) {
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(folder.Path(L"none.dwg"), 1), 0);
    ASSERT_EQ(CEditOprt::OpenOrActivateDrawing(pathA, 1), 1);
    AcApDocument* docA = host.Current();
    acDocManager->appContextNewDocument(L"");
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(L"\\elsewhere\\Drawing1.dwg", 0), 1) << "by name";
    EXPECT_STREQ(host.Current()->fileName(), L"Drawing1.dwg");
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(pathA, 1), 1);
    EXPECT_EQ(host.Current(), docA);
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(pathB, 0), 0) << "mode 0 never opens files";
    folder.WriteBytes(L"broken.dwg", "junk");
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(folder.Path(L"broken.dwg"), 1), 0);
    EXPECT_EQ(acDocManager->resourceStackDepth(), 0u);

    acDocManager->closeAll();
    acDocManager->appContextNewDocument(L"");
    SetSdi(1);
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(pathB, 1), 1);
    EXPECT_STREQ(host.Current()->fileName(), pathB.c_str());
    EXPECT_EQ(acDocManager->documentCount(), 1);
    EXPECT_EQ(CEditOprt::OpenOrActivateDrawing(folder.Path(L"broken.dwg"), 1), 0)
        << "a failed open is no success";
    EXPECT_STREQ(host.Current()->fileName(), pathB.c_str());
}

TEST_F(EditOprtDocuments, NewDrawingFromTemplateOnlyInMultiDocumentMode) {
    CEditOprt::NewDrawingFromTemplate();
    EXPECT_EQ(acDocManager->documentCount(), 2);
    EXPECT_STREQ(host.Current()->fileName(), L"Drawing2.dwg");
    acDocManager->closeAll();
    CEditOprt::NewDrawingFromTemplate();
    EXPECT_EQ(acDocManager->documentCount(), 0) << "needs a current document";
    acDocManager->appContextNewDocument(L"");
    SetSdi(1);
    CEditOprt::NewDrawingFromTemplate();
    EXPECT_EQ(acDocManager->documentCount(), 1);
    EXPECT_EQ(acDocManager->resourceStackDepth(), 0u);
}

TEST_F(EditOprtDocuments, SendCommandStringRunsWhenTheHostIsIdle) {
    acedRegCmds()->addCommand(L"TESTS", L"COUNT", L"COUNT", 0, CountingCommand);
    g_ranCommand = 0;
    CEditOprt::SendCommandString(L"");
    CEditOprt::SendCommandString(L"(Command)\nCOUNT\n");
    EXPECT_EQ(g_ranCommand, 0);
    acDocManager->runPendingStrings();
    EXPECT_EQ(g_ranCommand, 1);
    EXPECT_EQ(cad::CommandLine::Instance().Lines(),
              (std::vector<std::wstring>{L"Command: (Command)", L"Command: COUNT"}))
        << "sent with echo";
    acedRegCmds()->removeGroup(L"TESTS");
}

TEST_F(EditOprtDocuments, SystemVariablesAndLayers) {
    short value = 0;
    EXPECT_EQ(CEditOprt::GetShortSysVar(L"dwgname", value), 0) << "not a short";
    EXPECT_EQ(CEditOprt::CmdEchoOff(), 1);
    ASSERT_EQ(CEditOprt::GetShortSysVar(L"CMDECHO", value), 1);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(CEditOprt::CmdEchoOn(), 1);
    EXPECT_EQ(CEditOprt::IsDrawingTitled(), 0);
    std::wstring text;
    ASSERT_EQ(CEditOprt::GetDrawingFolder(text), 1);
    EXPECT_EQ(text.back(), L'\\');
    CEditOprt::OpenOrActivateDrawing(pathA, 1);
    EXPECT_EQ(CEditOprt::IsDrawingTitled(), 1);
    ASSERT_EQ(CEditOprt::GetDrawingFolder(text), 1);
    EXPECT_EQ(text, folder.Logical() + L"\\");
    ASSERT_EQ(CEditOprt::GetDrawingName(text), 1);
    EXPECT_EQ(text, L"A.dwg");

    AcDbDatabase* db = host.CurrentDatabase();
    EXPECT_EQ(CEditOprt::GetCurrentLayer(nullptr), L"");
    EXPECT_EQ(CEditOprt::GetCurrentLayer(db), L"0");
    EXPECT_EQ(CEditOprt::SetCurrentLayer(db, L"TEXT"), 0);
    {
        DocumentLock lock(host.Current());
        AddLayer(*db, L"TEXT");
    }
    EXPECT_EQ(CEditOprt::SetCurrentLayer(db, L"text"), 1);
    EXPECT_EQ(CEditOprt::GetCurrentLayer(db), L"TEXT");
    EXPECT_EQ(db->openObjectCount(), 0);
}
