// The drawing selection dialog at scale, on a Project of 200 Equipments of 50 drawings each:
// - opening it from the drawings the window's command collected on disk (reading every
//   management file, matching the records with the files, building the tree and the list of
//   10,000 drawings) against reading the same management files' records alone: at most 2x;
//   the collection before it is shown too, on its own and with the opening;
// - one round of the check marks (a row ticked in the list, the tree rebuilt, an item ticked in
//   the tree, the list rebuilt): at most 20 ms;
// - sending 200 checked drawings into folders per Equipment and type against plain copies of
//   the same files into the same folders: at most 1.5x.

#include "BenchSupport.h"

#include "drawing/ContainerDrawings.h"
#include "manager/DwgSelectDlg.h"
#include "platform/cad/Host.h"
#include "platform/fs/LogicalPath.h"
#include "platform/text/CodePage.h"
#include "platform/text/Utf8.h"
#include "platform/ui/ScriptedBackend.h"
#include "records/XmSb.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace stdfs = std::filesystem;

constexpr int kEquipments = 200;
constexpr int kDrawings = 50;
constexpr int kTypes = 5;
constexpr int kSent = 200;
constexpr size_t kDrawingBytes = 32 * 1024;

stdfs::path g_root;
std::wstring g_projectFile;
std::vector<std::wstring> g_manageFiles;

void WriteManageFile(const stdfs::path& path, const std::vector<std::wstring>& content) {
    std::vector<std::wstring> lines{
        L"$BEGIN NOTE OF PRJ", L"$BEGIN_ONE_NOTE",      L"设备名称", L"屏", L"$END_ONE_NOTE",
        L"$END NOTE OF PRJ",   L"$BEGIN CONTENT OF PRJ"};
    lines.insert(lines.end(), content.begin(), content.end());
    lines.insert(lines.end(), {L"$End CONTENT OF PRJ", L"$EOF"});
    std::string bytes;
    for (const std::wstring& line : lines)
        bytes += text::AnsiCodePage().Encode(line) + "\r\n";
    std::ofstream(path, std::ios::binary) << bytes;
}

void MakeProject() {
    stdfs::path project = g_root / "P";
    stdfs::create_directories(project);
    WriteManageFile(project / "P.itm", {});
    g_projectFile = fs::ToLogical(project / "P.itm");
    g_manageFiles.push_back(g_projectFile);
    std::string drawing(kDrawingBytes, 'd');
    for (int e = 0; e < kEquipments; ++e) {
        std::string name = "屏" + std::to_string(1000 + e);
        stdfs::path folder = project / name;
        stdfs::create_directories(folder);
        std::vector<std::wstring> content;
        for (int t = 0; t < kTypes; ++t) {
            content.push_back(L"类型" + std::to_wstring(t) + L":");
            for (int d = t; d < kDrawings; d += kTypes) {
                std::wstring file = L"图" + std::to_wstring(100 + d) + L".dwg";
                content.push_back(file + L"<备注>");
                std::ofstream(folder / text::ToUtf8(file), std::ios::binary) << drawing;
            }
        }
        WriteManageFile(folder / (name + ".prj"), content);
        g_manageFiles.push_back(fs::ToLogical(folder / (name + ".prj")));
    }
}

std::vector<std::wstring> CollectDrawings() {
    std::vector<std::wstring> drawings;
    CollectContainerDrawings(g_projectFile, drawings);
    return drawings;
}

// Handed the drawings as the management window's command hands them over.
std::unique_ptr<CDwgSelectDlg> OpenDialog(std::vector<std::wstring> drawings) {
    auto dialog = std::make_unique<CDwgSelectDlg>(
        1, g_projectFile, std::vector<STRUCT_XMSB_FILESTYLE>{}, std::move(drawings));
    dialog->Create();
    return dialog;
}

void CloseDialog(benchmark::State& state, std::unique_ptr<CDwgSelectDlg>& dialog) {
    if (dialog->GetListCtrl().GetItemCount() != kEquipments * kDrawings)
        state.SkipWithError("not every drawing is shown");
    dialog->DestroyWindow();
    dialog.reset();
}

// The dialog's own opening, from the drawings collected before it.
void Open(benchmark::State& state) {
    ui::ScriptedBackend backend;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::wstring> drawings = CollectDrawings();
        state.ResumeTiming();
        auto dialog = OpenDialog(std::move(drawings));
        state.PauseTiming();
        CloseDialog(state, dialog);
        state.ResumeTiming();
    }
}

// What the user waits for after choosing the command: the collection, then the dialog.
void CollectAndOpen(benchmark::State& state) {
    ui::ScriptedBackend backend;
    for (auto _ : state) {
        auto dialog = OpenDialog(CollectDrawings());
        state.PauseTiming();
        CloseDialog(state, dialog);
        state.ResumeTiming();
    }
}

// The parts of opening, to see where its time goes.
void CollectOnly(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CollectDrawings().size());
}

void ModelOnly(benchmark::State& state) {
    std::vector<std::wstring> drawings = CollectDrawings();
    std::vector<STRUCT_XMSB_FILESTYLE> styles;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::wstring> listed = drawings;
        auto model = std::make_unique<CDwgSelectDrawings>();
        state.ResumeTiming();
        model->Load(g_projectFile, std::move(listed), styles);
        benchmark::DoNotOptimize(model->Drawings().size());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void RecordsLoad(benchmark::State& state) {
    for (auto _ : state)
        for (const std::wstring& path : g_manageFiles) {
            CXmSb records(path);
            benchmark::DoNotOptimize(records.Getm_XmSbFileArray().size());
        }
}

void CheckRound(benchmark::State& state) {
    ui::ScriptedBackend backend;
    auto dialog = OpenDialog(CollectDrawings());
    CMyDragListCtrl& list = dialog->GetListCtrl();
    CTreeCtrlEx& tree = dialog->GetTreeCtrl();
    bool checked = false;
    for (auto _ : state) {
        checked = !checked;
        list.SetCheck(list.GetItemCount() / 2, checked);
        dialog->SendMessage(CMyDragListCtrl::WM_LIST_CHECKS_CHANGED);
        // The first Equipment, its branch closed: its mark stands for its fifty drawings.
        ui::HTREEITEM first = tree.GetChildItem(tree.GetRootItem());
        tree.SetCheckBranch(first, checked);
        dialog->SendMessage(CTreeCtrlEx::WM_TREE_CHECKS_CHANGED);
    }
    // Ticked: the Equipment's drawings and the row in the middle; cleared: none.
    if (dialog->Getm_arrCheckedPaths().size() != (checked ? kDrawings + 1 : 0))
        state.SkipWithError("the tree's tick did not reach the list");
    dialog->DestroyWindow();
}

// The 200 drawings of the first four Equipments, and where a send with type folders puts each.
std::vector<std::pair<stdfs::path, stdfs::path>> SentFiles(const stdfs::path& to) {
    std::vector<std::pair<stdfs::path, stdfs::path>> files;
    for (int e = 0; e < kSent / kDrawings; ++e) {
        std::string name = "屏" + std::to_string(1000 + e);
        for (int t = 0; t < kTypes; ++t)
            for (int d = t; d < kDrawings; d += kTypes) {
                std::string file = "图" + std::to_string(100 + d) + ".dwg";
                files.push_back({g_root / "P" / name / file,
                                 to / "P" / name / ("类型" + std::to_string(t)) / file});
            }
    }
    return files;
}

void Send(benchmark::State& state) {
    ui::ScriptedBackend backend;
    auto dialog = OpenDialog(CollectDrawings());
    CMyDragListCtrl& list = dialog->GetListCtrl();
    for (int row = 0; row < kSent; ++row)
        list.SetCheck(row, true);
    dialog->SendMessage(CMyDragListCtrl::WM_LIST_CHECKS_CHANGED);
    stdfs::path to = g_root / "sent";
    for (auto _ : state) {
        state.PauseTiming();
        stdfs::remove_all(to);
        stdfs::create_directories(to);
        backend.QueueFolder(fs::ToLogical(to));
        state.ResumeTiming();
        dialog->SendMessage(ui::WM_COMMAND,
                            ui::MAKEWPARAM(CDwgSelectDlg::IDC_SEND, ui::BN_CLICKED));
    }
    if (!backend.Boxes().empty() || !stdfs::exists(SentFiles(to).back().second))
        state.SkipWithError("the send did not copy every drawing");
    dialog->DestroyWindow();
}

void PlainCopies(benchmark::State& state) {
    stdfs::path to = g_root / "copied";
    auto files = SentFiles(to);
    for (auto _ : state) {
        state.PauseTiming();
        stdfs::remove_all(to);
        stdfs::create_directories(to);
        state.ResumeTiming();
        for (const auto& [from, into] : files) {
            stdfs::create_directories(into.parent_path());
            stdfs::copy_file(from, into);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    g_root = stdfs::temp_directory_path() / ("ov-selection-bench-" + std::to_string(::getpid()));
    text::SetAnsiCodePage("CP936");
    cad::HostOptions options;
    cad::StartHost(options);
    MakeProject();

    benchmark::RegisterBenchmark("Open/DialogOn10000Drawings", Open)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Open/CollectThenDialog", CollectAndOpen)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Open/Part/CollectDrawings", CollectOnly)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3);
    benchmark::RegisterBenchmark("Open/Part/ReadModel", ModelOnly)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(3);
    benchmark::RegisterBenchmark("Open/RecordsLoadOf201Files", RecordsLoad)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Checks/ListThenTreeRound", CheckRound)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Send/200DrawingsIntoTypeFolders", Send)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("Send/PlainCopiesOf200Drawings", PlainCopies)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5);
    benchmark::Initialize(&argc, argv);
    ovbench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double open = reporter.Seconds("Open/DialogOn10000Drawings");
    double records = reporter.Seconds("Open/RecordsLoadOf201Files");
    double round = reporter.Seconds("Checks/ListThenTreeRound");
    double send = reporter.Seconds("Send/200DrawingsIntoTypeFolders");
    double copies = reporter.Seconds("Send/PlainCopiesOf200Drawings");
    double collected = reporter.Seconds("Open/CollectThenDialog");
    double listing = reporter.Seconds("Open/Part/CollectDrawings");
    std::printf("opening on %d Equipments of %d drawings, from the drawings handed over: "
                "%.1f ms, records load: %.1f ms, ratio %.2fx (target: at most 2x)\n",
                kEquipments, kDrawings, open * 1e3, records * 1e3,
                records > 0 ? open / records : 0.0);
    std::printf("with the collection of the drawings on disk first: %.1f ms, %.2f times the "
                "records load (of which the collection alone: %.1f ms)\n",
                collected * 1e3, records > 0 ? collected / records : 0.0, listing * 1e3);
    std::printf("one check round on %d rows: %.2f ms, ratio %.2fx (target: at most 1x of 20 ms)\n",
                kEquipments * kDrawings, round * 1e3, round / 0.020);
    std::printf("sending %d drawings of %zu KB into type folders: %.1f ms, plain copies: %.1f ms, "
                "ratio %.2fx (target: at most 1.5x), peak memory %.1f MiB\n",
                kSent, kDrawingBytes / 1024, send * 1e3, copies * 1e3,
                copies > 0 ? send / copies : 0.0, ovbench::PeakMemoryMiB());
    cad::StopHost();
    std::error_code ignored;
    stdfs::remove_all(g_root, ignored);
    benchmark::Shutdown();
    return 0;
}
