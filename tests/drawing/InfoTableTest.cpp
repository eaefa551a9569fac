// The equipment information table: its entries and their way back into the description, the
// two dialogs, and the command that draws the table and lets the user place it, driven through
// the host's input source.

#include "drawing/DlgInfoTable.h"
#include "drawing/DlgInfoTableParaSet.h"
#include "drawing/InfoTableCommand.h"
#include "drawing/InfoTableData.h"
#include "drawing/InfoTableDrawing.h"
#include "frame/ManageApp.h"
#include "platform/cad/CommandLine.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbGroup.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbText.h"
#include "platform/cad/InputSource.h"
#include "platform/cad/SystemVariables.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ListBox.h"
#include "records/ExplainInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "support/ConsoleTranscript.h"
#include "support/DrawingSupport.h"
#include "support/HostSupport.h"
#include "support/SampleProject.h"
#include "support/SqliteFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using namespace ovtest;
using namespace ui::act;

namespace {

using infotable::Parameters;

std::vector<std::wstring> Titles() {
    std::vector<std::wstring> titles;
    for (int i = 0; i < infotable::kEntryCount; ++i)
        titles.push_back(infotable::Entry(i).strTableTitle);
    return titles;
}

// What model space shows: "T x,y text" for texts, "M x,y contents" for MTexts, "L x1,y1 x2,y2"
// for lines, invisible ones marked "(hidden)".
std::vector<std::wstring> Shown(AcDbDatabase& db) {
    std::vector<std::wstring> shown;
    auto xy = [](const AcGePoint3d& p) {
        return std::to_wstring(p.x) + L"," + std::to_wstring(p.y);
    };
    for (AcDbObjectId id : ModelSpaceIds(db)) {
        AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForRead);
        std::wstring line;
        if (auto* text = AcDbText::cast(entity.object()))
            line = L"T " + xy(text->alignmentPoint()) + L" " + text->textString();
        else if (auto* mtext = AcDbMText::cast(entity.object()))
            line = L"M " + xy(mtext->location()) + L" " + mtext->contents();
        else if (auto* l = AcDbLine::cast(entity.object()))
            line = L"L " + xy(l->startPoint()) + L" " + xy(l->endPoint());
        if (entity->visibility() == AcDb::kInvisible)
            line += L" (hidden)";
        shown.push_back(line);
    }
    return shown;
}

class InfoTable : public ::testing::Test {
protected:
    InfoTable() {
        infotable::TableParameters() = Parameters();
        infotable::EntryTitles() = Titles();
        infotable::EntryValues() = {L"2", L"",  L"800x600x2260", L"UK5N", L"220", L"5",
                                    L"1", L"1", L"顶部",         L"",     L""};
        cad::InputSource::Instance().Clear();
        acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
    }
    ~InfoTable() override {
        acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
        infotable::EntryTitles().clear();
        infotable::EntryValues().clear();
        infotable::TableParameters() = Parameters();
        cad::InputSource::Instance().Clear();
    }
    AcDbDatabase& Db() { return *host.CurrentDatabase(); }
    void Queue(cad::InputKind kind, double x = 0, double y = 0, int code = 0) {
        cad::InputSource::Instance().Queue({kind, AcGePoint3d(x, y, 0), code});
    }
    std::vector<AcDbObjectId> Group() { return infotable::GroupMembers(&Db()); }
    // The table's box: the lines' extents.
    void LineBox(double& minX, double& minY, double& maxX, double& maxY) {
        minX = minY = 1e300;
        maxX = maxY = -1e300;
        for (AcDbObjectId id : ModelSpaceIds(Db())) {
            AcDbObjectPointer<AcDbLine> line(id, AcDb::kForRead);
            if (!line || line->visibility() == AcDb::kInvisible)
                continue;
            for (AcGePoint3d p : {line->startPoint(), line->endPoint()}) {
                minX = std::min(minX, p.x);
                minY = std::min(minY, p.y);
                maxX = std::max(maxX, p.x);
                maxY = std::max(maxY, p.y);
            }
        }
    }

    TempInstallation installation;
    HostSession host;
};

} // namespace

TEST(InfoTableData, EntriesComeFromTheDescriptionAndGoBackUnderTheirTitles) {
    std::vector<CExplainInfoNode> description = {
        {L"设备颜色", L"灰"}, {L"端子", L"UK5N"}, {L"设备名称", L"1号柜"}};
    std::vector<CExplainInfoNode> entries = infotable::BuildEntries(description);
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(entries[0].Getm_StrTitle(), L"柜的数量");
    EXPECT_EQ(entries[0].Getm_StrValue(), L"") << "no 设备数量";
    EXPECT_EQ(entries[1].Getm_StrValue(), L"灰");
    EXPECT_EQ(entries[3].Getm_StrValue(), L"UK5N");

    entries[0].Setm_StrValue(L"3");
    entries[1].Setm_StrValue(L"白");
    entries[9].Setm_StrValue(L"带打印");
    infotable::MergeIntoDescription(entries, description);
    EXPECT_EQ(explain::FindValueByTitle(description, L"设备颜色"), L"白");
    EXPECT_EQ(explain::FindValueByTitle(description, L"设备数量"), L"3") << "appended";
    EXPECT_EQ(explain::FindValueByTitle(description, L"定制功能描述"), L"带打印");
    EXPECT_EQ(explain::FindValueByTitle(description, L"柜的数量"), L"") << "no table title";
    EXPECT_EQ(description.size(), 3u + 9u);

    EXPECT_EQ(infotable::WordKeyOf(L"端子"), L"端子型号");
    EXPECT_EQ(infotable::WordKeyOf(L"进线端子排"), L"端子型号");
    EXPECT_EQ(infotable::WordKeyOf(L"小母线安装方式"), L"小母线安装数量");
    EXPECT_EQ(infotable::WordKeyOf(L"柜的颜色"), L"设备颜色");
}

TEST_F(InfoTable, TheDialogOffersWordsAndItsOkWritesTheDescriptionAndStartsTheCommand) {
    MakeSqliteFile(installation.Path(L"Data\\word.mdb"),
                   {L"CREATE TABLE \"OV设备颜色\" (WORD TEXT)",
                    L"INSERT INTO \"OV设备颜色\" VALUES ('白'), ('灰')"});
    installation.WriteBytes(L"P\\Q\\Q.prj",
                            ManageFileBytes({L"设备名称=1号柜", L"设备颜色=灰"}, {}));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);

    struct Probe : CDlgInfoTable {
        using CDlgInfoTable::CDlgInfoTable;
        bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                       ui::LRESULT& result) override {
            bool handled = CDlgInfoTable::OnMessage(message, wParam, lParam, result);
            if (message == WM_LIST_FILLCHOICES)
                choices[static_cast<int>(wParam)] = const_cast<Probe*>(this)->Choices();
            return handled;
        }
        std::vector<std::wstring> Choices() {
            auto* list = GetDlgItemAs<CSortedListCtrl>(IDC_ENTRY_LIST);
            return list->Getm_ChoiceArray();
        }
        std::map<int, std::vector<std::wstring>> choices;
    };
    constexpr int kCombo = CDlgInfoTable::IDC_ENTRY_LIST + CSortedListCtrl::kComboIdOffset;
    host.Boxes().Script(CDlgInfoTable::IDD,
                        {Cell(CDlgInfoTable::IDC_ENTRY_LIST, 1, 1), Select(kCombo, L"白"),
                         Cell(CDlgInfoTable::IDC_ENTRY_LIST, 0, 1), Type(kCombo, L"2"), Ok()});
    Probe dialog(&file);
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_TRUE(host.Boxes().Faults().empty());
    EXPECT_EQ(dialog.choices[1], (std::vector<std::wstring>{L"白", L"灰"}));
    EXPECT_EQ(dialog.choices[0], (std::vector<std::wstring>{L"", L""})) << "no table of words";

    CManageFileInfo reread;
    ASSERT_EQ(reread.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);
    EXPECT_EQ(explain::FindValueByTitle(reread.Getm_ExplainInfoArray(), L"设备颜色"), L"白");
    EXPECT_EQ(explain::FindValueByTitle(reread.Getm_ExplainInfoArray(), L"设备数量"), L"2");
    EXPECT_EQ(infotable::EntryTitles(), Titles());
    ASSERT_EQ(infotable::EntryValues().size(), 11u);
    EXPECT_EQ(infotable::EntryValues()[0], L"2");
    EXPECT_EQ(infotable::EntryValues()[1], L"白");
    ASSERT_EQ(host.Current()->pendingStrings().size(), 1u);
    EXPECT_EQ(host.Current()->pendingStrings()[0].text, L"(Command)\nCREATEINFOTABLE\n");
}

TEST_F(InfoTable, AFailedWriteSaysSoAndStartsNothing) {
    installation.WriteBytes(L"P\\Q\\Q.prj", ManageFileBytes({L"设备颜色=灰"}, {}));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);
    installation.MakeFolder(L"P\\Q\\Q.prj." + std::to_wstring(::getpid()) + L".ovtmp");
    infotable::EntryValues().clear();
    host.Boxes().Script(CDlgInfoTable::IDD, {Ok(), Cancel()});
    CDlgInfoTable dialog(&file);
    EXPECT_EQ(dialog.DoModal(), ui::IDCANCEL) << "the dialog stays open after the failure";
    ASSERT_EQ(host.Boxes().Boxes().size(), 1u);
    EXPECT_NE(host.Boxes().Boxes()[0].text.find(L"不能写入"), std::wstring::npos);
    EXPECT_TRUE(host.Current()->pendingStrings().empty());
    EXPECT_TRUE(infotable::EntryValues().empty());
    EXPECT_EQ(file.Getm_ExplainInfoArray().size(), 1u) << "the record stays what the file holds";
}

TEST_F(InfoTable, TheParameterDialogStoresAllOnOkAndNothingOnCancel) {
    using P = CDlgInfoTableParaSet;
    host.Boxes().Script(P::IDD, {Type(P::IDC_C1, L"30"), Type(P::IDC_C4, L"-5"), Cancel()});
    P cancelled;
    cancelled.DoModal();
    EXPECT_EQ(infotable::TableParameters().c1, 25.0);

    host.Boxes().Script(P::IDD, {Type(P::IDC_C2, L"abc"), Ok(), Type(P::IDC_C2, L"70"),
                                 Type(P::IDC_C1, L"30"), Type(P::IDC_ROW_HEIGHT, L"0"),
                                 Type(P::IDC_WIDTH_FACTOR, L"0.5"), Click(P::IDC_CENTRE), Ok()});
    P dialog;
    ASSERT_EQ(dialog.DoModal(), ui::IDOK);
    ASSERT_EQ(host.Boxes().Boxes().size(), 1u);
    EXPECT_EQ(host.Boxes().Boxes()[0].text, L"请输入一个数。");
    const Parameters& p = infotable::TableParameters();
    EXPECT_EQ(p.c1, 30.0);
    EXPECT_EQ(p.c2, 70.0);
    EXPECT_EQ(p.c3, 25.0);
    EXPECT_EQ(p.R, 0.0) << "any number";
    EXPECT_EQ(p.F, 0.5);
    EXPECT_EQ(p.A, 1);
}

TEST_F(InfoTable, WithoutEntriesTheCommandSaysSoAndDrawsNothing) {
    infotable::EntryValues().resize(10);
    size_t before = ModelSpaceIds(Db()).size();
    host.Run(L"CREATEINFOTABLE\n");
    EXPECT_EQ(ModelSpaceIds(Db()).size(), before);
    EXPECT_EQ(cad::CommandLine::Instance().Lines().size(), 1u);
}

TEST_F(InfoTable, TheTableFollowsThePointerByItsLowerRightCornerAndIsPlacedByEnter) {
    Queue(cad::InputKind::PointerMove, 50, 20);
    Queue(cad::InputKind::PointerMove, 300, 100);
    Queue(cad::InputKind::Key, 0, 0, 13);
    host.Run(L"CREATEINFOTABLE\n");
    double minX, minY, maxX, maxY;
    LineBox(minX, minY, maxX, maxY);
    EXPECT_DOUBLE_EQ(maxX, 300.0);
    EXPECT_DOUBLE_EQ(minY, 100.0);
    EXPECT_DOUBLE_EQ(minX, 300.0 - 160.0);
    EXPECT_DOUBLE_EQ(maxY, 100.0 + 56.0);
    std::vector<std::wstring> shown = Shown(Db());
    auto has = [&shown](const std::wstring& line) {
        return std::find(shown.begin(), shown.end(), line) != shown.end();
    };
    // Row 0 at y = 6.5 R, moved by (140, 100): titles 0.5, values 1 inside their cells.
    EXPECT_TRUE(has(L"T 140.500000,152.000000 柜的数量"));
    EXPECT_TRUE(has(L"T 166.000000,152.000000 2面"));
    EXPECT_TRUE(has(L"T 230.500000,152.000000 直流电压"));
    EXPECT_TRUE(has(L"T 256.000000,152.000000 220V"));
    EXPECT_TRUE(has(L"T 140.500000,144.000000 柜的颜色"));
    EXPECT_TRUE(has(L"T 166.000000,144.000000 $$")) << "an empty colour";
    EXPECT_TRUE(has(L"T 140.500000,112.000000 定制功能描述 : "));
    EXPECT_EQ(Group().size(), ModelSpaceIds(Db()).size());
    EXPECT_EQ(cad::CommandLine::Instance().Lines().back(), L"选择插入点<Enter结束>:");
}

TEST_F(InfoTable, CentredTextsStandInTheMiddleOfTheirCells) {
    infotable::TableParameters().A = 1;
    infotable::EntryValues()[9] = L"带打印";
    Queue(cad::InputKind::Key, 0, 0, 32);
    host.Run(L"CREATEINFOTABLE\n");
    std::vector<std::wstring> shown = Shown(Db());
    auto has = [&shown](const std::wstring& line) {
        return std::find(shown.begin(), shown.end(), line) != shown.end();
    };
    // Placed without a move: the table stands where it was drawn.
    EXPECT_TRUE(has(L"T 12.750000,52.000000 柜的数量"));
    EXPECT_TRUE(has(L"T 58.000000,52.000000 2面"));
    EXPECT_TRUE(has(L"T 12.750000,12.000000 定制功能描述")) << "its own row";
    EXPECT_TRUE(has(L"T 12.750000,4.000000 屏柜所属厂站"));
}

TEST_F(InfoTable, ALongValueIsSqueezedUntilItFits) {
    infotable::EntryValues()[2] = std::wstring(40, L'宽');
    Queue(cad::InputKind::Key, 0, 0, 13);
    host.Run(L"CREATEINFOTABLE\n");
    for (AcDbObjectId id : ModelSpaceIds(Db())) {
        AcDbObjectPointer<AcDbText> text(id, AcDb::kForRead);
        if (!text || text->textString() != infotable::EntryValues()[2])
            continue;
        AcDbExtents extents;
        ASSERT_EQ(text->getGeomExtents(extents), Acad::eOk);
        EXPECT_LT(extents.maxPoint().x - extents.minPoint().x, 64.0);
        EXPECT_LT(text->widthFactor(), 0.75);
        EXPECT_GT(text->widthFactor(), 0.0);
        return;
    }
    FAIL() << "no value text";
}

TEST_F(InfoTable, ALongDescriptionWrapsAndMovesTheBottomLinesDown) {
    infotable::EntryValues()[9] = std::wstring(300, L'述') + L"{a}\\b";
    Queue(cad::InputKind::Key, 0, 0, 13);
    host.Run(L"CREATEINFOTABLE\n");
    bool found = false;
    std::vector<AcDbObjectId> ids = ModelSpaceIds(Db());
    for (AcDbObjectId id : ids) {
        AcDbObjectPointer<AcDbMText> mtext(id, AcDb::kForRead);
        if (!mtext)
            continue;
        EXPECT_EQ(mtext->contents().rfind(L"{\\W", 0), 0u);
        EXPECT_NE(mtext->contents().find(L"\\P"), std::wstring::npos);
        EXPECT_NE(mtext->contents().find(L"\\{a\\}\\\\b"), std::wstring::npos) << "as typed";
        EXPECT_LE(mtext->actualWidth(), 65.0 + 25.0 + 45.0 - 5.0 + 1e-9);
        double h = mtext->actualHeight();
        double minX, minY, maxX, maxY;
        LineBox(minX, minY, maxX, maxY);
        EXPECT_NEAR(minY, -(h - 4.0), 1e-9) << "the bottom line moved down";
        found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(InfoTable, RunningTwiceLeavesOneTableAndOneGroup) {
    Queue(cad::InputKind::Key, 0, 0, 13);
    host.Run(L"CREATEINFOTABLE\n");
    std::vector<AcDbObjectId> first = Group();
    Queue(cad::InputKind::PointerMove, 500, 500);
    Queue(cad::InputKind::Pick, 500, 500);
    host.Run(L"CREATEINFOTABLE\n");
    std::vector<AcDbObjectId> second = Group();
    EXPECT_EQ(second.size(), first.size());
    EXPECT_EQ(ModelSpaceIds(Db()), second) << "the first table is gone";
    AcDbObjectPointer<AcDbDictionary> groups(Db().groupDictionaryId(), AcDb::kForRead);
    EXPECT_EQ(groups->numEntries(), 1u);
    AcDbGroup* group = nullptr;
    ASSERT_EQ(groups->getAt(infotable::kGroupName, group, AcDb::kForRead), Acad::eOk);
    EXPECT_FALSE(group->isSelectable());
    group->close();
}

TEST_F(InfoTable, EscOrTheRightButtonLeavesTheDrawingAsItWas) {
    Queue(cad::InputKind::Key, 0, 0, 13);
    host.Run(L"CREATEINFOTABLE\n");
    std::vector<std::wstring> before = Shown(Db());
    std::vector<AcDbObjectId> members = Group();
    for (cad::InputKind end : {cad::InputKind::Cancel, cad::InputKind::RightButton}) {
        Queue(cad::InputKind::PointerMove, 70, 80);
        Queue(cad::InputKind::AuxMenu, 0, 0, 1414); // a pan on the way, ended by Enter
        Queue(cad::InputKind::Key, 0, 0, 13);
        Queue(end, 70, 80);
        host.Run(L"CREATEINFOTABLE\n");
        EXPECT_EQ(Shown(Db()), before);
        EXPECT_EQ(Group(), members);
    }
    resbuf value;
    ASSERT_EQ(acedGetVar(L"CMDECHO", &value), RTNORM);
    EXPECT_EQ(value.resval.rint, 1);
}

TEST_F(InfoTable, ParametersOfZeroAndBelowDrawWithoutHanging) {
    infotable::EntryValues()[9] = std::wstring(50, L'述');
    for (Parameters p :
         {Parameters{0, 0, 0, 0, 0, 0, 0, 0}, Parameters{-5, -5, -5, -5, -8, -4, -1, 1},
          Parameters{25, 65, 25, 45, 8, 4, 1e6, 0}}) {
        infotable::TableParameters() = p;
        Queue(cad::InputKind::Key, 0, 0, 13);
        host.Run(L"CREATEINFOTABLE\n");
        EXPECT_FALSE(Group().empty());
    }
}

TEST_F(InfoTable, ConsoleTranscripts) {
    installation.WriteBytes(L"P\\Q\\Q.prj", ManageFileBytes({L"设备数量=2", L"设备颜色=灰"}, {}));
    CManageFileInfo file;
    ASSERT_EQ(file.ReadManageFile(installation.Path(L"P\\Q\\Q.prj")), 1);
    Console console({L"cell 159 2 1", L"type 20159 800x600x2260", L"click 100", L"type 242 30",
                     L"click 258", L"ok", L"ok"});
    CDlgInfoTable dialog(&file);
    EXPECT_EQ(dialog.DoModal(), ui::IDOK);
    EXPECT_EQ(infotable::TableParameters().c1, 30.0);
    EXPECT_EQ(infotable::EntryValues()[2], L"800x600x2260");
    EXPECT_EQ(console.transcript,
              KeptTranscript("drawing/transcripts/DlgInfoTable.txt", console.transcript));
}
