// The save dialog and the information table's placement at scale, each in the same run as its
// baseline:
// - a drawing of 10,000 entities saved through the dialog (the Equipment of 500 drawings
//   loaded into its tree, the file written, its record entered and the management file written)
//   against saveAs of the same database (target: at most 1.5 times as long);
// - one pointer move while the information table is placed against moving the same entities
//   with MoveEntity (target: at most 1.2 times as long, and under 1 ms).

#include "BenchSupport.h"

#include "drawing/EditOprt.h"
#include "drawing/FileSaveDlg.h"
#include "drawing/InfoTableData.h"
#include "drawing/InfoTableDrawing.h"
#include "frame/ManageApp.h"
#include "frame/ManageCommands.h"
#include "platform/cad/CommandProcessor.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/Documents.h"
#include "platform/cad/Host.h"
#include "platform/cad/InputSource.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvXmInfo/ManageFileText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

constexpr int kEntities = 10000;
constexpr int kDrawings = 500;
constexpr int kMoves = 200;

stdfs::path g_home;
std::wstring g_equipmentFolder;
ui::ScriptedBackend* g_pBackend = nullptr;

void WriteLines(const stdfs::path& path, const std::vector<std::wstring>& lines) {
    static const text::CodePage cp936("CP936");
    std::ofstream out(path, std::ios::binary);
    for (const std::wstring& line : lines)
        out << cp936.Encode(line) << "\r\n";
}

void MakeInstallation() {
    g_home = stdfs::temp_directory_path() / ("ov-save-bench-" + std::to_string(::getpid()));
    for (const char* folder : {"Data", "LocalData"})
        stdfs::create_directories(g_home / folder);
    std::ofstream(g_home / "Installation.ini") << "CodePage=CP936\n";
    WriteLines(g_home / "Data" / "dwgstyle.dat", {L"PM=屏面布置图", L"YL=原理图"});
    stdfs::path equipment = g_home / "E";
    stdfs::create_directories(equipment);
    std::vector<std::wstring> lines;
    xmfile::AppendExplainBlock({{L"设备名称", L"1号柜"}}, lines);
    lines.emplace_back(xmfile::kBeginContent);
    lines.emplace_back(L"YL:");
    for (int i = 0; i < kDrawings; ++i) {
        std::wstring name = L"图" + std::to_wstring(i) + L".dwg";
        lines.push_back(xmfile::FileLine(name, L""));
        std::ofstream(equipment / fs::ToNative(name)) << "drawing";
    }
    lines.emplace_back(xmfile::kEndContent);
    lines.emplace_back(xmfile::kEof);
    WriteLines(equipment / "E.prj", lines);
    g_equipmentFolder = fs::ToLogical(equipment);
    WriteLines(g_home / "Data" / "default.dat", {g_equipmentFolder + L"\\E.prj"});
}

// Fills the current drawing with lines and texts.
void FillCurrentDrawing() {
    AcApDocument* pDoc = acDocManager->curDocument();
    acDocManager->lockDocument(pDoc);
    AcDbObjectPointer<AcDbBlockTableRecord> space(pDoc->database()->modelSpaceId(),
                                                  AcDb::kForWrite);
    for (int i = 0; i < kEntities; ++i) {
        AcDbEntity* pEntity =
            i % 2 ? static_cast<AcDbEntity*>(new AcDbLine({i * 1.0, 0, 0}, {i * 1.0, 50, 0}))
                  : new AcDbText({i * 1.0, 60, 0}, L"端子" + std::to_wstring(i),
                                 AcDbObjectId::kNull, 2.5);
        space->appendAcDbEntity(pEntity);
        pEntity->close();
    }
    space->close();
    acDocManager->unlockDocument(pDoc);
}

void SaveThroughDialog(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        g_pBackend->Script(CFileSaveDlg::IDD, {ui::act::Type(CFileSaveDlg::IDC_FILE_NAME,
                                                             L"新图" + std::to_wstring(++n)),
                                               ui::act::Ok()});
        CFileSaveDlg dialog(false);
        if (dialog.DoModal() != ui::IDOK)
            state.SkipWithError("the dialog did not save");
    }
}

void SaveAs(benchmark::State& state) {
    AcDbDatabase* pDb = acDocManager->curDocument()->database();
    int n = 0;
    for (auto _ : state) {
        std::wstring path = g_equipmentFolder + L"\\基准" + std::to_wstring(++n) + L".dwg";
        if (pDb->saveAs(path.c_str(), true, AcDb::kDHL_2400) != Acad::eOk)
            state.SkipWithError("saveAs failed");
    }
}

// Places the table after `moves` pointer moves.
void PlaceTable(int moves) {
    cad::InputSource& input = cad::InputSource::Instance();
    for (int i = 0; i < moves; ++i)
        input.Queue({cad::InputKind::PointerMove, AcGePoint3d(i * 0.5, i * 0.25, 0), 0});
    input.Queue({cad::InputKind::Key, AcGePoint3d(), 13});
    cad::CommandProcessor::Instance().Execute(L"CREATEINFOTABLE\n");
}

void PlacementWithMoves(benchmark::State& state) {
    for (auto _ : state)
        PlaceTable(static_cast<int>(state.range(0)));
}

void MoveTableEntities(benchmark::State& state) {
    std::vector<AcDbObjectId> ids =
        infotable::GroupMembers(acDocManager->curDocument()->database());
    if (ids.empty())
        state.SkipWithError("no table");
    // Outside a command the drawing must be locked, as the command's own document is.
    AcApDocument* pDoc = acDocManager->curDocument();
    acDocManager->lockDocument(pDoc);
    for (auto _ : state)
        for (const AcDbObjectId& id : ids)
            if (!CEditOprt::MoveEntity(id, 0.5, 0.25, 0.0))
                state.SkipWithError("an entity did not move");
    acDocManager->unlockDocument(pDoc);
}

} // namespace

int main(int argc, char** argv) {
    MakeInstallation();
    ::setenv("OVMANAGE_HOME", g_home.c_str(), 1);
    text::SetAnsiCodePage("CP936");
    ui::ScriptedBackend backend;
    g_pBackend = &backend;
    cad::StartHost({});
    acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
    HandInstallationFoldersToLibraries();
    FillCurrentDrawing();
    infotable::EntryTitles().clear();
    for (int i = 0; i < infotable::kEntryCount; ++i) {
        infotable::EntryTitles().push_back(infotable::Entry(i).strTableTitle);
        infotable::EntryValues().push_back(i == 9 ? std::wstring(120, L'述') : L"1");
    }

    benchmark::RegisterBenchmark("Save/ThroughTheDialog", SaveThroughDialog)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Save/SaveAs", SaveAs)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Placement/Moves", PlacementWithMoves)
        ->Arg(0)
        ->Arg(kMoves)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Placement/MoveEntity", MoveTableEntities)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double dialog = reporter.Seconds("Save/ThroughTheDialog");
    double saveAs = reporter.Seconds("Save/SaveAs");
    double none = reporter.Seconds("Placement/Moves/0");
    double many = reporter.Seconds("Placement/Moves/" + std::to_string(kMoves));
    double move = (many - none) / kMoves;
    double moveEntity = reporter.Seconds("Placement/MoveEntity");
    std::printf("Saving a drawing of %d entities through the dialog into an Equipment of %d "
                "drawings: %.1f ms, saveAs: %.1f ms, ratio %.2fx (target: at most 1.5x)\n",
                kEntities, kDrawings, dialog * 1e3, saveAs * 1e3,
                saveAs > 0 ? dialog / saveAs : 0.0);
    std::printf("One pointer move during placement: %.1f us (target: under 1000 us), MoveEntity of "
                "the same entities: %.1f us, ratio %.2fx (target: at most 1.2x)\n",
                move * 1e6, moveEntity * 1e6, moveEntity > 0 ? move / moveEntity : 0.0);
    acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_home, ignored);
    benchmark::Shutdown();
    return 0;
}
