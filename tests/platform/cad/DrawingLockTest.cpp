// The lock files of open drawings: written and held while the drawing is open, seen as held
// by anyone else, removed when stale.

#include "platform/cad/DrawingLock.h"
#include "platform/cad/Documents.h"
#include "support/HostSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ovtest;

TEST(DrawingLock, NamesTheTwoFilesAfterTheDrawing) {
    EXPECT_EQ(cad::LockFilePath(L"\\P\\图1.DWG", false), L"\\P\\图1.dwl");
    EXPECT_EQ(cad::LockFilePath(L"\\P\\图1.dwg", true), L"\\P\\图1.dwl2");
    EXPECT_EQ(cad::LockFilePath(L"\\P\\a.dxf", false), L"\\P\\a.dxf.dwl");
}

TEST(DrawingLock, HeldFilesSayWhoAndAreRemovedOnRelease) {
    TempFolder folder;
    std::wstring drawing = folder.Path(L"图1.dwg");
    {
        cad::DrawingLockFiles locks;
        ASSERT_TRUE(locks.Acquire(drawing));
        EXPECT_TRUE(folder.Exists(L"图1.dwl"));
        EXPECT_TRUE(folder.Exists(L"图1.dwl2"));
        cad::DrawingLockHolder holder;
        EXPECT_EQ(cad::ClearLockFile(folder.Path(L"图1.dwl"), holder), cad::LockFileState::Held);
        EXPECT_FALSE(holder.user.empty());
        EXPECT_FALSE(holder.machine.empty());
        EXPECT_EQ(holder.since.size(), 19u) << "YYYY-MM-DD HH:MM:SS";
        EXPECT_TRUE(folder.Exists(L"图1.dwl")) << "a held file is left alone";

        cad::DrawingLockFiles second;
        EXPECT_FALSE(second.Acquire(drawing)) << "held by the first";
    }
    EXPECT_FALSE(folder.Exists(L"图1.dwl"));
    EXPECT_FALSE(folder.Exists(L"图1.dwl2"));
}

TEST(DrawingLock, AStaleFileIsRemovedAndAMissingOneIsNoLock) {
    TempFolder folder;
    folder.WriteBytes(L"a.dwl", "someone\r\nsomewhere\r\n2001-01-01 00:00:00\r\n");
    cad::DrawingLockHolder holder;
    EXPECT_EQ(cad::ClearLockFile(folder.Path(L"a.dwl"), holder), cad::LockFileState::Removed);
    EXPECT_FALSE(folder.Exists(L"a.dwl"));
    EXPECT_EQ(cad::ClearLockFile(folder.Path(L"a.dwl"), holder), cad::LockFileState::Absent);

    folder.WriteBytes(L"b.dwl", "stale");
    cad::DrawingLockFiles locks;
    EXPECT_TRUE(locks.Acquire(folder.Path(L"b.dwg"))) << "a stale file is taken over";
}

TEST(DrawingLock, TheHostHoldsTheFilesOfTheDrawingsItHasOpen) {
    HostSession host;
    TempFolder folder;
    SaveDrawing(folder.Path(L"A.dwg"));
    ASSERT_EQ(acDocManager->appContextOpenDocument(folder.Path(L"A.dwg").c_str()), Acad::eOk);
    AcApDocument* document = host.Current();
    EXPECT_TRUE(document->holdsLockFiles());
    EXPECT_TRUE(folder.Exists(L"A.dwl"));
    ASSERT_EQ(host.Run(L"SAVEAS\n2010\n" + folder.Path(L"B.dwg") + L"\n"), RTNORM);
    EXPECT_FALSE(folder.Exists(L"A.dwl")) << "the lock follows the drawing's new name";
    EXPECT_TRUE(folder.Exists(L"B.dwl2"));
    acDocManager->closeDocument(document);
    EXPECT_FALSE(folder.Exists(L"B.dwl"));
}
