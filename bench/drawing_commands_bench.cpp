// The window's drawing commands at scale: the batch open-save-close run over an Equipment of 50
// drawings (200 entities each), against reading and saving the same drawings directly (with the
// back-up copy the run makes too); and
// exporting the bill of materials of a Project of 200 Equipments (a drawing of 20 parts each),
// against reading its inputs alone: the management files, a listing of each container's folder
// and the drawings. Targets: the batch takes at most 3 times the direct saves (it reads each
// drawing twice, once to see that it can be read and once to open it, and keeps lock files);
// the export at most 2.5 times its reads (it also finds each folder's drawings without regard
// to case, and writes the workbook through a temporary file synced to disk).

#include "BenchSupport.h"

#include "drawing/DlgFormatForSave.h"
#include "manager/DrawingCommands.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/Host.h"
#include "platform/cad/HostProfile.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/ui/ScriptedBackend.h"
#include "suite/OvExportExcelTable/OvExportExcelTable.h"
#include "suite/OvXmInfo/XmSbInfo.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

constexpr int kBatchDrawings = 50;
constexpr int kEntities = 200;
constexpr int kEquipments = 200;
constexpr int kParts = 20;

stdfs::path g_root;

std::wstring Logical(const stdfs::path& path) {
    return fs::ToLogical(path);
}

void WriteManageFile(const stdfs::path& path, const std::vector<std::wstring>& notes,
                     const std::vector<std::wstring>& content) {
    std::vector<std::wstring> lines{L"$BEGIN NOTE OF PRJ"};
    for (size_t i = 0; i + 1 < notes.size(); i += 2)
        lines.insert(lines.end(), {L"$BEGIN_ONE_NOTE", notes[i], notes[i + 1], L"$END_ONE_NOTE"});
    lines.insert(lines.end(), {L"$END NOTE OF PRJ", L"$BEGIN CONTENT OF PRJ"});
    lines.insert(lines.end(), content.begin(), content.end());
    lines.insert(lines.end(), {L"$End CONTENT OF PRJ", L"$EOF"});
    std::string bytes;
    for (const std::wstring& line : lines)
        bytes += text::AnsiCodePage().Encode(line) + "\r\n";
    std::ofstream(path, std::ios::binary) << bytes;
}

void SaveDrawing(const stdfs::path& path, int nTexts, int nParts) {
    AcDbDatabase db;
    AcDbObjectPointer<AcDbRegAppTable> applications(db.regAppTableId(), AcDb::kForWrite);
    auto* application = new AcDbRegAppTableRecord();
    application->setName(L"OVPART");
    applications->add(application);
    application->close();
    applications->close();
    AcDbObjectPointer<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"KA");
    AcDbObjectId blockId;
    blocks->add(blockId, block);
    block->close();
    blocks->close();
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < nTexts; ++i) {
        AcGePoint3d at(i % 20 * 10.0, i / 20 * 10.0, 0.0);
        AcDbEntity* entity =
            i % 2 ? static_cast<AcDbEntity*>(new AcDbLine(at, at + AcGeVector3d(8, 0, 0)))
                  : new AcDbText(at, L"端子 X" + std::to_wstring(i), AcDbObjectId::kNull, 3.5);
        AcDbObjectId id;
        space->appendAcDbEntity(id, entity);
        entity->close();
    }
    for (int i = 0; i < nParts; ++i) {
        auto* part = new AcDbBlockReference({i * 5.0, 0, 0}, blockId);
        AcDbObjectId id;
        space->appendAcDbEntity(id, part);
        part->setXData(L"OVPART", {resbuf::Text(1000, L"M" + std::to_wstring(i % 7)),
                                   resbuf::Text(1000, L"继电器"), resbuf::Text(1000, L"DZ-10"),
                                   resbuf::Text(1000, L"220V"), resbuf::Text(1000, L"厂A"),
                                   resbuf::Text(1000, L"个"), resbuf::Text(1000, L"元件"),
                                   resbuf::Text(1000, std::to_wstring(i) + L"KA")});
        part->close();
    }
    space->close();
    db.saveAs(Logical(path).c_str(), false, AcDb::kDHL_2400);
}

std::vector<std::wstring> g_batchDrawings;
std::wstring g_batchManageFile;
std::vector<std::wstring> g_exportManageFiles;
std::vector<std::wstring> g_exportDrawings;
std::wstring g_projectFile;

void MakeFixtures() {
    stdfs::path equipment = g_root / "E";
    stdfs::create_directories(equipment);
    WriteManageFile(equipment / "E.prj", {}, {});
    g_batchManageFile = Logical(equipment / "E.prj");
    for (int i = 0; i < kBatchDrawings; ++i) {
        stdfs::path drawing = equipment / ("图" + std::to_string(i) + ".dwg");
        SaveDrawing(drawing, kEntities, 0);
        g_batchDrawings.push_back(Logical(drawing));
    }
    stdfs::path project = g_root / "P";
    stdfs::create_directories(project);
    WriteManageFile(project / "P.itm", {L"工程名称", L"甲站"}, {});
    g_projectFile = Logical(project / "P.itm");
    g_exportManageFiles.push_back(g_projectFile);
    for (int i = 0; i < kEquipments; ++i) {
        std::string name = "屏" + std::to_string(1000 + i);
        stdfs::path folder = project / name;
        stdfs::create_directories(folder);
        WriteManageFile(folder / (name + ".prj"),
                        {L"设备名称", L"屏" + std::to_wstring(i), L"设备型号", L"PRC-1"},
                        {L"PM:", L"图1.dwg<布置>", L"图2.dwg<>"});
        SaveDrawing(folder / "图1.dwg", 0, kParts);
        g_exportManageFiles.push_back(Logical(folder / (name + ".prj")));
        g_exportDrawings.push_back(Logical(folder / "图1.dwg"));
    }
}

void Batch(benchmark::State& state) {
    ui::ScriptedBackend backend;
    for (auto _ : state) {
        backend.Script(CDlgFormatForSave::IDD, {ui::act::Ok()});
        if (!BatchOpenSaveClose(g_batchManageFile, nullptr, nullptr))
            state.SkipWithError("the batch did not run");
    }
}

void DirectSaves(benchmark::State& state) {
    for (auto _ : state)
        for (const std::wstring& path : g_batchDrawings) {
            AcDbDatabase db(false, true);
            if (db.readDwgFile(path.c_str()) != Acad::eOk ||
                db.saveAs(path.c_str(), true, AcDb::kDHL_2400) != Acad::eOk)
                state.SkipWithError("a drawing could not be saved");
        }
}

void ExportBom(benchmark::State& state) {
    ui::ScriptedBackend backend;
    for (auto _ : state)
        if (!OvExportExcelTable(g_projectFile, 6))
            state.SkipWithError("the export failed");
}

void ReadsOnly(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::wstring& path : g_exportManageFiles) {
            CManageFileInfo file;
            file.ReadManageFile(path);
            size_t entries = 0;
            for (const auto& entry : stdfs::directory_iterator(fs::ToNative(path).parent_path()))
                entries += entry.is_regular_file() ? 1 : 0;
            benchmark::DoNotOptimize(entries);
        }
        for (const std::wstring& path : g_exportDrawings) {
            AcDbDatabase db(false, true);
            if (db.readDwgFile(path.c_str()) != Acad::eOk)
                state.SkipWithError("a drawing could not be read");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    g_root = stdfs::temp_directory_path() / ("ov-commands-bench-" + std::to_string(::getpid()));
    text::SetAnsiCodePage("CP936");
    cad::HostOptions options;
    options.startWithDrawing = true;
    cad::StartHost(options);
    MakeFixtures();

    benchmark::RegisterBenchmark("Batch/OpenSaveClose50Drawings", Batch)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Batch/DirectReadAndSave50Drawings", DirectSaves)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Export/BomOfProjectWith200Equipments", ExportBom)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Export/ReadsAndListings", ReadsOnly)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double batch = reporter.Seconds("Batch/OpenSaveClose50Drawings");
    double direct = reporter.Seconds("Batch/DirectReadAndSave50Drawings");
    double bom = reporter.Seconds("Export/BomOfProjectWith200Equipments");
    double reads = reporter.Seconds("Export/ReadsAndListings");
    std::printf("batch open-save-close of 50 drawings of %d entities: %.1f ms (%.2f ms a drawing), "
                "direct read and save: %.1f ms, ratio %.2fx (target: at most 3x)\n",
                kEntities, batch * 1e3, batch * 1e3 / kBatchDrawings, direct * 1e3,
                direct > 0 ? batch / direct : 0.0);
    std::printf("bill of materials of a Project of %d Equipments (%d parts each): %.1f ms, reading "
                "its inputs: %.1f ms, ratio %.2fx (target: at most 2.5x), peak memory %.1f MiB\n",
                kEquipments, kParts, bom * 1e3, reads * 1e3, reads > 0 ? bom / reads : 0.0,
                ovbench::PeakMemoryMiB());
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_root, ignored);
    benchmark::Shutdown();
    return 0;
}
