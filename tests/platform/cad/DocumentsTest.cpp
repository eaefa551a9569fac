#include "platform/cad/Automation.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/HostProfile.h"
#include "platform/cad/HostServices.h"
#include "platform/cad/SystemVariables.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

namespace {

resbuf Short(short value) {
    return resbuf::Short(RTSHORT, value);
}

std::wstring StringVar(const wchar_t* name) {
    resbuf value;
    EXPECT_EQ(acedGetVar(name, &value), RTNORM);
    return value.resval.rstring;
}

class Documents : public ::testing::Test {
protected:
    Documents() : host(folder.Logical()) {
        // The template carries a layer of its own, so that drawings made from it show it.
        SaveDrawing(folder.Path(L"acad.dwt"),
                    [](AcDbDatabase& db) { AddLayer(db, L"FROM_TEMPLATE"); });
        acDocManager->closeAll();
        acDocManager->appContextNewDocument(L"");
    }
    TempFolder folder;
    HostSession host;
};

} // namespace

TEST_F(Documents, NewDrawingsComeFromTheTemplateAndStayUntitled) {
    AcApDocument* first = host.Current();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->fileName(), L"Drawing1.dwg");
    EXPECT_FALSE(first->isTitled());
    EXPECT_FALSE(cad::FindRecord(first->database()->layerTableId(), L"FROM_TEMPLATE").isNull());
    EXPECT_EQ(acDocManager->appContextNewDocument(L"missing.dwt"), Acad::eFileNotFound);
    ASSERT_EQ(acDocManager->appContextNewDocument(L"acad.dwt"), Acad::eOk);
    EXPECT_STREQ(host.Current()->fileName(), L"Drawing2.dwg");
    EXPECT_EQ(acDocManager->documentCount(), 2);
    EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), host.CurrentDatabase());

    resbuf titled;
    ASSERT_EQ(acedGetVar(L"dwgtitled", &titled), RTNORM);
    EXPECT_EQ(titled.resval.rint, 0);
    EXPECT_EQ(StringVar(L"DWGNAME"), L"Drawing2.dwg");
}

TEST_F(Documents, OpeningTwiceActivatesAndSdiReplacesTheDrawing) {
    std::wstring path = folder.Path(L"A.dwg");
    SaveDrawing(path);
    ASSERT_EQ(acDocManager->appContextOpenDocument(path.c_str()), Acad::eOk);
    AcApDocument* opened = host.Current();
    EXPECT_TRUE(opened->isTitled());
    EXPECT_EQ(StringVar(L"DWGPREFIX"), folder.Logical() + L"\\");
    EXPECT_EQ(StringVar(L"DWGNAME"), L"A.dwg");
    acDocManager->appContextNewDocument(L"");
    ASSERT_EQ(acDocManager->appContextOpenDocument(folder.Path(L"a.DWG").c_str()), Acad::eOk);
    EXPECT_EQ(host.Current(), opened) << "the open document is activated, not opened again";
    EXPECT_EQ(acDocManager->appContextOpenDocument(folder.Path(L"none.dwg").c_str()),
              Acad::eFileNotFound);

    resbuf sdi = Short(1);
    EXPECT_EQ(acedSetVar(L"SDI", &sdi), RTERROR) << "three documents are open";
    acDocManager->closeAll();
    acDocManager->appContextNewDocument(L"");
    ASSERT_EQ(acedSetVar(L"SDI", &sdi), RTNORM);
    // A changed drawing is given up only when the user agrees; Cancel keeps it.
    {
        DocumentLock lock(host.Current());
        AddLine(*host.CurrentDatabase(), {0, 0, 0}, {1, 1, 0});
    }
    host.Boxes().QueueAnswer(ui::IDCANCEL);
    EXPECT_EQ(acedSyncFileOpen(path.c_str()), RTERROR);
    EXPECT_EQ(acDocManager->documentCount(), 1);
    EXPECT_STREQ(host.Current()->fileName(), L"Drawing1.dwg");
    host.Boxes().QueueAnswer(ui::IDNO);
    EXPECT_EQ(acedSyncFileOpen(path.c_str()), RTNORM);
    EXPECT_EQ(acDocManager->documentCount(), 1);
    EXPECT_STREQ(host.Current()->fileName(), path.c_str());
    ASSERT_EQ(host.Boxes().Boxes().size(), 2u);
    EXPECT_EQ(host.Boxes().Boxes()[0].text, L"Save changes to Drawing1.dwg?");
}

TEST_F(Documents, ChangesOutsideACommandNeedTheDocumentLocked) {
    AcDbDatabase* db = host.CurrentDatabase();
    AcDbBlockTableRecord* space = nullptr;
    EXPECT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eLockViolation);
    {
        DocumentLock lock(host.Current());
        ASSERT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
        space->close();
    }
    EXPECT_EQ(acDocManager->unlockDocument(host.Current()), Acad::eNotLocked);
    // A database read from a file belongs to no document: it may always change.
    AcDbDatabase loose;
    EXPECT_EQ(acdbOpenObject(space, loose.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    space->close();
}

TEST_F(Documents, SystemVariablesRefuseReadOnlyNamesWrongTypesAndRanges) {
    resbuf value = Short(1);
    EXPECT_EQ(acedSetVar(L"DWGTITLED", &value), RTERROR);
    value = Short(2);
    EXPECT_EQ(acedSetVar(L"cmdecho", &value), RTERROR);
    value = resbuf::Text(RTSTR, L"0");
    EXPECT_EQ(acedSetVar(L"CMDECHO", &value), RTERROR);
    value = Short(0);
    ASSERT_EQ(acedSetVar(L"CmdEcho", &value), RTNORM);
    EXPECT_EQ(cad::SystemVariables::Instance().ShortValue(L"CMDECHO"), 0);
    EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &value), RTERROR);

    value = resbuf::Text(RTSTR, L"NO LAYER");
    EXPECT_EQ(acedSetVar(L"CLAYER", &value), RTERROR);
    {
        DocumentLock lock(host.Current());
        AddLayer(*host.CurrentDatabase(), L"TEXT");
    }
    value = resbuf::Text(RTSTR, L"text");
    ASSERT_EQ(acedSetVar(L"CLAYER", &value), RTNORM);
    EXPECT_EQ(StringVar(L"CLAYER"), L"TEXT");
}

TEST_F(Documents, ProfileValuesAreWrittenAtOnceAndReadBack) {
    std::wstring path = folder.Path(L"HostProfile.ini");
    ASSERT_TRUE(cad::HostProfile::Instance().Load(path));
    std::wstring value;
    ASSERT_EQ(acedGetEnv(L"DefaultFormatForSave", value), RTNORM);
    EXPECT_EQ(value, L"48");
    EXPECT_EQ(acedGetEnv(L"NoSuchValue", value), RTERROR);
    ASSERT_EQ(acedSetEnv(L"DefaultFormatForSave", L"36"), RTNORM);
    cad::HostProfile::Instance().Reset();
    ASSERT_TRUE(cad::HostProfile::Instance().Load(path));
    acedGetEnv(L"defaultformatforsave", value);
    EXPECT_EQ(value, L"36");
    EXPECT_EQ(cad::DefaultSaveVersion(), AcDb::kDHL_2100);

    // A profile that cannot be written keeps its value and says so.
    ASSERT_TRUE(cad::HostProfile::Instance().Load(folder.Path(L"missing\\HostProfile.ini")));
    EXPECT_EQ(acedSetEnv(L"DefaultFormatForSave", L"24"), RTERROR);
    acedGetEnv(L"DefaultFormatForSave", value);
    EXPECT_EQ(value, L"48");
    cad::HostProfile::Instance().Reset();
}

TEST_F(Documents, AutomationAddsClosesAndSendsOnlyToTheActiveDocument) {
    IAcadApplication* application = acedGetAcadWinApp()->GetIDispatch();
    IAcadDocument* first = application->ActiveDocument();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(application->Documents()->Add(L""), S_OK);
    EXPECT_EQ(application->Documents()->Count(), 2);
    EXPECT_EQ(first->SendCommand(L"SetVar CMDECHO 0 "), E_FAIL) << "not the active document";
    EXPECT_EQ(cad::SystemVariables::Instance().ShortValue(L"CMDECHO"), 1);
    IAcadDocument* second = application->ActiveDocument();
    ASSERT_EQ(second->SendCommand(L"SetVar CMDECHO 0 "), S_OK);
    EXPECT_EQ(cad::SystemVariables::Instance().ShortValue(L"CMDECHO"), 0);
    EXPECT_EQ(second->Close(true), E_FAIL) << "an untitled drawing cannot be saved by closing";
    ASSERT_EQ(second->Close(false), S_OK);
    EXPECT_EQ(application->Documents()->Count(), 1);
    EXPECT_EQ(second->SendCommand(L"SetVar CMDECHO 1 "), E_FAIL) << "closed";
}
