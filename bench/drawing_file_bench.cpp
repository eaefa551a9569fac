// Saving and reading a drawing of 10,000 entities (texts, lines and paragraph texts), each
// with extended data: the times of both, the file size and the peak memory.

#include "BenchSupport.h"

#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/fs/LogicalPath.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int kEntities = 10000;
std::filesystem::path g_file;

void Fill(AcDbDatabase& db) {
    AcDbObjectPointer<AcDbRegAppTable> applications(db.regAppTableId(), AcDb::kForWrite);
    auto* application = new AcDbRegAppTableRecord();
    application->setName(L"OVBOM_LOCATION_LABELHANDLE");
    applications->add(application);
    application->close();
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < kEntities; ++i) {
        AcDbEntity* entity;
        AcGePoint3d at(i % 100 * 10.0, i / 100 * 10.0, 0.0);
        if (i % 3 == 0)
            entity = new AcDbText(at, L"端子排 X" + std::to_wstring(i), AcDbObjectId::kNull, 3.5);
        else if (i % 3 == 1)
            entity = new AcDbLine(at, at + AcGeVector3d(8.0, 0.0, 0.0));
        else {
            auto* mtext = new AcDbMText();
            mtext->setContents(L"{\\W0.75;设备 " + std::to_wstring(i) + L"}\\P屏柜");
            mtext->setLocation(at);
            entity = mtext;
        }
        AcDbObjectId id;
        space->appendAcDbEntity(id, entity);
        entity->setXData(L"OVBOM_LOCATION_LABELHANDLE",
                         {resbuf::Text(1000, L"位置 A" + std::to_wstring(i)),
                          resbuf::Text(1005, id.handle().text()), resbuf::Real(1040, i * 0.5),
                          resbuf::Short(1070, static_cast<short>(i % 100))});
        entity->close();
    }
}

void Save(benchmark::State& state) {
    AcDbDatabase db;
    Fill(db);
    std::wstring path = fs::ToLogical(g_file);
    for (auto _ : state)
        if (db.saveAs(path.c_str(), false) != Acad::eOk)
            state.SkipWithError("save failed");
}

void Read(benchmark::State& state) {
    std::wstring path = fs::ToLogical(g_file);
    for (auto _ : state) {
        AcDbDatabase db(false, true);
        if (db.readDwgFile(path.c_str()) != Acad::eOk ||
            db.modelSpace()->entityIds().size() != kEntities)
            state.SkipWithError("read failed");
    }
}

BENCHMARK(Save)->Unit(benchmark::kMillisecond);
BENCHMARK(Read)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    g_file = std::filesystem::temp_directory_path() /
             ("ov-drawing-bench-" + std::to_string(::getpid()) + ".dwg");
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::error_code ignored;
    double megabytes =
        static_cast<double>(std::filesystem::file_size(g_file, ignored)) / (1024.0 * 1024.0);
    std::printf(
        "drawing of %d entities with extended data: save %.1f ms, read %.1f ms, file %.2f MiB, "
        "peak memory %.1f MiB\n",
        kEntities, reporter.Seconds("Save") * 1000.0, reporter.Seconds("Read") * 1000.0, megabytes,
        ovbench::PeakMemoryMiB());
    std::filesystem::remove(g_file, ignored);
    benchmark::Shutdown();
    return 0;
}
