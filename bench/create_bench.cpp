// Creating an Equipment from a template of 50 drawings (a title block of 30 cells with a text in
// each, four cover texts, a location record, 10 terminal-strip heads with their location texts,
// 10 location labels and 100 lines), in the same run as its baseline: copying the template's
// folder and reading and saving each drawing once. The creation copies the template, writes the
// description into the management file and, in one reading and saving of each drawing, the
// values into its covers and title block and the new location into its record, heads and
// labels. Target: at most 1.5 times the baseline. Each iteration makes a new folder; removing
// it afterwards is not timed.

#include "BenchSupport.h"

#include "drawing/EditOprt.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbDictionary.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/cad/Host.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/ui/ScriptedBackend.h"
#include "records/CreatXmSbRules.h"
#include "records/DrawingLocation.h"
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
constexpr int kHeads = 10;

stdfs::path g_home;
std::wstring g_project;
std::wstring g_template;
std::vector<std::wstring> g_templateDrawingNames;

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

void RegisterApplication(AcDbDatabase& db, const wchar_t* name) {
    AcDbObjectPointer<AcDbRegAppTable> table(db.regAppTableId(), AcDb::kForWrite);
    auto* record = new AcDbRegAppTableRecord();
    record->setName(name);
    table->add(record);
    record->close();
}

AcDbObjectId AddText(AcDbBlockTableRecord* space, const AcGePoint3d& at, const wchar_t* text,
                     double height) {
    auto* entity = new AcDbText(at, text, AcDbObjectId::kNull, height);
    AcDbObjectId id;
    space->appendAcDbEntity(id, entity);
    entity->close();
    return id;
}

void SetXData(AcDbObjectId id, const wchar_t* application, const ResbufChain& items) {
    AcDbObjectPointer<AcDbEntity> entity(id, AcDb::kForWrite);
    entity->setXData(application, items);
}

void SaveTemplateDrawing(const std::wstring& path) {
    AcDbDatabase db;
    for (const wchar_t* name : {L"HORSIZE_OF_DRAWING", L"VERSIZE_OF_DRAWING", L"HORNUM_OF_TABLE",
                                L"VERNUM_OF_TABLE", L"DZP_NAME", L"OV_DZPHEAD_LOACTIONHANDLE",
                                L"OV_DZPLOCATION_HEADHANDLE", L"OVBOM_LOCATION_LABELHANDLE"})
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
        std::wstring label = i == 0 ? L"图号" : L"参数" + std::to_wstring(i);
        cells.push_back(resbuf::Text(1, label + L"|" + std::to_wstring(i * 30) + L"|10|" +
                                            std::to_wstring(i * 30 + 30) + L"|0|3|0.7|"));
        AddText(space.object(), {i * 30.0 + 5, 5, 0}, L"旧值", 3.0);
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
    for (const wchar_t* cover : {L"某某工程", L"合同号：旧", L"XX型", L"XX柜"})
        AddText(space.object(), {0, 100.0, 0}, cover, 5.0);
    for (int i = 0; i < kHeads; ++i) {
        AcDbObjectId location = AddText(space.object(), {i * 20.0 + 5, 120, 0}, L"A1", 2.0);
        AcDbObjectId head = AddText(space.object(), {i * 20.0, 120, 0}, L"X1", 4.0);
        SetXData(head, L"DZP_NAME", {resbuf::Text(1000, L"X1")});
        SetXData(head, L"OV_DZPHEAD_LOACTIONHANDLE",
                 {resbuf::Text(1005, location.handle().text())});
        SetXData(location, L"OV_DZPLOCATION_HEADHANDLE",
                 {resbuf::Text(1005, head.handle().text())});
        AcDbObjectId label = AddText(space.object(), {i * 20.0, 140, 0}, L"A1", 2.0);
        SetXData(label, L"OVBOM_LOCATION_LABELHANDLE", {resbuf::Text(1000, L"")});
    }
    for (int i = 0; i < 100; ++i) {
        auto* line = new AcDbLine({i * 3.0, 20, 0}, {i * 3.0, 90, 0});
        space->appendAcDbEntity(line);
        line->close();
    }
    space->close();
    SetDrawingLocation(&db, L"A1");
    db.saveAs(path.c_str(), false, AcDb::kDHL_2400);
}

void MakeInstallation() {
    g_home = stdfs::temp_directory_path() / ("ov-create-bench-" + std::to_string(::getpid()));
    for (const char* folder : {"Data", "LocalData"})
        stdfs::create_directories(g_home / folder);
    std::ofstream(g_home / "Installation.ini") << "CodePage=CP936\n";

    stdfs::path project = g_home / "P";
    stdfs::create_directories(project);
    WriteManageFile(project / "P.itm", {{L"工程名称", L"甲站"}, {L"工程合同号", L"HT-0"}}, {});
    g_project = fs::ToLogical(project);

    stdfs::path folder = g_home / "Template" / "prjs" / "Std";
    stdfs::create_directories(folder);
    std::vector<std::wstring> content = {L"YL:"};
    for (int i = 1; i <= kDrawings; ++i) {
        std::wstring name = std::wstring(i < 10 ? L"0" : L"") + std::to_wstring(i) + L".dwg";
        SaveTemplateDrawing(fs::ToLogical(folder / fs::ToNative(name)));
        g_templateDrawingNames.push_back(name);
        content.push_back(xmfile::FileLine(name, L""));
    }
    WriteManageFile(folder / "Std.prj",
                    {{L"设备名称", L"模板柜"}, {L"设备数量", L"1"}, {L"设备型号", L"PRC-31A"}},
                    content);
    g_template = fs::ToLogical(folder);
}

void RemoveFolder(benchmark::State& state, const std::wstring& folder) {
    state.PauseTiming();
    fs::DeleteTree(folder);
    state.ResumeTiming();
}

void CreateFromTemplate(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        create::CCreateRequest request;
        request.strParentFolder = g_project;
        request.strName = L"E" + std::to_wstring(++n);
        request.strCaption = L"新建设备";
        request.strTemplateFolder = g_template;
        request.entries = {{L"设备图册号", L"B7"}, {L"设备名称", L"1号柜"}, {L"设备数量", L"2"}};
        if (!create::CreatXmSb(request, nullptr))
            state.SkipWithError("the creation did not go through");
        RemoveFolder(state, CEditOprt::JoinPath(g_project, request.strName));
    }
}

void CopyAndReadAndSave(benchmark::State& state) {
    int n = 0;
    for (auto _ : state) {
        std::wstring folder = CEditOprt::JoinPath(g_project, L"C" + std::to_wstring(++n));
        if (!fs::CopyTree(g_template, folder))
            state.SkipWithError("the template could not be copied");
        for (const std::wstring& name : g_templateDrawingNames) {
            std::wstring path = CEditOprt::JoinPath(folder, name);
            AcDbDatabase db(false, true);
            if (db.readDwgFile(path.c_str()) != Acad::eOk ||
                CEditOprt::SaveDatabaseAs(&db, path) != Acad::eOk)
                state.SkipWithError("a drawing could not be saved");
        }
        RemoveFolder(state, folder);
    }
}

} // namespace

int main(int argc, char** argv) {
    MakeInstallation();
    ::setenv("OVMANAGE_HOME", g_home.c_str(), 1);
    text::SetAnsiCodePage("CP936");
    ui::ScriptedBackend backend;
    cad::StartHost({});

    benchmark::RegisterBenchmark("Equipment/CreateFromATemplateOf50Drawings", CreateFromTemplate)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Equipment/CopyAndReadAndSave50Drawings", CopyAndReadAndSave)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double create = reporter.Seconds("Equipment/CreateFromATemplateOf50Drawings");
    double baseline = reporter.Seconds("Equipment/CopyAndReadAndSave50Drawings");
    std::printf("An Equipment from a template of %d drawings: %.1f ms, copying the folder and "
                "reading and saving each drawing: %.1f ms, ratio %.2fx (target: at most 1.5x)\n",
                kDrawings, create * 1e3, baseline * 1e3, baseline > 0 ? create / baseline : 0.0);
    if (!backend.Boxes().empty())
        std::printf("unexpected message: %ls\n", backend.Boxes().front().text.c_str());
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_home, ignored);
    benchmark::Shutdown();
    return 0;
}
