// The modification dialog's OK at scale, each in the same run as its baseline:
// - an Equipment of 50 drawings (a title block of 30 cells with a text in each, four cover texts
//   and 100 lines) whose contract number changes, with 224 ticked: the management file written
//   and every drawing read, its covers and cells set and saved; against reading and saving the
//   same 50 drawings (target: at most 1.3 times as long);
// - a Project of 200 Equipments whose project name changes: its management file written and
//   the value pushed into every Equipment's ".prj"; against reading and writing those 200 files
//   (target: at most twice as long).
// Each OK changes the value, so that there is always something to write.

#include "BenchSupport.h"

#include "controls/SortedListCtrl.h"
#include "drawing/EditOprt.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/Host.h"
#include "platform/fs/FileIo.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ScriptedBackend.h"
#include "records/ModfyXmSbDlg.h"
#include "store/HistoryDataOprt.h"
#include "suite/OvXmInfo/ManageFileInfo.h"
#include "suite/OvXmInfo/ManageFileText.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

constexpr int kDrawings = 50;
constexpr int kCells = 30;
constexpr int kEquipments = 200;

stdfs::path g_home;
std::wstring g_equipmentFile;
std::wstring g_projectFile;
std::vector<std::wstring> g_drawings;
std::vector<std::wstring> g_equipmentFiles;
ui::ScriptedBackend* g_pBackend = nullptr;

void WriteLines(const stdfs::path& path, const std::vector<std::wstring>& lines) {
    static const text::CodePage cp936("CP936");
    std::ofstream out(path, std::ios::binary);
    for (const std::wstring& line : lines)
        out << cp936.Encode(line) << "\r\n";
}

void WriteManageFile(const stdfs::path& path, const std::vector<CExplainInfoNode>& entries,
                     const std::vector<std::wstring>& content) {
    std::vector<std::wstring> lines;
    xmfile::AppendExplainBlock(entries, lines);
    lines.emplace_back(xmfile::kBeginContent);
    lines.insert(lines.end(), content.begin(), content.end());
    lines.emplace_back(xmfile::kEndContent);
    lines.emplace_back(xmfile::kEof);
    WriteLines(path, lines);
}

std::wstring CellLabel(int i) {
    return L"参数" + std::to_wstring(i);
}

void RegisterApplication(AcDbDatabase& db, const wchar_t* name) {
    AcDbObjectPointer<AcDbRegAppTable> table(db.regAppTableId(), AcDb::kForWrite);
    auto* record = new AcDbRegAppTableRecord();
    record->setName(name);
    table->add(record);
    record->close();
}

// A drawing with a title block of kCells cells (30 wide, 10 high, in a row) with a text in
// each, four cover texts and 100 lines.
void SaveDrawing(const std::wstring& path) {
    AcDbDatabase db;
    for (const wchar_t* name :
         {L"HORSIZE_OF_DRAWING", L"VERSIZE_OF_DRAWING", L"HORNUM_OF_TABLE", L"VERNUM_OF_TABLE"})
        RegisterApplication(db, name);
    AcDbObjectPointer<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"TITLE");
    AcDbObjectId blockId;
    blocks->add(blockId, block);
    block->close();
    blocks->close();
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    auto* title = new AcDbBlockReference({0, 0, 0}, blockId);
    AcDbObjectId titleId;
    space->appendAcDbEntity(titleId, title);
    for (const wchar_t* name :
         {L"HORSIZE_OF_DRAWING", L"VERSIZE_OF_DRAWING", L"HORNUM_OF_TABLE", L"VERNUM_OF_TABLE"})
        title->setXData(name, {resbuf::Text(1000, L"1")});
    title->createExtensionDictionary();
    ResbufChain cells = {resbuf::Text(1, L"$BEGINETITLE"), resbuf::Text(1, L"A3")};
    for (int i = 0; i < kCells; ++i) {
        std::wstring label = i == 0 ? L"图号" : CellLabel(i);
        cells.push_back(resbuf::Text(1, label + L"|" + std::to_wstring(i * 30) + L"|10|" +
                                            std::to_wstring(i * 30 + 30) + L"|0|3|0.7|"));
        auto* text = new AcDbText({i * 30.0 + 5, 5, 0}, L"旧值", AcDbObjectId::kNull, 3.0);
        space->appendAcDbEntity(text);
        text->close();
    }
    cells.push_back(resbuf::Text(1, L"$ENDTITLE"));
    {
        AcDbObjectPointer<AcDbDictionary> extension(title->extensionDictionary(), AcDb::kForWrite);
        auto* record = new AcDbXrecord();
        record->setFromRbChain(cells);
        AcDbObjectId recordId;
        extension->setAt(L"TESSALINE_TITLE", record, recordId);
        record->close();
    }
    title->close();
    for (const wchar_t* cover : {L"某某工程", L"合同号：旧", L"XX型", L"XX柜"}) {
        auto* text = new AcDbText({0, 100.0, 0}, cover, AcDbObjectId::kNull, 5.0);
        space->appendAcDbEntity(text);
        text->close();
    }
    for (int i = 0; i < 100; ++i) {
        auto* line = new AcDbLine({i * 3.0, 20, 0}, {i * 3.0, 90, 0});
        space->appendAcDbEntity(line);
        line->close();
    }
    space->close();
    db.saveAs(path.c_str(), false, AcDb::kDHL_2400);
}

void MakeInstallation() {
    g_home = stdfs::temp_directory_path() / ("ov-modify-bench-" + std::to_string(::getpid()));
    for (const char* folder : {"Data", "LocalData"})
        stdfs::create_directories(g_home / folder);
    std::ofstream(g_home / "Installation.ini") << "CodePage=CP936\n";

    stdfs::path equipment = g_home / "E";
    stdfs::create_directories(equipment);
    std::vector<CExplainInfoNode> entries = {{L"工程合同号", L"HT-0"},
                                             {L"设备名称", L"1号柜"},
                                             {L"设备图册号", L"B1"},
                                             {L"设备型号", L"PRC-31A"}};
    for (int i = 1; i < kCells; ++i)
        entries.emplace_back(CellLabel(i), L"值" + std::to_wstring(i));
    std::vector<std::wstring> content = {L"YL:"};
    for (int i = 1; i <= kDrawings; ++i) {
        std::wstring name =
            L"B1-" + std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i) + L".dwg";
        std::wstring path = fs::ToLogical(equipment / fs::ToNative(name));
        SaveDrawing(path);
        g_drawings.push_back(path);
        content.push_back(xmfile::FileLine(name, L""));
    }
    WriteManageFile(equipment / "E.prj", entries, content);
    g_equipmentFile = fs::ToLogical(equipment / "E.prj");

    stdfs::path project = g_home / "P";
    stdfs::create_directories(project);
    std::vector<CExplainInfoNode> projectEntries = {{L"工程名称", L"甲站-0"},
                                                    {L"工程合同号", L"HT-2026-0815"}};
    WriteManageFile(project / "P.itm", projectEntries, {});
    g_projectFile = fs::ToLogical(project / "P.itm");
    for (int e = 0; e < kEquipments; ++e) {
        std::string name = "屏" + std::to_string(1000 + e);
        stdfs::create_directories(project / name);
        std::vector<CExplainInfoNode> equipmentEntries = projectEntries;
        equipmentEntries.emplace_back(L"设备名称", L"屏" + std::to_wstring(e));
        std::vector<std::wstring> files;
        for (int d = 1; d <= 50; ++d)
            files.push_back(xmfile::FileLine(L"图" + std::to_wstring(d) + L".dwg", L"备注"));
        WriteManageFile(project / name / (name + ".prj"), equipmentEntries, files);
        g_equipmentFiles.push_back(fs::ToLogical(project / name / (name + ".prj")));
    }
}

// Runs the dialog on the management file and changes the value of row `row` before OK.
bool RunOk(const std::wstring& manageFile, int row, const std::wstring& value) {
    CManageFileInfo file;
    if (!file.ReadManageFile(manageFile))
        return false;
    constexpr int kList = CModfyXmSbDlg::IDC_EXPLAIN_LIST;
    g_pBackend->Script(CModfyXmSbDlg::IDD,
                       {ui::act::Cell(kList, row, 1),
                        ui::act::Type(kList + CSortedListCtrl::kComboIdOffset, value),
                        ui::act::Ok()});
    CModfyXmSbDlg dialog(&file);
    return dialog.DoModal() == ui::IDOK;
}

void EquipmentOk(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        // The contract number's row comes after the three "设备" rows.
        if (!RunOk(g_equipmentFile, 3, L"HT-" + std::to_wstring(++n)))
            state.SkipWithError("OK did not go through");
    }
}

void ReadAndSaveDrawings(benchmark::State& state) {
    for (auto _ : state)
        for (const std::wstring& path : g_drawings) {
            AcDbDatabase db(false, true);
            if (db.readDwgFile(path.c_str()) != Acad::eOk ||
                CEditOprt::SaveDatabaseAs(&db, path) != Acad::eOk)
                state.SkipWithError("a drawing could not be saved");
        }
}

void ProjectOk(benchmark::State& state) {
    int n = 0;
    for (auto _ : state)
        if (!RunOk(g_projectFile, 0, L"甲站-" + std::to_wstring(++n)))
            state.SkipWithError("OK did not go through");
}

void ReadAndWriteEquipmentFiles(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        ++n;
        for (const std::wstring& path : g_equipmentFiles) {
            std::string bytes;
            if (!fs::ReadBytes(path, bytes))
                state.SkipWithError("a file could not be read");
            // A change, so that the write is a real one.
            bytes[bytes.size() - 3] = static_cast<char>('0' + n % 10);
            if (!fs::WriteBytes(path, bytes))
                state.SkipWithError("a file could not be written");
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    MakeInstallation();
    ::setenv("OVMANAGE_HOME", g_home.c_str(), 1);
    text::SetAnsiCodePage("CP936");
    ui::ScriptedBackend backend;
    g_pBackend = &backend;
    cad::StartHost({});
    {
        // The drawings are written (224); no folder is proposed and no file renamed.
        CHistoryDataOprt history;
        history.SetHistoryInt(CModfyXmSbDlg::kHistoryWriteDrawings, 1);
        history.SetHistoryInt(CModfyXmSbDlg::kHistoryRenameSbFolder, 0);
        history.SetHistoryInt(CModfyXmSbDlg::kHistoryRenameXmFolder, 0);
        history.SetHistoryInt(CModfyXmSbDlg::kHistoryRenameFiles, 0);
    }

    benchmark::RegisterBenchmark("Equipment/OkWritingIts50Drawings", EquipmentOk)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Equipment/ReadAndSave50Drawings", ReadAndSaveDrawings)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Project/OkPushingInto200Equipments", ProjectOk)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Project/ReadAndWrite200PrjFiles", ReadAndWriteEquipmentFiles)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double ok = reporter.Seconds("Equipment/OkWritingIts50Drawings");
    double saves = reporter.Seconds("Equipment/ReadAndSave50Drawings");
    double projectOk = reporter.Seconds("Project/OkPushingInto200Equipments");
    double files = reporter.Seconds("Project/ReadAndWrite200PrjFiles");
    std::printf("OK on an Equipment of %d drawings (%d-cell title blocks, cover texts): %.1f ms, "
                "reading and saving them: %.1f ms, ratio %.2fx (target: at most 1.3x)\n",
                kDrawings, kCells, ok * 1e3, saves * 1e3, saves > 0 ? ok / saves : 0.0);
    std::printf("OK on a Project of %d Equipments: %.1f ms, reading and writing their .prj "
                "files: %.1f ms, ratio %.2fx (target: at most 2x)\n",
                kEquipments, projectOk * 1e3, files * 1e3, files > 0 ? projectOk / files : 0.0);
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_home, ignored);
    benchmark::Shutdown();
    return 0;
}
