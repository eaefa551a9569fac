// The desktop host's two costs a user feels: redrawing the drawing view for a drawing of
// 10,000 entities (lines, texts and block references in equal parts) into an off-screen
// picture, fitted and zoomed in, and building and showing the largest dialog. Runs on an X
// server (make bench starts it under xvfb-run).

#include "BenchSupport.h"

#include "DrawingRenderer.h"

#include "manager/StyleEditDlg.h"
#include "platform/cad/BuiltinCommands.h"
#include "platform/cad/DbDatabase.h"
#include "platform/cad/DbLine.h"
#include "platform/cad/DbOpen.h"
#include "platform/cad/DbSymbolTable.h"
#include "platform/cad/DbText.h"
#include "platform/ui/wx/DesktopBackend.h"
#include "suite/OvXmInfo/AllStyNameInfo.h"
#include "suite/OvXmInfo/ManageFileInfo.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/log.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kEntities = 10000;
constexpr int kWidth = 1280;
constexpr int kHeight = 720;

AcDbDatabase* g_drawing = nullptr;
ui::desk::DesktopBackend* g_backend = nullptr;

// A terminal block: a box with a label, inserted a third of the time.
AcDbObjectId AddTerminalBlock(AcDbDatabase& db) {
    AcDbObjectPointer<AcDbBlockTable> blocks(db.blockTableId(), AcDb::kForWrite);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"端子");
    AcDbObjectId id;
    blocks->add(id, block);
    block->appendAcDbEntity(new AcDbLine({0, 0, 0}, {6, 0, 0}));
    block->appendAcDbEntity(new AcDbLine({0, 3, 0}, {6, 3, 0}));
    block->appendAcDbEntity(new AcDbText({0.5, 0.5, 0}, L"X1", AcDbObjectId::kNull, 2.0));
    block->close();
    return id;
}

void Fill(AcDbDatabase& db) {
    AcDbObjectId block = AddTerminalBlock(db);
    AcDbObjectPointer<AcDbBlockTableRecord> space(db.modelSpaceId(), AcDb::kForWrite);
    for (int i = 0; i < kEntities; ++i) {
        AcGePoint3d at(i % 100 * 12.0, i / 100 * 6.0, 0.0);
        AcDbEntity* entity;
        if (i % 3 == 0)
            entity = new AcDbLine(at, at + AcGeVector3d(10.0, 4.0, 0.0));
        else if (i % 3 == 1)
            entity = new AcDbText(at, L"端子排 X" + std::to_wstring(i), AcDbObjectId::kNull, 2.5);
        else
            entity = new AcDbBlockReference(at, block);
        entity->setColorIndex(1 + i % 7);
        space->appendAcDbEntity(entity);
        entity->close();
    }
}

void Redraw(benchmark::State& state, double zoom) {
    AcDbExtents extents;
    extents.addPoint({0, 0, 0});
    extents.addPoint({1200, 600, 0});
    desk::ViewWindow view{600, 300, 620 / zoom, kWidth, kHeight};
    wxBitmap picture(kWidth, kHeight, 24);
    for (auto _ : state) {
        wxMemoryDC dc(picture);
        std::unique_ptr<wxGraphicsContext> context(wxGraphicsContext::Create(dc));
        desk::RenderModelSpace(*g_drawing, *context, view);
        context->Flush();
    }
}

// The whole drawing, as zoom to extents shows it: its texts are a few pixels high.
void RedrawFitted(benchmark::State& state) {
    Redraw(state, 1.0);
}

// Zoomed in eight times: the texts in view are legible and drawn with their glyphs.
void RedrawZoomedIn(benchmark::State& state) {
    Redraw(state, 8.0);
}

void BuildAndShowDialog(benchmark::State& state) {
    for (auto _ : state) {
        CStyleEditDlg dialog(L"选择添加的类型名称");
        dialog.Create();
        dialog.ShowWindow(ui::SW_SHOW);
        wxTheApp->Yield(true);
        dialog.DestroyWindow();
    }
    wxTheApp->ProcessIdle();
}

BENCHMARK(RedrawFitted)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(RedrawZoomedIn)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BuildAndShowDialog)->Unit(benchmark::kMillisecond)->Repetitions(3);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    setenv("NO_AT_BRIDGE", "1", 0);
    wxLog::SetActiveTarget(new wxLogStderr);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fputs("desktop_bench: the toolkit does not start (no X server?)\n", stderr);
        return 1;
    }
    wxTheApp->CallOnInit();
    AcDbDatabase drawing;
    Fill(drawing);
    g_drawing = &drawing;
    // A catalogue of drawing types as large installations have.
    CAllStyNameInfo catalogue;
    std::vector<std::wstring> lines;
    for (int i = 0; i < 60; ++i)
        lines.push_back(L"T" + std::to_wstring(i) + L"=图纸类型" + std::to_wstring(i));
    catalogue.SetStyleLines(lines);
    CManageFileInfo::Setm_AllStyNameInfo(&catalogue);
    auto backend = std::make_unique<ui::desk::DesktopBackend>();
    g_backend = backend.get();

    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double fitted = reporter.Seconds("RedrawFitted") * 1000.0;
    double zoomed = reporter.Seconds("RedrawZoomedIn") * 1000.0;
    double dialog = reporter.Seconds("BuildAndShowDialog") * 1000.0;
    std::printf("redraw of %d entities at %dx%d, fitted: %.1f ms, ratio %.2fx (target: at most "
                "1x of one frame at 60 Hz, 16 ms)\n",
                kEntities, kWidth, kHeight, fitted, fitted / 16.0);
    std::printf("redraw zoomed in eight times (texts with their glyphs): %.1f ms\n", zoomed);
    std::printf("build and show the largest dialog (CStyleEditDlg, 60 types): %.1f ms, ratio "
                "%.2fx (target: at most 1x of 100 ms)\n",
                dialog, dialog / 100.0);
    CManageFileInfo::Setm_AllStyNameInfo(nullptr);
    backend.reset();
    benchmark::Shutdown();
    wxEntryCleanup();
    return 0;
}
