// New drawings (213) made from the drawing templates in the selected Equipment or type, with
// the drawings that hold the name moved up to make room.

#include "ManageWindow.h"

#include "manager/NewFileDlg.h"
#include "platform/text/WideString.h"
#include "platform/ui/Actions.h"
#include "suite/OvXmInfo/FileInfoNode.h"
#include "suite/OvXmInfo/FileStyleNodeInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/ConsoleTranscript.h"

#include <algorithm>
#include <filesystem>

using namespace ovtest;
using namespace ui::act;

namespace {

// The sample Project with the Equipment K (book number K-7):
//   屏面布置图 (PM) with A-01.dwg "第一版" and A-02.dwg "第二版"; 原理图 (YL) with 说明.dwg.
// The cover and the plain frame are installed as drawing templates.
class NewDrawings : public ManageWindow {
protected:
    NewDrawings() {
        installation.WriteBytes(L"P\\K\\K.prj",
                                ManageFileBytes({L"设备名称=K柜", L"设备图册号=K-7"},
                                                {L"PM:", L"A-01.dwg<第一版>", L"A-02.dwg<第二版>",
                                                 L"YL:", L"说明.dwg<>"}));
        for (const wchar_t* name : {L"A-01.dwg", L"A-02.dwg", L"说明.dwg"})
            SaveDrawing(installation.Path(std::wstring(L"P\\K\\") + name));
        for (const wchar_t* name : {L"MB-1标准封面.dwt", L"MB-1标准图框.dwt"})
            SaveDrawing(installation.Path(std::wstring(L"Support\\TEMPLATE\\") + name));
    }

    // Runs 213 on the item with the dialog's actions.
    void NewFile(CManageDlg* window, const std::wstring& item, std::vector<ui::Action> actions) {
        Backend().Script(CNewFileDlg::IDD, std::move(actions));
        Act(window, RightClick(125, item, 213));
    }
    bool Printed(const std::wstring& line) {
        std::vector<std::wstring> lines = CommandLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    const ui::RecordedMessageBox& LastBox() { return Backend().Boxes().back(); }
    int LockCount() { return host.Current() ? host.Current()->lockCount() : 0; }
    void ExpectIdle(CManageDlg* window) {
        EXPECT_EQ(LockCount(), 0);
        EXPECT_EQ(window->Getm_bBusy(), 0);
    }
};

const std::vector<std::wstring> kListedBefore = {L"PM: A-01.dwg<第一版>", L"PM: A-02.dwg<第二版>",
                                                 L"YL: 说明.dwg<>"};

} // namespace

TEST_F(NewDrawings, TheShiftMovesTheChainFromItsEndAndTheRecordsFollowTheirFiles) {
    std::string first = installation.ReadBytes(L"P\\K\\A-01.dwg");
    std::string second = installation.ReadBytes(L"P\\K\\A-02.dwg");
    installation.WriteBytes(L"P\\K\\A-02.dwg", second + "2");
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDOK);
    NewFile(window, L"K|屏面布置图", {Type(273, L"A-01"), Ok()});
    EXPECT_EQ(LastBox().text, L"是否联动修改其余图形文件名？");
    EXPECT_EQ(LastBox().flags, ui::MB_OKCANCEL | ui::MB_ICONINFORMATION);
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\A-03.dwg"), second + "2");
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\A-02.dwg"), first);
    EXPECT_EQ(SavedVersion(installation.Path(L"P\\K\\A-01.dwg")), AcDb::kDHL_2400);
    EXPECT_EQ(Listed(L"P\\K\\K.prj"),
              (std::vector<std::wstring>{L"PM: A-01.dwg<>", L"PM: A-02.dwg<第一版>",
                                         L"PM: A-03.dwg<第二版>", L"YL: 说明.dwg<>"}))
        << "each remark stays with its drawing";
    ASSERT_NE(host.Current(), nullptr);
    EXPECT_EQ(host.Current()->fileName(), installation.Path(L"P\\K\\A-01.dwg"))
        << "the new drawing stays open";
    EXPECT_FALSE(installation.Exists(L"P\\K\\A-01.bak"));
    ExpectIdle(window);
}

TEST_F(NewDrawings, CancelAtTheShiftOrAnOpenDrawingInTheChainChangesNothing) {
    SaveDrawing(installation.Path(L"P\\K\\A-03.dwg"));
    std::string before = installation.ReadBytes(L"P\\K\\K.prj");
    std::string first = installation.ReadBytes(L"P\\K\\A-01.dwg");
    CManageDlg* window = Open(L"XMMANAGE");
    Backend().QueueAnswer(ui::IDCANCEL);
    NewFile(window, L"K|屏面布置图", {Type(273, L"A-01"), Ok()});
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\A-01.dwg"), first) << "no empty drawing over it";
    EXPECT_FALSE(installation.Exists(L"P\\K\\A-04.dwg"));
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\K.prj"), before);
    ExpectIdle(window);

    ASSERT_EQ(acDocManager->appContextOpenDocument(installation.Path(L"P\\K\\A-03.dwg").c_str()),
              Acad::eOk);
    Backend().QueueAnswer(ui::IDOK);
    NewFile(window, L"K|屏面布置图", {Type(273, L"A-01"), Ok()});
    EXPECT_EQ(LastBox().text,
              L"\n图纸" + installation.Path(L"P\\K\\A-03.dwg") + L"已经打开，无法重命名\n");
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\A-01.dwg"), first) << "nothing of the chain moved";
    EXPECT_FALSE(installation.Exists(L"P\\K\\A-04.dwg"));
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\K.prj"), before);
    ExpectIdle(window);
}

TEST_F(NewDrawings, RefusedNamesLeaveNoFile) {
    std::string before = installation.ReadBytes(L"P\\K\\K.prj");
    CManageDlg* window = Open(L"XMMANAGE");
    size_t boxes = Backend().Boxes().size();
    NewFile(window, L"K|屏面布置图", {Type(273, L"说明"), Ok()});
    ASSERT_EQ(Backend().Boxes().size(), boxes + 1) << "refused before the shift is offered";
    EXPECT_EQ(LastBox().text, L"在类型“原理图”下,存在同名文件“说明.dwg”不能导入本类型");

    NewFile(window, L"K|屏面布置图", {Type(273, L"..\\x"), Ok()});
    EXPECT_EQ(LastBox().text, L"“..\\x.dwg”不能用作文件名称。");
    EXPECT_FALSE(installation.Exists(L"P\\x.dwg"));
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\K.prj"), before);
    ExpectIdle(window);
}

TEST_F(NewDrawings, AFailedSaveRecordsNothing) {
    std::string before = installation.ReadBytes(L"P\\K\\K.prj");
    CManageDlg* window = Open(L"XMMANAGE");
    {
        FileSizeLimit limit(64);
        NewFile(window, L"K|屏面布置图", {Type(273, L"A-05"), Ok()});
    }
    EXPECT_TRUE(Printed(L"图纸" + installation.Path(L"P\\K\\A-05.dwg") + L"未能建立。"));
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\K.prj"), before);

    std::filesystem::remove(installation.NativePath(L"Support\\TEMPLATE\\MB-1标准图框.dwt"));
    NewFile(window, L"K|屏面布置图", {Type(273, L"A-06"), Ok()});
    EXPECT_TRUE(
        Printed(L"模板文件" + installation.Path(L"Support\\TEMPLATE\\ACAD.dwt") + L"不存在"))
        << "neither the frame nor ACAD.dwt is installed";
    EXPECT_EQ(installation.ReadBytes(L"P\\K\\K.prj"), before)
        << "this host has no acad.dwt either: nothing is made";
    ExpectIdle(window);
}

TEST_F(NewDrawings, AnEquipmentWithoutBookNumberGetsTheNextNumberAlone) {
    installation.WriteBytes(L"P\\K\\K.prj",
                            ManageFileBytes({L"设备名称=K柜"}, {L"03.dwg<>", L"12.dwg<>"}));
    SaveDrawing(installation.Path(L"P\\K\\03.dwg"));
    SaveDrawing(installation.Path(L"P\\K\\12.dwg"));
    CManageDlg* window = Open(L"XMMANAGE");
    NewFile(window, L"K", {Ok()});
    EXPECT_TRUE(installation.Exists(L"P\\K\\13.dwg"));
    EXPECT_EQ(Listed(L"P\\K\\K.prj"),
              (std::vector<std::wstring>{L": 03.dwg<>", L": 12.dwg<>", L": 13.dwg<>"}));
    ExpectIdle(window);
}

TEST_F(NewDrawings, ANumberedNameInATypeMovesTheNumbersAfterIt) {
    installation.WriteBytes(
        L"P\\K\\K.prj", ManageFileBytes({L"设备名称=K柜"}, {L"PM:", L"01-A.dwg<>", L"02-B.dwg<>"}));
    SaveDrawing(installation.Path(L"P\\K\\01-A.dwg"));
    SaveDrawing(installation.Path(L"P\\K\\02-B.dwg"));
    CManageDlg* window = Open(L"XMMANAGE");
    NewFile(window, L"K|屏面布置图", {Type(273, L"02-N"), Ok()});
    EXPECT_EQ(Listed(L"P\\K\\K.prj"),
              (std::vector<std::wstring>{L"PM: 01-A.dwg<>", L"PM: 02-N.dwg<>", L"PM: 03-B.dwg<>"}));
    EXPECT_TRUE(installation.Exists(L"P\\K\\03-B.dwg"));
    ExpectIdle(window);
}

TEST_F(NewDrawings, ConsoleScript) {
    Console console({L"type 273 A-01", L"ok", L"ok"});
    host.Run(L"XMMANAGE\n");
    const wchar_t* line = L"win rclick 125 K|屏面布置图 -> 213";
    console.transcript += std::wstring(L"Command: ") + line + L"\n";
    console.backend.HandleWindowLine(line);
    EXPECT_EQ(Listed(L"P\\K\\K.prj").front(), L"PM: A-01.dwg<>");
    EXPECT_TRUE(installation.Exists(L"P\\K\\A-03.dwg"));
    std::wstring transcript =
        text::ReplaceAll(console.transcript, installation.Logical(), L"<installation>");
    EXPECT_EQ(transcript, KeptTranscript("manager/transcripts/NewFile.txt", transcript));
}
